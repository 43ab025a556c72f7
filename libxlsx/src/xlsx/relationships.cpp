#include "xlsx/relationships.h"

#include "xlsx/partreader.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <QSet>
#include <QStringList>
#include <QUrl>
#include <QXmlStreamReader>

namespace Xlsx {

bool Relationships::load(const QByteArray &bytes, QString *error)
{
    m_xml = XmlText::decode(bytes);
    QXmlStreamReader reader(m_xml);
    if (!PartReader::openRoot(reader, QLatin1String("Relationships"),
                              QStringLiteral("the part lists no relationships"), &m_prefix, error))
        return false;
    m_root = XmlEdit::elementAt(m_xml, reader.characterOffset());
    QSet<QString> ids;
    while (reader.readNextStartElement()) {
        Relationship relationship;
        relationship.start = XmlEdit::tagStart(m_xml, reader.characterOffset());
        const QXmlStreamAttributes attributes = reader.attributes();
        relationship.id = attributes.value(QLatin1String("Id")).toString();
        // Parts are found and removed by Id: one Id for two relationships would confuse them.
        if (!uniqueId(relationship.id, &ids, reader.lineNumber(), error))
            return false;
        relationship.type = attributes.value(QLatin1String("Type")).toString();
        relationship.target = attributes.value(QLatin1String("Target")).toString();
        relationship.external = attributes.value(QLatin1String("TargetMode")) == QLatin1String("External");
        reader.skipCurrentElement();
        relationship.end = int(reader.characterOffset());
        m_relationships.append(relationship);
    }
    return PartReader::finish(reader, m_xml, &m_root.endTagStart, error);
}

bool Relationships::uniqueId(const QString &id, QSet<QString> *ids, qint64 line, QString *error)
{
    if (id.isEmpty()) {
        *error = QStringLiteral("a relationship has no Id (line %1)").arg(line);
        return false;
    }
    if (ids->contains(id)) {
        *error = QStringLiteral("the Id \"%1\" is given to two relationships (line %2)").arg(id).arg(line);
        return false;
    }
    ids->insert(id);
    return true;
}

bool Relationships::isKind(const QString &type, const QString &kind)
{
    return type.endsWith(QLatin1Char('/') + kind, Qt::CaseInsensitive);
}

template <typename Matches>
const Relationships::Relationship *Relationships::findFirst(Matches matches) const
{
    for (const Relationship &relationship : m_relationships) {
        if (matches(relationship) && !m_removed.contains(relationship.id))
            return &relationship;
    }
    for (const Relationship &relationship : m_added) {
        if (matches(relationship))
            return &relationship;
    }
    return nullptr;
}

const Relationships::Relationship *Relationships::findByKind(const QString &kind) const
{
    return findFirst([&kind](const Relationship &relationship) { return isKind(relationship.type, kind); });
}

const Relationships::Relationship *Relationships::findById(const QString &id) const
{
    return findFirst([&id](const Relationship &relationship) { return relationship.id == id; });
}

int Relationships::countOfKind(const QString &kind) const
{
    int count = 0;
    for (const Relationship &relationship : m_relationships)
        count += isKind(relationship.type, kind) && !m_removed.contains(relationship.id) ? 1 : 0;
    for (const Relationship &relationship : m_added)
        count += isKind(relationship.type, kind) ? 1 : 0;
    return count;
}

QString Relationships::add(const QString &type, const QString &target)
{
    int number = m_relationships.size() + m_added.size() + 1;
    QString id;
    do {
        id = QStringLiteral("rId%1").arg(number++);
    } while (findById(id) || m_removed.contains(id));
    Relationship relationship;
    relationship.id = id;
    relationship.type = type;
    relationship.target = target;
    m_added.append(relationship);
    return id;
}

void Relationships::remove(const QString &id)
{
    for (int i = m_added.size() - 1; i >= 0; --i) {
        if (m_added[i].id == id)
            m_added.remove(i);
    }
    if (!m_removed.contains(id))
        m_removed.append(id);
}

QByteArray Relationships::save() const
{
    XmlEdit edit;
    for (const Relationship &relationship : m_relationships) {
        if (m_removed.contains(relationship.id))
            edit.replace(relationship.start, relationship.end, QByteArray());
    }
    QString added;
    for (const Relationship &relationship : m_added)
        added += QStringLiteral("<%1Relationship Id=\"%2\" Type=\"%3\" Target=\"%4\"/>")
                     .arg(m_prefix, relationship.id, XmlText::escapedAttribute(relationship.type),
                          XmlText::escapedAttribute(relationship.target));
    if (!added.isEmpty())
        edit.appendTo(m_root, m_root.startTag(m_xml), added.toUtf8(),
                      QStringLiteral("</%1Relationships>").arg(m_prefix).toUtf8());
    return edit.apply(m_xml);
}

QString Relationships::resolve(const QString &sourcePart, const QString &target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QString path;
    if (decoded.startsWith(QLatin1Char('/')))
        path = decoded.mid(1);
    else
        path = sourcePart.left(sourcePart.lastIndexOf(QLatin1Char('/')) + 1) + decoded;
    QStringList segments;
    for (const QString &segment : path.split(QLatin1Char('/'))) {
        if (segment.isEmpty() || segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (!segments.isEmpty())
                segments.removeLast();
        } else {
            segments.append(segment);
        }
    }
    return segments.join(QLatin1Char('/'));
}

QString Relationships::partOf(const QString &sourcePart)
{
    const int slash = sourcePart.lastIndexOf(QLatin1Char('/'));
    return sourcePart.left(slash + 1) + QStringLiteral("_rels/") + sourcePart.mid(slash + 1)
        + QStringLiteral(".rels");
}

} // namespace Xlsx
