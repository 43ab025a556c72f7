#include "common/core/utils/jsonnamescan.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <limits>
#include <numeric>

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

bool isContinuation(char c)
{
    return (quint8(c) & 0xC0) == 0x80;
}

} // namespace

JsonNameScan::JsonNameScan(const QByteArray &text)
    : m_text(text.constData())
    , m_size(text.size())
    , m_hasNul(std::memchr(m_text, '\0', size_t(m_size)) != nullptr)
{
}

bool JsonNameScan::findRepeated()
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
                break;
            if (open.back() >= 0) {
                findRepeatedFrom(open.back());
                m_names.resize(size_t(open.back()));
            }
            open.pop_back();
        } else if (c == '"') {
            const int begin = i + 1;
            i = stringEnd(begin);
            if (i >= m_size)
                break;
            int next = i + 1;
            while (next < m_size && isJsonSpace(m_text[next]))
                ++next;
            if (next < m_size && m_text[next] == ':' && !open.empty() && open.back() >= 0) {
                const bool escaped = std::memchr(m_text + begin, '\\', size_t(i - begin)) != nullptr;
                const Name name = escaped ? decoded(begin, i) : named(begin, begin, i - begin, false);
                if (name.size > 0 && (name.prefix & 0xFF) == 0)
                    m_nulNames.push_back(name);
                m_names.push_back(name);
            }
        }
    }
    // Objects closed before the text stopped being JSON were parsed by Qt all the same.
    if (m_found)
        choosePrefix();
    return m_found;
}

// The closing quote of the string that starts at begin, or m_size when it has none.
int JsonNameScan::stringEnd(int begin) const
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

// Renames the earlier members of each name that the object whose names start at first repeats.
void JsonNameScan::findRepeatedFrom(int first)
{
    const auto begin = m_names.begin() + first;
    const auto end = m_names.end();
    // Qt compares names with a U+0000 in ways that need not chain: such objects are grouped.
    const auto rawNul = [](const Name &name) { return name.rawNul; };
    if (m_hasNul && std::any_of(begin, end, rawNul)) {
        renameRepeatedFrom(first);
        return;
    }
    // Most objects hold a few names: pairs are compared; larger ones are sorted first.
    if (end - begin <= 32) {
        for (auto a = begin; a != end; ++a) {
            for (auto b = a + 1; b != end; ++b) {
                if (same(*a, *b)) {
                    renameEarlier(*a);
                    break;
                }
            }
        }
        return;
    }
    std::sort(begin, end, [this](const Name &a, const Name &b) { return before(a, b); });
    for (auto run = std::adjacent_find(begin, end, [this](const Name &a, const Name &b) { return same(a, b); });
         run != end;) {
        auto next = run + 1;
        auto last = run;
        for (; next != end && same(*run, *next); ++next) {
            if (next->text > last->text)
                last = next;
        }
        for (auto name = run; name != next; ++name) {
            if (name != last)
                renameEarlier(*name);
        }
        run = std::adjacent_find(next, end, [this](const Name &a, const Name &b) { return same(a, b); });
    }
}

// Groups the names that Qt takes for one, and renames all but the last of each group: names
// equal byte for byte, and names without escapes that Qt compares as C strings.
void JsonNameScan::renameRepeatedFrom(int first)
{
    const Name *names = m_names.data() + first;
    const int count = int(m_names.size()) - first;
    std::vector<int> group(static_cast<size_t>(count));
    std::iota(group.begin(), group.end(), 0);
    const auto root = [&group](int i) {
        while (group[size_t(i)] != i)
            i = group[size_t(i)] = group[size_t(group[size_t(i)])];
        return i;
    };
    // Joins the groups of the names that sort next to each other and are equal.
    const auto join = [&](std::vector<int> order, const auto &less, const auto &equal) {
        std::sort(order.begin(), order.end(), [&](int a, int b) { return less(names[a], names[b]); });
        for (size_t k = 1; k < order.size(); ++k) {
            if (equal(names[order[k - 1]], names[order[k]]))
                group[size_t(root(order[k - 1]))] = root(order[k]);
        }
    };
    std::vector<int> all(static_cast<size_t>(count));
    std::iota(all.begin(), all.end(), 0);
    join(
        all, [this](const Name &a, const Name &b) { return before(a, b); },
        [this](const Name &a, const Name &b) { return same(a, b); });
    std::vector<int> rawNul;
    std::copy_if(all.begin(), all.end(), std::back_inserter(rawNul), [names](int i) { return names[i].rawNul; });
    const auto cCompare = [this](const Name &a, const Name &b) {
        return a.size != b.size ? a.size - b.size : std::strncmp(data(a), data(b), size_t(a.size));
    };
    join(
        rawNul, [&](const Name &a, const Name &b) { return cCompare(a, b) < 0; },
        [&](const Name &a, const Name &b) { return cCompare(a, b) == 0; });

    std::vector<int> last(static_cast<size_t>(count), -1);
    for (int i = 0; i < count; ++i) {
        int &kept = last[size_t(root(i))];
        if (kept < 0 || names[i].text > names[kept].text)
            kept = i;
    }
    for (int i = 0; i < count; ++i) {
        if (last[size_t(root(i))] != i)
            renameEarlier(names[i]);
    }
}

