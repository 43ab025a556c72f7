#pragma once

#include <QByteArray>
#include <QString>

#include <cstring>
#include <vector>

namespace Common {

// Finds the member names that an object of a JSON text gives more than once, and rewrites the
// text so that every earlier member of such a name has a name of its own: Qt 5.15's parser keeps
// one member of a name and loses the memory of an array or object it drops, so readJson lets it
// parse the rewritten text and removes the renamed members after. Names are compared as
// Qt compares them: "a" and "\u0061" are one name, and so are two names written without escapes
// that have the same length in bytes and the same bytes up to a U+0000 they both hold there (Qt
// compares such names as C strings). Where these two ways chain names that Qt would not all take
// for one, the last member of the chain is kept. A name Qt refuses is never renamed, so that Qt
// stops at it as it would in the text as written; the search ends where the text stops being
// JSON. One pass over the text, linear in its size; objects of more than 32 names are sorted.
class JsonNameScan
{
public:
    explicit JsonNameScan(const QByteArray &text);

    // Scans the text; true when an object gives a name twice.
    bool findRepeated();
    // The first name given twice, as Qt reads it.
    QString firstRepeated() const;
    // The text with each earlier member of a repeated name renamed to renamePrefix() and a number.
    QByteArray renamed() const;
    // A start that no name of the text has: U+0000 and a few more characters.
    QString renamePrefix() const { return QString::fromLatin1(m_prefix.constData(), m_prefix.size()); }

private:
    // A name's bytes: in the text, or in m_decoded when it holds escapes (UTF-8, lone surrogates
    // as three bytes each).
    struct Name
    {
        int offset;
        int size;
        int text; // where its characters start in the text
        bool decoded;
        bool rawNul; // written without escapes, with a U+0000
        quint64 prefix; // its first eight bytes, to tell most names apart without memcmp
    };

    const char *data(const Name &name) const
    {
        return (name.decoded ? m_decoded.data() : m_text) + name.offset;
    }
    Name named(int text, int offset, int size, bool decoded) const
    {
        const char *bytes = (decoded ? m_decoded.data() : m_text) + offset;
        quint64 prefix = 0;
        for (int k = 0; k < size && k < 8; ++k)
            prefix |= quint64(quint8(bytes[k])) << (8 * k);
        const bool rawNul = !decoded && m_hasNul && std::memchr(bytes, '\0', size_t(size)) != nullptr;
        return Name{offset, size, text, decoded, rawNul, prefix};
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
    void findRepeatedFrom(int first);
    void renameRepeatedFrom(int first);
    void renameEarlier(const Name &name);
    bool readable(int begin, int end) const;
    int utf8Length(int at, int end) const;
    Name decoded(int begin, int end);
    unsigned escapedUnit(int at) const;
    void appendUtf8(unsigned codePoint);
    void choosePrefix();

    const char *m_text;
    int m_size;
    bool m_hasNul;
    std::vector<Name> m_names;
    std::vector<char> m_decoded;
    // Names that start with U+0000, which the rename prefix must not start.
    std::vector<Name> m_nulNames;
    // Where the earlier members of repeated names start in the text.
    std::vector<int> m_earlier;
    int m_firstRepeated = -1;
    bool m_found = false;
    QByteArray m_prefix;
};

} // namespace Common
