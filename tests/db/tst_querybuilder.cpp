#include "catalogues.h"

#include "common/core/db/jsonwhere.h"
#include "common/core/db/querybuilder.h"
#include "common/core/exception/exception.h"

#include <QJsonDocument>
#include <QtTest>

using namespace TestCatalogue;
using Common::JsonWhere;
using Common::QueryBuilder;
using Common::Statement;

namespace {

const QString now = QStringLiteral("EXTRACT(epoch FROM now()) * 1000");

QJsonDocument json(const char *text)
{
    return QJsonDocument::fromJson(QByteArray(text));
}

// The reason of a refused request, or an empty text.
QString refusal(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Exception &e) {
        return e.message().section(QStringLiteral(": "), -1);
    }
    return QString();
}

QString whereOf(const QString &sql)
{
    return sql.mid(sql.indexOf(QLatin1String(" WHERE ")));
}

} // namespace

// The SQL text generated from catalogues: the exact statements and the refused requests.
class TestQueryBuilder : public QObject
{
    Q_OBJECT

private slots:
    void selectList();
    void listDefaults();
    void fixedFilters();
    void filterGroups_data();
    void filterGroups();
    void validatorReasons_data();
    void validatorReasons();
    void orderAndLimit();
    void keyedReads();
    void writes();
};

void TestQueryBuilder::selectList()
{
    Driver driver;
    const QueryBuilder builder(driver);
    QString sql;
    QCOMPARE(builder.buildSelect(sql, {"rst_id_car", "car_model", "brand_name"}),
             QString("SELECT car_brands.name AS brand_name, cars.model AS car_model, drivers.rst_id_car AS rst_id_car "
                     "FROM drivers AS drivers LEFT JOIN cars ON drivers.rst_id_car=cars.id "
                     "LEFT JOIN car_brands ON cars.rst_id_car_brands=car_brands.id"));
    // The join does not depend on the reference column being selected.
    QCOMPARE(builder.buildSelect(sql, {"car_model"}),
             QString("SELECT cars.model AS car_model FROM drivers AS drivers LEFT JOIN cars ON drivers.rst_id_car=cars.id"));
    QCOMPARE(builder.buildSelect(sql, {"sign", "sign_string", "unknown"}),
             QString("SELECT drivers.sign AS sign FROM drivers AS drivers"));
    // All fields but display ones, in name order.
    builder.buildSelect(sql, {});
    QVERIFY(sql.startsWith("SELECT car_brands.name AS brand_name, cars.model AS car_model, drivers.dt_utc_insert AS "));
    QVERIFY(!sql.contains("sign_string"));
    QVERIFY(sql.contains("drivers.sign AS sign, drivers.uuid AS uuid FROM drivers AS drivers LEFT JOIN cars"));
}

void TestQueryBuilder::listDefaults()
{
    Parent parent;
    const Statement s = QueryBuilder(parent).listSelect({}, {"name"}, {}, 0, QJsonDocument());
    QCOMPARE(s.sql, QString("SELECT parents.name AS name FROM parents AS parents WHERE parents.id > 1 "
                            "ORDER BY parents.id DESC"));
    QVERIFY(s.binds.isEmpty());
    // An empty object and an empty array are no filter.
    QCOMPARE(QueryBuilder(parent).listSelect({}, {"name"}, {}, 0, json("{}")).sql, s.sql);
    QCOMPARE(QueryBuilder(parent).listSelect({}, {"name"}, {}, 0, json("[]")).sql, s.sql);
}

void TestQueryBuilder::fixedFilters()
{
    Driver driver;
    driver.setValue("dt_utc_last_update", 1700000000000LL);
    driver.setValue("sign", "A-1");
    driver.setValue("car_model", "Lada");
    driver.queryOptions().insert("dt_utc_insert_start", "100");
    driver.queryOptions().insert("dt_utc_insert_end", "200");
    driver.setWhereString("AND drivers.is_del = 0");
    const Statement s = QueryBuilder(driver).listSelect({"sign", "unknown", "sign_string", "car_model"}, {"sign"}, {},
                                                        0, QJsonDocument());
    QCOMPARE(whereOf(s.sql),
             QString(" WHERE drivers.id > 1 AND drivers.dt_utc_last_update >= :dt_utc_last_update"
                     " AND drivers.dt_utc_insert >= :dt_utc_insert_start AND drivers.dt_utc_insert<=:dt_utc_insert_end"
                     " AND drivers.sign =:sign AND cars.model =:car_model AND drivers.is_del = 0"
                     " ORDER BY drivers.id DESC"));
    // The filter on a joined value joins its table.
    QVERIFY(s.sql.contains(" FROM drivers AS drivers LEFT JOIN cars ON drivers.rst_id_car=cars.id WHERE"));
    QCOMPARE(s.binds, QVariantMap({{":dt_utc_last_update", 1700000000000LL},
                                   {":dt_utc_insert_start", "100"},
                                   {":dt_utc_insert_end", "200"},
                                   {":sign", "A-1"},
                                   {":car_model", "Lada"}}));
}

