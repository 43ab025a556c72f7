#include "location.h"

namespace Common {

QString qualifiedFunctionName(const char *prettyFunction)
{
    // Clang writes an unnamed namespace "(anonymous namespace)", GCC "{anonymous}": one spelling,
    // and no "(" that would end the name early.
    const QString text = QString::fromUtf8(prettyFunction)
                             .replace(QLatin1String("(anonymous namespace)"), QLatin1String("{anonymous}"));
    // The name ends at the first "(" outside template brackets ("operator()" keeps its own pair).
    int depth = 0;
    int end = text.size();
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<'))
            ++depth;
        else if (c == QLatin1Char('>') && depth > 0)
            --depth;
        else if (c == QLatin1Char('(') && depth == 0) {
            if (text.midRef(i - 8, 8) == QLatin1String("operator") && text.midRef(i, 2) == QLatin1String("()"))
                continue;
            end = i;
            break;
        }
    }
    // The name starts after the last blank outside template brackets (skipping the return type).
    depth = 0;
    int begin = 0;
    for (int i = end - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('>'))
            ++depth;
        else if (c == QLatin1Char('<') && depth > 0)
            --depth;
        else if (c == QLatin1Char(' ') && depth == 0) {
            begin = i + 1;
            break;
        }
    }
    QString name = text.mid(begin, end - begin);
    while (name.startsWith(QLatin1Char('*')) || name.startsWith(QLatin1Char('&')))
        name.remove(0, 1);
    return name;
}

QString locationText(const char *file, const char *prettyFunction, int line)
{
    return QStringLiteral("%1::%2:%3")
        .arg(QString::fromUtf8(file), qualifiedFunctionName(prettyFunction), QString::number(line));
}

QString warningLine(const QString &location, const QString &message)
{
    return QStringLiteral("%1: %2").arg(location, message);
}

} // namespace Common
