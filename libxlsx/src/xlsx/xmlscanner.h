#pragma once

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

namespace Xlsx {

// A small pull reader of XML held as UTF-8 bytes, fast enough for a worksheet's cell table:
// elements with their attributes, text with entities and CDATA sections resolved, comments and
// processing instructions skipped. Positions are byte offsets, so that elements can be copied out
// as they stand. Elements must nest and close by name; anything else ends the reading with an
// error that tells the line.
class XmlScanner
{
public:
    enum Token { StartElement, EndElement, Characters, EndOfData, Invalid };

    // Reads bytes [begin, end).
    XmlScanner(const QByteArray &bytes, int begin, int end);

    Token next();
    Token token() const { return m_token; }

    // Of the current start or end element: the name without its prefix.
    bool isNamed(const char *localName) const;
    // Where the current token starts and just past where it ends.
    int tokenStart() const { return m_tokenStart; }
    int tokenEnd() const { return m_tokenEnd; }

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
    bool fail(const QString &reason);
    bool startTag();
    bool endTag();
    bool characters();
    // Moves past the marker that ends a construct opened at from; false when there is none.
    bool skipPast(const char *from, const char *marker, const char *construct);
    bool resolve(const char *from, int size, QString *out);
    int lineAt(int position) const;

    const char *m_data;
    int m_pos;
    int m_end;
    int m_begin;
    Token m_token = EndOfData;
    int m_tokenStart = 0;
    int m_tokenEnd = 0;
    const char *m_name = nullptr; // qualified name of the current element
    int m_nameSize = 0;
    int m_localStart = 0; // offset of the local name within m_name
    bool m_pendingEnd = false; // a self-closing element still owes its end
    QVarLengthArray<Attribute, 8> m_attributes;
    QVarLengthArray<QByteArray, 16> m_open; // qualified names of the open elements
    QString m_text; // of the current Characters token, resolved
    QString m_error;
};

} // namespace Xlsx
