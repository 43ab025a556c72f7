#include "builddatabase.h"
#include "messagecatcher.h"
#include "pgschema.h"
#include "shapefile.h"

#include "model/base/databaseinitializer.h"
#include "model/base/notification/notification.h"
#include "model/orlem/paidservice/paidserviceofdriver.h"
#include "model/catalogues.h"
#include "model/tavik/security/securityoption.h"
#include "model/tavik/security/securityoptiongroup.h"
#include "model/tavik/security/securityoptiontype.h"
#include "model/tavik/security/usergroupsecurityoption.h"
#include "model/tavik/security/usersecurityoption.h"
#include "model/tavik/user/user.h"
#include "model/tavik/user/usergroup.h"

#include "common/core/db/dao.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QRegularExpression>
#include <QtTest>

using namespace Model;
using Factories = QVector<Creator::Factory>;

namespace {

// The security options, user groups and users, in the order the catalogue list gives them.
Factories accessCatalogues()
{
    return {Creator::factory<Tavik::SecurityOptionGroup>(), Creator::factory<Tavik::SecurityOptionType>(),
            Creator::factory<Tavik::SecurityOption>(),      Creator::factory<Tavik::UserGroupSecurityOption>(),
            Creator::factory<Tavik::UserGroup>(),           Creator::factory<Tavik::User>(),
            Creator::factory<Tavik::UserSecurityOption>()};
}

const QStringList kAccessTables = {"security_option_groups", "security_option_types", "security_options",
                                   "user_group_security_options", "user_groups", "users", "user_security_options"};

// Builds the list on pg, or fails the test function with the reason.
#define BUILD(pg, list)                                                                                           \
    do {                                                                                                           \
        QString buildError;                                                                                        \
        QVERIFY2(buildDatabase(pg.db(), list, &buildError), qPrintable(buildError));                               \
    } while (false)

// Row count, last id and last update of each table: what any insert or update changes.
QStringList footprint(PgSchema &pg, const QStringList &tables)
{
    QStringList result;
    for (const QString &table : tables) {
        result += table + ": "
                + pg.lines(QStringLiteral("SELECT count(*), max(id), max(dt_utc_last_update) FROM %1").arg(table))
                      .join(QString());
    }
    return result;
}

int count(PgSchema &pg, const QString &sql)
{
    return pg.scalar(sql).toInt();
}

// Option values of the group with that code or name: "data type|value|count" lines.
QStringList valuesOf(PgSchema &pg, const QString &groupCondition)
{
    return pg.lines(QStringLiteral("SELECT o.data_type, v.option_value, count(*) FROM user_group_security_options v "
                                   "JOIN security_options o ON o.id = v.rst_id_so "
                                   "JOIN user_groups g ON g.id = v.rst_id_group WHERE %1 GROUP BY 1, 2 ORDER BY 1, 2")
                        .arg(groupCondition));
}

QStringList operatorRightsFromFile()
{
    const QJsonObject rights = ShapeFile::load("access.json").value("operatorRights").toObject();
    QStringList codes;
    for (const QJsonValue &controller : rights.value("readOnly").toArray())
        codes << controller.toString() + ".crud.read";
    const QJsonObject wider = rights.value("wider").toObject();
    for (auto it = wider.begin(); it != wider.end(); ++it) {
        for (const QJsonValue &operation : it.value().toArray())
            codes << it.key() + ".crud." + operation.toString();
    }
    codes.sort();
    return codes;
}

const QString kEmptyPasswordDigest =
    QString::fromLatin1(QCryptographicHash::hash(QByteArray(), QCryptographicHash::Md5).toHex());

} // namespace

// Security options, user groups and users seeded by the database initialiser on PostgreSQL.
class TestSecuritySeeds : public QObject
{
    Q_OBJECT

private slots:
    void fullInitialiser();
    void systemGroupsFoundByCode();
    void interruptedGroupSeedCompletes();
    void rowBufferIsResetPerGrant();
    void systemUsers();
    void injectedFailureKeepsEarlierRows();
    void failuresArePassedUp();
    void notificationsAndServices();
};

