#include "messagecatcher.h"
#include "pgschema.h"
#include "prefixtranslator.h"

#include "common/core/db/dao.h"
#include "model/base/balance/driverbalancelog.h"
#include "model/base/databaseinitializer.h"
#include "model/base/media/media.h"
#include "model/base/payment/paymentsystem.h"
#include "model/base/payment/paymentsystemaccountscompany.h"
#include "model/base/payment/paymentsystempaymentslog.h"
#include "model/base/search/searchrole.h"
#include "model/base/session/guisession.h"
#include "model/base/version/version.h"
#include "model/orlem/balance/companybalancelog.h"
#include "model/orlem/balance/driverbalancetransfer.h"
#include "model/orlem/crash/crashreport.h"
#include "model/orlem/rating/driverratingcoefficient.h"
#include "model/orlem/session/driversession.h"
#include "model/orlem/sms/sms.h"
#include "model/orlem/value/value.h"
#include "model/tavik/balance/cardbalancelog.h"
#include "modelfixture/placeholdertables.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

using namespace Model;

namespace {

bool createWithRowOne(PgSchema &pg, AbstractModel &model)
{
    return model.createTable(pg.db()) && model.AbstractModel::createSystemRecords(pg.db());
}

// Seeds a catalogue with translated texts marked, so that untranslated seed texts show.
bool seedTranslated(PgSchema &pg, AbstractModel &model)
{
    PrefixTranslator translator(QStringLiteral("[uk] "));
    QCoreApplication::installTranslator(&translator);
    const bool seeded = model.createSystemRecords(pg.db());
    QCoreApplication::removeTranslator(&translator);
    return seeded;
}

} // namespace

// Seeds of versions, SMS, values and rating rules, the references of ledgers, transfers,
// sessions, media and crash reports, and secrets in logs, on PostgreSQL.
class TestRecordSeeds : public QObject
{
    Q_OBJECT

private slots:
    void versions();
    void sms();
    void values();
    void ratingRules();
    void deletedOwners();
    void paymentSecretsInLogs();
    void fieldListsCreateNothing();
};

void TestRecordSeeds::versions()
{
    const QStringList seeded{"1|n/a||NULL", "2|server|1.0.0|1", "3|tax_current|1.0.0|1", "4|tax_min|1.0.0|1"};
    const QString rows = "SELECT id, code, version, number FROM versions_tmp ORDER BY id";
    {
        PG_SCHEMA(pg);
        Base::Version version;
        QVERIFY(version.createTable(pg.db()));
        MessageCatcher catcher;
        QVERIFY(version.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), seeded);
        QVERIFY(version.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), seeded);
        QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
    }
    {
        // A stored server version is not copied into the client versions added beside it.
        PG_SCHEMA(pg);
        Base::Version version;
        QVERIFY(createWithRowOne(pg, version));
        QVERIFY(pg.run("INSERT INTO versions_tmp (code, version, number, dt_utc_insert, dt_utc_last_update) "
                       "VALUES ('server', '2.3.1', 7, 0, 0), ('tax_min', '1.4.0', 3, 0, 0)"));
        QVERIFY(version.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), QStringList({"1|n/a||NULL", "2|server|2.3.1|7", "3|tax_min|1.4.0|3",
                                              "4|tax_current|1.0.0|1"}));
    }
}

void TestRecordSeeds::sms()
{
    const QString rows = "SELECT id, code, name, value, use FROM sms ORDER BY id";
    {
        PG_SCHEMA(pg);
        Orlem::Sms sms;
        QVERIFY(sms.createTable(pg.db()));
        // The template texts are fixed, not translated.
        QVERIFY(seedTranslated(pg, sms));
        const QStringList seeded{"1|value absent||n/a|1",
                                 "2|driver.archived|Перенос водителя в архив|Позивний {SIGN} перенесено до архіву|1"};
        QCOMPARE(pg.lines(rows), seeded);
        QVERIFY(sms.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), seeded);
    }
    {
        PG_SCHEMA(pg);
        Orlem::Sms sms;
        QVERIFY(createWithRowOne(pg, sms));
        QVERIFY(pg.run("INSERT INTO sms (code, name, value, use, dt_utc_insert, dt_utc_last_update) "
                       "VALUES ('driver.archived', 'Mine', 'Driver {SIGN} archived', 0, 0, 0)"));
        QVERIFY(sms.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows),
                 QStringList({"1|value absent||n/a|1", "2|driver.archived|Mine|Driver {SIGN} archived|0"}));
    }
}

