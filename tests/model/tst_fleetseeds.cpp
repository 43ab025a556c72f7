#include "builddatabase.h"
#include "messagecatcher.h"
#include "pgschema.h"
#include "prefixtranslator.h"
#include "shapefile.h"

#include "model/base/balance/companybalancegroup.h"
#include "model/base/balance/companybalancetype.h"
#include "model/base/balance/driverbalancegroup.h"
#include "model/base/balance/driverbalancetype.h"
#include "model/base/car/car.h"
#include "model/base/company/company.h"
#include "model/base/databaseinitializer.h"
#include "model/base/driver/attributes/bodytype.h"
#include "model/base/driver/attributes/carbrand.h"
#include "model/base/driver/attributes/carcolor.h"
#include "model/base/driver/driver.h"
#include "model/base/rating/driverratinglog.h"
#include "model/base/sms/sms.h"
#include "model/orlem/balance/companybalancegroup.h"
#include "model/orlem/balance/companybalancetype.h"
#include "model/orlem/company/company.h"
#include "model/orlem/company/terminalcompany.h"
#include "model/orlem/driver/attributes/bodytype.h"
#include "model/orlem/driver/attributes/carbrand.h"
#include "model/orlem/driver/attributes/carcolor.h"
#include "model/orlem/driver/driver.h"

#include "common/core/db/dao.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

using namespace Model;
using Factories = QVector<DatabaseInitializer::Factory>;

namespace {

// The company, driver, car and balance catalogues in the library's order.
Factories fleet()
{
    return {Creator::factory<Orlem::TerminalCompany>(),     Creator::factory<Base::Company>(),
            Creator::factory<Orlem::Company>(),             Creator::factory<Base::BodyType>(),
            Creator::factory<Orlem::BodyType>(),            Creator::factory<Base::CarBrand>(),
            Creator::factory<Orlem::CarBrand>(),            Creator::factory<Base::CarColor>(),
            Creator::factory<Orlem::CarColor>(),            Creator::factory<Base::Driver>(),
            Creator::factory<Orlem::Driver>(),              Creator::factory<Base::Car>(),
            Creator::factory<Base::CompanyBalanceGroup>(),  Creator::factory<Orlem::CompanyBalanceGroup>(),
            Creator::factory<Base::CompanyBalanceType>(),   Creator::factory<Orlem::CompanyBalanceType>(),
            Creator::factory<Base::DriverBalanceGroup>(),   Creator::factory<Base::DriverBalanceType>(),
            Creator::factory<Base::Sms>(),                  Creator::factory<Base::DriverRatingLog>()};
}

const QStringList fleetTables{"terminal_companies", "companies", "car_body_types", "car_brands", "car_colors",
                              "drivers", "cars", "company_balance_groups", "company_balance_types",
                              "driver_balance_groups", "driver_balance_types", "sms", "driver_rating_logs"};

QJsonObject seedFile()
{
    const QJsonObject seeds = ShapeFile::load(QStringLiteral("fleetseeds.json"));
    if (seeds.isEmpty())
        qFatal("cannot read shapes/fleetseeds.json");
    return seeds;
}

// Rows after the default row, columns joined by "|", as the seed file says they are stored.
QStringList expectedRows(const QString &table, const QString &prefix)
{
    const QJsonObject entry = seedFile().value(table).toObject();
    QStringList result;
    if (entry.contains("groups")) {
        for (const QJsonValue &value : entry.value("rows").toArray()) {
            const QJsonArray row = value.toArray();
            const QString group = row.at(0).toString();
            result.append(QStringList{group + row.at(1).toString(), prefix + row.at(2).toString(),
                                      QString::number(row.at(3).toInt()), group}
                              .join('|'));
        }
        return result;
    }
    const QJsonArray columns = entry.value("columns").toArray();
    const QJsonArray translated = entry.value("translated").toArray();
    for (const QJsonValue &value : entry.value("rows").toArray()) {
        QStringList cells;
        const QJsonArray row = value.toArray();
        for (int i = 0; i < row.size(); ++i)
            cells.append((translated.contains(columns.at(i)) ? prefix : QString()) + row.at(i).toString());
        result.append(cells.join('|'));
    }
    return result;
}

QStringList storedRows(PgSchema &pg, const QString &table)
{
    const QJsonObject entry = seedFile().value(table).toObject();
    if (entry.contains("groups")) {
        return pg.lines(QStringLiteral("SELECT t.code, t.name, t.type_operation, g.code FROM %1 t JOIN %2 g ON g.id = "
                                       "t.rst_id_bg WHERE t.id > 1 ORDER BY t.id")
                            .arg(table, entry.value("groups").toString()));
    }
    QStringList columns;
    for (const QJsonValue &column : entry.value("columns").toArray())
        columns.append(column.toString());
    return pg.lines(QStringLiteral("SELECT %1 FROM %2 WHERE id > 1 ORDER BY id").arg(columns.join(", "), table));
}

// Every row of every table of the run, time stamps included.
QStringList snapshot(PgSchema &pg)
{
    QStringList result;
    for (const QString &table : fleetTables)
        result += pg.lines(QStringLiteral("SELECT '%1', t.* FROM %1 t ORDER BY id").arg(table));
    return result;
}

bool initialise(PgSchema &pg, QString *error)
{
    return buildDatabase(pg.db(), fleet(), error);
}

} // namespace

