#pragma once

#include "jsonrpcobject.h"

namespace Common::JsonRpc {

// A JSON request: "method", and "params", "id" and "meta" only when set. No version member.
class Request : public Object
{
public:
    explicit Request(const QString &method);
    ~Request() override;

    QJsonObject params() const { return m_params; }
    void setParams(const QJsonObject &params) { m_params = params; }

    QJsonObject toJson() const override;

private:
    QJsonObject m_params;
};

} // namespace Common::JsonRpc
