#include "carcolor.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

CarColor::CarColor()
{
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QVariant(), QObject::tr("Name"));
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QVariant(), QObject::tr("Code"), UNIQUE);
    declareColumn(QStringLiteral("rgb_code"), SQL_TEXT, true, QVariant(), QObject::tr("RGB Code"));
    declareColumn(QStringLiteral("order_index"), SQL_INTEGER, true, 0, QObject::tr("Order index"));
    addIndex({QStringLiteral("code")});
    addIndex({QStringLiteral("order_index")});
}

CarColor::~CarColor() = default;

QString CarColor::tableName() const
{
    return QStringLiteral("car_colors");
}

bool CarColor::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    static const struct
    {
        const char *code;
        const char *name;
        const char *rgb;
        const char *order;
    } rows[] = {
        {"black", QT_TRANSLATE_NOOP("QObject", "Black"), "#000000", "10"},
        {"white", QT_TRANSLATE_NOOP("QObject", "White"), "#FFFFFF", "20"},
        {"silver", QT_TRANSLATE_NOOP("QObject", "Silver"), "#C0C0C0", "30"},
        {"gray", QT_TRANSLATE_NOOP("QObject", "Gray"), "#808080", "40"},
        {"blue", QT_TRANSLATE_NOOP("QObject", "Blue"), "#0000FF", "50"},
        {"red", QT_TRANSLATE_NOOP("QObject", "Red"), "#FF0000", "60"},
        {"green", QT_TRANSLATE_NOOP("QObject", "Green"), "#00FF00", "70"},
        {"brown", QT_TRANSLATE_NOOP("QObject", "Brown"), "#8B4513", "80"},
        {"beige", QT_TRANSLATE_NOOP("QObject", "Beige"), "#F5F5DC", "90"},
        {"lightblue", QT_TRANSLATE_NOOP("QObject", "Light blue"), "#ADD8E6", "100"},
        {"gold", QT_TRANSLATE_NOOP("QObject", "Gold"), "#FFD700", "110"},
        {"purple", QT_TRANSLATE_NOOP("QObject", "Purple"), "#800080", "120"},
        {"yellow", QT_TRANSLATE_NOOP("QObject", "Yellow"), "#FFFF00", "130"},
        {"orange", QT_TRANSLATE_NOOP("QObject", "Orange"), "#FFA500", "140"},
        {"pink", QT_TRANSLATE_NOOP("QObject", "Pink"), "#FFC0CB", "150"},
    };
    SeedList seeds(QStringLiteral("code"));
    for (const auto &row : rows) {
        seeds.add(QLatin1String(row.code), {{QStringLiteral("rgb_code"), QLatin1String(row.rgb)},
                                            {QStringLiteral("name"), QObject::tr(row.name)},
                                            {QStringLiteral("order_index"), QLatin1String(row.order)}});
    }
    return seeds.apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Base
