#include "messagetext.h"

#include "netdto.h"

namespace Common {

QString messageText(const QString &sign, const NetDTO &record)
{
    return QLatin1String("#SIGN=") + sign + record.toString() + QLatin1String("#[END]");
}

namespace {

// True for a separator at i: the character is sep and the one before it is not "/".
inline bool isSeparator(const QStringRef &text, int i, QChar sep)
{
    return text.at(i) == sep && i > 0 && text.at(i - 1) != QLatin1Char('/');
}

void parseEntry(const QStringRef &entry, QVariantMap &result)
{
    // Key ends at the first unescaped "=", the value at the next one (further parts are dropped).
    int keyEnd = -1;
    int valueEnd = entry.size();
    for (int i = 1; i < entry.size(); ++i) {
        if (!isSeparator(entry, i, QLatin1Char('=')))
            continue;
        if (keyEnd < 0) {
            keyEnd = i;
        } else {
            valueEnd = i;
            break;
        }
    }
    if (keyEnd < 0)
        return;
    const QString value = entry.mid(keyEnd + 1, valueEnd - keyEnd - 1).toString();
    result.insert(entry.left(keyEnd).toString(), unescapeValue(value));
}

} // namespace

QVariantMap parseMessage(const QString &text)
{
    QStringRef body(&text);
    if (body.startsWith(QLatin1Char('#')))
        body = body.mid(1);
    if (body.endsWith(QLatin1Char('#')))
        body.chop(1);

    QVariantMap result;
    int start = 0;
    for (int i = 1; i <= body.size(); ++i) {
        if (i < body.size() && !isSeparator(body, i, QLatin1Char('#')))
            continue;
        if (i > start)
            parseEntry(body.mid(start, i - start), result);
        start = i + 1;
    }
    return result;
}

} // namespace Common
