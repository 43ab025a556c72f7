#pragma once

#include "xlsx/package.h"

#include <QBitArray>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

namespace Xlsx {

// The shared string table (sharedStrings.xml): the texts of string cells, each kept once.
// Entries of the original part are never rewritten; new texts are appended to it. The part is
// read as it is decompressed and read again when the table is saved: only the texts are kept.
class SharedStrings
{
public:
    bool load(const Package::Part &part, QString *error);

    // The index of the text, added when the table has no plain entry of it.
    int add(const QString &text);
    QString text(int index) const { return index >= 0 && index < m_texts.size() ? m_texts[index] : QString(); }
    int size() const { return m_texts.size(); }

    bool isModified() const { return m_texts.size() > m_original; }
    // The part with the new entries; referenceDelta corrects the count of string cells.
    QByteArray save(qint64 referenceDelta) const;

private:
    // The index of the plain entries, made when the first text is added: a rich entry would
    // bring its runs along.
    void makeIndex();

    Package::Part m_source;
    QString m_prefix;
    QString m_rootTag;         // the root's start tag as read
    qint64 m_rootStart = -1;   // where it stands in the part
    qint64 m_rootTagEnd = -1;
    qint64 m_rootEndStart = -1; // the root's end tag
    bool m_selfClosing = false;
    qint64 m_originalCount = -1; // the count attribute, -1 when absent
    QVector<QString> m_texts;
    QBitArray m_rich; // of the original entries
    QHash<QString, int> m_index;
    bool m_indexed = false;
    int m_original = 0;
};

} // namespace Xlsx
