#include "common/core/utils/jsontext.h"

#include <QJsonParseError>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace Common {
namespace {

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The bytes the scan stops at: brackets and quotes.
bool isStructural(char c)
{
    static const auto table = [] {
        std::array<bool, 256> marks{};
        for (const unsigned char mark : {'{', '}', '[', ']', '"'})
            marks[mark] = true;
        return marks;
    }();
    return table[static_cast<unsigned char>(c)];
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Finds the member names of each object in a JSON text and the first one an object repeats.
// Names are compared as they read decoded: "a" and "\u0061" are one name. A text that stops
// being valid JSON ends the search where the parser would refuse it.
class NameScan
{
public:
    explicit NameScan(const QByteArray &text)
        : m_text(text.constData())
        , m_size(text.size())
    {
    }

    bool findRepeated(QString *name);

private:
    // A name's bytes: in the text, or in m_decoded when it holds escapes.
    struct Name
    {
        int offset;
        int size;
        bool decoded;
        quint64 prefix; // its first eight bytes, to tell most names apart without memcmp
    };

    const char *data(const Name &name) const
    {
        return (name.decoded ? m_decoded.data() : m_text) + name.offset;
    }
    Name named(int offset, int size, bool decoded) const
    {
        const char *bytes = (decoded ? m_decoded.data() : m_text) + offset;
        quint64 prefix = 0;
        for (int k = 0; k < size && k < 8; ++k)
            prefix |= quint64(quint8(bytes[k])) << (8 * k);
        return Name{offset, size, decoded, prefix};
    }
    bool before(const Name &a, const Name &b) const
    {
        if (a.size != b.size || a.prefix != b.prefix)
            return a.size != b.size ? a.size < b.size : a.prefix < b.prefix;
        return std::memcmp(data(a), data(b), size_t(a.size)) < 0;
    }
    bool same(const Name &a, const Name &b) const
    {
        return a.size == b.size && a.prefix == b.prefix && std::memcmp(data(a), data(b), size_t(a.size)) == 0;
    }
    int stringEnd(int begin) const;
    bool repeatedFrom(int first, QString *name);
    Name decoded(int begin, int end);
    unsigned escapedUnit(int at) const;
    void appendUtf8(unsigned codePoint);

    const char *m_text;
    int m_size;
    std::vector<Name> m_names;
    std::vector<char> m_decoded;
};

bool NameScan::findRepeated(QString *name)
{
    // Per open bracket: where its names start in m_names, or -1 for an array.
    std::vector<int> open;
    for (int i = 0; i < m_size; ++i) {
        const char c = m_text[i];
        if (!isStructural(c))
            continue;
        if (c == '{' || c == '[') {
            open.push_back(c == '{' ? int(m_names.size()) : -1);
        } else if (c == '}' || c == ']') {
            if (open.empty() || (open.back() >= 0) != (c == '}'))
                return false;
            if (open.back() >= 0) {
                if (repeatedFrom(open.back(), name))
                    return true;
                m_names.resize(size_t(open.back()));
            }
            open.pop_back();
        } else if (c == '"') {
            const int begin = i + 1;
            i = stringEnd(begin);
            if (i >= m_size)
                return false;
            const bool escaped = std::memchr(m_text + begin, '\\', size_t(i - begin)) != nullptr;
            int next = i + 1;
            while (next < m_size && isJsonSpace(m_text[next]))
                ++next;
            if (next < m_size && m_text[next] == ':' && !open.empty() && open.back() >= 0)
                m_names.push_back(escaped ? decoded(begin, i) : named(begin, i - begin, false));
        }
    }
    return false;
}

// The closing quote of the string that starts at begin, or m_size when it has none.
int NameScan::stringEnd(int begin) const
{
    int at = begin;
    for (;;) {
        const void *quote = std::memchr(m_text + at, '"', size_t(m_size - at));
        if (!quote)
            return m_size;
        at = int(static_cast<const char *>(quote) - m_text);
        int backslashes = 0;
        while (at - backslashes > begin && m_text[at - backslashes - 1] == '\\')
            ++backslashes;
        if (backslashes % 2 == 0)
            return at;
        ++at;
    }
}

bool NameScan::repeatedFrom(int first, QString *name)
{
    const auto begin = m_names.begin() + first;
    const auto end = m_names.end();
    auto repeated = end;
    // Most objects hold a few names: pairs are compared; larger ones are sorted first.
    if (end - begin <= 32) {
        for (auto a = begin; a != end && repeated == end; ++a) {
            for (auto b = a + 1; b != end; ++b) {
                if (same(*a, *b)) {
                    repeated = a;
                    break;
                }
            }
        }
    } else {
        std::sort(begin, end, [this](const Name &a, const Name &b) { return before(a, b); });
        repeated = std::adjacent_find(begin, end, [this](const Name &a, const Name &b) { return same(a, b); });
    }
    if (repeated == end)
        return false;
    *name = QString::fromUtf8(data(*repeated), repeated->size);
    return true;
}

// The code unit of "\uXXXX" at the backslash, or 0x110000 when the escape is not one.
unsigned NameScan::escapedUnit(int at) const
{
    if (at + 5 >= m_size || m_text[at] != '\\' || m_text[at + 1] != 'u')
        return 0x110000;
    unsigned unit = 0;
    for (int k = at + 2; k < at + 6; ++k) {
        const int digit = hexDigit(m_text[k]);
        if (digit < 0)
            return 0x110000;
        unit = unit * 16 + unsigned(digit);
    }
    return unit;
}

void NameScan::appendUtf8(unsigned codePoint)
{
    // Lone surrogates stay distinct code units, encoded as three bytes like any other.
    if (codePoint < 0x80) {
        m_decoded.push_back(char(codePoint));
    } else if (codePoint < 0x800) {
        m_decoded.push_back(char(0xC0 | (codePoint >> 6)));
        m_decoded.push_back(char(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        m_decoded.push_back(char(0xE0 | (codePoint >> 12)));
        m_decoded.push_back(char(0x80 | ((codePoint >> 6) & 0x3F)));
        m_decoded.push_back(char(0x80 | (codePoint & 0x3F)));
    } else {
        m_decoded.push_back(char(0xF0 | (codePoint >> 18)));
        m_decoded.push_back(char(0x80 | ((codePoint >> 12) & 0x3F)));
        m_decoded.push_back(char(0x80 | ((codePoint >> 6) & 0x3F)));
        m_decoded.push_back(char(0x80 | (codePoint & 0x3F)));
    }
}

NameScan::Name NameScan::decoded(int begin, int end)
{
    const int offset = int(m_decoded.size());
    for (int i = begin; i < end; ++i) {
        if (m_text[i] != '\\' || i + 1 >= end) {
            m_decoded.push_back(m_text[i]);
            continue;
        }
        const char kind = m_text[i + 1];
        const unsigned unit = kind == 'u' && i + 5 < end ? escapedUnit(i) : 0x110000;
        if (unit > 0xFFFF) {
            // A short escape; one the parser refuses is kept as it stands.
            static const char from[] = "bfnrt";
            static const char to[] = "\b\f\n\r\t";
            const char *known = std::strchr(from, kind);
            m_decoded.push_back(known && kind ? to[known - from] : kind);
            ++i;
            continue;
        }
        i += 5;
        const unsigned low = unit >= 0xD800 && unit < 0xDC00 && i + 6 < end ? escapedUnit(i + 1) : 0x110000;
        if (low >= 0xDC00 && low < 0xE000) {
            appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            i += 6;
        } else {
            appendUtf8(unit);
        }
    }
    return named(offset, int(m_decoded.size()) - offset, true);
}

} // namespace

QJsonDocument readJson(const QByteArray &text, QString *error)
{
    QString repeated;
    if (NameScan(text).findRepeated(&repeated)) {
        if (error)
            *error = QStringLiteral("member \"%1\" is given twice in one object").arg(repeated.left(80));
        return {};
    }
    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (error)
        *error = parseError.error == QJsonParseError::NoError ? QString() : parseError.errorString();
    return document;
}

} // namespace Common