void TestRecordSeeds::values()
{
    const QString rows = "SELECT id, code, value FROM values ORDER BY id";
    const QString cost = Orlem::Value::defaultRaiseRatingCost();
    {
        PG_SCHEMA(pg);
        Orlem::Value value;
        QVERIFY(value.createTable(pg.db()));
        QVERIFY(value.createSystemRecords(pg.db()));
        const QStringList seeded{"1|n/a|", "2|scheduler|", "3|raise_rating_cost|" + cost};
        QCOMPARE(pg.lines(rows), seeded);
        QVERIFY(value.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), seeded);

        // The stored cost is what the raise-rating editor reads: a mode and numeric costs.
        QJsonParseError error;
        const QJsonObject stored =
            QJsonDocument::fromJson(pg.scalar("SELECT value FROM values WHERE code = 'raise_rating_cost'")
                                        .toString()
                                        .toUtf8(),
                                    &error)
                .object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(stored.value("mode").toString(), QString("common"));
        const QJsonObject costs = stored.value("cost").toObject();
        QVERIFY(costs.value("common").isDouble() && costs.value("point").isDouble());
        QCOMPARE(costs.value("common").toDouble(), 30.0);
        QCOMPARE(costs.value("point").toDouble(), 30.0);
    }
    {
        // A stored "scheduler" stays; only the missing cost is added.
        PG_SCHEMA(pg);
        Orlem::Value value;
        QVERIFY(createWithRowOne(pg, value));
        QVERIFY(pg.run("INSERT INTO values (code, value, dt_utc_insert, dt_utc_last_update) "
                       "VALUES ('scheduler', 'every 5 min', 0, 0)"));
        QVERIFY(value.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), QStringList({"1|n/a|", "2|scheduler|every 5 min", "3|raise_rating_cost|" + cost}));
    }
    {
        // A failed insert of "scheduler" ends the seed before the cost.
        PG_SCHEMA(pg);
        Orlem::Value value;
        QVERIFY(createWithRowOne(pg, value));
        QVERIFY(pg.run("ALTER TABLE values ADD CONSTRAINT no_scheduler CHECK (code <> 'scheduler')"));
        MessageCatcher catcher;
        QVERIFY(!value.createSystemRecords(pg.db()));
        QCOMPARE(catcher.warnings.size(), 1);
        QCOMPARE(pg.lines(rows), QStringList({"1|n/a|"}));
    }
}

void TestRecordSeeds::ratingRules()
{
    const QString rows = "SELECT id, code, name, sequence, value, description FROM driver_rating_coefficients "
                         "ORDER BY id";
    {
        PG_SCHEMA(pg);
        Orlem::DriverRatingCoefficient rating;
        QVERIFY(rating.createTable(pg.db()));
        QVERIFY(seedTranslated(pg, rating));
        const QStringList seeded{
            "1|value absent||0|0|value absent",
            "2|completed_orders|[uk] Completed orders|5|0.1|[uk] For in sequence completed orders",
            "3|canceled_orders|[uk] Canceled orders|1|-0.1|[uk] For in sequence canceled orders",
            "4|canceled_booking_orders|[uk] Canceled booking orders|1|-0.1|[uk] For in sequence canceled booking orders",
            "5|append_bank_card|[uk] Append bank card|1|1|",
            "6|remove_bank_card|[uk] Remove bank card|1|-1|",
        };
        QCOMPARE(pg.lines(rows), seeded);
        QVERIFY(rating.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines(rows), seeded);
    }
    {
        PG_SCHEMA(pg);
        Orlem::DriverRatingCoefficient rating;
        QVERIFY(createWithRowOne(pg, rating));
        QVERIFY(pg.run("INSERT INTO driver_rating_coefficients (code, name, sequence, value, description, "
                       "dt_utc_insert, dt_utc_last_update) VALUES ('completed_orders', 'Mine', 10, 0.5, '', 0, 0)"));
        QVERIFY(pg.run("ALTER TABLE driver_rating_coefficients ADD CONSTRAINT no_cancel "
                       "CHECK (code <> 'canceled_orders')"));
        MessageCatcher catcher;
        QVERIFY(!rating.createSystemRecords(pg.db()));
        QCOMPARE(catcher.warnings.size(), 1);
        QCOMPARE(pg.lines("SELECT code, sequence, value FROM driver_rating_coefficients ORDER BY id"),
                 QStringList({"value absent|0|0", "completed_orders|10|0.5"}));

        QVERIFY(pg.run("ALTER TABLE driver_rating_coefficients DROP CONSTRAINT no_cancel"));
        QVERIFY(rating.createSystemRecords(pg.db()));
        QCOMPARE(pg.lines("SELECT code, sequence, value FROM driver_rating_coefficients ORDER BY id"),
                 QStringList({"value absent|0|0", "completed_orders|10|0.5", "canceled_orders|1|-0.1",
                              "canceled_booking_orders|1|-0.1", "append_bank_card|1|1", "remove_bank_card|1|-1"}));
    }
}

