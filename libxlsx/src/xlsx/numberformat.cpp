#include "xlsx/numberformat.h"

#include <QHash>

namespace Xlsx {

namespace {

struct Builtin
{
    int id;
    const char *code;
};

const Builtin builtins[] = {
    {0, "General"},      {1, "0"},
    {2, "0.00"},         {3, "#,##0"},
    {4, "#,##0.00"},     {9, "0%"},
    {10, "0.00%"},       {11, "0.00E+00"},
    {12, "# ?/?"},       {13, "# ?\?/??"},
    {14, "mm-dd-yy"},    {15, "d-mmm-yy"},
    {16, "d-mmm"},       {17, "mmm-yy"},
    {18, "h:mm AM/PM"},  {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},        {21, "h:mm:ss"},
    {22, "m/d/yy h:mm"}, {37, "#,##0 ;(#,##0)"},
    {38, "#,##0 ;[Red](#,##0)"},
    {39, "#,##0.00;(#,##0.00)"},
    {40, "#,##0.00;[Red](#,##0.00)"},
    {45, "mm:ss"},       {46, "[h]:mm:ss"},
    {47, "mmss.0"},      {48, "##0.0E+0"},
    {49, "@"},
};

} // namespace

QString NumberFormat::builtinCode(int id)
{
    for (const Builtin &builtin : builtins) {
        if (builtin.id == id)
            return QString::fromLatin1(builtin.code);
    }
    return {};
}

int NumberFormat::builtinId(const QString &code)
{
    static const QHash<QString, int> ids = [] {
        QHash<QString, int> map;
        for (const Builtin &builtin : builtins)
            map.insert(QString::fromLatin1(builtin.code), builtin.id);
        return map;
    }();
    return ids.value(code, -1);
}

NumberFormat::Kind NumberFormat::kindOfCode(const QString &code)
{
    bool date = false;
    bool time = false;
    bool month = false;
    const int n = code.size();
    for (int i = 0; i < n; ++i) {
        const QChar ch = code[i];
        const ushort u = ch.toLower().unicode();
        if (ch == QLatin1Char(';'))
            break; // the first section decides
        if (ch == QLatin1Char('"')) {
            const int close = code.indexOf(QLatin1Char('"'), i + 1);
            i = close < 0 ? n : close;
        } else if (ch == QLatin1Char('\\') || ch == QLatin1Char('_') || ch == QLatin1Char('*')) {
            ++i; // the next character is a literal, a width or a fill
        } else if (ch == QLatin1Char('[')) {
            const int close = code.indexOf(QLatin1Char(']'), i + 1);
            const QString inner = code.mid(i + 1, (close < 0 ? n : close) - i - 1).toLower();
            if (!inner.isEmpty() && (inner.count(QLatin1Char('h')) == inner.size()
                                     || inner.count(QLatin1Char('m')) == inner.size()
                                     || inner.count(QLatin1Char('s')) == inner.size()))
                time = true; // elapsed time: [h], [mm], [ss]
            i = close < 0 ? n : close;
        } else if (u == 'g' && code.midRef(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
            i += 6;
        } else if (u == 'a' && (code.midRef(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0
                                || code.midRef(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0)) {
            time = true;
            i += code.midRef(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0 ? 4 : 2;
        } else if (u == 'd' || u == 'y') {
            date = true;
        } else if (u == 'h' || u == 's') {
            time = true;
        } else if (u == 'm') {
            month = true;
        }
    }
    if (month && !time)
        date = true;
    if (date && time)
        return DateTime;
    if (date)
        return Date;
    if (time)
        return Time;
    return Number;
}

NumberFormat::Kind NumberFormat::kindOfId(int id)
{
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return Date;
    if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47) || id == 32 || id == 33)
        return Time;
    if (id == 22)
        return DateTime;
    return Number;
}

} // namespace Xlsx
