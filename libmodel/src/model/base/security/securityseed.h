#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <functional>

namespace Common {
class Db;
}

namespace Model {

class AbstractModel;

namespace Base {

// One row of a security catalogue's seed list: its code and the other values it is inserted with.
struct SecuritySeedRow
{
    QString code;
    QVariantMap values;
};

// Seeds a security catalogue from its computed record list: the default row, then the list
// (populateList), then, in list order, every row of makeRows() whose code the table does not hold
// yet (read in one query); stored rows are never changed. Logs which step failed or what was
// thrown; false after a failed read or insert, the rows written before stay.
bool seedSecurityCatalogue(AbstractModel *model, Common::Db *db, const QString &location,
                           const std::function<bool()> &populateList,
                           const std::function<QVector<SecuritySeedRow>()> &makeRows);

// Every stored row but the default one, with the given columns, in id order; false when the read
// fails. The model's values are reset first (they would filter the read).
bool readStoredRows(AbstractModel *model, Common::Db *db, const QStringList &columns, QList<QVariantMap> &rows);

} // namespace Base
} // namespace Model
