#pragma once

#include <QString>

namespace Xlsx {

// The built-in number formats and what kind of value (number, date, time) a format shows.
class NumberFormat
{
public:
    enum Kind { Number, Date, Time, DateTime };

    static constexpr int FirstCustomId = 164;

    // The code of a built-in format id, or "" when the id has no fixed code.
    static QString builtinCode(int id);
    // The id of a built-in code, or -1.
    static int builtinId(const QString &code);
    static Kind kindOfCode(const QString &code);
    static Kind kindOfId(int id);
};

} // namespace Xlsx