// The company, driver, car and balance catalogues on PostgreSQL: the tables, the system rows,
// their joins and their keys.
class TestFleetSeeds : public QObject
{
    Q_OBJECT

private slots:
    void seededRows();
    void storedRowsWin();
    void typeSeedFailures();
    void joinsAndKeys();
};

void TestFleetSeeds::seededRows()
{
    PG_SCHEMA(pg);
    PrefixTranslator translator(QStringLiteral("[uk] "));
    QCoreApplication::installTranslator(&translator);
    MessageCatcher catcher;
    QString error;
    const bool ok = initialise(pg, &error);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(ok, qPrintable(error));
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));

    // Each list in its order after the default row; captions translated when seeded, brands as
    // they stand.
    for (const QString &table : QStringList{"car_body_types", "car_colors", "car_brands", "company_balance_groups",
                                 "driver_balance_groups", "company_balance_types", "driver_balance_types"}) {
        QCOMPARE(pg.scalar(QStringLiteral("SELECT min(id) FROM %1").arg(table)).toInt(), 1);
        QCOMPARE(storedRows(pg, table), expectedRows(table, QStringLiteral("[uk] ")));
    }
    QCOMPARE(pg.lines("SELECT id, code, name, type_operation, rst_id_bg FROM driver_balance_types WHERE id = 1"),
             QStringList({"1|n/a|n/a|0|1"}));
    // A system type's code is its group's code and a suffix.
    for (const QString &types : QStringList{"company_balance_types", "driver_balance_types"}) {
        const QString groups = QString(types).replace("_types", "_groups");
        QCOMPARE(pg.lines(QStringLiteral("SELECT t.code FROM %1 t JOIN %2 g ON g.id = t.rst_id_bg WHERE t.id > 1 AND "
                                         "left(t.code, length(g.code) + 1) <> g.code || '.'")
                              .arg(types, groups)),
                 QStringList());
    }
    // One system company with a generated UUID besides the default row.
    const QStringList companies = pg.lines("SELECT id, sign, company_name, is_system, uuid_company FROM companies "
                                           "ORDER BY id");
    QCOMPARE(companies.size(), 2);
    QVERIFY2(QRegularExpression("^2\\|system\\|\\[uk\\] System company\\|1\\|\\{[0-9a-f-]{36}\\}$")
                 .match(companies[1])
                 .hasMatch(),
             qPrintable(companies[1]));
    for (const QString &table : QStringList{"terminal_companies", "drivers", "cars", "sms", "driver_rating_logs"})
        QCOMPARE(pg.lines(QStringLiteral("SELECT id FROM %1").arg(table)), QStringList({"1"}));

    // A second run inserts nothing and changes nothing.
    const QStringList before = snapshot(pg);
    QVERIFY2(initialise(pg, &error), qPrintable(error));
    QCOMPARE(snapshot(pg), before);
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
}

