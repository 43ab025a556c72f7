#include "catalogues.h"
#include "messagecatcher.h"
#include "pgschema.h"

#include "common/core/db/dao.h"
#include "common/core/db/db.h"
#include "common/core/exception/sqlqueryexception.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace TestCatalogue;
using Common::Dao;

namespace {

// Brands, cars and three drivers (ids 2 to 4) besides the default rows.
bool makeFleet(PgSchema &pg)
{
    CarBrand brand;
    Car car;
    Driver driver;
    for (Model::AbstractModel *model : std::initializer_list<Model::AbstractModel *>{&brand, &car, &driver}) {
        if (!model->createTable(pg.db()) || !model->createSystemRecords(pg.db()))
            return false;
    }
    return pg.run("INSERT INTO car_brands (name, dt_utc_insert, dt_utc_last_update) VALUES ('Lada', 0, 0)")
        && pg.run("INSERT INTO cars (rst_id_car_brands, model, dt_utc_insert, dt_utc_last_update) VALUES "
                  "(2, 'Vesta', 0, 0), (2, 'Niva', 0, 0)")
        && pg.run("INSERT INTO drivers (rst_id_car, sign, name, phone, uuid, dt_utc_insert, dt_utc_last_update) "
                  "VALUES (2, 'A-1', 'Anna', '555', 'u2', 10, 0), (2, 'B_2', 'Boris', '777', 'u3', 20, 0), "
                  "(3, 'C%3', 'Clara', '555', 'u4', 30, 0)");
}

// The ids a list query returns, or "failed".
QString listIds(PgSchema &pg, Driver &driver, const QStringList &filterFields, const QByteArray &where,
                const Dao::OrderBy &orderBy = {{"id", 0}})
{
    Dao dao(&driver, pg.db());
    QSqlQuery query(pg.database());
    if (!dao.select(query, filterFields, {}, orderBy, 0, QJsonDocument::fromJson(where)))
        return QStringLiteral("failed");
    QStringList ids;
    while (query.next()) {
        driver.fillFromQuery(query);
        ids.append(QString::number(driver.id()));
    }
    return ids.join(QLatin1Char(','));
}

// One filter group with one expression.
QByteArray group(const char *condition, const QString &role, const char *operation, const QString &value)
{
    const QJsonObject expression{{"role", role}, {"operation", operation}, {"value", value}, {"condition", "and"}};
    const QJsonObject group{{"condition", condition}, {"expressions", QJsonArray{expression}}};
    return QJsonDocument(QJsonArray{group}).toJson(QJsonDocument::Compact);
}

} // namespace

// Statements run against PostgreSQL through Db and Dao, and their real effect.
class TestDao : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void execution();
    void trace();
    void listQueries_data();
    void listQueries();
    void refusedLists();
    void keyedReads();
    void inserts();
    void updates();
    void savepoints();
    void secretsInLogs();
};

