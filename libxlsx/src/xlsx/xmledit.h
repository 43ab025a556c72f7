#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Xlsx {

// Replacements spliced into a part's original text, so that everything between them keeps its
// bytes; plus the small tag surgery that needs.
class XmlEdit
{
public:
    // Where an element stands in the original text.
    struct Element
    {
        int start = -1;       // its '<'
        int startTagEnd = -1; // just past its start tag
        int endTagStart = -1; // the '<' of its end tag
        bool selfClosing = false;
        bool present() const { return start >= 0; }
        QString startTag(const QString &xml) const { return xml.mid(start, startTagEnd - start); }
    };

    void replace(int start, int end, const QByteArray &utf8);
    void insert(int position, const QByteArray &utf8) { replace(position, position, utf8); }
    bool isEmpty() const { return m_edits.isEmpty(); }
    // The original text with the edits applied, as UTF-8.
    QByteArray apply(const QString &original) const;
    // Puts startTag in place of the element's start tag and content at its end; a self-closing
    // element is opened and closed with endTag around the content.
    void appendTo(const Element &element, const QString &startTag, const QByteArray &content,
                  const QByteArray &endTag);

    // Offset of the '<' that opens the tag which ends at offsetAfterTag.
    static int tagStart(const QString &xml, qint64 offsetAfterTag);
    // The element whose start tag ends at offsetAfterTag; its end tag is left unset.
    static Element elementAt(const QString &xml, qint64 offsetAfterTag);
    // The start tag text with the attribute set (replaced or added) or removed.
    static QString withAttribute(const QString &startTag, const QString &name, const QString &value);
    static QString withoutAttribute(const QString &startTag, const QString &name);

private:
    struct Edit
    {
        int start;
        int end;
        QByteArray text;
    };
    QVector<Edit> m_edits;
};

} // namespace Xlsx
