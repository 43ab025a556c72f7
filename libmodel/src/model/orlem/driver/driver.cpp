#include "driver.h"

#include <QObject>

namespace Model::Orlem {

Driver::Driver()
    : Balance(this)
    , OwnerBalance(this)
    , UseUtcOffset(this)
    , UtcOffset(this)
    , DriverCoords(this)
    , DriverAdditionalPayment(this)
    , DriverDistancePenalty(this)
{
    declare(QStringLiteral("rst_id_group"), Field::referenceTo(QStringLiteral("driver_groups"), FK_CASCADE));
    declare(QStringLiteral("rst_id_tariff_group"),
            Field::referenceTo(QStringLiteral("driver_tariff_groups"), FK_SET_DEFAULT, NON_UPDATABLE));
    declare(QStringLiteral("rst_id_city"), Field::referenceTo(QStringLiteral("cities"), FK_SET_DEFAULT));
    declareColumn(QStringLiteral("system_note"), SQL_TEXT, false, QVariant(), QObject::tr("System note"));
    declareColumn(QStringLiteral("status"), SQL_INTEGER, true, 0, QObject::tr("Status"), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_moving"), SQL_INTEGER, true, 0, QObject::tr("Is moving"), NON_UPDATABLE);
    declareColumn(QStringLiteral("spd"), SQL_REAL, true, 0.0, QObject::tr("Speed"), NON_UPDATABLE);
    declareColumn(QStringLiteral("course"), SQL_REAL, true, 0.0, QObject::tr("Course"), NON_UPDATABLE);
    declareColumn(QStringLiteral("h_accuracy"), SQL_REAL, true, 0.0, QObject::tr("Horizontal accuracy"), NON_UPDATABLE);
    declareColumn(QStringLiteral("v_accuracy"), SQL_REAL, true, 0.0, QObject::tr("Vertical accuracy"), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_coords"), SQL_BIGINTEGER, true, 0, QObject::tr("Update coordinates time"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_status"), SQL_BIGINTEGER, true, 0, QObject::tr("Update status time"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("is_del"), SQL_INTEGER, true, 0, QObject::tr("Is deleted"), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_del"), SQL_BIGINTEGER, true, 0, QObject::tr("Delete time"), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_last_update_com_inf"), SQL_BIGINTEGER, true, 0,
                  QObject::tr("Last update of common info"), NON_UPDATABLE);
    declareColumn(QStringLiteral("rating_count"), SQL_INTEGER, true, 1, QObject::tr("Rating count"));
    declareColumn(QStringLiteral("recommender"), SQL_TEXT, false, QVariant(), QObject::tr("Recommender"), NON_UPDATABLE);
    declare(QStringLiteral("rst_id_bank_card"),
            Field::referenceTo(QStringLiteral("bank_cards"), FK_SET_DEFAULT, NON_UPDATABLE));
    declareColumn(QStringLiteral("completed_order_seq"), SQL_INTEGER, true, 0, QObject::tr("Completed order sequence"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("canceled_order_seq"), SQL_INTEGER, true, 0, QObject::tr("Canceled order sequence"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("canceled_booking_order_seq"), SQL_INTEGER, true, 0,
                  QObject::tr("Canceled booking order sequence"), NON_UPDATABLE);
    declare(QStringLiteral("rst_id_car_company"),
            Field::referenceTo(QStringLiteral("companies"), FK_CASCADE, NON_UPDATABLE));
    declareColumn(QStringLiteral("dt_utc_busy"), SQL_BIGINTEGER, true, 0, QObject::tr("Busy time"), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_free"), SQL_BIGINTEGER, true, 0, QObject::tr("Free time"), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_raise_rating"), SQL_BIGINTEGER, true, 0, QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_shift_begin"), SQL_BIGINTEGER, false, QVariant(), QObject::tr("Begin shift time"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_shift_expected_complete"), SQL_BIGINTEGER, false, QVariant(),
                  QObject::tr("Expected complete shift time"), NON_UPDATABLE);
    declareColumn(QStringLiteral("dt_utc_shift_complete"), SQL_BIGINTEGER, false, QVariant(),
                  QObject::tr("Complete shift time"), NON_UPDATABLE);
    declareColumn(QStringLiteral("fcm_token"), SQL_TEXT, false, QVariant(), QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("approveness"), SQL_TEXT, false, QVariant(), QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_automatic_archive"), SQL_INTEGER, true, 1, QObject::tr("Automatic archiving"));
    declareColumn(QStringLiteral("is_order_receiving_priority"), SQL_INTEGER, true, 0,
                  QObject::tr("Order receiving priority"));
    declareAttached(QStringLiteral("city_name"), QStringLiteral("cities"), QStringLiteral("name"), QObject::tr("City"));
    declareAttached(QStringLiteral("group_name"), QStringLiteral("driver_groups"), QStringLiteral("name"),
                    QObject::tr("Group"));
    declareAttached(QStringLiteral("car_company_name"), QStringLiteral("companies"), QStringLiteral("company_name"),
                    QObject::tr("Car company"));
    declareDisplay(QStringLiteral("status_string"), QObject::tr("Status"));
    for (const char *column : {"is_moving", "dt_del", "dt_last_update_com_inf", "dt_utc_coords", "dt_utc_status",
                               "dt_utc_shift_begin", "dt_utc_shift_complete"})
        addIndex({QLatin1String(column)});
}

Driver::~Driver() = default;

QString Driver::tableName() const
{
    return QStringLiteral("drivers");
}

} // namespace Model::Orlem
