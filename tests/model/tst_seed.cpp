#include "messagecatcher.h"
#include "pgschema.h"
#include "prefixtranslator.h"

#include "common/core/db/dao.h"
#include "common/core/exception/location.h"
#include "model/base/abstractmodel.h"
#include "model/base/seedlist.h"

#include <QtTest>

using namespace Model;

namespace {

// A catalogue with a seed list of three system rows keyed by code.
class Kind : public AbstractModel
{
public:
    Kind()
    {
        declareColumn("code", SQL_TEXT, true, "n/a", QObject::tr("Code"), UNIQUE);
        declareColumn("name", SQL_TEXT, true, "", QObject::tr("Name"));
        declareColumn("description", SQL_TEXT, false, QVariant(), QObject::tr("Description"));
        declareColumn("option_value", SQL_TEXT, false, QVariant(), QObject::tr("Value"));
    }
    QString tableName() const override { return QStringLiteral("kinds"); }

    bool createSystemRecords(Common::Db *db) override
    {
        if (!AbstractModel::createSystemRecords(db))
            return false;
        return SeedList(QStringLiteral("code"))
            .add(QStringLiteral("sys.a"), {{QStringLiteral("name"), QObject::tr("Alpha")}})
            .add(QStringLiteral("sys.b"), {{QStringLiteral("name"), QObject::tr("Beta")}})
            .add(QStringLiteral("sys.c"), {{QStringLiteral("name"), QObject::tr("Gamma")}})
            .apply(this, db, COMMON_LOCATION);
    }
};

QStringList rowsOf(PgSchema &pg)
{
    return pg.lines("SELECT id, code, name, rst_id_user_locked, description, option_value FROM kinds ORDER BY id");
}

// What the next plain insert gets as id.
qint64 nextInsertedId(PgSchema &pg)
{
    static int extra = 0;
    Kind kind;
    kind.populateDefault();
    kind.setValue("code", QStringLiteral("extra.%1").arg(++extra));
    Common::Dao dao(&kind, pg.db());
    dao.setReloadAfterWrite(false);
    return dao.insert(QString()) ? kind.id() : -1;
}

} // namespace

// The default row with id 1 and the seed-list pattern, on PostgreSQL.
class TestSeed : public QObject
{
    Q_OBJECT

private slots:
    void defaultRowAndSeeds();
    void defaultRowAfterFailedInsert();
    void failedLookupIsNotMissing();
    void stopsAtFailedInsert();
    void rowBufferIsReset();
};

void TestSeed::defaultRowAndSeeds()
{
    PG_SCHEMA(pg);
    Kind kind;
    QVERIFY(kind.createTable(pg.db()));
    PrefixTranslator translator(QStringLiteral("[uk] "));
    QCoreApplication::installTranslator(&translator);
    MessageCatcher catcher;
    const bool seeded = kind.createSystemRecords(pg.db());
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(seeded, qPrintable(catcher.allWarnings()));
    // Names are translated at seeding time; ids follow the list after the default row.
    const QStringList expected{"1|n/a||1||", "2|sys.a|[uk] Alpha|1||", "3|sys.b|[uk] Beta|1||",
                               "4|sys.c|[uk] Gamma|1||"};
    QCOMPARE(rowsOf(pg), expected);
    QVERIFY(kind.createSystemRecords(pg.db()));
    QCOMPARE(rowsOf(pg), expected);
    QCOMPARE(nextInsertedId(pg), qint64(5));
    QVERIFY(catcher.warnings.isEmpty());
}

