#include "typename.h"

#include <cxxabi.h>

#include <cstdlib>

namespace Common {

QString demangledTypeName(const std::type_info &type)
{
    int status = 0;
    char *name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    const QString result = QString::fromUtf8(status == 0 && name ? name : type.name());
    std::free(name);
    return result;
}

} // namespace Common
