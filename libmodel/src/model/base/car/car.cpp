#include "car.h"

#include <QObject>

namespace Model::Base {

Car::Car()
{
    const QString drivers = QStringLiteral("drivers");
    const QString bodyTypes = QStringLiteral("car_body_types");
    const QString brands = QStringLiteral("car_brands");
    const QString colors = QStringLiteral("car_colors");
    declare(QStringLiteral("rst_id_driver"), Field::referenceTo(drivers, FK_CASCADE, NON_UPDATABLE));
    declare(QStringLiteral("rst_id_body_types"), Field::referenceTo(bodyTypes, FK_SET_DEFAULT));
    declare(QStringLiteral("rst_id_car_brands"), Field::referenceTo(brands, FK_SET_DEFAULT));
    declare(QStringLiteral("rst_id_car_colors"), Field::referenceTo(colors, FK_SET_DEFAULT));
    declareColumn(QStringLiteral("uuid"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Uuid"),
                  IS_UUID | NON_UPDATABLE | API | SYNC_ORLEM);
    declareColumn(QStringLiteral("approved"), SQL_INTEGER, true, 1, QObject::tr("Approved"),
                  NON_UPDATABLE | API | SYNC_ORLEM);
    declareColumn(QStringLiteral("identifier"), SQL_TEXT, false, QVariant(), QObject::tr("Identifier"), API | SYNC_ORLEM);
    declareColumn(QStringLiteral("year"), SQL_BIGINTEGER, true, 0, QObject::tr("Year"), API | SYNC_ORLEM);
    declareColumn(QStringLiteral("model"), SQL_TEXT, false, QVariant(), QObject::tr("Model"), API | SYNC_ORLEM);
    declareColumn(QStringLiteral("place_amount"), SQL_BIGINTEGER, true, 0, QObject::tr("Place amount"),
                  API | SYNC_ORLEM);
    declareAttached(QStringLiteral("sign"), drivers, QStringLiteral("sign"), QObject::tr("Sign"));
    declareAttached(QStringLiteral("rst_id_car_selected"), drivers, QStringLiteral("rst_id_car"), QString());
    declareAttached(QStringLiteral("body_type_name"), bodyTypes, QStringLiteral("name"), QObject::tr("Body type"));
    declareAttached(QStringLiteral("brand_name"), brands, QStringLiteral("name"), QObject::tr("Brand name"));
    declareAttached(QStringLiteral("color_name"), colors, QStringLiteral("name"), QObject::tr("Color name"));
    declareAttached(QStringLiteral("body_type_code"), bodyTypes, QStringLiteral("code"), QObject::tr("Body type code"));
    declareAttached(QStringLiteral("brand_code"), brands, QStringLiteral("code"), QObject::tr("Brand code"));
    declareAttached(QStringLiteral("color_code"), colors, QStringLiteral("code"), QObject::tr("Color code"));
    declareAttached(QStringLiteral("color_rgb_code"), colors, QStringLiteral("rgb_code"), QObject::tr("Color RGB code"));
    declareDisplay(QStringLiteral("is_selected"), QObject::tr("Selected"));
}

Car::~Car() = default;

QString Car::tableName() const
{
    return QStringLiteral("cars");
}

} // namespace Model::Base
