#pragma once

#include <QString>
#include <QVariantMap>
#include <QVector>

namespace Common {
class Dao;
class Db;
}

namespace Model {

class AbstractModel;

// The fixed system rows of a catalogue, each found by its key column and inserted when missing.
// Stored rows are never changed; running it again inserts only what is missing.
//
//     SeedList(QStringLiteral("code"))
//         .add(QStringLiteral("sys.order"), {{QStringLiteral("name"), QObject::tr("Order operation")}})
//         .apply(this, db, COMMON_LOCATION);
class SeedList
{
public:
    explicit SeedList(const QString &keyColumn);

    SeedList &add(const QVariant &key, const QVariantMap &values = QVariantMap());
    int size() const { return m_rows.size(); }

    // Each missing row is inserted from the catalogue's defaults plus its key and values, never
    // from what an earlier row left in the catalogue. Stops with false at the first look-up that
    // fails with an error or the first failed insert; the rows written before stay.
    bool apply(AbstractModel *model, Common::Db *db, const QString &callerInfo) const;

    // Inserts one row through dao from the catalogue's defaults plus its key and values, never
    // from what an earlier row left in the catalogue. False when the insert fails.
    static bool insertRow(AbstractModel *model, Common::Dao &dao, const QString &keyColumn, const QVariant &key,
                          const QVariantMap &values, const QString &callerInfo);

private:
    struct Row
    {
        QVariant key;
        QVariantMap values;
    };

    QString m_keyColumn;
    QVector<Row> m_rows;
};

} // namespace Model
