#include "catalogues.h"
#include "messagecatcher.h"
#include "pgschema.h"

#include "model/base/modeltablecreator.h"
#include "model/base/namedmodel.h"

#include <QtTest>

using namespace Model;
using namespace TestCatalogue;

namespace {

class Sms : public AbstractModel
{
public:
    Sms()
    {
        declareColumn("name", SQL_TEXT, false, QVariant(), QObject::tr("Name"));
        declareColumn("code", SQL_TEXT, true, QVariant(), QObject::tr("Code"), NON_UPDATABLE);
        declareColumn("use", SQL_INTEGER, true, 1, QObject::tr("Use"));
    }
    QString tableName() const override { return QStringLiteral("sms"); }
};

QStringList sqlOf(const QVector<ModelTableCreator::Ddl> &ddls)
{
    QStringList result;
    for (const auto &ddl : ddls)
        result.append(ddl.sql);
    return result;
}

// Columns, foreign keys and indexes of a table as the database reports them.
QStringList schemaOf(PgSchema &pg, const QString &table)
{
    QStringList lines = pg.lines(QStringLiteral(
        "SELECT column_name, data_type, is_nullable, column_default FROM information_schema.columns "
        "WHERE table_schema = current_schema() AND table_name = '%1' ORDER BY ordinal_position").arg(table));
    lines += pg.lines(QStringLiteral(
        "SELECT a.attname, CAST(c.confrelid AS regclass), c.confdeltype, c.confupdtype FROM pg_constraint c "
        "JOIN pg_attribute a ON a.attrelid = c.conrelid AND a.attnum = c.conkey[1] "
        "WHERE c.contype = 'f' AND c.conrelid = CAST('%1' AS regclass) ORDER BY 1").arg(table));
    lines += pg.lines(QStringLiteral(
        "SELECT indexname, indexdef LIKE 'CREATE UNIQUE%', substring(indexdef from 'USING .*$') FROM pg_indexes "
        "WHERE schemaname = current_schema() AND tablename = '%1' ORDER BY 1").arg(table));
    return lines;
}

bool createFails(PgSchema &pg, AbstractModel &model, const QString &expectedWarning)
{
    MessageCatcher catcher;
    const bool created = model.createTable(pg.db());
    const QVariant exists = pg.scalar(QStringLiteral("SELECT to_regclass('%1') IS NOT NULL").arg(model.tableName()));
    return !created && catcher.warnings.size() == 1 && catcher.warnings[0].contains(expectedWarning)
        && (model.tableName().isEmpty() || !exists.toBool());
}

} // namespace

// DDL of the table creator: the exact statements and their effect read back from pg_catalog.
class TestTableCreator : public QObject
{
    Q_OBJECT

private slots:
    void exactStatements();
    void schemaInDatabase();
    void defaultsReadBack();
    void refusedCatalogues();
    void indexNamesDoNotCollide();
};

void TestTableCreator::exactStatements()
{
    Sms sms;
    QCOMPARE(sqlOf(ModelTableCreator().statements(sms)),
             QStringList({
                 "CREATE TABLE IF NOT EXISTS sms(id BIGSERIAL NOT NULL PRIMARY KEY,rst_id_user_locked BIGINT DEFAULT 1 ,"
                 "dt_utc_last_update BIGINT NOT NULL DEFAULT 0 ,dt_utc_insert BIGINT NOT NULL DEFAULT 0 ,name TEXT,"
                 "code TEXT NOT NULL,use INTEGER NOT NULL DEFAULT 1 )",
                 "CREATE  INDEX IF NOT EXISTS sms_dt_utc_insert_key ON sms USING btree (dt_utc_insert);",
                 "CREATE  INDEX IF NOT EXISTS sms_dt_utc_last_update_key ON sms USING btree (dt_utc_last_update);",
                 "CREATE UNIQUE INDEX IF NOT EXISTS sms_id_key ON sms USING btree (id);",
                 "CREATE INDEX IF NOT EXISTS sms_rst_id_user_locked_key ON sms USING btree (rst_id_user_locked);",
             }));

    AllTypes all;
    QCOMPARE(sqlOf(ModelTableCreator().statements(all)),
             QStringList({
                 "CREATE TABLE IF NOT EXISTS all_types(id BIGSERIAL NOT NULL PRIMARY KEY,"
                 "rst_id_user_locked BIGINT DEFAULT 1 ,dt_utc_last_update BIGINT NOT NULL DEFAULT 0 ,"
                 "dt_utc_insert BIGINT NOT NULL DEFAULT 0 ,title TEXT NOT NULL DEFAULT 'it''s \"quoted\"' ,"
                 "code TEXT NOT NULL DEFAULT 'n/a' ,short_name VARCHAR(12) DEFAULT 'abc' ,big BIGINT,"
                 "ratio REAL NOT NULL DEFAULT 0.5 ,precise DOUBLE PRECISION NOT NULL DEFAULT 0.12345678901234568 ,"
                 "rst_id_parent BIGINT NOT NULL DEFAULT 1  REFERENCES parents(id) ON DELETE CASCADE ON UPDATE CASCADE,"
                 "rst_id_other BIGINT REFERENCES parents(id) ON DELETE SET NULL,amount INTEGER NOT NULL DEFAULT 7 )",
                 "CREATE UNIQUE INDEX IF NOT EXISTS all_types_code_key ON all_types USING btree (code);",
                 "CREATE  INDEX IF NOT EXISTS all_types_dt_utc_insert_key ON all_types USING btree (dt_utc_insert);",
                 "CREATE  INDEX IF NOT EXISTS all_types_dt_utc_last_update_key ON all_types USING btree "
                 "(dt_utc_last_update);",
                 "CREATE UNIQUE INDEX IF NOT EXISTS all_types_id_key ON all_types USING btree (id);",
                 "CREATE  INDEX IF NOT EXISTS all_types_rst_id_other_key ON all_types USING btree (rst_id_other);",
                 "CREATE  INDEX IF NOT EXISTS all_types_rst_id_parent_key ON all_types USING btree (rst_id_parent);",
                 "CREATE INDEX IF NOT EXISTS all_types_rst_id_user_locked_key ON all_types USING btree "
                 "(rst_id_user_locked);",
                 "CREATE UNIQUE INDEX IF NOT EXISTS all_types_code_amount_key ON all_types USING btree (code,amount);",
             }));
}