void TestFleetSeeds::storedRowsWin()
{
    PG_SCHEMA(pg);
    QString error;
    QVERIFY2(initialise(pg, &error), qPrintable(error));
    // Stored rows with other texts, a type with a description, and rows an operator deleted.
    QVERIFY(pg.run("UPDATE company_balance_groups SET name = 'Orders', description = 'ours' WHERE code = 'sys.order'"));
    QVERIFY(pg.run("UPDATE car_brands SET name = 'Bimmer', order_index = 1 WHERE code = 'bmw'"));
    QVERIFY(pg.run("UPDATE driver_balance_types SET name = 'Top-up', description = 'mine', type_operation = 0 "
                   "WHERE code = 'sys.cashback.debit'"));
    QVERIFY(pg.run("DELETE FROM driver_balance_types WHERE code = 'sys.cashback.credit'"));
    QVERIFY(pg.run("DELETE FROM car_body_types WHERE code = 'van'"));
    QVERIFY(pg.run("UPDATE companies SET company_name = 'Ours' WHERE is_system = 1"));
    const QString uuid = pg.scalar("SELECT uuid_company FROM companies WHERE is_system = 1").toString();

    QVERIFY2(initialise(pg, &error), qPrintable(error));
    QCOMPARE(pg.lines("SELECT name, description FROM company_balance_groups WHERE code = 'sys.order'"),
             QStringList({"Orders|ours"}));
    QCOMPARE(pg.lines("SELECT name, order_index FROM car_brands WHERE code = 'bmw'"), QStringList({"Bimmer|1"}));
    // The found type stays; the one inserted after it takes nothing from it.
    QCOMPARE(pg.lines("SELECT t.code, t.name, t.description, t.type_operation, g.code FROM driver_balance_types t "
                      "JOIN driver_balance_groups g ON g.id = t.rst_id_bg WHERE t.code LIKE 'sys.cashback.%' ORDER BY t.id"),
             QStringList({"sys.cashback.debit|Top-up|mine|0|sys.cashback",
                          "sys.cashback.credit|Credit||0|sys.cashback"}));
    QCOMPARE(pg.lines("SELECT name, order_index FROM car_body_types WHERE code = 'van'"), QStringList({"Van|100"}));
    QCOMPARE(pg.lines("SELECT company_name, uuid_company FROM companies WHERE is_system = 1"),
             QStringList({"Ours|" + uuid}));
    QCOMPARE(pg.scalar("SELECT count(*) FROM driver_balance_types").toInt(), 31);
}

void TestFleetSeeds::typeSeedFailures()
{
    struct Case
    {
        const char *name;
        const char *breakIt;
        QStringList types;
        const char *warning;
    };
    const QStringList early{"sys.refill_by_company.debit", "sys.refill_by_company.credit",
                            "sys.refill_by_company.debit_payment_sys", "sys.refill_by_company.credit_payment_sys",
                            "sys.order.debit", "sys.order.credit", "sys.order.debit_additional_payment",
                            "sys.order.credit_additional_payment", "sys.order.debit_changing_additional_payment",
                            "sys.order.credit_changing_additional_payment", "sys.order.debit_changing_sum_tip",
                            "sys.order.credit_changing_sum_tip"};
    const QVector<Case> cases{
        // The types of the groups before a missing one stay; none after it is tried.
        {"missing group", "DELETE FROM driver_balance_groups WHERE code = 'sys.services'", early,
         "balance group 'sys.services' not found in driver_balance_groups"},
        // A group look-up that fails is no missing group and inserts nothing.
        {"failed look-up", "ALTER TABLE driver_balance_groups RENAME COLUMN description TO note", {},
         "Common::Dao::selectByFields"},
        // An insert that fails stops the seed; the types before it stay.
        {"failed insert",
         "ALTER TABLE driver_balance_types ADD CONSTRAINT no_order_credit CHECK (code <> 'sys.order.credit')",
         early.mid(0, 5), "no_order_credit"},
    };
    for (const Case &c : cases) {
        PG_SCHEMA(pg);
        Base::DriverBalanceGroup groups;
        Base::DriverBalanceType types;
        QVERIFY(groups.createTable(pg.db()) && types.createTable(pg.db()));
        QVERIFY(groups.createSystemRecords(pg.db()));
        QVERIFY2(pg.run(c.breakIt), c.name);
        MessageCatcher catcher;
        QVERIFY2(!types.createSystemRecords(pg.db()), c.name);
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY2(catcher.warnings[0].contains(QLatin1String(c.warning)), qPrintable(catcher.warnings[0]));
        QCOMPARE(pg.lines("SELECT code FROM driver_balance_types WHERE id > 1 ORDER BY id"), c.types);
        QCOMPARE(pg.scalar("SELECT count(*) FROM driver_balance_types WHERE id = 1").toInt(), 1);
    }
}

