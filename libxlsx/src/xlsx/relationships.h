#pragma once

#include "xlsx/xmledit.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QVector>

namespace Xlsx {

// One relationships part (a .rels file): what a part refers to; saving splices added and
// removed relationships into the original text.
class Relationships
{
public:
    struct Relationship
    {
        QString id;
        QString type;
        QString target;
        bool external = false;
        int start = -1;
        int end = -1;
    };

    bool load(const QByteArray &bytes, QString *error);

    // The first relationship whose type ends with "/" + kind ("worksheet", "styles" ...).
    const Relationship *findByKind(const QString &kind) const;
    const Relationship *findById(const QString &id) const;
    // How many relationships, kept or added, are of that kind.
    int countOfKind(const QString &kind) const;
    // Adds a relationship and returns its new id.
    QString add(const QString &type, const QString &target);
    void remove(const QString &id);

    bool isModified() const { return !m_added.isEmpty() || !m_removed.isEmpty(); }
    QByteArray save() const;

    // The part a target refers to, relative to the part the relationships belong to.
    static QString resolve(const QString &sourcePart, const QString &target);
    // "xl/_rels/workbook.xml.rels" for "xl/workbook.xml".
    static QString partOf(const QString &sourcePart);
    static bool isKind(const QString &type, const QString &kind);

private:
    // False with an error when id is empty or already among ids; otherwise adds it.
    static bool uniqueId(const QString &id, QSet<QString> *ids, qint64 line, QString *error);
    // The first relationship, kept or added, that matches.
    template <typename Matches>
    const Relationship *findFirst(Matches matches) const;

    QString m_xml;
    QString m_prefix;
    XmlEdit::Element m_root;
    QVector<Relationship> m_relationships;
    QVector<Relationship> m_added;
    QVector<QString> m_removed;
};

} // namespace Xlsx
