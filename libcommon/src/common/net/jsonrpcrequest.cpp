#include "jsonrpcrequest.h"

namespace Common::JsonRpc {

Request::Request(const QString &method)
    : Object(method, QString())
{
}

Request::~Request() = default;

QJsonObject Request::toJson() const
{
    QJsonObject json{{QStringLiteral("method"), method()}};
    if (!m_params.isEmpty())
        json.insert(QStringLiteral("params"), m_params);
    if (!id().isEmpty())
        json.insert(QStringLiteral("id"), id());
    if (!meta().isNull())
        json.insert(QStringLiteral("meta"), meta());
    return json;
}

} // namespace Common::JsonRpc