void TestTableCreator::schemaInDatabase()
{
    PG_SCHEMA(pg);
    Parent parent;
    AllTypes all;
    QVERIFY(parent.createTable(pg.db()));
    QVERIFY(all.createTable(pg.db()));
    const QStringList schema = schemaOf(pg, "all_types");
    QCOMPARE(schema, QStringList({
                         "id|bigint|NO|nextval('all_types_id_seq'::regclass)",
                         "rst_id_user_locked|bigint|YES|1",
                         "dt_utc_last_update|bigint|NO|0",
                         "dt_utc_insert|bigint|NO|0",
                         "title|text|NO|'it''s \"quoted\"'::text",
                         "code|text|NO|'n/a'::text",
                         "short_name|character varying|YES|'abc'::character varying",
                         "big|bigint|YES|NULL",
                         "ratio|real|NO|0.5",
                         "precise|double precision|NO|0.12345678901234568",
                         "rst_id_parent|bigint|NO|1",
                         "rst_id_other|bigint|YES|NULL",
                         "amount|integer|NO|7",
                         "rst_id_other|parents|n|a",
                         "rst_id_parent|parents|c|c",
                         "all_types_code_amount_key|true|USING btree (code, amount)",
                         "all_types_code_key|true|USING btree (code)",
                         "all_types_dt_utc_insert_key|false|USING btree (dt_utc_insert)",
                         "all_types_dt_utc_last_update_key|false|USING btree (dt_utc_last_update)",
                         "all_types_id_key|true|USING btree (id)",
                         "all_types_pkey|true|USING btree (id)",
                         "all_types_rst_id_other_key|false|USING btree (rst_id_other)",
                         "all_types_rst_id_parent_key|false|USING btree (rst_id_parent)",
                         "all_types_rst_id_user_locked_key|false|USING btree (rst_id_user_locked)",
                     }));
    QCOMPARE(pg.scalar("SELECT character_maximum_length FROM information_schema.columns WHERE table_schema = "
                       "current_schema() AND column_name = 'short_name'").toInt(), 12);
    // A second run changes nothing.
    MessageCatcher catcher;
    QVERIFY(all.createTable(pg.db()));
    QCOMPARE(schemaOf(pg, "all_types"), schema);
    QVERIFY(catcher.warnings.isEmpty());
}

void TestTableCreator::defaultsReadBack()
{
    PG_SCHEMA(pg);
    Parent parent;
    AllTypes all;
    QVERIFY(parent.createTable(pg.db()) && parent.createSystemRecords(pg.db()));
    QVERIFY(all.createTable(pg.db()));
    QVERIFY(pg.run("INSERT INTO all_types DEFAULT VALUES"));
    const QList<QVariantList> rows = pg.rows("SELECT title, precise, ratio, amount, short_name FROM all_types");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toString(), QString("it's \"quoted\""));
    QCOMPARE(rows[0][1].toDouble(), 0.1234567890123456789);
    QCOMPARE(rows[0][2].toFloat(), 0.5f);
    QCOMPARE(rows[0][3].toInt(), 7);
    QCOMPARE(rows[0][4].toString(), QString("abc"));
}