void TestSecuritySeeds::fullInitialiser()
{
    PG_SCHEMA(pg);
    MessageCatcher catcher;
    BUILD(pg, allCatalogues());
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));

    // One group per controller name in catalogue order, one type per group, eight options per type.
    QStringList codes{"n/a"};
    for (const QJsonValue &entry : ShapeFile::load("controllernames.json").value("entries").toArray())
        codes << entry.toArray().at(0).toString();
    QCOMPARE(codes.size(), 120);
    QCOMPARE(pg.lines("SELECT code FROM security_option_groups ORDER BY id"), codes);
    QCOMPARE(count(pg, "SELECT count(*) FROM security_option_types WHERE id > 1"), 119);
    QCOMPARE(count(pg, "SELECT count(*) FROM security_option_types t JOIN security_option_groups g "
                       "ON g.id = t.rst_id_sog WHERE t.code = g.code || '.crud' AND t.so_option_key_words = ''"),
             119);
    QCOMPARE(count(pg, "SELECT count(*) FROM security_options WHERE id > 1"), 952);
    QCOMPARE(pg.lines("SELECT substring(o.code from length(t.code) + 2), o.data_type, o.is_visible, count(*) "
                      "FROM security_options o JOIN security_option_types t ON t.id = o.rst_id_sot "
                      "WHERE o.code LIKE t.code || '.%' GROUP BY 1, 2, 3 ORDER BY 1"),
             QStringList({"create|bool|1|119", "delete|bool|1|119", "duplicate|bool|1|119", "open_editor|bool|1|119",
                          "read|bool|1|119", "table_mapping|list|1|119", "update|bool|1|119",
                          "update_locked_record|bool|1|119"}));
    QCOMPARE(pg.lines("SELECT g.group_name, t.type_name, o.option_name, o.option_key_words, o.description "
                      "FROM security_options o JOIN security_option_types t ON t.id = o.rst_id_sot "
                      "JOIN security_option_groups g ON g.id = t.rst_id_sog WHERE o.code = 'user.crud.read'"),
             QStringList({"Users|crud operations|Read record|Users crud operations Read record|"
                          "Access for read one record"}));

    QCOMPARE(pg.lines("SELECT id, name, code, is_system FROM user_groups ORDER BY id"),
             QStringList({"1|value absent|user|0", "2|Admins|admin|1", "3|API|api|1", "4|Operators|user|0"}));
    // The administrators hold a value for every stored option: every right granted, lists empty.
    QCOMPARE(valuesOf(pg, "g.code = 'admin'"), QStringList({"bool|1|833", "list|[]|119"}));
    QCOMPARE(pg.lines("SELECT o.code FROM user_group_security_options v JOIN security_options o ON o.id = v.rst_id_so "
                      "WHERE v.rst_id_group = 4 AND v.option_value = '1' ORDER BY o.code COLLATE \"C\""),
             [] {
                 QStringList codes = operatorRightsFromFile();
                 std::sort(codes.begin(), codes.end(),
                           [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
                 return codes;
             }());
    QCOMPARE(count(pg, "SELECT count(*) FROM user_group_security_options WHERE rst_id_group = 4"), 78);

    QCOMPARE(pg.lines("SELECT u.id, u.sign, g.code, g.name, u.is_system, u.blocked, u.first_name, u.last_name "
                      "FROM users u JOIN user_groups g ON g.id = u.rst_id_group ORDER BY u.id"),
             QStringList({"1|value absent|user|value absent|0|0||", "2|admin|admin|Admins|1|0|Admin|n/a",
                          "3|web|api|API|1|0||", "4|mobile-android|api|API|1|0||", "5|mobile-ios|api|API|1|0||",
                          "6|operator|user|Operators|0|0||"}));

    // A second run writes nothing.
    const QStringList before = footprint(pg, kAccessTables);
    BUILD(pg, allCatalogues());
    QCOMPARE(footprint(pg, kAccessTables), before);
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
}

void TestSecuritySeeds::systemGroupsFoundByCode()
{
    PG_SCHEMA(pg);
    BUILD(pg, accessCatalogues());
    // Operators' groups that merely carry the system names, and the system groups gone.
    QVERIFY(pg.run("DELETE FROM user_groups WHERE code IN ('admin', 'api')"));
    QVERIFY(pg.run("UPDATE user_groups SET name = 'Admins' WHERE name = 'Operators'"));
    QVERIFY(pg.run("INSERT INTO user_groups (name, code, is_system, utc_offset, dt_utc_insert, dt_utc_last_update) "
                   "VALUES ('API', 'user', 0, 0, 0, 0)"));
    MessageCatcher catcher;
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
    QCOMPARE(pg.lines("SELECT name, code, is_system FROM user_groups WHERE id > 1 ORDER BY id"),
             QStringList({"Admins|user|0", "API|user|0", "Admins 2|admin|1", "API 2|api|1"}));
    // Only the administrators' group got values; the other group kept its 78 grants.
    QCOMPARE(valuesOf(pg, "g.code = 'admin'"), QStringList({"bool|1|833", "list|[]|119"}));
    QCOMPARE(count(pg, "SELECT count(*) FROM user_group_security_options v JOIN user_groups g "
                       "ON g.id = v.rst_id_group WHERE g.name = 'Admins'"),
             78);

    // A system group that lost its mark gets it back; a second run changes nothing else.
    QVERIFY(pg.run("UPDATE user_groups SET is_system = 0 WHERE code = 'api'"));
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    QCOMPARE(pg.lines("SELECT name, is_system FROM user_groups WHERE code IN ('admin', 'api') ORDER BY id"),
             QStringList({"Admins 2|1", "API 2|1"}));
    const QStringList before = footprint(pg, kAccessTables);
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    QCOMPARE(footprint(pg, kAccessTables), before);
}

void TestSecuritySeeds::interruptedGroupSeedCompletes()
{
    PG_SCHEMA(pg);
    BUILD(pg, accessCatalogues());
    // Values missing as after an interrupted run, and an option added since.
    QVERIFY(pg.run("DELETE FROM user_group_security_options WHERE rst_id_group = 2 AND rst_id_so % 3 = 0"));
    QVERIFY(pg.run("INSERT INTO security_options (rst_id_sot, option_name, code, data_type, is_visible, "
                   "dt_utc_insert, dt_utc_last_update) VALUES (2, 'Extra', 'ugso.crud.extra', 'bool', 1, 0, 0)"));
    QVERIFY(count(pg, "SELECT count(*) FROM user_group_security_options WHERE rst_id_group = 2") < 900);
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    QCOMPARE(valuesOf(pg, "g.code = 'admin'"), QStringList({"bool|1|834", "list|[]|119"}));
    // Stored values are never overwritten.
    QVERIFY(pg.run("UPDATE user_group_security_options SET option_value = '0' WHERE rst_id_group = 2 "
                   "AND rst_id_so = (SELECT id FROM security_options WHERE code = 'user.crud.delete')"));
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    QCOMPARE(valuesOf(pg, "g.code = 'admin'"), QStringList({"bool|0|1", "bool|1|833", "list|[]|119"}));
}

void TestSecuritySeeds::rowBufferIsResetPerGrant()
{
    PG_SCHEMA(pg);
    BUILD(pg, accessCatalogues());
    // Options of a third data type right after granted ones: they get the column default, never
    // the grant the row before left in the buffer.
    QVERIFY(pg.run("UPDATE security_options SET data_type = 'int' WHERE code IN ('address.crud.update', "
                   "'astSrv.crud.read')"));
    QVERIFY(pg.run("DELETE FROM user_group_security_options WHERE rst_id_so IN (SELECT id FROM security_options "
                   "WHERE code LIKE 'address.crud.%' OR code LIKE 'astSrv.crud.%')"));
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    Tavik::UserGroup operators;
    operators.setId(4);
    QVERIFY(operators.createSystemRecordsForOperators(pg.db()));
    const QString sql = "SELECT g.code, o.code, v.option_value FROM user_group_security_options v "
                        "JOIN security_options o ON o.id = v.rst_id_so JOIN user_groups g ON g.id = v.rst_id_group "
                        "WHERE o.code IN ('address.crud.create', 'address.crud.update', 'address.crud.read', "
                        "'astSrv.crud.update', 'astSrv.crud.read') ORDER BY v.id";
    QCOMPARE(pg.lines(sql), QStringList({"admin|address.crud.create|1", "admin|address.crud.update|n/a",
                                         "admin|address.crud.read|1", "admin|astSrv.crud.update|1",
                                         "admin|astSrv.crud.read|n/a", "user|address.crud.read|1",
                                         "user|astSrv.crud.read|n/a"}));
}

void TestSecuritySeeds::systemUsers()
{
    PG_SCHEMA(pg);
    BUILD(pg, accessCatalogues());
    // System users are made without a usable password: no known text gives their digest.
    const QStringList digests = pg.lines("SELECT pwd FROM users WHERE id > 1 ORDER BY id");
    QCOMPARE(digests.size(), 5);
    const QRegularExpression shape("^[0-9a-f]{32}$");
    for (const QString &digest : digests) {
        QVERIFY2(shape.match(digest).hasMatch(), qPrintable(digest));
        QVERIFY(digest != kEmptyPasswordDigest);
    }
    QCOMPARE(QSet<QString>(digests.begin(), digests.end()).size(), 5);

    // Admin kept, API users gone or moved, the operator deleted: the API users come back into
    // their group, the operator stays deleted, stored rows keep their passwords.
    QVERIFY(pg.run("DELETE FROM users WHERE sign IN ('web', 'mobile-ios', 'operator')"));
    QVERIFY(pg.run("UPDATE users SET rst_id_group = 4, is_system = 0 WHERE sign = 'mobile-android'"));
    QVERIFY(pg.run("UPDATE users SET is_system = 0, pwd = 'set-by-operator' WHERE sign = 'admin'"));
    QVERIFY(Tavik::User().createSystemRecords(pg.db()));
    QCOMPARE(pg.lines("SELECT u.sign, g.code, u.is_system FROM users u JOIN user_groups g ON g.id = u.rst_id_group "
                      "WHERE u.id > 1 ORDER BY u.id"),
             QStringList({"admin|admin|1", "mobile-android|api|1", "web|api|1", "mobile-ios|api|1"}));
    QCOMPARE(pg.lines("SELECT pwd FROM users WHERE sign IN ('admin', 'mobile-android') ORDER BY id"),
             QStringList({"set-by-operator", digests.at(2)}));
    QCOMPARE(count(pg, "SELECT count(*) FROM user_groups WHERE name LIKE 'Operators%'"), 1);

    // The base catalogue keeps the sign fixed; the dispatcher side lets it change.
    QVERIFY(Base::User().field("sign").has(NON_UPDATABLE));
    QVERIFY(!Tavik::User().field("sign").has(NON_UPDATABLE));
}

void TestSecuritySeeds::injectedFailureKeepsEarlierRows()
{
    PG_SCHEMA(pg);
    BUILD(pg, accessCatalogues());
    QVERIFY(pg.run("CREATE FUNCTION refuse_code() RETURNS trigger AS $$ BEGIN "
                   "IF NEW.code = 'zone.crud.read' THEN RAISE EXCEPTION 'refused %', NEW.code; END IF; "
                   "RETURN NEW; END $$ LANGUAGE plpgsql"));
    QVERIFY(pg.run("CREATE TRIGGER refuse BEFORE INSERT ON security_options FOR EACH ROW EXECUTE FUNCTION "
                   "refuse_code()"));
    QVERIFY(pg.run("DELETE FROM security_options WHERE code LIKE 'zone.%' OR code LIKE 'consolidated%'"));
    {
        MessageCatcher catcher;
        QVERIFY(!Tavik::SecurityOption().createSystemRecords(pg.db()));
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY2(catcher.warnings.at(0).contains("refused zone.crud.read"), qPrintable(catcher.allWarnings()));
    }
    // The options listed before the refused one are stored, nothing after it.
    QCOMPARE(pg.lines("SELECT code FROM security_options WHERE code LIKE 'zone.%' ORDER BY id"),
             QStringList({"zone.crud.create", "zone.crud.update"}));
    QCOMPARE(count(pg, "SELECT count(*) FROM security_options WHERE code LIKE 'consolidated%'"), 0);

    // Once the cause is gone the next run completes the list, and the administrators the values.
    QVERIFY(pg.run("DROP TRIGGER refuse ON security_options"));
    QVERIFY(Tavik::SecurityOption().createSystemRecords(pg.db()));
    QVERIFY(Tavik::UserGroup().createSystemRecords(pg.db()));
    QCOMPARE(count(pg, "SELECT count(*) FROM security_options WHERE id > 1"), 952);
    QCOMPARE(valuesOf(pg, "g.code = 'admin'"), QStringList({"bool|1|833", "list|[]|119"}));

    // The same for the administrators' values: one warning, the values before the refused one kept.
    QVERIFY(pg.run("CREATE FUNCTION refuse_value() RETURNS trigger AS $$ BEGIN "
                   "IF NEW.rst_id_so = (SELECT id FROM security_options WHERE code = 'city.crud.read') "
                   "THEN RAISE EXCEPTION 'refused value'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql"));
    QVERIFY(pg.run("CREATE TRIGGER refuse BEFORE INSERT ON user_group_security_options FOR EACH ROW EXECUTE "
                   "FUNCTION refuse_value()"));
    QVERIFY(pg.run("DELETE FROM user_group_security_options WHERE rst_id_group = 2"));
    {
        MessageCatcher catcher;
        QVERIFY(!Tavik::UserGroup().createSystemRecords(pg.db()));
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY2(catcher.warnings.at(0).contains("refused value"), qPrintable(catcher.allWarnings()));
    }
    QCOMPARE(count(pg, "SELECT count(*) FROM user_group_security_options WHERE rst_id_group = 2"),
             count(pg, "SELECT count(*) FROM security_options WHERE id > 1 AND id < "
                       "(SELECT id FROM security_options WHERE code = 'city.crud.read')"));
}

void TestSecuritySeeds::failuresArePassedUp()
{
    PG_SCHEMA(pg);
    BUILD(pg, accessCatalogues());
    MessageCatcher catcher;

    // A refused update of a system mark.
    QVERIFY(pg.run("CREATE FUNCTION refuse_update() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'no update'; "
                   "END $$ LANGUAGE plpgsql"));
    QVERIFY(pg.run("CREATE TRIGGER refuse BEFORE UPDATE ON user_groups FOR EACH ROW EXECUTE FUNCTION "
                   "refuse_update()"));
    QVERIFY(pg.run("ALTER TABLE user_groups DISABLE TRIGGER refuse"));
    QVERIFY(pg.run("UPDATE user_groups SET is_system = 0 WHERE code = 'api'"));
    QVERIFY(pg.run("ALTER TABLE user_groups ENABLE TRIGGER refuse"));
    QVERIFY(!Tavik::UserGroup().createSystemRecords(pg.db()));
    QVERIFY(catcher.count("no update") == 1);
    QVERIFY(pg.run("DROP TRIGGER refuse ON user_groups"));

    // The options cannot be read.
    QVERIFY(pg.run("ALTER TABLE security_options RENAME COLUMN data_type TO kind"));
    catcher.clear();
    QVERIFY(!Tavik::UserGroup().createSystemRecords(pg.db()));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(pg.run("ALTER TABLE security_options RENAME COLUMN kind TO data_type"));

    // A group of the list is not stored: its type cannot be listed.
    QVERIFY(pg.run("DELETE FROM security_option_groups WHERE code = 'zone'"));
    catcher.clear();
    QVERIFY(!Tavik::SecurityOptionType().createSystemRecords(pg.db()));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings.at(0).contains("(tn: 'security_option_types''). Failed to populateListControllerName()"));

    // The API users' group is gone: no API user is made in some other group.
    QVERIFY(pg.run("DELETE FROM user_groups WHERE code = 'api'"));
    catcher.clear();
    QVERIFY(!Tavik::User().createApiRecord(pg.db(), "web"));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings.at(0).contains("No user group with code 'api'"));
    QCOMPARE(count(pg, "SELECT count(*) FROM users WHERE sign = 'web'"), 0);

    // A refused user insert: the warning shows no password digest.
    QVERIFY(pg.run("CREATE FUNCTION refuse_user() RETURNS trigger AS $$ BEGIN "
                   "RAISE EXCEPTION 'refused ''%''', NEW.pwd; END $$ LANGUAGE plpgsql"));
    QVERIFY(pg.run("CREATE TRIGGER refuse BEFORE INSERT ON users FOR EACH ROW EXECUTE FUNCTION refuse_user()"));
    QVERIFY(pg.run("DELETE FROM users WHERE sign = 'admin'"));
    catcher.clear();
    QVERIFY(!Tavik::User().createSystemRecords(pg.db()));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY2(catcher.warnings.at(0).contains("refused '***'"), qPrintable(catcher.allWarnings()));
    QVERIFY(!catcher.warnings.at(0).contains(QRegularExpression("[0-9a-f]{32}")));
}

