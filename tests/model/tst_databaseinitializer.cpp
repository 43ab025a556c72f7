#include "messagecatcher.h"
#include "pgschema.h"

#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"
#include "model/base/namedmodel.h"
#include "modelfixture/placeholdertables.h"

#include "common/core/exception/exception.h"

#include <QtTest>

using namespace Model;
using Factories = QVector<DatabaseInitializer::Factory>;

namespace {

// pilots.rst_id_plane -> planes and planes.rst_id_pilot -> pilots; pilots also reference a hangar
// table that no catalogue describes.
class Pilot : public AbstractModel
{
public:
    Pilot()
    {
        declareColumn("name", SQL_TEXT, true, "n/a", QObject::tr("Name"));
        declare("rst_id_plane", Field(REFERENCE, "planes").setReference(FK_SET_DEFAULT, FK_CASCADE, SQL_BIGINTEGER, true, 1));
        declareReference("rst_id_hangar", "hangars", QString());
        declareAttached("plane_model", "planes", "model", QObject::tr("Model"));
    }
    QString tableName() const override { return QStringLiteral("pilots"); }
};

// The base side of pilots: a subset.
class BasePilot : public AbstractModel
{
public:
    BasePilot() { declareColumn("name", SQL_TEXT, true, "n/a", QObject::tr("Name")); }
    QString tableName() const override { return QStringLiteral("pilots"); }
};

// Not a subset of Pilot: its name is an integer.
class OddPilot : public AbstractModel
{
public:
    OddPilot() { declareColumn("name", SQL_INTEGER, true, 0, QObject::tr("Name")); }
    QString tableName() const override { return QStringLiteral("pilots"); }
};

class Plane : public AbstractModel
{
public:
    Plane()
    {
        declareReference("rst_id_pilot", "pilots", QString());
        declareColumn("model", SQL_TEXT, true, "n/a", QObject::tr("Model"));
    }
    QString tableName() const override { return QStringLiteral("planes"); }
    bool createSystemRecords(Common::Db *db) override
    {
        if (failSeed)
            return false;
        return AbstractModel::createSystemRecords(db);
    }
    static bool failSeed;
};
bool Plane::failSeed = false;

// A field list without a table.
class Form : public NamedModel
{
public:
    Form() : NamedModel(QString()) { declareColumn("title", SQL_TEXT, true, QVariant(), QObject::tr("Title")); }
};

QStringList tablesOf(PgSchema &pg)
{
    return pg.lines(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = '%1' "
                                   "ORDER BY table_name")
                        .arg(pg.name()));
}

// Foreign keys as "table.column->table deferrable on-delete on-update".
QStringList foreignKeysOf(PgSchema &pg)
{
    return pg.lines(QStringLiteral(
                        "SELECT c.conrelid::regclass || '.' || a.attname || '->' || c.confrelid::regclass, "
                        "c.condeferrable, c.condeferred, c.confdeltype, c.confupdtype FROM pg_constraint c "
                        "JOIN pg_attribute a ON a.attrelid = c.conrelid AND a.attnum = c.conkey[1] "
                        "WHERE c.contype = 'f' AND c.connamespace = '%1'::regnamespace ORDER BY 1")
                        .arg(pg.name()));
}

} // namespace

// Building a database from a list of catalogues, on PostgreSQL.
class TestDatabaseInitializer : public QObject
{
    Q_OBJECT

private slots:
    void plan();
    void referenceCycle();
    void failuresKeepNothing();
    void placeholderTables();
};

void TestDatabaseInitializer::plan()
{
    // The most complete catalogue creates the table wherever it stands; field lists are skipped.
    const auto tables
        = DatabaseInitializer::plan({Creator::factory<BasePilot>(), Creator::factory<Form>(), Creator::factory<Plane>(),
                                     Creator::factory<Pilot>(), Creator::factory<BasePilot>()});
    QCOMPARE(tables.size(), 2);
    QCOMPARE(tables[0].name, QStringLiteral("pilots"));
    QCOMPARE(tables[0].creator, 3);
    QCOMPARE(tables[0].others, QVector<int>({0, 4}));
    QCOMPARE(tables[1].name, QStringLiteral("planes"));
    QCOMPARE(tables[1].creator, 2);
    QVERIFY(tables[1].others.isEmpty());
    // On a tie the later catalogue creates the table: a subclass stands after its base.
    const auto tie = DatabaseInitializer::plan({Creator::factory<BasePilot>(), Creator::factory<BasePilot>()});
    QCOMPARE(tie.size(), 1);
    QCOMPARE(tie[0].creator, 1);
    QCOMPARE(tie[0].others, QVector<int>({0}));

    // A catalogue that is no subset of the creating one, and a factory that makes nothing.
    const QVector<QPair<Factories, QString>> refused{
        {{Creator::factory<Pilot>(), Creator::factory<OddPilot>()},
         "table pilots: catalogue #1 is not a subset of catalogue #0"},
        {{Creator::factory<OddPilot>(), Creator::factory<Pilot>()},
         "table pilots: catalogue #0 is not a subset of catalogue #1"},
        {{Creator::factory<Plane>(), [] { return static_cast<AbstractModel *>(nullptr); }}, "catalogue #1 of the list"},
    };
    for (const auto &[list, reason] : refused) {
        QString message;
        try {
            DatabaseInitializer::plan(list);
        } catch (const Exception &e) {
            message = e.message();
        }
        QVERIFY2(message.startsWith(reason), qPrintable(message));
    }
}