void TestDao::initTestCase()
{
    const QString missing = PgSchema::missingEnvironment();
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

void TestDao::execution()
{
    PG_SCHEMA(pg);
    Common::Db &db = *pg.db();
    QCOMPARE(db.now(), QString("EXTRACT(epoch FROM now()) * 1000"));
    QCOMPARE(Common::Db::joinedList(), QString("1070, 5000, 7000, 7001, 7002, 9000"));
    QCOMPARE(Common::Db::sqlList(), QString("(1070, 5000, 7000, 7001, 7002, 9000)"));
    // A statement that ran stands before its first row.
    QVERIFY(!db.query("SELECT 1").isValid());
    QSqlQuery query = db.query("SELECT CAST(" + db.now() + " AS BIGINT)");
    QVERIFY(query.next());
    QVERIFY(qAbs(query.value(0).toLongLong() - QDateTime::currentMSecsSinceEpoch()) < 60000);

    QSqlQuery bound = db.query("SELECT CAST(:a AS INTEGER) + CAST(:b AS INTEGER)", {{":a", 2}, {":b", 3}});
    QVERIFY(bound.next());
    QCOMPARE(bound.value(0).toInt(), 5);

    // Values go into the statement as the driver writes literals: quoted, with quotes doubled, and
    // never where the statement text itself has quotes, names or casts.
    QSqlQuery literals = db.query("SELECT :text, ':a' AS \":a\", 0, CAST(:n AS TEXT)::INTEGER, :empty IS NULL",
                                  {{":text", "it's :n -- ; DROP"}, {":n", 7}, {":a", "unused"},
                                   {":empty", QVariant(QVariant::String)}});
    QVERIFY(literals.next());
    QCOMPARE(literals.value(0).toString(), QString("it's :n -- ; DROP"));
    QCOMPARE(literals.value(1).toString(), QString(":a"));
    QCOMPARE(literals.value(3).toInt(), 7);
    QVERIFY(literals.value(4).toBool());

    const auto failure = [&db](const QString &sql, const QVariantMap &binds, const QStringList &masked = {}) -> QString {
        try {
            db.query(sql, binds, masked);
        } catch (const SqlQueryException &e) {
            return e.message();
        }
        return QString();
    };
    QVERIFY(failure("SELEC 1", {}).contains("Common::Db::exec:"));
    QVERIFY(failure("SELEC 1", {}).contains(": Query exec error: SELEC 1: "));
    // A failed statement is told as written, with its names; masked values appear nowhere.
    const QString told = failure("SELEC :a", {{":a", "pw-secret"}}, {":a"});
    QVERIFY2(told.contains(": Query exec error: SELEC :a: ") && !told.contains("pw-secret"), qPrintable(told));
    // Type errors surface when the statement runs.
    QVERIFY(failure("SELECT CAST(:a AS INTEGER)", {{":a", "x"}}).contains(": Query exec error: "));
}

void TestDao::trace()
{
    PG_SCHEMA(pg);
    Common::Db db(pg.database());
    const QString connection = pg.database().connectionName();
    const QByteArray saved = qgetenv("queryDebug");
    struct Case
    {
        const char *env;
        bool trace;
        bool written;
    } cases[] = {{"1", true, true}, {"1", false, false}, {nullptr, true, false}, {"true", true, false}};
    for (const Case &c : cases) {
        if (c.env)
            qputenv("queryDebug", c.env);
        else
            qunsetenv("queryDebug");
        db.setTraceQueries(c.trace);
        MessageCatcher catcher;
        db.query("SELECT CAST(:pwd AS TEXT), CAST(:n AS INTEGER)", {{":pwd", "hunter2"}, {":n", 1}}, {":pwd"});
        QCOMPARE(catcher.infos.size(), c.written ? 2 : 0);
        if (c.written) {
            QVERIFY2(catcher.infos[0].startsWith("Begin query " + connection + " | SELECT CAST(:pwd AS TEXT), "
                                                 "CAST(:n AS INTEGER) | QMap((:n, QVariant(int, 1))(:pwd, QVariant(QString, ***)))"),
                     qPrintable(catcher.infos[0]));
            QVERIFY(!catcher.infos[0].contains("hunter2"));
            QVERIFY(catcher.infos[1].startsWith("Finish query " + connection + ": "));
        }
    }
    qputenv("queryDebug", saved);
}

void TestDao::listQueries_data()
{
    QTest::addColumn<QStringList>("filterFields");
    QTest::addColumn<QByteArray>("where");
    QTest::addColumn<QString>("ids");

    QTest::newRow("all but the default row") << QStringList() << QByteArray() << "2,3,4";
    QTest::newRow("fixed filter") << QStringList{"rst_id_car"} << QByteArray() << "2,3";
    // An "or" group must not escape the fixed filters: no default row, no other car's rows.
    QTest::newRow("or group within fixed filter")
        << QStringList{"rst_id_car"} << group("or", "phone", "=", "555") << "2";
    QTest::newRow("joined value")
        << QStringList() << group("and", "car_model", "=", "Niva") << "4";
    QTest::newRow("through a joined table")
        << QStringList() << group("and", "brand_name", "=", "Lada") << "2,3,4";
    QTest::newRow("quote injection") << QStringList() << group("and", "sign", "=", "x' OR '1'='1") << "";
    QTest::newRow("like percent is literal") << QStringList() << group("and", "sign", "contains", "%") << "4";
    QTest::newRow("like underscore is literal") << QStringList() << group("and", "sign", "contains", "_") << "3";
    QTest::newRow("like escape char is literal") << QStringList() << group("and", "sign", "contains", "!") << "";
    QTest::newRow("not contains") << QStringList() << group("and", "sign", "not_contains", "%") << "2,3";
    QTest::newRow("number compared as number") << QStringList() << group("and", "id", ">=", "3") << "3,4";
    QTest::newRow("number injection fails") << QStringList() << group("and", "id", ">", "1 OR 1=1") << "failed";
    QTest::newRow("bad role") << QStringList() << group("and", "id) OR (1=1", "=", "1") << "failed";
}

void TestDao::listQueries()
{
    QFETCH(QStringList, filterFields);
    QFETCH(QByteArray, where);
    QFETCH(QString, ids);
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    Driver driver;
    driver.setValue("rst_id_car", 2);
    MessageCatcher catcher;
    QCOMPARE(listIds(pg, driver, filterFields, where), ids);
    QCOMPARE(catcher.warnings.size(), ids == "failed" ? 1 : 0);
}

void TestDao::refusedLists()
{
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    Driver driver;
    {
        MessageCatcher catcher;
        QCOMPARE(listIds(pg, driver, {}, {}, {{"sign", 1}, {"id", 0}}), QString("4,3,2"));
        QCOMPARE(listIds(pg, driver, {}, {}, {{"car_model", 0}, {"id", 1}}), QString("4,3,2"));
        QVERIFY(catcher.warnings.isEmpty());
    }
    for (const QString &sort : {QString("id; DROP TABLE drivers"), QString("sign_string"), QString("(SELECT 1)")}) {
        MessageCatcher catcher;
        QCOMPARE(listIds(pg, driver, {}, {}, {{sort, 0}}), QString("failed"));
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY2(catcher.warnings[0].contains("Common::Dao::select:") && catcher.warnings[0].contains("Sort field"),
                 qPrintable(catcher.allWarnings()));
    }
    QCOMPARE(pg.scalar("SELECT count(*) FROM drivers").toInt(), 4);

    // Insert-time bounds and the row limit.
    driver.applyRequestOptions({{"dt_utc_insert_start", "15"}, {"dt_utc_insert_end", "30"}, {"_where_string", "OR 1=1"}});
    QCOMPARE(listIds(pg, driver, {}, {}), QString("3,4"));
    Dao dao(&driver, pg.db());
    QSqlQuery query(pg.database());
    QVERIFY(dao.select(query, {}, {"id"}, {}, 1, {}));
    QVERIFY(query.next());
    QVERIFY(!query.next());
}

void TestDao::keyedReads()
{
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    Driver driver;
    Dao dao(&driver, pg.db());
    MessageCatcher catcher;

    QVERIFY(dao.loadById(3, QString()));
    QCOMPARE(driver.value("sign").toString(), QString("B_2"));
    QCOMPARE(driver.value("car_model").toString(), QString("Vesta"));
    QCOMPARE(driver.value("brand_name").toString(), QString("Lada"));
    QCOMPARE(driver.value("dt_utc_insert").toLongLong(), qint64(20));

    QVERIFY(!dao.loadById(50, QString()));
    QVERIFY(!dao.failed());
    QCOMPARE(driver.id(), qint64(50));
    QVERIFY(catcher.warnings.isEmpty());

    // Same phone, another driver.
    driver.setId(2);
    driver.setValue("phone", "555");
    QStringList others{"!id"};
    QVERIFY(dao.selectByFields("phone", others, "caller", {"id", "sign"}));
    QCOMPARE(others, QStringList({"id"}));
    QCOMPARE(driver.id(), qint64(4));
    QCOMPARE(driver.value("sign").toString(), QString("C%3"));

    driver.setValue("phone", "nobody");
    QVERIFY(!dao.selectByFields("phone", "caller"));
    QVERIFY(!dao.failed());
    QVERIFY(catcher.warnings.isEmpty());

    // Unknown names are refused, not added to the catalogue.
    const int fieldCount = driver.fields().size();
    QStringList unknown{"!nope"};
    QVERIFY(!dao.selectByFields("phone", unknown, "caller"));
    QVERIFY(dao.failed());
    QCOMPARE(driver.fields().size(), fieldCount);
    QCOMPARE(unknown, QStringList({"!nope"}));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY2(catcher.warnings[0].contains("caller :libcommon") && catcher.warnings[0].contains("No column 'nope' in drivers"),
             qPrintable(catcher.allWarnings()));

    // An SQL error is not "not found".
    QVERIFY(pg.run("ALTER TABLE drivers DROP COLUMN phone"));
    driver.setValue("phone", "555");
    QVERIFY(!dao.selectByFields("phone", "caller"));
    QVERIFY(dao.failed());
    QCOMPARE(catcher.warnings.size(), 2);
    QVERIFY(catcher.warnings[1].contains("Common::Dao::selectByFields:"));
}

void TestDao::inserts()
{
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    Driver driver;
    Dao dao(&driver, pg.db());
    driver.populateDefault();
    driver.setValue("sign", "D-4");
    driver.setValue("rst_id_car", 3);
    driver.setValue("is_del", 1);
    driver.setValue("orders", "");
    driver.setValue("uuid", "n/a");
    MessageCatcher catcher;
    QVERIFY(dao.insert("caller"));
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
    // The new id comes back from the statement; the re-read fills joined values.
    QCOMPARE(driver.id(), pg.scalar("SELECT max(id) FROM drivers").toLongLong());
    QCOMPARE(driver.value("car_model").toString(), QString("Niva"));
    const QString uuid = driver.value("uuid").toString();
    QVERIFY(QUuid(uuid).isNull() == false);
    QVERIFY(uuid.startsWith('{'));
    const QStringList row = pg.lines(QStringLiteral("SELECT is_del, orders, uuid, rst_id_user_locked, "
                                                    "dt_utc_insert = dt_utc_last_update, dt_utc_insert > 1000 "
                                                    "FROM drivers WHERE id = %1").arg(driver.id()));
    QCOMPARE(row, QStringList({"0|NULL|" + uuid + "|1|true|true"}));

    // A retried insert keeps its key, so the unique index rejects the repeat.
    driver.setValue("sign", "D-5");
    QVERIFY(!dao.insert("retry"));
    QVERIFY(dao.failed());
    QCOMPARE(driver.value("uuid").toString(), uuid);
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY2(catcher.warnings[0].contains("Common::Dao::insert:") && catcher.warnings[0].contains("drivers_uuid_key"),
             qPrintable(catcher.allWarnings()));
    QCOMPARE(pg.scalar("SELECT count(*) FROM drivers WHERE sign = 'D-5'").toInt(), 0);

    // An empty key gets a fresh one; without re-reading the model keeps what it wrote.
    driver.setValue("uuid", "");
    dao.setReloadAfterWrite(false);
    driver.setValue("car_model", "stale");
    QVERIFY(dao.insert("caller"));
    QVERIFY(driver.value("uuid").toString() != uuid);
    QCOMPARE(driver.value("car_model").toString(), QString("stale"));
    QCOMPARE(pg.scalar(QStringLiteral("SELECT sign FROM drivers WHERE id = %1").arg(driver.id())).toString(),
             QString("D-5"));
}

void TestDao::updates()
{
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    Driver driver;
    Dao dao(&driver, pg.db());
    QVERIFY(dao.loadById(2, QString()));
    driver.setValue("name", "Anna K.");
    driver.setValue("rst_id_user_locked", 7); // not updatable
    driver.setValue("dt_utc_insert", 999);    // insert time stays
    driver.setValue("rst_id_car", 3);
    MessageCatcher catcher;
    QVERIFY(dao.updateById("caller"));
    QVERIFY(catcher.warnings.isEmpty());
    // The re-read brings the stored row back, joined values included.
    QCOMPARE(driver.value("rst_id_user_locked").toLongLong(), qint64(1));
    QCOMPARE(driver.value("car_model").toString(), QString("Niva"));
    QCOMPARE(pg.lines("SELECT name, rst_id_user_locked, dt_utc_insert, dt_utc_last_update > 1000 FROM drivers "
                      "WHERE id = 2"),
             QStringList({"Anna K.|1|10|true"}));

    driver.setId(77);
    QVERIFY(!dao.updateById("caller"));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings[0].contains("No row with id 77 in drivers"));

    driver.setId(3);
    driver.setValue("sign", "A-1"); // taken by driver 2
    dao.setReloadAfterWrite(false);
    QVERIFY(!dao.updateById("caller"));
    QVERIFY(dao.failed());
    QCOMPARE(catcher.warnings.size(), 2);
    QVERIFY(catcher.warnings[1].contains("Common::Dao::updateById:"));
    QCOMPARE(pg.scalar("SELECT sign FROM drivers WHERE id = 3").toString(), QString("B_2"));
}

