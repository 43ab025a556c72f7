#include "carbrand.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

CarBrand::CarBrand()
{
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QVariant(), QObject::tr("Code"), UNIQUE);
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QVariant(), QObject::tr("Name"));
    declareColumn(QStringLiteral("order_index"), SQL_INTEGER, true, 0, QObject::tr("Order index"));
    addIndex({QStringLiteral("code")});
    addIndex({QStringLiteral("order_index")});
}

CarBrand::~CarBrand() = default;

QString CarBrand::tableName() const
{
    return QStringLiteral("car_brands");
}

bool CarBrand::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    // Brand names are stored as they stand; the Cyrillic ones sort after the others.
    static const struct
    {
        const char *code;
        const char *name;
    } rows[] = {
        {"alfaromeo", "Alfa Romeo"}, {"audi", "Audi"},           {"bmw", "BMW"},
        {"buick", "Buick"},          {"byd", "BYD"},             {"cadillac", "Cadillac"},
        {"chery", "Chery"},          {"chevrolet", "Chevrolet"}, {"chrysler", "Chrysler"},
        {"citroen", "Citroen"},      {"dadi", "Dadi"},           {"dacia", "Dacia"},
        {"daewoo", "Daewoo"},        {"daihatsu", "Daihatsu"},   {"datsun", "Datsun"},
        {"dodge", "Dodge"},          {"dongfeng", "DONGFENG"},   {"fiat", "Fiat"},
        {"faw", "FAW"},              {"ford", "Ford"},           {"geely", "Geely"},
        {"greatwall", "Great Wall"}, {"honda", "Honda"},         {"hover", "Hover"},
        {"hyundai", "Hyundai"},      {"ikco", "IKCO"},           {"infiniti", "Infiniti"},
        {"jac", "Jac"},              {"jaguar", "Jaguar"},       {"jeep", "Jeep"},
        {"kia", "Kia"},              {"lancia", "Lancia"},       {"landrover", "Land Rover"},
        {"lexus", "Lexus"},          {"lifan", "Lifan"},         {"mini", "MINI"},
        {"mazda", "Mazda"},          {"mercedesbenz", "Mercedes-Benz"}, {"mitsubishi", "Mitsubishi"},
        {"nissan", "Nissan"},        {"opel", "Opel"},           {"peugeot", "Peugeot"},
        {"pontiac", "Pontiac"},      {"porsche", "Porsche"},     {"ravon", "Ravon"},
        {"renault", "Renault"},      {"rover", "Rover"},         {"saipa", "SAIPA"},
        {"seat", "Seat"},            {"samand", "Samand"},       {"skoda", "Skoda"},
        {"ssangyong", "SsangYong"},  {"soueast", "Soueast"},     {"subaru", "Subaru"},
        {"suzuki", "Suzuki"},        {"tesla", "Tesla"},         {"toyota", "Toyota"},
        {"volkswagen", "Volkswagen"}, {"volvo", "Volvo"},
        {"vaz", "\u0412\u0410\u0417"}, {"gaz", "\u0413\u0410\u0417"}, {"zaz", "\u0417\u0410\u0417"},
        {"ij", "\u0418\u0416"},        {"uaz", "\u0423\u0410\u0417"},
    };
    constexpr int latinRows = 59;
    SeedList seeds(QStringLiteral("code"));
    int index = 0;
    for (const auto &row : rows) {
        seeds.add(QLatin1String(row.code),
                  {{QStringLiteral("name"), QString::fromUtf8(row.name)},
                   {QStringLiteral("order_index"), index++ < latinRows ? QStringLiteral("50") : QStringLiteral("100")}});
    }
    return seeds.apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Base
