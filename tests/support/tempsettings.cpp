#include "tempsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

TempSettings::TempSettings()
{
    QCoreApplication::setOrganizationName(QStringLiteral("KorivTest"));
    QCoreApplication::setApplicationName(QCoreApplication::applicationName() + QStringLiteral("-settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

QString TempSettings::fileName() const
{
    return QSettings().fileName();
}

QString TempSettings::fileText() const
{
    QSettings().sync();
    QFile file(fileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TempSettings::clear()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}