void TestSecuritySeeds::notificationsAndServices()
{
    PG_SCHEMA(pg);
    BUILD(pg, allCatalogues());
    QVERIFY(pg.run("INSERT INTO notification_types (code, enabled, groups, users, dt_utc_insert, dt_utc_last_update) "
                   "VALUES ('driver.update', 1, '[]', '[]', 0, 0)"));
    QVERIFY(pg.run("INSERT INTO notification_messages (rst_id_nt, context, value, is_completed, dt_utc_insert, "
                   "dt_utc_last_update) VALUES (2, 'driver.update', '{\"id\": 7}', 1, 0, 0)"));
    QVERIFY(pg.run("INSERT INTO notifications (rst_id_nt, rst_id_nm, rst_id_owner, is_readed, dt_utc_insert, "
                   "dt_utc_last_update) VALUES (2, 2, 2, 0, 0, 0)"));

    // A notification reads code, context, value and completion from its type and message.
    Base::Notification notification;
    Common::Dao dao(&notification, pg.db());
    notification.setId(2);
    QVERIFY(dao.selectById(QString()));
    QCOMPARE(notification.value("code").toString(), QString("driver.update"));
    QCOMPARE(notification.value("context").toString(), QString("driver.update"));
    QCOMPARE(notification.value("value").toString(), QString("{\"id\": 7}"));
    QCOMPARE(notification.value("is_completed").toInt(), 1);
    // An update writes the read mark only.
    notification.setValue("is_readed", 1);
    notification.setValue("rst_id_owner", 1);
    notification.setValue("rst_id_nm", 1);
    QVERIFY(dao.updateById(QString()));
    QCOMPARE(pg.lines("SELECT rst_id_nt, rst_id_nm, rst_id_owner, is_readed FROM notifications WHERE id = 2"),
             QStringList({"2|2|2|1"}));
    // Removing the message removes its notifications.
    QVERIFY(pg.run("DELETE FROM notification_messages WHERE id = 2"));
    QCOMPARE(count(pg, "SELECT count(*) FROM notifications WHERE id > 1"), 0);

    // One service row per driver and service type.
    QVERIFY(pg.run("INSERT INTO paid_service_type_driver (name, price, enabled, rst_id_bt, rst_id_company, "
                   "dt_utc_insert, dt_utc_last_update) VALUES ('Wash', 1.5, 1, 1, 1, 0, 0)"));
    Orlem::PaidServiceOfDriver service;
    Common::Dao serviceDao(&service, pg.db());
    service.populateDefault();
    service.setValue("rst_id_pst", 2);
    QVERIFY(serviceDao.insert(QString()));
    QVERIFY(serviceDao.selectById(QString()));
    QCOMPARE(service.value("pst_name").toString(), QString("Wash"));
    MessageCatcher catcher;
    service.populateDefault();
    service.setValue("rst_id_pst", 2);
    QVERIFY(!serviceDao.insert(QString()));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings.at(0).contains("paid_driver_services_rst_id_owner_rst_id_pst_key"));
}

QTEST_GUILESS_MAIN(TestSecuritySeeds)
#include "tst_securityseeds.moc"