void TestDao::savepoints()
{
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    Driver driver;
    Dao dao(&driver, pg.db());
    dao.setSavepoint(true);
    dao.setReloadAfterWrite(false);
    MessageCatcher catcher;
    QVERIFY(pg.run("BEGIN"));
    QVERIFY(dao.loadById(2, QString()));
    driver.setValue("name", "kept");
    QVERIFY(dao.updateById(QString()));
    driver.setId(3);
    driver.setValue("sign", "A-1"); // unique violation, rolled back to the savepoint
    QVERIFY(!dao.updateById(QString()));
    QCOMPARE(catcher.warnings.size(), 1);
    driver.setValue("sign", "C%3"); // and again for an insert
    driver.setValue("uuid", "");
    QVERIFY(!dao.insert(QString()));
    QCOMPARE(catcher.warnings.size(), 2);
    // The transaction is still usable and keeps the work before the failures.
    driver.setValue("sign", "E-5");
    driver.setValue("uuid", "");
    QVERIFY(dao.insert(QString()));
    QVERIFY(pg.run("COMMIT"));
    QCOMPARE(pg.lines("SELECT name FROM drivers WHERE id = 2"), QStringList({"kept"}));
    QCOMPARE(pg.scalar("SELECT count(*) FROM drivers WHERE sign = 'E-5'").toInt(), 1);
}

