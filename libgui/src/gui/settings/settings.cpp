#include "settings.h"

#include <QApplication>
#include <QFont>
#include <QSettings>

namespace Gui {

namespace {

QVariant boolFromText(const QVariant &stored)
{
    if (stored.userType() == QMetaType::QString) {
        const QString text = stored.toString();
        if (text == QLatin1String("true"))
            return true;
        if (text == QLatin1String("false"))
            return false;
    }
    return stored;
}

} // namespace

Settings::Settings(QObject *parent)
    : QObject(parent)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

Settings::~Settings() = default;

QVariant Settings::value(const QString &group, const QString &key, const QVariant &defaultValue)
{
    QSettings settings;
    return boolFromText(settings.value(QStringLiteral("%1/%2").arg(group, key), defaultValue));
}

QVariant Settings::value(const QString &group, const QString &key)
{
    return value(group, key, QVariant());
}

void Settings::setValue(const QString &group, const QString &key, const QVariant &value)
{
    QSettings settings;
    settings.beginGroup(group);
    settings.setValue(key, value);
    settings.endGroup();
}

QVariantMap Settings::map(const QString &group)
{
    QSettings settings;
    settings.beginGroup(group);
    QVariantMap result;
    const QStringList keys = settings.childKeys();
    for (const QString &key : keys)
        result.insert(key, settings.value(key));
    settings.endGroup();
    return result;
}

void Settings::setMap(const QString &group, const QVariantMap &map)
{
    QSettings settings;
    settings.remove(group);
    settings.beginGroup(group);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.endGroup();
}

QVariantList Settings::list(const QString &group)
{
    QSettings settings;
    settings.setIniCodec("UTF-8");
    QVariantList result;
    const int size = settings.beginReadArray(group);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        QVariantMap element;
        const QStringList keys = settings.childKeys();
        for (const QString &key : keys)
            element.insert(key, settings.value(key));
        result.append(element);
    }
    settings.endArray();
    return result;
}

void Settings::setList(const QString &group, const QVariantList &list)
{
    QSettings settings;
    settings.setIniCodec("UTF-8");
    settings.remove(group);
    settings.beginWriteArray(group, list.size());
    for (int i = 0; i < list.size(); ++i) {
        settings.setArrayIndex(i);
        const QVariantMap element = list.at(i).toMap();
        for (auto it = element.cbegin(); it != element.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    settings.endArray();
}

void Settings::remove(const QString &key)
{
    QSettings settings;
    settings.remove(key);
}

double Settings::scaleFactor()
{
    return value(QStringLiteral("style"), QStringLiteral("scaleFactor"), 1.0).toDouble();
}

int Settings::fontSize()
{
    return value(QStringLiteral("style"), QStringLiteral("fontSize"), QApplication::font().pointSize()).toInt();
}

bool Settings::groupTaskBarWindows()
{
    return value(QStringLiteral("ui"), QStringLiteral("groupTaskBarWindows"), true).toBool();
}

bool Settings::checkUpdatesOnStartup()
{
    return value(QStringLiteral("updating"), QStringLiteral("checkOnStartup"), true).toBool();
}

QString Settings::updateChannel()
{
    return value(QStringLiteral("updating"), QStringLiteral("channel"), QStringLiteral("release")).toString();
}

QString Settings::language()
{
    return value(QStringLiteral("i18n"), QStringLiteral("lang"), QStringLiteral("ru")).toString();
}

bool Settings::loggingEnabled()
{
    return value(QStringLiteral("logging"), QStringLiteral("enabled"), false).toBool();
}

} // namespace Gui
