#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Xlsx {

// The package's [Content_Types].xml: content types of parts; saving splices added and
// removed overrides into the original text.
class ContentTypes
{
public:
    bool load(const QByteArray &bytes, QString *error);

    // The content type of a part ("/xl/workbook.xml"), by override or by extension.
    QString typeOf(const QString &partName) const;
    void addOverride(const QString &partName, const QString &contentType);
    void removeOverride(const QString &partName);

    bool isModified() const { return !m_added.isEmpty() || !m_removed.isEmpty(); }
    QByteArray save() const;

private:
    struct Entry
    {
        QString key; // part name for overrides, extension for defaults
        QString contentType;
        bool isDefault = false;
        int start = -1;
        int end = -1;
    };

    QString m_xml;
    QString m_prefix;
    int m_rootEnd = -1;
    QVector<Entry> m_entries;
    QVector<Entry> m_added;
    QVector<int> m_removed;
};

} // namespace Xlsx
