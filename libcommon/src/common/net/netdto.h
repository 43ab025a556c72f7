#pragma once

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

// One protocol message: its entries as text, as JSON strings and as typed JSON values.
class NetDTO
{
public:
    NetDTO() = default;
    explicit NetDTO(const QVariantMap &map);

    // Adds or replaces one entry in all three forms; the value is kept exactly as given.
    void insert(const QString &key, const QVariant &value);

    // The entry text "#key=value..." in key order, with "#" and "=" of values escaped.
    QString toString() const;
    // The JSON shape: "controller", "method", "receiver", "meta" and the rest under "params".
    QJsonObject toJson() const;

    const QVariantMap &mapParams() const { return m_mapParams; }
    const QJsonObject &stringParams() const { return m_stringParams; }
    const QJsonObject &jsonParams() const { return m_jsonParams; }

    // Registers "NetDTO" and "QList<NetDTO>" for queued signals.
    static void registerMetaTypes();

private:
    QVariantMap m_mapParams;
    QJsonObject m_stringParams;
    QJsonObject m_jsonParams;
};

Q_DECLARE_METATYPE(NetDTO)
Q_DECLARE_METATYPE(QList<NetDTO>)

// "/#" becomes "#", then "/=" becomes "=": the reverse of the value escape of the entry text.
QString unescapeValue(const QString &value);
// "#" becomes "/#", then "=" becomes "/=".
QString escapeValue(const QString &value);
