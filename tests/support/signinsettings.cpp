#include "signinsettings.h"

#include <QCoreApplication>
#include <QSettings>

void writeSignInSettings(const QVector<SignInHost> &hosts, int current, const QString &login)
{
    QCoreApplication::setOrganizationName("Koriv");
    QCoreApplication::setApplicationName("KorivAdmin");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings settings;
    settings.beginWriteArray("hosts", hosts.size());
    for (int index = 0; index < hosts.size(); ++index) {
        settings.setArrayIndex(index);
        settings.setValue("name", hosts.at(index).name);
        settings.setValue("address", hosts.at(index).address);
        settings.setValue("port", hosts.at(index).port);
    }
    settings.endArray();
    settings.setValue("auth/current_host", current);
    settings.setValue("auth/login", login);
    settings.setValue("i18n/lang", "en");
    settings.setValue("updating/checkOnStartup", false);
    settings.sync();
}
