#include "catalogues.h"

#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"

// One block of includes and one block of list lines per domain group; keep additions line-based.

// -- Companies, drivers, cars, balance groups and types --

// -- Security options, users and user groups, notifications, driver groups, cities, paid services --

// -- Ledgers, transfers, sessions, media, SMS, values, rating, versions, crash reports, payments --

namespace Model {

namespace {

template<typename T>
void add(QVector<Creator::Factory> &list)
{
    list.append([] { return static_cast<AbstractModel *>(new T()); });
}

} // namespace

QVector<Creator::Factory> allCatalogues()
{
    QVector<Creator::Factory> list;

    // -- Companies, drivers, cars, balance groups and types --

    // -- Security options, users and user groups, notifications, driver groups, cities, paid services --

    // -- Ledgers, transfers, sessions, media, SMS, values, rating, versions, crash reports, payments --

    return list;
}

void registerAllCatalogues()
{
    const QVector<Creator::Factory> list = allCatalogues();
    for (const DatabaseInitializer::Table &table : DatabaseInitializer::plan(list))
        Creator::registerFactory(table.name, list.at(table.creator));
}

} // namespace Model
