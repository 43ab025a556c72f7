#pragma once

#include "xlsx/format.h"
#include "xlsx/numberformat.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmlnode.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVector>

namespace Xlsx {

// The style table of a workbook (styles.xml): reads cell formats from it and adds the formats
// written, each only once. Saving splices the new entries into the original text.
class Styles
{
public:
    Styles();

    bool load(const QByteArray &bytes, QString *error);
    // The format of a cell style entry; a null format for an index out of range.
    Format format(int index) const;
    // The entry of a format, added when the table has none like it; -1 for a null format.
    int indexOf(const Format &format);
    NumberFormat::Kind kindOf(int index) const;
    int count() const { return m_xfs.size(); }

    bool isModified() const;
    QByteArray save() const;
    static QByteArray defaultPart();

private:
    struct Xf
    {
        int numberFormatId = 0;
        int fontId = 0;
        int fillId = 0;
        int borderId = 0;
        XmlNode::Attributes alignment;
        XmlNode::Attributes protection;
        XmlNode::Attributes extra;
    };
    // Fonts, fills or borders: the entries and the first index of each canonical text.
    struct Table
    {
        QVector<XmlNode> entries;
        QVector<QString> texts;
        QHash<QString, int> first;
        int original = 0;
        // The index of the node; with reuse, that of an equal entry when there is one.
        int add(const XmlNode &node, bool reuse);
        int canonical(int index) const;
    };

    bool parse(QString *error);
    void parseXfs(QXmlStreamReader &reader);
    void ensureDefaults();
    int numberFormatIdOf(const FormatData &data);
    QString keyOf(const Xf &xf) const;
    void indexKeys();
    QString codeOf(int numberFormatId) const;
    QString xfXml(const Xf &xf) const;
    void spliceCollection(XmlEdit &edit, const QString &name, const XmlEdit::Element &span, int total,
                          const QString &entries) const;

    quint64 m_id;
    QString m_xml;
    QString m_prefix;
    QMap<QString, XmlEdit::Element> m_spans; // numFmts, fonts, fills, borders, cellXfs
    QMap<QString, int> m_starts;             // start offsets of every top-level element
    int m_rootEnd = -1;

    QMap<int, QString> m_customCodes;   // id -> code of the numFmts entries
    QHash<QString, int> m_customIds;    // code -> id
    QVector<int> m_newNumberFormats;
    int m_nextNumberFormatId = NumberFormat::FirstCustomId;
    Table m_fonts;
    Table m_fills;
    Table m_borders;
    QVector<Xf> m_xfs;
    int m_originalXfs = 0;
    QHash<QString, int> m_xfKeys;
    bool m_keysIndexed = false;
    mutable QVector<Format> m_formats;
    mutable QVector<qint8> m_kinds;
};

} // namespace Xlsx
