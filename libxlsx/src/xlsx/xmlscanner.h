#pragma once

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

#include <functional>

namespace Xlsx {

// A small pull reader of XML held as UTF-8 bytes, fast enough for a worksheet's cell table:
// elements with their attributes, text with entities and CDATA sections resolved, comments and
// processing instructions skipped. Positions are byte offsets, so that elements can be copied out
// as they stand. Elements must nest and close by name; anything else ends the reading with an
// error that tells the line.
//
// It reads either bytes held whole or a source read a piece at a time: then it holds only the
// token being read and what follows it in the last piece (a token longer than MaxToken is
// refused), and the names and attribute values of a token stay valid until the next call of
// next(), nextChild(), readElementText() or skipElement().
class XmlScanner
{
public:
    enum Token { StartElement, EndElement, Characters, EndOfData, Invalid };
    // Reads up to size bytes into data: the count, 0 at the end, -1 when the data are damaged.
    using Source = std::function<qint64(char *data, qint64 size)>;

    static constexpr int MaxToken = 64 << 20;

    // Reads bytes [begin, end).
    XmlScanner(const QByteArray &bytes, int begin, int end);
    // Reads what source gives; positions count from its first byte.
    explicit XmlScanner(Source source);

    Token next();
    Token token() const { return m_token; }

    // Of the current start or end element: the name without its prefix.
    bool isNamed(const char *localName) const;
    // Of the current start or end element: its prefix with the colon ("x:"), or nothing.
    QByteArray prefix() const { return QByteArray(m_name, m_localStart); }
    // Where the current token starts and just past where it ends.
    qint64 tokenStart() const { return m_base + m_tokenStart; }
    qint64 tokenEnd() const { return m_base + m_tokenEnd; }
    // The text of a Characters token, resolved.
    const QString &text() const { return m_text; }
    // The bytes of the current token as they stand (of a start element: its tag).
    QByteArray tokenBytes() const { return QByteArray(m_data + m_tokenStart, m_tokenEnd - m_tokenStart); }

    // Attributes of the current start element: raw values point into the bytes.
    struct Attribute
    {
        const char *name; // qualified
        int nameSize;
        const char *value; // entities not yet resolved
        int valueSize;
    };
    int attributeCount() const { return m_attributes.size(); }
    const Attribute &attribute(int i) const { return m_attributes[i]; }
    // The unprefixed attribute of that name, or null.
    const Attribute *find(const char *name) const;
    // The value with its entities resolved; false for a value the XML rules refuse.
    bool value(const Attribute &attribute, QString *text);

    // Moves to the next child element of the current element: false at the element's end, or at
    // an error (token() tells which).
    bool nextChild();
    // From a start element to just past its end: the text inside it, of child elements too.
    bool readElementText(QString *text);
    // From a start element to just past its end.
    bool skipElement();

    QString errorString() const { return m_error; }

private:
    Token scan();
    bool fail(const QString &reason);
    // The data end inside a construct: more may come from the source, or it is an error.
    bool incomplete(const QString &reason);
    // Moves the token being read to the front of the buffer and reads more after it.
    bool refill();
    bool startTag();
    bool endTag();
    bool characters();
    // Moves past the marker that ends a construct opened at from; false when there is none.
    bool skipPast(const char *from, const char *marker, const char *construct);
    bool resolve(const char *from, int size, QString *out);
    int lineAt(int position) const;
    void pushOpen(const char *name, int size);
    QByteArray lastOpen() const;

    const char *m_data;
    int m_pos;
    int m_end;
    int m_begin;
    Source m_source;
    QByteArray m_buffer; // what was read of the source and not yet passed
    qint64 m_base = 0;   // position of m_data[0]
    int m_linesBefore = 0; // lines passed before the buffer
    bool m_sourceDone = true;
    bool m_short = false; // the token being read goes on past the data in hand
    Token m_token = EndOfData;
    int m_tokenStart = 0;
    int m_tokenEnd = 0;
    const char *m_name = nullptr; // qualified name of the current element
    int m_nameSize = 0;
    int m_localStart = 0; // offset of the local name within m_name
    bool m_pendingEnd = false; // a self-closing element still owes its end
    QVarLengthArray<Attribute, 8> m_attributes;
    QByteArray m_openNames; // qualified names of the open elements, one after another
    QVarLengthArray<int, 32> m_openStarts;
    QString m_text; // of the current Characters token, resolved
    QString m_error;
};

} // namespace Xlsx
