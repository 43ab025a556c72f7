#include "messagetext.h"

#include "netdto.h"

namespace Common {

QString messageText(const QString &sign, const NetDTO &record)
{
    QString text;
    appendMessageText(text, sign, record);
    return text;
}

void appendMessageText(QString &text, const QString &sign, const NetDTO &record)
{
    text += QLatin1String("#SIGN=");
    text += sign;
    record.appendTo(text);
    text += QLatin1String("#[END]");
}

namespace {

// The first separator at or after from (at least 1): the character sep not preceded by "/".
inline int nextSeparator(const QStringRef &text, QChar sep, int from)
{
    int at = text.indexOf(sep, from);
    while (at > 0 && text.at(at - 1) == QLatin1Char('/'))
        at = text.indexOf(sep, at + 1);
    return at;
}

void parseEntry(const QStringRef &entry, QVariantMap &result)
{
    // Key ends at the first unescaped "=", the value at the next one (further parts are dropped).
    const int keyEnd = nextSeparator(entry, QLatin1Char('='), 1);
    if (keyEnd < 0)
        return;
    const int valueEnd = nextSeparator(entry, QLatin1Char('='), keyEnd + 1);
    const QStringRef value = entry.mid(keyEnd + 1, valueEnd < 0 ? -1 : valueEnd - keyEnd - 1);
    result.insert(entry.left(keyEnd).toString(), unescapeValue(value.toString()));
}

} // namespace

QVariantMap parseMessage(const QString &text)
{
    return parseMessage(QStringRef(&text));
}

QVariantMap parseMessage(QStringRef body)
{
    if (body.startsWith(QLatin1Char('#')))
        body = body.mid(1);
    if (body.endsWith(QLatin1Char('#')))
        body.chop(1);

    QVariantMap result;
    int start = 0;
    while (start < body.size()) {
        int end = nextSeparator(body, QLatin1Char('#'), qMax(1, start));
        if (end < 0)
            end = body.size();
        if (end > start)
            parseEntry(body.mid(start, end - start), result);
        start = end + 1;
    }
    return result;
}

} // namespace Common