void TestDatabaseInitializer::referenceCycle()
{
    PG_SCHEMA(pg);
    QVERIFY(ModelFixture::createPlaceholderTables(pg.db(), {ModelFixture::PlaceholderTable{"hangars", {}}}));
    const Factories list{Creator::factory<BasePilot>(), Creator::factory<Pilot>(), Creator::factory<Plane>(),
                         Creator::factory<Form>()};
    DatabaseInitializer initializer(pg.db());
    MessageCatcher catcher;
    QVERIFY2(initializer.run(list), qPrintable(initializer.lastError()));
    QCOMPARE(tablesOf(pg), QStringList({"hangars", "pilots", "planes"}));
    // The forward reference is deferrable with its declared actions; the backward ones are inline.
    const QStringList keys{"pilots.rst_id_hangar->hangars|false|false|c|c",
                           "pilots.rst_id_plane->planes|true|true|d|c", "planes.rst_id_pilot->pilots|false|false|c|c"};
    QCOMPARE(foreignKeysOf(pg), keys);
    QCOMPARE(pg.lines("SELECT id, name, rst_id_plane, rst_id_hangar FROM pilots"), QStringList({"1|n/a|1|1"}));
    QCOMPARE(pg.lines("SELECT id, model, rst_id_pilot FROM planes"), QStringList({"1|n/a|1"}));
    // The column keeps its index.
    QCOMPARE(pg.scalar(QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = '%1' AND indexname = "
                                      "'pilots_rst_id_plane_key'")
                           .arg(pg.name()))
                 .toInt(),
             1);
    // The key holds outside the run.
    QVERIFY(!pg.run("INSERT INTO pilots (name, rst_id_plane) VALUES ('x', 7)"));
    QVERIFY(pg.run("INSERT INTO planes (rst_id_pilot, model) VALUES (1, 'An-2')"));
    QVERIFY(pg.run("INSERT INTO pilots (name, rst_id_plane) VALUES ('Ann', 2)"));
    QVERIFY(pg.run("DELETE FROM planes WHERE id = 2"));
    QCOMPARE(pg.lines("SELECT name, rst_id_plane FROM pilots ORDER BY id"), QStringList({"n/a|1", "Ann|1"}));

    // A second run adds nothing.
    QVERIFY2(initializer.run(list), qPrintable(initializer.lastError()));
    QCOMPARE(foreignKeysOf(pg), keys);
    QCOMPARE(pg.scalar("SELECT count(*) FROM pilots").toInt(), 2);
    QCOMPARE(pg.scalar("SELECT count(*) FROM planes").toInt(), 1);
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
}

void TestDatabaseInitializer::failuresKeepNothing()
{
    struct Case
    {
        const char *name;
        Factories list;
        bool hangars;
        const char *reason;
    };
    const QVector<Case> cases{
        {"seed fails", {Creator::factory<Pilot>(), Creator::factory<Plane>()}, true,
         "table planes: the seed of catalogue #1 failed"},
        {"referenced table missing", {Creator::factory<Plane>(), Creator::factory<Pilot>()}, false,
         "table pilots: column rst_id_hangar references hangars, which neither"},
        {"not a subset", {Creator::factory<Pilot>(), Creator::factory<OddPilot>(), Creator::factory<Plane>()}, true,
         "table pilots: catalogue #1 is not a subset"},
    };
    for (const Case &c : cases) {
        PG_SCHEMA(pg);
        if (c.hangars)
            QVERIFY(ModelFixture::createPlaceholderTables(pg.db(), {ModelFixture::PlaceholderTable{"hangars", {}}}));
        Plane::failSeed = QByteArray(c.name) == "seed fails";
        DatabaseInitializer initializer(pg.db());
        MessageCatcher catcher;
        const bool ok = initializer.run(c.list);
        Plane::failSeed = false;
        QVERIFY2(!ok, c.name);
        QVERIFY2(initializer.lastError().contains(QLatin1String(c.reason)), qPrintable(initializer.lastError()));
        QVERIFY2(catcher.allWarnings().contains(initializer.lastError()), c.name);
        // Nothing of the run is left, and the connection is usable again.
        QCOMPARE(tablesOf(pg), c.hangars ? QStringList{"hangars"} : QStringList{});
        QVERIFY(pg.run("SELECT 1"));
    }
}

void TestDatabaseInitializer::placeholderTables()
{
    const Factories list{Creator::factory<Pilot>(), Creator::factory<Form>()};
    using ModelFixture::PlaceholderTable;
    // Referenced tables without a catalogue, with the columns joined from them.
    QCOMPARE(ModelFixture::placeholderTables(list),
             QVector<PlaceholderTable>({{"hangars", {}}, {"planes", {"model"}}}));
    QCOMPARE(ModelFixture::placeholderTables(list + Factories{Creator::factory<Plane>()}),
             QVector<PlaceholderTable>({{"hangars", {}}}));

    PG_SCHEMA(pg);
    QVERIFY(ModelFixture::createPlaceholderTables(pg.db(), list));
    QVERIFY(ModelFixture::createPlaceholderTables(pg.db(), list));
    QCOMPARE(pg.lines("SELECT id FROM hangars"), QStringList({"1"}));
    QCOMPARE(pg.lines("SELECT id FROM planes"), QStringList({"1"}));
    QVERIFY(pg.run("INSERT INTO planes (model) VALUES ('Yak')"));
    QCOMPARE(pg.lines("SELECT id, model FROM planes ORDER BY id"), QStringList({"1|NULL", "2|Yak"}));
    DatabaseInitializer initializer(pg.db());
    QVERIFY2(initializer.run(list), qPrintable(initializer.lastError()));

    MessageCatcher catcher;
    QVERIFY(!ModelFixture::createPlaceholderTables(pg.db(), {PlaceholderTable{"bad name; DROP", {}}}));
    QCOMPARE(catcher.warnings.size(), 1);
}

QTEST_GUILESS_MAIN(TestDatabaseInitializer)
#include "tst_databaseinitializer.moc"
