#include "messagecatcher.h"
#include "pgschema.h"

#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"
#include "model/catalogues.h"
#include "model/orlem/sms/sms.h"
#include "model/orlem/value/value.h"
#include "model/tavik/rating/driverratinglog.h"
#include "modelfixture/placeholdertables.h"

#include <QtTest>

#include <memory>

using namespace Model;

namespace {

// Tables of the current schema.
QStringList schemaTables(PgSchema &pg)
{
    return pg.lines("SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
                    "ORDER BY table_name");
}

QStringList columnsOf(PgSchema &pg, const QString &table)
{
    return pg.lines(QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                   "current_schema() AND table_name = '%1' ORDER BY ordinal_position")
                        .arg(table));
}

// Every row of every table, time stamps left out, one text per row.
QStringList snapshot(PgSchema &pg)
{
    QStringList rows;
    for (const QString &table : schemaTables(pg)) {
        QStringList columns;
        for (const QString &column : columnsOf(pg, table)) {
            if (column != "dt_utc_last_update" && column != "dt_utc_insert")
                columns.append(QLatin1Char('"') + column + QLatin1Char('"'));
        }
        const QString sql = QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY id").arg(columns.join(", "), table);
        for (const QString &row : pg.lines(sql))
            rows.append(table + ": " + row);
    }
    return rows;
}

// Columns of a catalogue in declaration order.
QStringList catalogueColumns(const AbstractModel &model)
{
    QStringList columns;
    for (const QString &name : model.fieldNamesBySerial()) {
        if (model.field(name).isColumn())
            columns.append(name);
    }
    return columns;
}

} // namespace

// One initialiser run over every catalogue of the library builds and seeds a complete database;
// a second run changes nothing.
class TestCompleteDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void completeDatabase();
    void registeredByTableName();

private:
    QVector<Creator::Factory> m_catalogues;
    QVector<DatabaseInitializer::Table> m_tables;
};

void TestCompleteDatabase::initTestCase()
{
    m_catalogues = allCatalogues();
    m_tables = DatabaseInitializer::plan(m_catalogues);
    QVERIFY(!m_tables.isEmpty());
}

void TestCompleteDatabase::completeDatabase()
{
    PG_SCHEMA(pg);
    // Tables of the servers that no catalogue describes (cards, card and user balance groups ...).
    const QVector<ModelFixture::PlaceholderTable> placeholders = ModelFixture::placeholderTables(m_catalogues);
    QVERIFY(ModelFixture::createPlaceholderTables(pg.db(), placeholders));

    MessageCatcher catcher;
    DatabaseInitializer initializer(pg.db());
    QVERIFY2(initializer.run(m_catalogues), qPrintable(initializer.lastError() + "\n" + catcher.allWarnings()));
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));

    // Exactly the named tables and the stand-ins exist: field lists without a table create nothing.
    QStringList expectedTables;
    for (const DatabaseInitializer::Table &table : qAsConst(m_tables))
        expectedTables.append(table.name);
    for (const ModelFixture::PlaceholderTable &table : placeholders)
        expectedTables.append(table.name);
    expectedTables.sort();
    QCOMPARE(schemaTables(pg), expectedTables);

    // Each table has the columns of the catalogue that creates it, and its default row 1.
    for (const DatabaseInitializer::Table &table : qAsConst(m_tables)) {
        const std::unique_ptr<AbstractModel> model(m_catalogues.at(table.creator)());
        QCOMPARE(columnsOf(pg, table.name), catalogueColumns(*model));
        QVERIFY2(pg.scalar(QStringLiteral("SELECT count(*) FROM \"%1\" WHERE id = 1").arg(table.name)).toInt() == 1,
                 qPrintable(table.name));
    }

    // The seeded rows of versions, SMS templates, values and rating rules are exactly their lists.
    QCOMPARE(pg.lines("SELECT id, code, version, number FROM versions_tmp ORDER BY id"),
             QStringList({"1|n/a||NULL", "2|server|1.0.0|1", "3|tax_current|1.0.0|1", "4|tax_min|1.0.0|1"}));
    QCOMPARE(pg.lines("SELECT code, name, value FROM sms WHERE id > 1 ORDER BY id"),
             QStringList({"driver.archived|Перенос водителя в архив|Позивний {SIGN} перенесено до архіву"}));
    QCOMPARE(pg.lines("SELECT code FROM values WHERE id > 1 ORDER BY id"),
             QStringList({"scheduler", "raise_rating_cost"}));
    QCOMPARE(pg.lines("SELECT code, sequence, value FROM driver_rating_coefficients WHERE id > 1 ORDER BY id"),
             QStringList({"completed_orders|5|0.1", "canceled_orders|1|-0.1", "canceled_booking_orders|1|-0.1",
                          "append_bank_card|1|1", "remove_bank_card|1|-1"}));

    // No table has two indexes of its own over the same columns: a unique index serves as a plain
    // one. (The primary key's constraint has an index of its own beside the key's unique index.)
    QCOMPARE(pg.lines("SELECT i.indrelid::regclass || '(' || i.indkey::text || ')' FROM pg_index i "
                      "JOIN pg_class c ON c.oid = i.indrelid WHERE c.relnamespace = current_schema()::regnamespace "
                      "AND NOT i.indisprimary GROUP BY i.indrelid, i.indkey HAVING count(*) > 1"),
             QStringList());

    // A second run over the complete database inserts and changes nothing.
    const QStringList before = snapshot(pg);
    QVERIFY(before.size() >= m_tables.size());
    QVERIFY2(initializer.run(m_catalogues), qPrintable(initializer.lastError()));
    QVERIFY2(catcher.warnings.isEmpty(), qPrintable(catcher.allWarnings()));
    const QStringList after = snapshot(pg);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after, before);
}

void TestCompleteDatabase::registeredByTableName()
{
    registerAllCatalogues();
    for (const DatabaseInitializer::Table &table : qAsConst(m_tables)) {
        const std::unique_ptr<AbstractModel> made(Creator::instance(table.name));
        const std::unique_ptr<AbstractModel> creator(m_catalogues.at(table.creator)());
        QCOMPARE(made->tableName(), table.name);
        // The most complete catalogue of the table is the one registered.
        QCOMPARE(catalogueColumns(*made), catalogueColumns(*creator));
        QVERIFY2(typeid(*made) == typeid(*creator), qPrintable(table.name));
    }
    // Tables with a base catalogue and a fuller one get the fuller one.
    const std::unique_ptr<AbstractModel> sms(Creator::instance("sms"));
    QVERIFY(dynamic_cast<Orlem::Sms *>(sms.get()));
    const std::unique_ptr<AbstractModel> values(Creator::instance("values"));
    QVERIFY(dynamic_cast<Orlem::Value *>(values.get()));
    const std::unique_ptr<AbstractModel> ratingLog(Creator::instance("driver_rating_logs"));
    QVERIFY(dynamic_cast<Tavik::DriverRatingLog *>(ratingLog.get()));
}

QTEST_GUILESS_MAIN(TestCompleteDatabase)
#include "tst_completedatabase.moc"