void TestQueryBuilder::filterGroups_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QVariantMap>("binds");

    QTest::newRow("contains or equal")
        << R"([{"condition":"and","expressions":[
                {"role":"sign","operation":"contains","value":"12","condition":"or"},
                {"role":"phone","operation":"=","value":"555","condition":"and"}]}])"
        << "(drivers.id > 1) AND ((CAST(drivers.sign AS TEXT) LIKE :json_value_0 ESCAPE '!' OR drivers.phone = "
           ":json_value_1))"
        << QVariantMap{{":json_value_0", "%12%"}, {":json_value_1", "555"}};
    // "or" between groups stays inside the groups' parentheses; the first group's word joins nothing.
    QTest::newRow("or group")
        << R"([{"condition":"or","expressions":[{"role":"sign","operation":"=","value":"A","condition":"and"}]},
              {"condition":"OR","expressions":[{"role":"phone","operation":"!=","value":"B","condition":"and"}]}])"
        << "(drivers.id > 1) AND ((drivers.sign = :json_value_0) OR (drivers.phone != :json_value_1))"
        << QVariantMap{{":json_value_0", "A"}, {":json_value_1", "B"}};
    // Empty and non-text values are left out but keep their numbers; empty groups add nothing.
    QTest::newRow("skipped numbering")
        << R"([{"condition":"and","expressions":[
                {"role":"sign","operation":"=","value":"","condition":"and"},
                {"role":"sign","operation":">=","value":"x","condition":"and"}]},
              {"condition":"and","expressions":[]},
              {"condition":"and","expressions":[
                {"role":"orders","operation":"<","value":5,"condition":"and"},
                {"role":"orders","operation":"<=","value":"6","condition":"and"}]},
              {"condition":"or","expressions":[{"role":"name","operation":"=","value":null,"condition":"and"}]}])"
        << "(drivers.id > 1) AND ((drivers.sign >= :json_value_1) AND (drivers.orders <= :json_value_3))"
        << QVariantMap{{":json_value_1", "x"}, {":json_value_3", "6"}};
    QTest::newRow("all left out")
        << R"([{"condition":"or","expressions":[{"role":"sign","operation":"=","value":"","condition":"and"}]}])"
        << "drivers.id > 1" << QVariantMap();
    // Words in any case and with blanks come out in canonical form.
    QTest::newRow("canonical")
        << R"([{"condition":" AND ","expressions":[
                {"role":" sign ","operation":"CONTAINS","value":"50%_off!","condition":"Or"},
                {"role":"name","operation":" Not_Contains","value":"x","condition":"and"}]}])"
        << "(drivers.id > 1) AND ((CAST(drivers.sign AS TEXT) LIKE :json_value_0 ESCAPE '!' OR "
           "CAST(drivers.name AS TEXT) NOT LIKE :json_value_1 ESCAPE '!'))"
        << QVariantMap{{":json_value_0", "%50!%!_off!!%"}, {":json_value_1", "%x%"}};
    QTest::newRow("attached role")
        << R"([{"condition":"and","expressions":[{"role":"brand_name","operation":"=","value":"Lada","condition":"and"}]}])"
        << "(drivers.id > 1) AND ((car_brands.name = :json_value_0))" << QVariantMap{{":json_value_0", "Lada"}};
    // Request text never reaches the statement.
    QTest::newRow("injection")
        << R"([{"condition":"and","expressions":[{"role":"sign","operation":"=","value":"x' OR '1'='1","condition":"and"}]}])"
        << "(drivers.id > 1) AND ((drivers.sign = :json_value_0))" << QVariantMap{{":json_value_0", "x' OR '1'='1"}};
}

void TestQueryBuilder::filterGroups()
{
    QFETCH(QString, where);
    QFETCH(QString, expected);
    QFETCH(QVariantMap, binds);
    Driver driver;
    const Statement s = QueryBuilder(driver).listSelect({}, {"sign"}, {}, 0, json(where.toUtf8().constData()));
    QCOMPARE(whereOf(s.sql), QString(" WHERE ") + expected + " ORDER BY drivers.id DESC");
    QCOMPARE(s.binds, binds);
}

