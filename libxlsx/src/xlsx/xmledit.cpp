#include "xlsx/xmledit.h"

#include "xlsx/xmltext.h"

#include <QRegularExpression>

#include <algorithm>

namespace Xlsx {

void XmlEdit::replace(int start, int end, const QByteArray &utf8)
{
    m_edits.append({start, end, utf8});
}

QByteArray XmlEdit::apply(const QString &original) const
{
    QVector<Edit> edits = m_edits;
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit &a, const Edit &b) { return a.start < b.start; });
    QByteArray out;
    int size = original.size();
    for (const Edit &edit : edits)
        size += edit.text.size();
    out.reserve(size + size / 4);
    int position = 0;
    for (const Edit &edit : edits) {
        if (edit.start > position)
            out += original.midRef(position, edit.start - position).toUtf8();
        out += edit.text;
        position = std::max(position, edit.end);
    }
    if (position < original.size())
        out += original.midRef(position).toUtf8();
    // A part read as UTF-16 is written back as UTF-8 and must say so.
    const int declarationEnd = out.startsWith("<?xml") ? out.indexOf("?>") : -1;
    if (declarationEnd > 0) {
        const QByteArray declaration = out.left(declarationEnd).toLower();
        if (declaration.contains("encoding") && !declaration.contains("utf-8"))
            return XmlText::encode(QString::fromUtf8(out));
    }
    return out;
}

int XmlEdit::tagStart(const QString &xml, qint64 offsetAfterTag)
{
    return xml.lastIndexOf(QLatin1Char('<'), int(offsetAfterTag) - 1);
}

XmlEdit::Element XmlEdit::elementAt(const QString &xml, qint64 offsetAfterTag)
{
    Element element;
    element.start = tagStart(xml, offsetAfterTag);
    element.startTagEnd = int(offsetAfterTag);
    element.selfClosing = offsetAfterTag >= 2 && xml.at(int(offsetAfterTag) - 2) == QLatin1Char('/');
    return element;
}

namespace {

// A self-closing start tag opened up: "<a x='1'/>" -> "<a x='1'>".
QString opened(const QString &selfClosingTag)
{
    QString tag = selfClosingTag;
    int slash = tag.size() - 2;
    if (slash >= 0 && tag.at(slash) == QLatin1Char('/'))
        tag.remove(slash, 1);
    return tag;
}

QRegularExpression attributePattern(const QString &name)
{
    return QRegularExpression(QStringLiteral("\\s%1\\s*=\\s*(\"[^\"]*\"|'[^']*')")
                                  .arg(QRegularExpression::escape(name)));
}

} // namespace

QString XmlEdit::withAttribute(const QString &startTag, const QString &name, const QString &value)
{
    const QString attribute = QStringLiteral(" %1=\"%2\"").arg(name, XmlText::escapedAttribute(value));
    QString tag = startTag;
    const QRegularExpressionMatch match = attributePattern(name).match(tag);
    if (match.hasMatch()) {
        tag.replace(match.capturedStart(), match.capturedLength(), attribute);
        return tag;
    }
    int end = tag.size() - 1;
    if (end > 0 && tag.at(end - 1) == QLatin1Char('/'))
        --end;
    while (end > 0 && tag.at(end - 1).isSpace())
        --end;
    tag.insert(end, attribute);
    return tag;
}

QString XmlEdit::withoutAttribute(const QString &startTag, const QString &name)
{
    QString tag = startTag;
    tag.remove(attributePattern(name));
    return tag;
}

void XmlEdit::appendTo(const Element &element, const QString &startTag, const QByteArray &content,
                       const QByteArray &endTag)
{
    if (element.selfClosing) {
        replace(element.start, element.startTagEnd, opened(startTag).toUtf8() + content + endTag);
    } else {
        replace(element.start, element.startTagEnd, startTag.toUtf8());
        insert(element.endTagStart, content);
    }
}

} // namespace Xlsx