void TestTableCreator::refusedCatalogues()
{
    PG_SCHEMA(pg);
    NamedModel badType("bad_type");
    badType.declare("x", Field(ORDINARY).setType(9, false));
    {
        MessageCatcher catcher;
        QVERIFY(createFails(pg, badType, "bad_type Model create table error: Unsupported datatype. Field name: x"));
        QCOMPARE(catcher.criticals, QStringList({"bad_type Model create table error: Unsupported datatype. "
                                                 "Field name: x"}));
    }
    NamedModel undefined("undefined_type");
    undefined.declare("x", Field());
    QVERIFY(createFails(pg, undefined, "Unsupported datatype. Field name: x"));

    NamedModel badIndex("bad_index");
    badIndex.addIndex({"UNIQUE", "nope"});
    QVERIFY(createFails(pg, badIndex, "bad_index create table index error: No such field in table: nope"));

    NamedModel attachedIndex("attached_index");
    attachedIndex.declareDisplay("shown", "Shown");
    attachedIndex.addIndex({"shown"});
    QVERIFY(createFails(pg, attachedIndex, "No such field in table: shown"));

    NamedModel badDefault("bad_default");
    badDefault.declareColumn("n", SQL_INTEGER, true, "12abc", "N");
    QVERIFY(createFails(pg, badDefault, "bad_default Model create table error: Invalid default. Field name: n"));

    NamedModel unnamed("");
    QVERIFY(createFails(pg, unnamed, "the catalogue has no table name"));

    NamedModel orphan("orphans");
    orphan.declareReference("rst_id_missing", "missing", "Missing");
    QVERIFY(createFails(pg, orphan, "table name='orphans', query error='"));

    // Display and joined fields are neither columns nor indexed, whatever their flags.
    NamedModel extras("extras");
    extras.declare("joined", Field(ATTACHED | UNIQUE, "parents", "name"));
    extras.declare("shown", Field(CUSTOM | REFERENCE, "parents"));
    QVERIFY(extras.createTable(pg.db()));
    QCOMPARE(pg.scalar("SELECT count(*) FROM information_schema.columns WHERE table_schema = current_schema() "
                       "AND table_name = 'extras'").toInt(), 4);
}

void TestTableCreator::indexNamesDoNotCollide()
{
    PG_SCHEMA(pg);
    // "a_b" + "c" and "a" + "b_c" make the same plain index name.
    NamedModel first("a_b");
    first.declareColumn("c", SQL_TEXT, false, QVariant(), "C", UNIQUE);
    NamedModel second("a");
    second.declareColumn("b_c", SQL_TEXT, false, QVariant(), "B C", UNIQUE);
    QVERIFY(first.createTable(pg.db()));
    QVERIFY(second.createTable(pg.db()));
    QVERIFY(second.createTable(pg.db()));
    const QString uniqueOn = "SELECT count(*) FROM pg_index i JOIN pg_attribute a ON a.attrelid = i.indrelid AND "
                             "a.attnum = i.indkey[0] WHERE i.indrelid = CAST('%1' AS regclass) AND a.attname = '%2' "
                             "AND i.indisunique";
    QCOMPARE(pg.scalar(uniqueOn.arg("a_b", "c")).toInt(), 1);
    QCOMPARE(pg.scalar(uniqueOn.arg("a", "b_c")).toInt(), 1);
    QVERIFY(pg.run("INSERT INTO a (b_c, dt_utc_insert, dt_utc_last_update) VALUES ('x', 0, 0)"));
    QVERIFY(!pg.run("INSERT INTO a (b_c, dt_utc_insert, dt_utc_last_update) VALUES ('x', 0, 0)"));

    // Names longer than PostgreSQL keeps are shortened with a hash, never cut into one another.
    const QString longName = QString(60, 't');
    NamedModel wide(longName);
    wide.declareColumn("first_code", SQL_TEXT, false, QVariant(), "First", UNIQUE);
    wide.declareColumn("second_code", SQL_TEXT, false, QVariant(), "Second", UNIQUE);
    QVERIFY(wide.createTable(pg.db()));
    QVERIFY(wide.createTable(pg.db()));
    const QStringList indexes = pg.lines(QStringLiteral(
        "SELECT indexname, indexdef LIKE 'CREATE UNIQUE%' FROM pg_indexes WHERE schemaname = current_schema() AND "
        "tablename = '%1' ORDER BY 1").arg(longName));
    QCOMPARE(indexes.size(), 7); // id, pkey, two timestamps, lock, two unique codes
    QCOMPARE(indexes.filter("|true").size(), 4);
    for (const QString &line : indexes)
        QVERIFY2(line.section('|', 0, 0).size() <= 63, qPrintable(line));
    QCOMPARE(ModelTableCreator::indexName("sms", {"code", "name"}), QString("sms_code_name"));
    QVERIFY(ModelTableCreator::indexName(longName, {"first_code"}).size() <= ModelTableCreator::MaxIndexName);
}

QTEST_GUILESS_MAIN(TestTableCreator)
#include "tst_tablecreator.moc"
