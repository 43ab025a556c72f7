#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

namespace Xlsx {

// The zip container of a workbook: its parts in their original order, read whole and checked,
// and written back atomically.
class Package
{
public:
    using Parts = QVector<QPair<QString, QByteArray>>;

    bool open(const QString &fileName, QString *error);
    void setParts(const Parts &parts);

    // The stored name of a part, matched without regard to case; empty when absent.
    QString find(const QString &name) const;
    bool contains(const QString &name) const { return !find(name).isEmpty(); }
    QByteArray part(const QString &name) const;
    const Parts &parts() const { return m_parts; }

    // Writes the parts into a temporary file and renames it over fileName when all went well.
    static bool write(const QString &fileName, const Parts &parts, QString *error);

private:
    Parts m_parts;
    QHash<QString, int> m_index; // lower-case name -> position
};

} // namespace Xlsx