void TestRecordSeeds::deletedOwners()
{
    PG_SCHEMA(pg);
    // Owners, groups and cards are stand-in tables here.
    const QVector<Creator::Factory> list{
        Creator::factory<Orlem::DriverBalanceTransfer>(), Creator::factory<Orlem::CrashReport>(),
        Creator::factory<Orlem::DriverSession>(),         Creator::factory<Base::Media>(),
        Creator::factory<Base::DriverBalanceLog>(),       Creator::factory<Orlem::CompanyBalanceLog>(),
        Creator::factory<Tavik::CardBalanceLog>()};
    QVERIFY(ModelFixture::createPlaceholderTables(pg.db(), list));
    for (const Creator::Factory &make : list) {
        const std::unique_ptr<AbstractModel> model(make());
        QVERIFY2(createWithRowOne(pg, *model), qPrintable(model->tableName()));
    }
    const QStringList fill{
        "INSERT INTO drivers (id) VALUES (2), (3)",
        "INSERT INTO users (id) VALUES (2)",
        "INSERT INTO companies (id) VALUES (2)",
        "INSERT INTO driver_balance_groups (id) VALUES (2)",
        "INSERT INTO cards (id) VALUES (2)",
        "INSERT INTO card_groups (id) VALUES (2)",
        "INSERT INTO driver_balance_transfers (rst_id_owner_contributor, rst_id_owner_acceptor, trn_key, "
        "dt_utc_insert, dt_utc_last_update) VALUES (2, 3, 't1', 0, 0), (3, 2, 't2', 0, 0)",
        "INSERT INTO crash_reports (rst_id_driver, dt_utc_insert, dt_utc_last_update) VALUES (2, 0, 0), (3, 0, 0)",
        "INSERT INTO driver_sessions (sign, rst_id_owner, dt_utc_insert, dt_utc_last_update) "
        "VALUES ('A', 2, 0, 0), ('B', 3, 0, 0)",
        "INSERT INTO media (rst_id_driver, uuid, dt_utc_insert, dt_utc_last_update) VALUES (2, 'm1', 0, 0)",
        "INSERT INTO driver_balance_logs (rst_id_owner, rst_id_bg, rst_id_user_created, trn_key, dt_utc_insert, "
        "dt_utc_last_update) VALUES (2, 1, 2, 'k1', 0, 0), (3, 2, 1, 'k2', 0, 0)",
        "INSERT INTO company_balance_logs (rst_id_owner, rst_id_driver, trn_key, dt_utc_insert, dt_utc_last_update) "
        "VALUES (2, 2, 'c1', 0, 0)",
        "INSERT INTO card_balance_logs (rst_id_owner, rst_id_card, trn_key, dt_utc_insert, dt_utc_last_update) "
        "VALUES (2, 2, 'g1', 0, 0), (1, 2, 'g2', 0, 0)",
    };
    for (const QString &sql : fill)
        QVERIFY2(pg.run(sql), qPrintable(pg.error()));

    // Transfers and ledgers keep their rows and point at the default row; sessions, media and
    // crash reports go with their driver.
    QVERIFY2(pg.run("DELETE FROM drivers WHERE id = 2"), qPrintable(pg.error()));
    QCOMPARE(pg.lines("SELECT trn_key, rst_id_owner_contributor, rst_id_owner_acceptor "
                      "FROM driver_balance_transfers WHERE id > 1 ORDER BY id"),
             QStringList({"t1|1|3", "t2|3|1"}));
    QCOMPARE(pg.lines("SELECT rst_id_driver FROM crash_reports WHERE id > 1"), QStringList({"3"}));
    QCOMPARE(pg.lines("SELECT sign FROM driver_sessions WHERE id > 1"), QStringList({"B"}));
    QCOMPARE(pg.scalar("SELECT count(*) FROM media WHERE id > 1").toInt(), 0);
    QCOMPARE(pg.lines("SELECT trn_key, rst_id_owner FROM driver_balance_logs WHERE id > 1 ORDER BY id"),
             QStringList({"k1|1", "k2|3"}));
    QCOMPARE(pg.lines("SELECT rst_id_owner, rst_id_driver FROM company_balance_logs WHERE id > 1"),
             QStringList({"2|1"}));

    // A deleted balance group takes its movements along; a deleted booking user leaves them.
    QVERIFY(pg.run("DELETE FROM driver_balance_groups WHERE id = 2"));
    QVERIFY(pg.run("DELETE FROM users WHERE id = 2"));
    QCOMPARE(pg.lines("SELECT trn_key, rst_id_user_created FROM driver_balance_logs WHERE id > 1"),
             QStringList({"k1|1"}));
    QVERIFY(pg.run("DELETE FROM companies WHERE id = 2"));
    QCOMPARE(pg.lines("SELECT rst_id_owner FROM company_balance_logs WHERE id > 1"), QStringList({"1"}));

    // A deleted card leaves its movements; a deleted card group takes them along.
    QVERIFY(pg.run("DELETE FROM cards WHERE id = 2"));
    QCOMPARE(pg.lines("SELECT trn_key, rst_id_card FROM card_balance_logs WHERE id > 1 ORDER BY id"),
             QStringList({"g1|1", "g2|1"}));
    QVERIFY(pg.run("DELETE FROM card_groups WHERE id = 2"));
    QCOMPARE(pg.lines("SELECT trn_key FROM card_balance_logs WHERE id > 1"), QStringList({"g2"}));

    // One transaction key per owner.
    QVERIFY(!pg.run("INSERT INTO card_balance_logs (rst_id_owner, trn_key, dt_utc_insert, dt_utc_last_update) "
                    "VALUES (1, 'g2', 0, 0)"));
    QVERIFY(pg.run("INSERT INTO driver_balance_logs (rst_id_owner, trn_key, dt_utc_insert, dt_utc_last_update) "
                   "VALUES (3, 'k1', 0, 0)"));
}

