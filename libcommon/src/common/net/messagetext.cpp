#include "messagetext.h"

#include "netdto.h"
#include "repeatedtexts.h"

#include <vector>

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

inline void prefetch(const void *address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    Q_UNUSED(address);
#endif
}

// Writes the text as UTF-8, with "#" and "=" escaped by "/" when escape is set; an unpaired
// surrogate becomes "?", as toUtf8 writes it. At most 3 bytes per code unit.
char *writeUtf8(char *out, const QChar *from, const QChar *to, bool escape)
{
    while (from != to) {
        const ushort unit = (from++)->unicode();
        if (unit < 0x80) {
            if (escape && (unit == '#' || unit == '='))
                *out++ = '/';
            *out++ = char(unit);
        } else if (unit < 0x800) {
            *out++ = char(0xc0 | unit >> 6);
            *out++ = char(0x80 | (unit & 0x3f));
        } else if (!QChar::isSurrogate(unit)) {
            *out++ = char(0xe0 | unit >> 12);
            *out++ = char(0x80 | (unit >> 6 & 0x3f));
            *out++ = char(0x80 | (unit & 0x3f));
        } else if (QChar::isHighSurrogate(unit) && from != to && from->isLowSurrogate()) {
            const uint code = QChar::surrogateToUcs4(unit, (from++)->unicode());
            *out++ = char(0xf0 | code >> 18);
            *out++ = char(0x80 | (code >> 12 & 0x3f));
            *out++ = char(0x80 | (code >> 6 & 0x3f));
            *out++ = char(0x80 | (code & 0x3f));
        } else {
            *out++ = '?';
        }
    }
    return out;
}

// One entry of a record: its key and its value's text, stored or converted.
struct EntryText
{
    const QString *key;
    const QString *value;
    QString converted;
};

constexpr int BatchSize = 16;
using Batch = std::vector<EntryText>[BatchSize];

// Reads the entries of count records from first on, walking their maps in turns: each step
// reads one node of every map, so the reads of different maps overlap instead of each waiting
// on the one before, and the key and value texts are fetched before they are written.
void readBatch(const QList<NetDTO> &records, int first, int count, Batch &batch)
{
    QVariantMap::const_iterator at[BatchSize];
    QVariantMap::const_iterator end[BatchSize];
    for (int r = 0; r < count; ++r) {
        const QVariantMap &entries = records.at(first + r).mapParams();
        at[r] = entries.cbegin();
        end[r] = entries.cend();
        batch[r].clear();
    }
    for (bool more = true; more;) {
        more = false;
        for (int r = 0; r < count; ++r) {
            if (at[r] == end[r])
                continue;
            more = true;
            const QString &key = at[r].key();
            const QVariant &value = at[r].value();
            prefetch(const_cast<QString &>(key).data_ptr());
            if (value.userType() == QMetaType::QString) {
                const auto *text = static_cast<const QString *>(value.constData());
                prefetch(const_cast<QString *>(text)->data_ptr());
                batch[r].push_back({&key, text, QString()});
            } else {
                batch[r].push_back({&key, nullptr, value.toString()});
            }
            ++at[r];
        }
    }
}

} // namespace

// The output grows ahead of each piece by the most it can take and is cut to what was written
// at the end: O(total) time, with the output's size at most doubled while written.
QByteArray messagesUtf8(const QString &sign, const QList<NetDTO> &records)
{
    QByteArray out;
    int written = 0;
    const auto room = [&](int most) -> char * {
        if (written + most > out.size())
            out.resize(qMax(written + most, 2 * out.size()));
        return out.data() + written;
    };
    const QByteArray head = QByteArrayLiteral("#SIGN=") + sign.toUtf8();
    const QByteArray tail = QByteArrayLiteral("#[END]");
    Batch batch;
    for (int first = 0; first < records.size(); first += BatchSize) {
        const int count = qMin(BatchSize, records.size() - first);
        readBatch(records, first, count, batch);
        for (int r = 0; r < count; ++r) {
            written = int(std::copy(head.cbegin(), head.cend(), room(head.size())) - out.constData());
            for (const EntryText &entry : batch[r]) {
                const QString &key = *entry.key;
                const QString &value = entry.value ? *entry.value : entry.converted;
                char *at = room(2 + 3 * key.size() + 3 * value.size());
                *at++ = '#';
                at = writeUtf8(at, key.cbegin(), key.cend(), false);
                *at++ = '=';
                at = writeUtf8(at, value.cbegin(), value.cend(), true);
                written = int(at - out.constData());
            }
            written = int(std::copy(tail.cbegin(), tail.cend(), room(tail.size())) - out.constData());
        }
    }
    out.resize(written);
    return out;
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

void parseEntry(const QStringRef &entry, int place, QVariantMap &result, RepeatedTexts *repeated)
{
    // Key ends at the first unescaped "=", the value at the next one (further parts are dropped).
    const int keyEnd = nextSeparator(entry, QLatin1Char('='), 1);
    if (keyEnd < 0)
        return;
    const int valueEnd = nextSeparator(entry, QLatin1Char('='), keyEnd + 1);
    const QStringRef key = entry.left(keyEnd);
    const QStringRef value = entry.mid(keyEnd + 1, valueEnd < 0 ? -1 : valueEnd - keyEnd - 1);
    if (!repeated) {
        result.insert(key.toString(), unescapeValue(value.toString()));
        return;
    }
    const bool escaped = value.contains(QLatin1Char('/'));
    result.insert(repeated->text(2 * place, key),
                  escaped ? unescapeValue(value.toString()) : repeated->text(2 * place + 1, value));
}

} // namespace

QVariantMap parseMessage(const QString &text)
{
    return parseMessage(QStringRef(&text));
}

QVariantMap parseMessage(QStringRef body)
{
    return parseMessage(body, nullptr);
}

QVariantMap parseMessage(QStringRef body, RepeatedTexts *repeated)
{
    if (body.startsWith(QLatin1Char('#')))
        body = body.mid(1);
    if (body.endsWith(QLatin1Char('#')))
        body.chop(1);

    QVariantMap result;
    int start = 0;
    int place = 0;
    while (start < body.size()) {
        int end = nextSeparator(body, QLatin1Char('#'), qMax(1, start));
        if (end < 0)
            end = body.size();
        if (end > start)
            parseEntry(body.mid(start, end - start), place++, result, repeated);
        start = end + 1;
    }
    return result;
}

} // namespace Common
