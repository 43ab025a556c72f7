#pragma once

#include <QString>

#include <typeinfo>

namespace Common {

// The readable, qualified name of a C++ type ("Client::Controller::UserSession").
QString demangledTypeName(const std::type_info &type);

template<typename T>
QString typeName()
{
    return demangledTypeName(typeid(T));
}

} // namespace Common