void TestSeed::defaultRowAfterFailedInsert()
{
    PG_SCHEMA(pg);
    Kind kind;
    QVERIFY(kind.createTable(pg.db()));
    // Keys handed out by failed inserts, and a first seeding that fails.
    QVERIFY(pg.run("SELECT nextval(pg_get_serial_sequence('kinds', 'id'))"));
    QVERIFY(pg.run("SELECT nextval(pg_get_serial_sequence('kinds', 'id'))"));
    QVERIFY(pg.run("ALTER TABLE kinds ADD CONSTRAINT no_default CHECK (code <> 'n/a')"));
    {
        MessageCatcher catcher;
        QVERIFY(!kind.createSystemRecords(pg.db()));
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY(catcher.warnings[0].contains("Common::Dao::insertWithId:"));
    }
    QCOMPARE(pg.scalar("SELECT count(*) FROM kinds").toInt(), 0);
    QVERIFY(pg.run("ALTER TABLE kinds DROP CONSTRAINT no_default"));
    QVERIFY(kind.createSystemRecords(pg.db()));
    QCOMPARE(pg.lines("SELECT id FROM kinds WHERE code = 'n/a'"), QStringList({"1"}));
    // The sequence went past every key in use.
    QCOMPARE(pg.lines("SELECT id FROM kinds WHERE code LIKE 'sys.%' ORDER BY id"), QStringList({"3", "4", "5"}));
    QCOMPARE(nextInsertedId(pg), qint64(6));

    // A table holding rows but no row 1 gets it without disturbing the others.
    QVERIFY(pg.run("DELETE FROM kinds WHERE id = 1"));
    QVERIFY(kind.createSystemRecords(pg.db()));
    QCOMPARE(pg.scalar("SELECT count(*) FROM kinds WHERE id = 1").toInt(), 1);
    QCOMPARE(nextInsertedId(pg), qint64(7));
}

void TestSeed::failedLookupIsNotMissing()
{
    PG_SCHEMA(pg);
    Kind kind;
    QVERIFY(kind.createTable(pg.db()));
    QVERIFY(pg.run("ALTER TABLE kinds DROP COLUMN option_value"));
    MessageCatcher catcher;
    QVERIFY(!kind.createSystemRecords(pg.db()));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings[0].contains("Common::Dao::selectById:"));
    QCOMPARE(pg.scalar("SELECT count(*) FROM kinds").toInt(), 0);

    // The same for the seed list: no row is inserted after a failed look-up.
    Kind plain;
    QVERIFY(pg.run("ALTER TABLE kinds ADD COLUMN option_value TEXT"));
    QVERIFY(plain.AbstractModel::createSystemRecords(pg.db()));
    QVERIFY(pg.run("ALTER TABLE kinds RENAME COLUMN code TO code_old"));
    catcher.clear();
    QVERIFY(!SeedList("code").add("sys.z").apply(&plain, pg.db(), "seed"));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings[0].contains("Common::Dao::selectByFields:"));
    QCOMPARE(pg.scalar("SELECT count(*) FROM kinds").toInt(), 1);
}

void TestSeed::stopsAtFailedInsert()
{
    PG_SCHEMA(pg);
    Kind kind;
    QVERIFY(kind.createTable(pg.db()));
    QVERIFY(pg.run("ALTER TABLE kinds ADD CONSTRAINT no_b CHECK (code <> 'sys.b')"));
    MessageCatcher catcher;
    QVERIFY(!kind.createSystemRecords(pg.db()));
    QCOMPARE(catcher.warnings.size(), 1);
    QCOMPARE(pg.lines("SELECT code FROM kinds ORDER BY id"), QStringList({"n/a", "sys.a"}));
    QVERIFY(pg.run("ALTER TABLE kinds DROP CONSTRAINT no_b"));
    QVERIFY(kind.createSystemRecords(pg.db()));
    QCOMPARE(pg.lines("SELECT code FROM kinds ORDER BY id"), QStringList({"n/a", "sys.a", "sys.b", "sys.c"}));
}

void TestSeed::rowBufferIsReset()
{
    PG_SCHEMA(pg);
    Kind kind;
    QVERIFY(kind.createTable(pg.db()));
    QVERIFY(kind.AbstractModel::createSystemRecords(pg.db()));
    // A stored row found by the seed is left alone, and its values do not leak into the next row.
    QVERIFY(pg.run("INSERT INTO kinds (code, name, rst_id_user_locked, description, option_value, dt_utc_insert, "
                   "dt_utc_last_update) VALUES ('sys.a', 'Mine', 5, 'found', 'x', 0, 0)"));
    QVERIFY(kind.createSystemRecords(pg.db()));
    QCOMPARE(rowsOf(pg), QStringList({"1|n/a||1||", "2|sys.a|Mine|5|found|x", "3|sys.b|Beta|1||",
                                      "4|sys.c|Gamma|1||"}));
}

QTEST_GUILESS_MAIN(TestSeed)
#include "tst_seed.moc"
