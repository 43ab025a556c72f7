#include "driverratinglog.h"

#include <QObject>

namespace Model::Base {

DriverRatingLog::DriverRatingLog()
{
    declareColumn(QStringLiteral("company_name_client"), SQL_TEXT, false, QVariant(), QObject::tr("Company"),
                  NON_UPDATABLE);
    declareReference(QStringLiteral("rst_id_driver"), QStringLiteral("drivers"), QString(), NON_UPDATABLE);
    declareReference(QStringLiteral("rst_id_company_client"), QStringLiteral("companies"), QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("identifier_client"), SQL_TEXT, false, QVariant(), QObject::tr("Identifier"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("rating"), SQL_INTEGER, true, 0, QObject::tr("Rating"), NON_UPDATABLE);
    declareColumn(QStringLiteral("average_rating"), SQL_REAL, true, 5.0f, QObject::tr("Average rating"));
    declareColumn(QStringLiteral("delta"), SQL_REAL, true, 0.0f, QObject::tr("Delta"));
    declareColumn(QStringLiteral("note"), SQL_TEXT, false, QVariant(), QObject::tr("Note"), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_system"), SQL_INTEGER, true, 0, QObject::tr("Is system"), NON_UPDATABLE);
}

DriverRatingLog::~DriverRatingLog() = default;

QString DriverRatingLog::tableName() const
{
    return QStringLiteral("driver_rating_logs");
}

} // namespace Model::Base
