#pragma once

#include <QString>

namespace Common {

// "Foo::bar" out of a compiler's pretty function signature such as "bool Foo::bar(int) const".
QString qualifiedFunctionName(const char *prettyFunction);

// The location text "file::function:line" that failure reports start with.
QString locationText(const char *file, const char *prettyFunction, int line);

// The warning line "location: message" that catch handlers log.
QString warningLine(const QString &location, const QString &message);

} // namespace Common

#define COMMON_LOCATION ::Common::locationText(__FILE__, Q_FUNC_INFO, __LINE__)