void TestQueryBuilder::validatorReasons_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("reason");

    const QString valid = R"({"role":"sign","operation":"=","value":"1","condition":"and"})";
    const auto group = [](const QString &condition, const QString &expression) {
        return QStringLiteral(R"([{"condition":%1,"expressions":[%2]}])").arg(condition, expression);
    };
    QTest::newRow("group condition empty") << group("\"\"", valid) << "group condition is wrong";
    QTest::newRow("group condition xor") << group("\"xor\"", valid) << "group condition is wrong";
    QTest::newRow("group condition number") << group("1", valid) << "group condition is wrong";
    QTest::newRow("expression condition")
        << group("\"and\"", R"({"role":"sign","operation":"=","value":"1","condition":"; DROP"})")
        << "expression condition is wrong";
    QTest::newRow("expression condition missing")
        << group("\"and\"", R"({"role":"sign","operation":"=","value":"1"})") << "expression condition is wrong";
    QTest::newRow("unknown role")
        << group("\"and\"", R"({"role":"sign) OR (1=1","operation":"=","value":"1","condition":"and"})")
        << "role is wrong";
    QTest::newRow("credential role")
        << group("\"and\"", R"({"role":"password","operation":">","value":"pw-3","condition":"and"})")
        << "role is wrong";
    QTest::newRow("display role")
        << group("\"and\"", R"({"role":"sign_string","operation":"=","value":"1","condition":"and"})")
        << "role is wrong";
    QTest::newRow("operation")
        << group("\"and\"", R"({"role":"sign","operation":"like","value":"1","condition":"and"})")
        << "operation is wrong";
    QTest::newRow("operation injection")
        << group("\"and\"", R"({"role":"sign","operation":"= 1 OR 1 =","value":"1","condition":"and"})")
        << "operation is wrong";
    QStringList groups;
    for (int i = 0; i <= JsonWhere::MaxGroups; ++i)
        groups.append(group("\"and\"", valid).mid(1).chopped(1));
    QTest::newRow("too many groups") << "[" + groups.join(",") + "]" << "too many groups";
    QStringList expressions;
    for (int i = 0; i <= JsonWhere::MaxExpressions; ++i)
        expressions.append(valid);
    QTest::newRow("too many expressions") << group("\"and\"", expressions.join(",")) << "too many expressions";
    QTest::newRow("object") << R"({"condition":"and"})" << "filter groups are not an array";
}

void TestQueryBuilder::validatorReasons()
{
    QFETCH(QString, where);
    QFETCH(QString, reason);
    Driver driver;
    QCOMPARE(refusal([&] { QueryBuilder(driver).listSelect({}, {}, {}, 0, json(where.toUtf8().constData())); }),
             reason);
    QCOMPARE(refusal([&] { JsonWhere::parse(where, driver); }), reason);
    QCOMPARE(refusal([&] { JsonWhere::parse(QStringLiteral("[{"), driver); }), QString("filter is not valid JSON"));
    // A member given twice is read with its last value, here one without a condition, and told.
    const QString twice = R"([{"condition":"or","expressions":[],"expressions":[{"role":"id"}]}])";
    QTest::ignoreMessage(QtWarningMsg,
                         R"(Filter: member "expressions" is given twice in one object: the last value is read)");
    QCOMPARE(refusal([&] { JsonWhere::parse(twice, driver); }), QString("expression condition is wrong"));
    QCOMPARE(refusal([&] { JsonWhere::parse(QStringLiteral(""), driver); }), QString());
}

void TestQueryBuilder::orderAndLimit()
{
    Driver driver;
    const QueryBuilder builder(driver);
    const Statement s = builder.listSelect({}, {"sign"}, {{"sign", 0}, {"rating", 1}, {"car_model", 2}}, 50, {});
    QCOMPARE(s.sql.mid(s.sql.indexOf(" ORDER BY ")),
             QString(" ORDER BY  drivers.sign ASC, drivers.rating DESC, cars.model DESC LIMIT 50"));
    QVERIFY(s.sql.contains("LEFT JOIN cars ON drivers.rst_id_car=cars.id WHERE"));

    for (const QString &name : {QString("sign; DROP TABLE drivers"), QString("sign_string"), QString(""),
                                QString("drivers.sign"), QString("Sign"), QString("password")}) {
        QCOMPARE(refusal([&] { builder.listSelect({}, {}, {{name, 0}}, 0, {}); }),
                 QStringLiteral("Sort field '%1' is not a column of drivers").arg(name));
    }
    QCOMPARE(refusal([&] { builder.listSelect({}, {}, {}, -1, {}); }), QString("negative limit -1"));
    // A credential is no filter field either; a HIDDEN one like the note is.
    QCOMPARE(refusal([&] { builder.listSelect({"password"}, {}, {}, 0, {}); }),
             QString("'password' of drivers is no filter field"));
    QVERIFY(builder.listSelect({"note"}, {}, {{"note", 0}}, 0, {}).sql.contains("drivers.note =:note"));
}

