#pragma once

#include "xlsx/xmledit.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

namespace Xlsx {

// The shared string table (sharedStrings.xml): the texts of string cells, each kept once.
// Entries of the original part are never rewritten; new texts are appended to it.
class SharedStrings
{
public:
    bool load(const QByteArray &bytes, QString *error);

    // The index of the text, added when the table has no plain entry of it.
    int add(const QString &text);
    QString text(int index) const { return index >= 0 && index < m_texts.size() ? m_texts[index] : QString(); }
    int size() const { return m_texts.size(); }

    bool isModified() const { return m_texts.size() > m_original; }
    // The part with the new entries; referenceDelta corrects the count of string cells.
    QByteArray save(qint64 referenceDelta) const;

private:
    QString m_xml;
    QString m_prefix;
    XmlEdit::Element m_root;
    qint64 m_originalCount = -1; // the count attribute, -1 when absent
    QVector<QString> m_texts;
    QHash<QString, int> m_index; // plain entries only: a rich entry would bring its runs along
    int m_original = 0;
};

} // namespace Xlsx
