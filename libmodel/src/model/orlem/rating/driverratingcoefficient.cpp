#include "driverratingcoefficient.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Orlem {

DriverRatingCoefficient::DriverRatingCoefficient()
{
    declareColumn("name", SQL_TEXT, false, QVariant(), QObject::tr("Name"), NON_UPDATABLE);
    declareColumn("code", SQL_TEXT, true, QVariant(), QObject::tr("Code"), NON_UPDATABLE);
    declareColumn("sequence", SQL_REAL, true, 0, QObject::tr("Sequence"));
    declareColumn("value", SQL_REAL, true, 0, QObject::tr("Value"));
    declareColumn("description", SQL_TEXT, true, QVariant(), QObject::tr("Description"), NON_UPDATABLE);
}

bool DriverRatingCoefficient::createSystemRecords(Common::Db *db)
{
    const auto rule = [](const QString &name, const QString &sequence, const QString &value,
                         const QString &description) {
        return QVariantMap{{"name", name}, {"sequence", sequence}, {"value", value}, {"description", description}};
    };
    return AbstractModel::createSystemRecords(db)
        && SeedList("code")
               .add("completed_orders", rule(QObject::tr("Completed orders"), "5", "0.1",
                                             QObject::tr("For in sequence completed orders")))
               .add("canceled_orders", rule(QObject::tr("Canceled orders"), "1", "-0.1",
                                            QObject::tr("For in sequence canceled orders")))
               .add("canceled_booking_orders", rule(QObject::tr("Canceled booking orders"), "1", "-0.1",
                                                    QObject::tr("For in sequence canceled booking orders")))
               .add("append_bank_card", rule(QObject::tr("Append bank card"), "1", "1.0", QString("")))
               .add("remove_bank_card", rule(QObject::tr("Remove bank card"), "1", "-1.0", QString("")))
               .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Orlem
