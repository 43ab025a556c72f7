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
    void replace(int start, int end, const QByteArray &utf8);
    void insert(int position, const QByteArray &utf8) { replace(position, position, utf8); }
    bool isEmpty() const { return m_edits.isEmpty(); }
    // The original text with the edits applied, as UTF-8.
    QByteArray apply(const QString &original) const;

    // Offset of the '<' that opens the tag which ends at offsetAfterTag.
    static int tagStart(const QString &xml, qint64 offsetAfterTag);
    // Whether the start tag ending at offsetAfterTag closes itself ("/>").
    static bool isSelfClosing(const QString &xml, qint64 offsetAfterTag);
    // The start tag text with the attribute set (replaced or added) or removed.
    static QString withAttribute(const QString &startTag, const QString &name, const QString &value);
    static QString withoutAttribute(const QString &startTag, const QString &name);
    // A self-closing start tag opened up: "<a x='1'/>" -> "<a x='1'>".
    static QString opened(const QString &selfClosingTag);

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