void TestRecordSeeds::paymentSecretsInLogs()
{
    PG_SCHEMA(pg);
    QVERIFY(ModelFixture::createPlaceholderTables(
        pg.db(), {Creator::factory<Base::PaymentSystem>(), Creator::factory<Base::PaymentSystemAccountsCompany>()}));
    Base::PaymentSystem system;
    Base::PaymentSystemAccountsCompany account;
    QVERIFY(createWithRowOne(pg, system));
    QVERIFY(createWithRowOne(pg, account));
    // The database rejects the rows and quotes them whole in its error.
    QVERIFY(pg.run("ALTER TABLE payment_systems ADD CONSTRAINT refused CHECK (code <> 'lqp')"));
    QVERIFY(pg.run("ALTER TABLE payment_systems_company_accounts ADD CONSTRAINT refused CHECK (weight <> 7)"));

    system.populateDefault();
    system.setValue("name", "LiqPay");
    system.setValue("code", "lqp");
    system.setValue("login", "merchant-login");
    system.setValue("password", "ps-password-secret");
    system.setValue("fondy_credit_key", "ps-credit-key-secret");
    account.populateDefault();
    account.setValue("public_key", "account-public-key");
    account.setValue("private_key", "account-private-key-secret");
    account.setValue("weight", 7);

    qputenv("queryDebug", "1");
    pg.db()->setTraceQueries(true);
    MessageCatcher catcher;
    Common::Dao systemDao(&system, pg.db());
    QVERIFY(!systemDao.insert("caller"));
    Common::Dao accountDao(&account, pg.db());
    QVERIFY(!accountDao.insert("caller"));
    pg.db()->setTraceQueries(false);
    qunsetenv("queryDebug");

    QCOMPARE(catcher.warnings.size(), 2);
    QVERIFY(catcher.count("violates check constraint") == 2);
    const QStringList logged = catcher.warnings + catcher.infos;
    QVERIFY(catcher.infos.size() >= 2);
    for (const QString &line : logged) {
        for (const char *secret : {"ps-password-secret", "ps-credit-key-secret", "account-private-key-secret"})
            QVERIFY2(!line.contains(secret), qPrintable(line));
    }
    // Only the secrets are hidden.
    QVERIFY(catcher.count("merchant-login") > 0);
    QVERIFY(catcher.count("account-public-key") > 0);
}

void TestRecordSeeds::fieldListsCreateNothing()
{
    PG_SCHEMA(pg);
    MessageCatcher catcher;
    DatabaseInitializer initializer(pg.db());
    QVERIFY2(initializer.run({Creator::factory<Base::PaymentSystemPaymentsLog>(), Creator::factory<Base::SearchRole>(),
                              Creator::factory<Base::GuiSession>()}),
             qPrintable(initializer.lastError()));
    QCOMPARE(pg.scalar("SELECT count(*) FROM pg_class WHERE relnamespace = CAST(current_schema() AS regnamespace)")
                 .toInt(),
             0);
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
}

QTEST_GUILESS_MAIN(TestRecordSeeds)
#include "tst_recordseeds.moc"
