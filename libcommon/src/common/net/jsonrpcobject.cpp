#include "jsonrpcobject.h"

namespace Common::JsonRpc {

Object::Object(const QString &method, const QString &id)
    : m_method(method)
    , m_id(id)
{
}

Object::~Object() = default;

} // namespace Common::JsonRpc