void JsonNameScan::renameEarlier(const Name &name)
{
    if (!m_found) {
        m_found = true;
        m_firstRepeated = name.text;
    }
    if (readable(name.text, stringEnd(name.text)))
        m_earlier.push_back(name.text);
}

QString JsonNameScan::firstRepeated() const
{
    if (m_firstRepeated < 0)
        return QString();
    const QByteArray name(m_text + m_firstRepeated - 1, stringEnd(m_firstRepeated) - m_firstRepeated + 2);
    return QJsonDocument::fromJson("[" + name + "]").array().at(0).toString();
}

// Whether Qt's parser takes the characters of a string: UTF-8 without overlong forms or
// surrogates, and every "\u" with four hex digits; any other escaped byte stands for itself.
bool JsonNameScan::readable(int begin, int end) const
{
    for (int i = begin; i < end;) {
        if (m_text[i] == '\\') {
            if (m_text[i + 1] == 'u' && escapedUnit(i) > 0xFFFF)
                return false;
            i += m_text[i + 1] == 'u' ? 6 : 2;
        } else if (quint8(m_text[i]) < 0x80) {
            ++i;
        } else {
            const int length = utf8Length(i, end);
            if (length == 0)
                return false;
            i += length;
        }
    }
    return true;
}

// The length of the UTF-8 sequence at at, or 0 when it is not one Qt decodes.
int JsonNameScan::utf8Length(int at, int end) const
{
    const quint8 lead = quint8(m_text[at]);
    int length = 0;
    quint8 low = 0x80;
    quint8 high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > end || quint8(m_text[at + 1]) < low || quint8(m_text[at + 1]) > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (!isContinuation(m_text[at + k]))
            return 0;
    }
    return length;
}

// The code unit of "\uXXXX" at the backslash, or 0x110000 when the escape is not one.
unsigned JsonNameScan::escapedUnit(int at) const
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

void JsonNameScan::appendUtf8(unsigned codePoint)
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

JsonNameScan::Name JsonNameScan::decoded(int begin, int end)
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
            // A short escape; one the parser refuses is kept as it stands. Qt takes any other
            // byte as the character it is, one from 0x80 on sign-extended into two code units.
            static const char from[] = "bfnrt";
            static const char to[] = "\b\f\n\r\t";
            const char *known = std::strchr(from, kind);
            if (quint8(kind) >= 0x80) {
                appendUtf8(0xD7BF);
                appendUtf8(0xDF00 + quint8(kind));
            } else {
                m_decoded.push_back(known && kind ? to[known - from] : kind);
            }
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
    return named(begin, offset, int(m_decoded.size()) - offset, true);
}

// U+0000, then, while names start with the prefix so far, the ASCII character that fewest of
// them have next: each step keeps at most a 126th of them, so the prefix stays short.
void JsonNameScan::choosePrefix()
{
    m_prefix = QByteArray(1, '\0');
    std::vector<Name> starting = m_nulNames;
    while (!starting.empty()) {
        const int at = m_prefix.size();
        std::array<int, 128> counts{};
        for (const Name &name : starting) {
            if (name.size > at && quint8(data(name)[at]) < 0x80)
                ++counts[quint8(data(name)[at])];
        }
        // Not a quote or a backslash, which would end or escape the name in the text.
        counts['"'] = counts['\\'] = std::numeric_limits<int>::max();
        const char next = char(std::min_element(counts.begin(), counts.end()) - counts.begin());
        m_prefix += next;
        starting.erase(std::remove_if(starting.begin(), starting.end(),
                                      [&](const Name &name) { return name.size <= at || data(name)[at] != next; }),
                       starting.end());
    }
}

QByteArray JsonNameScan::renamed() const
{
    std::vector<int> earlier = m_earlier;
    std::sort(earlier.begin(), earlier.end());
    // With an escape, Qt compares the name as UTF-16, never as a C string.
    QByteArray escapedPrefix;
    for (const char c : m_prefix)
        escapedPrefix += c == '\0' ? QByteArrayLiteral("\\u0000") : QByteArray(1, c);
    QByteArray text;
    text.reserve(m_size + int(earlier.size()) * (escapedPrefix.size() + 4));
    int from = 0;
    int number = 0;
    for (const int begin : earlier) {
        text.append(m_text + from, begin - from);
        text.append(escapedPrefix);
        text.append(QByteArray::number(number++));
        from = stringEnd(begin);
    }
    text.append(m_text + from, m_size - from);
    return text;
}

} // namespace Common