void TestFleetSeeds::joinsAndKeys()
{
    PG_SCHEMA(pg);
    QString error;
    QVERIFY2(initialise(pg, &error), qPrintable(error));
    // A driver of the system company with a red BMW van, and a second car.
    QVERIFY(pg.run("INSERT INTO drivers (sign, rst_id_car_company, dt_utc_insert, dt_utc_last_update) "
                   "VALUES ('d-7', 2, 0, 0)"));
    QVERIFY(pg.run("INSERT INTO cars (rst_id_driver, rst_id_body_types, rst_id_car_brands, rst_id_car_colors, uuid, "
                   "identifier, year, model, place_amount, dt_utc_insert, dt_utc_last_update) VALUES "
                   "(2, (SELECT id FROM car_body_types WHERE code = 'van'), (SELECT id FROM car_brands WHERE code = "
                   "'bmw'), (SELECT id FROM car_colors WHERE code = 'red'), 'u-1', 'AA 1234', 2020, 'X5', 5, 0, 0), "
                   "(2, 1, 1, 1, 'u-2', 'BB 5678', 2001, 'Old', 4, 0, 0)"));
    QVERIFY(pg.run("UPDATE drivers SET rst_id_car = 2 WHERE id = 2"));

    const QVector<QPair<QString, QString>> driverValues{
        {"car_identifier", "AA 1234"}, {"car_model", "X5"},        {"car_year", "2020"},
        {"car_place_amount", "5"},     {"brand_name", "BMW"},      {"brand_code", "bmw"},
        {"color_name", "Red"},         {"color_code", "red"},      {"color_rgb_code", "#FF0000"},
        {"body_type_name", "Van"},     {"body_type_code", "van"},  {"car_company_name", "System company"},
    };
    Orlem::Driver driver;
    Common::Dao driverDao(&driver, pg.db());
    QVERIFY(driverDao.loadById(2, QString()));
    for (const auto &[name, value] : driverValues)
        QVERIFY2(driver.value(name).toString() == value, qPrintable(name + ": " + driver.value(name).toString()));

    // The car's own joins, and which car its driver drives.
    Base::Car car;
    Common::Dao carDao(&car, pg.db());
    const QVector<QPair<QString, QString>> carValues{{"sign", "d-7"},          {"rst_id_car_selected", "2"},
                                                     {"brand_name", "BMW"},    {"brand_code", "bmw"},
                                                     {"color_name", "Red"},    {"color_rgb_code", "#FF0000"},
                                                     {"body_type_name", "Van"}, {"body_type_code", "van"}};
    QVERIFY(carDao.loadById(2, QString()));
    for (const auto &[name, value] : carValues)
        QVERIFY2(car.value(name).toString() == value, qPrintable(name + ": " + car.value(name).toString()));
    QVERIFY(carDao.loadById(3, QString()));
    QCOMPARE(car.value("rst_id_car_selected").toString(), QStringLiteral("2"));
    QCOMPARE(car.value("model").toString(), QStringLiteral("Old"));

    // Keys: the deferred drivers -> cars key, deleting a brand, a car, a driver, a balance group.
    QVERIFY(!pg.run("UPDATE drivers SET rst_id_car = 99 WHERE id = 2"));
    QVERIFY(pg.run("DELETE FROM car_brands WHERE code = 'bmw'"));
    QCOMPARE(pg.lines("SELECT rst_id_car_brands FROM cars WHERE id = 2"), QStringList({"1"}));
    QVERIFY(pg.run("DELETE FROM cars WHERE id = 2"));
    QCOMPARE(pg.lines("SELECT rst_id_car FROM drivers WHERE id = 2"), QStringList({"1"}));
    QVERIFY(pg.run("DELETE FROM drivers WHERE id = 2"));
    QCOMPARE(pg.scalar("SELECT count(*) FROM cars").toInt(), 1);
    // A group that has types is not deleted with them; one without types is.
    QVERIFY(!pg.run("DELETE FROM driver_balance_groups WHERE code = 'sys.order'"));
    QCOMPARE(pg.scalar("SELECT count(*) FROM driver_balance_types").toInt(), 31);
    QVERIFY(pg.run("DELETE FROM company_balance_types WHERE code LIKE 'sys.bonuses.%'"));
    QVERIFY(pg.run("DELETE FROM company_balance_groups WHERE code = 'sys.bonuses'"));
}

QTEST_GUILESS_MAIN(TestFleetSeeds)
#include "tst_fleetseeds.moc"
