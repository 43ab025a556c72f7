#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace Gui {

// The one store of user preferences: the INI file at the platform's standard place, addressed by
// group and key. Widgets call it directly; QML pages reach it as "SETTINGS". Each call opens and
// closes its own QSettings, so every instance sees the same file.
class Settings : public QObject
{
    Q_OBJECT

public:
    explicit Settings(QObject *parent = nullptr);
    ~Settings() override;

    // The stored value, or defaultValue when absent; the texts "true" and "false" read as bools.
    Q_INVOKABLE static QVariant value(const QString &group, const QString &key, const QVariant &defaultValue);
    Q_INVOKABLE static QVariant value(const QString &group, const QString &key);
    Q_INVOKABLE static void setValue(const QString &group, const QString &key, const QVariant &value);
    Q_INVOKABLE static QVariantMap map(const QString &group);
    // Replaces the whole group: keys missing from the map disappear.
    Q_INVOKABLE static void setMap(const QString &group, const QVariantMap &map);
    // A group kept as an array (group/size, group/1/key, ...): one map per element.
    Q_INVOKABLE static QVariantList list(const QString &group);
    Q_INVOKABLE static void setList(const QString &group, const QVariantList &list);
    Q_INVOKABLE static void remove(const QString &key);

    // The shell's own preferences with their defaults.
    static double scaleFactor();
    static int fontSize();
    static bool groupTaskBarWindows();
    static bool checkUpdatesOnStartup();
    static QString updateChannel();
    static QString language();
    static bool loggingEnabled();
};

} // namespace Gui
