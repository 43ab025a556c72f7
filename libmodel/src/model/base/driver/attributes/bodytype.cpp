#include "bodytype.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

BodyType::BodyType()
{
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QVariant(), QObject::tr("Name"));
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QVariant(), QObject::tr("Code"), UNIQUE);
    declareColumn(QStringLiteral("order_index"), SQL_INTEGER, true, 0, QObject::tr("Order index"));
    addIndex({QStringLiteral("code")});
    addIndex({QStringLiteral("order_index")});
}

BodyType::~BodyType() = default;

QString BodyType::tableName() const
{
    return QStringLiteral("car_body_types");
}

bool BodyType::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    static const struct
    {
        const char *code;
        const char *name;
    } rows[] = {
        {"sedan", QT_TRANSLATE_NOOP("QObject", "Sedan")},         {"hatchback", QT_TRANSLATE_NOOP("QObject", "Hatchback")},
        {"suv", QT_TRANSLATE_NOOP("QObject", "Suv")},             {"universal", QT_TRANSLATE_NOOP("QObject", "Universal")},
        {"coupe", QT_TRANSLATE_NOOP("QObject", "Coupe")},         {"minibus", QT_TRANSLATE_NOOP("QObject", "Minibus")},
        {"pickup", QT_TRANSLATE_NOOP("QObject", "Pickup")},       {"limousine", QT_TRANSLATE_NOOP("QObject", "Limousine")},
        {"van", QT_TRANSLATE_NOOP("QObject", "Van")},             {"cabriolet", QT_TRANSLATE_NOOP("QObject", "Cabriolet")},
    };
    SeedList seeds(QStringLiteral("code"));
    for (const auto &row : rows) {
        seeds.add(QLatin1String(row.code), {{QStringLiteral("name"), QObject::tr(row.name)},
                                            {QStringLiteral("order_index"), QStringLiteral("100")}});
    }
    return seeds.apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Base