void TestDao::secretsInLogs()
{
    PG_SCHEMA(pg);
    QVERIFY2(makeFleet(pg), qPrintable(pg.error()));
    QVERIFY(pg.run("ALTER TABLE drivers ADD COLUMN balance REAL NOT NULL DEFAULT 0"));
    Driver driver;
    driver.declareColumn("balance", Model::SQL_TEXT, true, 0, "Balance", Model::HIDDEN);
    Dao dao(&driver, pg.db());
    QVERIFY(dao.loadById(2, QString()));
    driver.setValue("password", "hunter2-pass");
    driver.setValue("note", "top-secret-note");
    driver.setValue("balance", "s3cret-balance"); // rejected by the REAL column, which quotes it
    MessageCatcher catcher;
    QVERIFY(!dao.updateById("caller"));
    driver.setValue("uuid", "");
    QVERIFY(!dao.insert("caller"));
    QCOMPARE(catcher.warnings.size(), 2);
    for (const QString &warning : qAsConst(catcher.warnings)) {
        QVERIFY2(warning.contains("invalid input syntax for type real"), qPrintable(warning));
        for (const char *secret : {"hunter2-pass", "top-secret-note", "s3cret-balance"})
            QVERIFY2(!warning.contains(secret), qPrintable(warning));
        QVERIFY(warning.contains(":password") && warning.contains("***"));
    }
    QCOMPARE(driver.debugString({"password", "note", "balance", "sign"}),
             QString("'password'='***', 'note'='***', 'balance'='***', 'sign'='A-1'"));

    // A row the database rejects is echoed whole and unquoted in its error.
    QVERIFY(pg.run("ALTER TABLE drivers ADD CONSTRAINT refused CHECK (sign <> 'Z-9')"));
    driver.setValue("sign", "Z-9");
    driver.setValue("balance", "0");
    driver.setValue("uuid", "");
    catcher.clear();
    QVERIFY(!dao.insert("caller"));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY2(catcher.warnings[0].contains("Failing row contains (***)"), qPrintable(catcher.warnings[0]));
    for (const char *secret : {"hunter2-pass", "top-secret-note"})
        QVERIFY2(!catcher.warnings[0].contains(secret), qPrintable(catcher.warnings[0]));
}

QTEST_GUILESS_MAIN(TestDao)
#include "tst_dao.moc"
