#pragma once

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QSet>
#include <QString>
#include <QVariantMap>

// One protocol message: its entries as text, as JSON strings and as typed JSON values. The JSON
// forms are built when asked for: the text form, which most messages travel in, needs neither.
class NetDTO
{
public:
    NetDTO() = default;
    explicit NetDTO(const QVariantMap &map);

    // Adds or replaces one entry in all three forms; the value is kept exactly as given.
    void insert(const QString &key, const QVariant &value);

    // The entry text "#key=value..." in key order, with "#" and "=" of values escaped.
    QString toString() const;
    void appendTo(QString &text) const;
    // The JSON shape: "controller", "method", "receiver", "meta" and the rest under "params".
    QJsonObject toJson() const;

    const QVariantMap &mapParams() const { return m_mapParams; }
    // The values added by insert, as JSON strings (empty for a record built from a map).
    QJsonObject stringParams() const;
    // Every value as a typed JSON value.
    QJsonObject jsonParams() const { return QJsonObject::fromVariantMap(m_values); }

    // Registers "NetDTO" and "QList<NetDTO>" for queued signals.
    static void registerMetaTypes();

private:
    QVariantMap m_mapParams;
    QVariantMap m_values;      // as given, for the JSON forms
    QSet<QString> m_insertedKeys; // for stringParams
};

Q_DECLARE_METATYPE(NetDTO)
Q_DECLARE_METATYPE(QList<NetDTO>)

// "/#" becomes "#", then "/=" becomes "=": the reverse of the value escape of the entry text.
QString unescapeValue(const QString &value);
