#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace Common::JsonRpc {

// Base of the JSON messages: a method, an id and optional meta data.
class Object
{
public:
    Object(const QString &method, const QString &id);
    virtual ~Object();

    virtual QJsonObject toJson() const = 0;

    QString method() const { return m_method; }
    QString id() const { return m_id; }
    void setId(const QString &id) { m_id = id; }
    QJsonValue meta() const { return m_meta; }
    void setMeta(const QJsonValue &meta) { m_meta = meta; }

private:
    QString m_method;
    QJsonValue m_meta{QJsonValue::Null};
    QString m_id;
};

} // namespace Common::JsonRpc