void TestQueryBuilder::keyedReads()
{
    Parent parent;
    parent.setId(5);
    parent.setValue("code", "c-1");
    parent.setValue("name", "Name");
    const QueryBuilder builder(parent);
    const Statement byId = builder.selectById({"name"});
    QCOMPARE(byId.sql, QString("SELECT parents.name AS name FROM parents AS parents WHERE parents.id = :id LIMIT 1"));
    QCOMPARE(byId.binds, QVariantMap({{":id", 5LL}}));

    QStringList fields{"!id", "name"};
    const Statement byFields = builder.selectByFields("code", fields, {"id"});
    QCOMPARE(byFields.sql, QString("SELECT parents.id AS id FROM parents AS parents WHERE parents.code=:UF AND  NOT "
                                   "parents.id=:id AND parents.name=:name LIMIT 1"));
    QCOMPARE(fields, QStringList({"id", "name"}));
    QCOMPARE(byFields.binds, QVariantMap({{":UF", "c-1"}, {":id", 5LL}, {":name", "Name"}}));

    // Unknown names are refused and neither the list nor the catalogue changes.
    QStringList unknown{"!nope", "name"};
    QCOMPARE(refusal([&] { builder.selectByFields("code", unknown, {}); }), QString("No column 'nope' in parents"));
    QCOMPARE(unknown, QStringList({"!nope", "name"}));
    QCOMPARE(refusal([&] { builder.selectByFields("code; --", fields, {}); }), QString("No column 'code; --' in parents"));
    QVERIFY(!parent.fields().contains("nope"));
}

void TestQueryBuilder::writes()
{
    Parent parent;
    parent.setId(9);
    const QueryBuilder builder(parent);
    QCOMPARE(builder.insert(now).sql,
             " INSERT INTO parents (code,dt_utc_insert,dt_utc_last_update,name,rst_id_user_locked) VALUES "
             "(:code," + now + "," + now + ",:name,:rst_id_user_locked) RETURNING id");
    QCOMPARE(builder.insert(now, true).sql,
             " INSERT INTO parents (code,dt_utc_insert,dt_utc_last_update,id,name,rst_id_user_locked) VALUES "
             "(:code," + now + "," + now + ",:id,:name,:rst_id_user_locked) RETURNING id");
    const Statement update = builder.update(now);
    QCOMPARE(update.sql, "UPDATE parents SET dt_utc_last_update=" + now + ",name=:name WHERE id = :id");
    QCOMPARE(update.binds, QVariantMap({{":name", ""}, {":id", 9LL}}));

    Driver driver;
    driver.setValue("is_del", 5);
    driver.setValue("orders", "");
    driver.setValue("rating", " ");
    driver.setValue("uuid", "{fixed}");
    const Statement insert = QueryBuilder(driver).insert(now);
    QCOMPARE(insert.sql, " INSERT INTO drivers (dt_utc_insert,dt_utc_last_update,is_del,name,note,orders,password,phone,"
                         "rating,rst_id_car,rst_id_user_locked,sign,uuid) VALUES (" + now + "," + now
                         + ",:is_del,:name,:note,:orders,:password,:phone,:rating,:rst_id_car,:rst_id_user_locked,"
                           ":sign,:uuid) RETURNING id");
    // The insert default is bound, not spliced; empty numbers are NULL.
    QCOMPARE(insert.binds.value(":is_del"), QVariant(0));
    QVERIFY(insert.binds.value(":orders").isNull());
    QVERIFY(insert.binds.value(":rating").isNull());
    QVERIFY(!insert.binds.value(":name").isNull());
    QCOMPARE(insert.binds.value(":uuid").toString(), QString("{fixed}"));
    QCOMPARE(QueryBuilder(driver).secretKeys(), QStringList({":note", ":password"}));
}

QTEST_GUILESS_MAIN(TestQueryBuilder)
#include "tst_querybuilder.moc"
