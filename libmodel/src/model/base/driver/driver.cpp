#include "driver.h"

#include <QObject>

namespace Model::Base {

Driver::Driver()
    : Sex(this)
{
    declare(QStringLiteral("rst_id_car"), Field::referenceTo(QStringLiteral("cars"), FK_SET_DEFAULT, NON_UPDATABLE));
    declareColumn(QStringLiteral("first_name"), SQL_TEXT, false, QVariant(), QObject::tr("First name"));
    declareColumn(QStringLiteral("middle_name"), SQL_TEXT, false, QVariant(), QObject::tr("Middle name"));
    declareColumn(QStringLiteral("last_name"), SQL_TEXT, false, QVariant(), QObject::tr("Last name"));
    declareColumn(QStringLiteral("is_archived"), SQL_INTEGER, true, 0, QObject::tr("Is archived"), NON_UPDATABLE);
    declareColumn(QStringLiteral("phone"), SQL_TEXT, false, QVariant(), QObject::tr("Phone"));
    declareColumn(QStringLiteral("phone2"), SQL_TEXT, false, QVariant(), QObject::tr("Secondary phone"));
    declareColumn(QStringLiteral("rating"), SQL_REAL, true, 4.0, QObject::tr("Rating"));
    declareColumn(QStringLiteral("availabe_bank_cards"), SQL_INTEGER, true, 0, QObject::tr("Availabe bank cards"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("use_bank_card"), SQL_INTEGER, true, 0, QObject::tr("Use bank card"), NON_UPDATABLE);
    declareColumn(QStringLiteral("override_duty_amount"), SQL_INTEGER, true, 0, QObject::tr("Override duty amount"));
    declareColumn(QStringLiteral("duty_amount"), SQL_INTEGER, true, 1, QObject::tr("Duty amount"));
    declareColumn(QStringLiteral("override_duty_amount_temp"), SQL_INTEGER, true, 0,
                  QObject::tr("Override temporary duty amount"));
    declareColumn(QStringLiteral("duty_amount_temp"), SQL_INTEGER, true, 1, QObject::tr("Temporary duty amount"));
    declareColumn(QStringLiteral("identification_code"), SQL_TEXT, false, QVariant(), QObject::tr("Identification code"));

    const QString cars = QStringLiteral("cars");
    declareAttached(QStringLiteral("car_identifier"), cars, QStringLiteral("identifier"), QObject::tr("Car identifier"));
    declareAttached(QStringLiteral("rst_id_car_brands"), cars, QStringLiteral("rst_id_car_brands"), QString());
    declareAttached(QStringLiteral("rst_id_body_types"), cars, QStringLiteral("rst_id_body_types"), QString());
    declareAttached(QStringLiteral("rst_id_car_colors"), cars, QStringLiteral("rst_id_car_colors"), QString());
    declareAttached(QStringLiteral("car_model"), cars, QStringLiteral("model"), QObject::tr("Car model"));
    declareAttached(QStringLiteral("car_year"), cars, QStringLiteral("year"), QObject::tr("Car year"));
    declareAttached(QStringLiteral("car_place_amount"), cars, QStringLiteral("place_amount"),
                    QObject::tr("Car place amount"));

    const QString bodyTypes = QStringLiteral("car_body_types");
    const QString brands = QStringLiteral("car_brands");
    const QString colors = QStringLiteral("car_colors");
    const QString viaBodyType = QStringLiteral("cars.rst_id_body_types");
    const QString viaBrand = QStringLiteral("cars.rst_id_car_brands");
    const QString viaColor = QStringLiteral("cars.rst_id_car_colors");
    declareAttached(QStringLiteral("body_type_name"), bodyTypes, QStringLiteral("name"), QObject::tr("Body type"),
                    viaBodyType);
    declareAttached(QStringLiteral("brand_name"), brands, QStringLiteral("name"), QObject::tr("Brand name"), viaBrand);
    declareAttached(QStringLiteral("color_name"), colors, QStringLiteral("name"), QObject::tr("Color name"), viaColor);
    declareAttached(QStringLiteral("color_rgb_code"), colors, QStringLiteral("rgb_code"), QObject::tr("Color RGB code"),
                    viaColor);
    declareAttached(QStringLiteral("brand_code"), brands, QStringLiteral("code"), QString(), viaBrand);
    declareAttached(QStringLiteral("body_type_code"), bodyTypes, QStringLiteral("code"), QString(), viaBodyType);
    declareAttached(QStringLiteral("color_code"), colors, QStringLiteral("code"), QString(), viaColor);
    addIndex({QStringLiteral("is_archived")});
}

Driver::~Driver() = default;

QString Driver::tableName() const
{
    return QStringLiteral("drivers");
}

} // namespace Model::Base
