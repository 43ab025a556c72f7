#include "reporttest.h"

#include "report/reportfactory.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportTest;

namespace {

// 2024-03-01 00:00:00 UTC.
constexpr qint64 march1 = 1709251200000;
constexpr qint64 hour = 3600000;

QJsonObject balanceOptions(const QJsonArray &owners, const QJsonArray &types, bool grouped)
{
    return {{"rst_id_owner", owners}, {"rst_id_bt", types}, {"group_by_bt", grouped}, {"sign_role", "sign"},
            {"utc", "180"}, {"dt_utc_insert_start", QString::number(march1)},
            {"dt_utc_insert_end", QString::number(march1 + 24 * hour)}};
}

} // namespace

// The balance-log and session reports of one owner each: extraction against PostgreSQL and the
// workbooks read back.
class TestOwnerReports : public DatabaseTestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void balanceLogRows_data();
    void balanceLogRows();
    void balanceLogOwnerTables();
    void balanceLogWorkbooks();
    void sessionSteps_data();
    void sessionSteps();
    void sessionWorkbook();
    void hostileOptions_data();
    void hostileOptions();
    void computedByLibreOffice();

private:
    void seed() override;

    QString m_type;
    QString m_otherType;
    QTemporaryDir m_folder;
};

void TestOwnerReports::initTestCase()
{
    DatabaseTestCase::initTestCase();
    if (QTest::currentTestFailed())
        return;
    m_type = m_pg->scalar("SELECT min(id) FROM driver_balance_types WHERE id > 1").toString();
    m_otherType = m_pg->scalar("SELECT max(id) FROM driver_balance_types").toString();
    QVERIFY(!m_type.isEmpty() && m_type != m_otherType);
}

// Drivers 9 and 10 with balance logs and sessions; driver 11 does not exist.
void TestOwnerReports::seed()
{
    const QString logs = QStringLiteral(
        "INSERT INTO driver_balance_logs (rst_id_owner, rst_id_bt, bg_name, bt_name, value, dt_utc_insert, trn_key) "
        "VALUES (9, %1, 'Bonus', 'Order', 10, %3 + 1000, 'a'), (9, %1, '', 'Refill', 5, %3 + 2000, 'b'), "
        "(9, %1, 'Bonus', 'Order', 10, %3 + 3000, 'c'), (9, %2, 'Fee', 'Month', -50, %3 + 4000, 'd'), "
        "(9, %1, 'Bonus', 'Order', 10, %3 + 90000000, 'e'), (9, %1, 'Bonus', 'Order', 10, %3 - 1, 'f'), "
        "(10, %1, 'Bonus', 'Order', 7, %3 + 1500, 'g')")
                             .arg(m_type, m_otherType)
                             .arg(march1);
    // Sessions of driver 9 by insert time: 10:00 UTC (1 h), 18:40 UTC (1.5 h: the 2nd of March from
    // 05:30 east of UTC, still the 1st at 05:00), one still open, one on the 3rd.
    const QString sessions = QStringLiteral(
        "INSERT INTO driver_sessions (rst_id_owner, sign, dt_utc_insert, dt_start, dt_end, duration) VALUES "
        "(9, 'd9', %1 + 10 * %2, 1, 2, 3600000), (9, 'd9', %1 + 18 * %2 + 40 * 60000, 1, 2, 5400000), "
        "(9, 'd9', %1 + 11 * %2, 1, 0, 7200000), (9, 'd9', %1 + 50 * %2, 1, 2, 3600000)")
                                 .arg(march1)
                                 .arg(hour);
    runAll({"INSERT INTO drivers (id, sign, first_name, last_name, balance) VALUES "
            "(9, 'd9', 'Ivan', 'Petrov', 12.5), (10, 'd10', ' Olga', 'Koval ', -3)",
            logs, sessions});
}

void TestOwnerReports::balanceLogRows_data()
{
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("expected");
    // Per owner (in text order of the ids): sign, full name, balance, then group|type|value|count|time.
    QTest::newRow("entries") << false
                             << "10|Olga Koval|-3 Bonus|Order|7|1|1709251201500;"
                                "9|Ivan Petrov|12.5 Bonus|Order|10|1|1709251201000 |Refill|5|1|1709251202000 "
                                "Bonus|Order|10|1|1709251203000;";
    QTest::newRow("grouped") << true
                             << "10|Olga Koval|-3 Bonus|Order|7|1|0;"
                                "9|Ivan Petrov|12.5 |Refill|5|1|0 Bonus|Order|10|2|0;";
}

void TestOwnerReports::balanceLogRows()
{
    QFETCH(bool, grouped);
    QFETCH(QString, expected);
    const QJsonArray owners = extract(14, balanceOptions({"9", "11", "10", "9"}, {m_type}, grouped));
    QString text;
    for (const QJsonValue &owner : owners) {
        const QJsonObject o = owner.toObject();
        QCOMPARE(o.value("rst_id_owner").toString(), o.value("sign").toString().mid(1));
        text += QStringLiteral("%1|%2|%3").arg(o.value("rst_id_owner").toString(), o.value("full_name").toString())
                    .arg(o.value("current_balance").toDouble());
        for (const QJsonValue &row : o.value("values").toArray()) {
            const QJsonObject r = row.toObject();
            text += QStringLiteral(" %1|%2|%3|%4|%5").arg(r.value("bg_name").toString(), r.value("bt_name").toString())
                        .arg(r.value("value").toDouble()).arg(r.value("cnt").toDouble())
                        .arg(qint64(r.value("dt_utc_insert").toDouble()));
        }
        text += ';';
    }
    QCOMPARE(text, expected);
}

// Cards, users and drivers: the owner table comes from the ledger catalogue's reference; card
// groups have no names.
void TestOwnerReports::balanceLogOwnerTables()
{
    QVERIFY(m_pg->run("INSERT INTO card_groups (id, sign, serie, balance) VALUES (4, 'cg4', 'AB-1', 100)"));
    QVERIFY(m_pg->run("INSERT INTO card_balance_logs (rst_id_owner, value, bt_name, dt_utc_insert, trn_key) "
                      "VALUES (4, 2.5, 'Order', " + QString::number(march1) + ", 'x')"));
    QJsonObject options = balanceOptions({"4"}, {"1"}, false);
    options["sign_role"] = "serie";
    const QJsonArray cards = extract(1, options);
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.first()["sign"].toString(), QStringLiteral("AB-1"));
    QVERIFY(!cards.first().toObject().contains("full_name"));
    QCOMPARE(cards.first()["current_balance"].toDouble(), 100.0);
    QCOMPARE(cards.first()["values"].toArray().size(), 1);

    QVERIFY(m_pg->run("INSERT INTO users (id, sign, first_name, last_name, balance) VALUES (40, 'op40', 'Anna', '', 1)"));
    const QJsonArray users = extract(6, balanceOptions({40}, {"1"}, false));
    QCOMPARE(users.size(), 1);
    QCOMPARE(users.first()["sign"].toString(), QStringLiteral("op40"));
    QCOMPARE(users.first()["full_name"].toString(), QStringLiteral("Anna"));
    QCOMPARE(users.first()["values"].toArray().size(), 0);
}

void TestOwnerReports::balanceLogWorkbooks()
{
    for (const bool grouped : {false, true}) {
        const QJsonObject options = balanceOptions({"9", "10"}, {m_type}, grouped);
        const QSharedPointer<Report::AbstractReport> report = Report::createReport(14, m_pg->db());
        const QJsonArray results = report->extractResult(options);
        const QString folder = m_folder.filePath(grouped ? "grouped" : "entries");
        const QStringList files = write(*report, options, results, folder, "IndividualBalanceLogReportBase.xlsx");
        QCOMPARE(files.size(), 2);
        QCOMPARE(QFileInfo(files.at(0)).fileName(), QStringLiteral("20240305_17_07_09-d10.xlsx"));
        QCOMPARE(QFileInfo(files.at(1)).fileName(), QStringLiteral("20240305_17_07_09-d9.xlsx"));
        const QJsonObject sheet = ReportTest::sheet(files.at(1));
        QCOMPARE(value(sheet, "E3").toString(), QStringLiteral("05 Mar 2024, 17:07 UTC+03:00"));
        QCOMPARE(value(sheet, "E5").toString(), QStringLiteral("01 Mar 2024, 03:00 UTC+03:00"));
        QCOMPARE(value(sheet, "E6").toString(), QStringLiteral("02 Mar 2024, 03:00 UTC+03:00"));
        QCOMPARE(value(sheet, "E8").toString(), QStringLiteral("d9"));
        QCOMPARE(value(sheet, "E9").toString(), QStringLiteral("Ivan Petrov"));
        QCOMPARE(value(sheet, "E11").toDouble(), 12.5);
        QCOMPARE(cell(sheet, "E11").value("nf").toString(), QStringLiteral("#,##0.00"));
        QVERIFY(value(sheet, "B20").isNull());
        const int rows = grouped ? 2 : 3;
        QCOMPARE(value(sheet, "B21").toString(), QStringLiteral("1"));
        QCOMPARE(value(sheet, QStringLiteral("B%1").arg(20 + rows)).toString(), QString::number(rows));
        QCOMPARE(value(sheet, "C21").toString(), grouped ? QStringLiteral("Refill") : QStringLiteral("Bonus, Order"));
        QCOMPARE(cell(sheet, "D21").value("nf").toString(), QStringLiteral("0.00"));
        QCOMPARE(cell(sheet, "D21").value("border").toString(), QStringLiteral("dotted"));
        QCOMPARE(value(sheet, grouped ? "F22" : "F21").toDouble(), grouped ? 20.0 : 10.0);
        QCOMPARE(value(sheet, grouped ? "E22" : "E21").toDouble(), grouped ? 2.0 : 1.0);
        if (grouped)
            QVERIFY(value(sheet, "G21").isNull());
        else
            QCOMPARE(value(sheet, "G21").toString(), QStringLiteral("01.03.2024 03:00"));
        const QString total = QStringLiteral("F%1").arg(21 + rows);
        QCOMPARE(value(sheet, total).toDouble(), 25.0);
        QCOMPARE(cell(sheet, total).value("nf").toString(), QStringLiteral("0.00"));
        if (!grouped)
            m_libreOfficeFiles.append(files.at(1));
    }
}

void TestOwnerReports::sessionSteps_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("utc");
    QTest::addColumn<QString>("expected");
    QTest::newRow("days at +05:30") << "day" << "330"
                                    << "2024-03-01T00:00:00.000=3600 2024-03-02T00:00:00.000=5400 "
                                       "2024-03-03T00:00:00.000=3600";
    QTest::newRow("days at -01:00") << "day" << "-60"
                                    << "2024-03-01T00:00:00.000=9000 2024-03-03T00:00:00.000=3600";
    QTest::newRow("hours at +03:00") << "hour" << "180"
                                     << "2024-03-01T13:00:00.000=3600 2024-03-01T21:00:00.000=5400 "
                                        "2024-03-03T05:00:00.000=3600";
    QTest::newRow("quarter") << "quarter" << "0" << "2024-01-01T00:00:00.000=12600";
}

// Steps start in the owner's local time at the whole offset, half hours included; only closed
// sessions count, by their insert time.
void TestOwnerReports::sessionSteps()
{
    QFETCH(QString, step);
    QFETCH(QString, utc);
    QFETCH(QString, expected);
    const QJsonObject options{{"rst_id_owner", QJsonArray{"9", "11"}}, {"date_truncate", step}, {"utc", utc},
                              {"dt_utc_insert_start", QString::number(march1)},
                              {"dt_utc_insert_end", QString::number(march1 + 72 * hour)}};
    const QJsonArray owners = extract(15, options);
    QCOMPARE(owners.size(), 1);
    const QJsonObject owner = owners.first().toObject();
    QCOMPARE(owner.value("sign").toString(), QStringLiteral("d9"));
    QCOMPARE(owner.value("full_name").toString(), QStringLiteral("Ivan Petrov"));
    QStringList steps;
    for (const QJsonValue &value : owner.value("values").toArray())
        steps.append(value["date_trunc"].toString() + '=' + QString::number(value["duration"].toDouble()));
    QCOMPARE(steps.join(' '), expected);
}

void TestOwnerReports::sessionWorkbook()
{
    const QJsonObject options{{"rst_id_owner", QJsonArray{"9", "10"}}, {"date_truncate", "day"}, {"utc", "330"},
                              {"dt_utc_insert_start", QString::number(march1)},
                              {"dt_utc_insert_end", QString::number(march1 + 72 * hour)}};
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(15, m_pg->db());
    const QStringList files = write(*report, options, report->extractResult(options), m_folder.filePath("sessions"),
                                    "IndividualSessionsReportBase.xlsx");
    QCOMPARE(files.size(), 2);
    // Driver 10 has no closed session: a workbook with an empty table.
    const QJsonObject empty = ReportTest::sheet(files.at(0));
    QCOMPARE(value(empty, "E9").toString(), QStringLiteral("d10"));
    QCOMPARE(value(empty, "E10").toString(), QStringLiteral("Olga Koval"));
    QVERIFY(value(empty, "B21").isNull());

    const QJsonObject sheet = ReportTest::sheet(files.at(1));
    QCOMPARE(value(sheet, "E4").toString(), QStringLiteral("05.03.2024"));
    QCOMPARE(value(sheet, "E6").toString(), QStringLiteral("01 Mar 2024, 05:30 UTC+05:30"));
    QCOMPARE(value(sheet, "E7").toString(), QStringLiteral("04 Mar 2024, 05:30 UTC+05:30"));
    QCOMPARE(value(sheet, "B22").toString(), QStringLiteral("2"));
    QCOMPARE(value(sheet, "C22").toString(), QStringLiteral("2024-03-02T00:00:00.000"));
    QCOMPARE(value(sheet, "D22").toDouble(), 1.5);
    QCOMPARE(cell(sheet, "D22").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(value(sheet, "E22").toString(), QString());
    QVERIFY(value(sheet, "B24").isNull());
    m_libreOfficeFiles.append(files.at(1));
}

void TestOwnerReports::hostileOptions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::newRow("owner with a quote") << 14 << "rst_id_owner" << QJsonValue(QJsonArray{"9' OR '1'='1"});
    QTest::newRow("owner statement") << 14 << "rst_id_owner" << QJsonValue(QJsonArray{"9; DELETE FROM drivers"});
    QTest::newRow("huge owner") << 14 << "rst_id_owner" << QJsonValue(QJsonArray{"99999999999999999999999"});
    QTest::newRow("type fragment") << 14 << "rst_id_bt" << QJsonValue(QJsonArray{"1) OR (1=1"});
    QTest::newRow("no type") << 14 << "rst_id_bt" << QJsonValue(QJsonArray{});
    QTest::newRow("period fragment") << 14 << "dt_utc_insert_end" << QJsonValue("0 OR 1=1");
    QTest::newRow("sign role") << 14 << "sign_role" << QJsonValue("sign; DROP TABLE drivers");
    QTest::newRow("session owner") << 15 << "rst_id_owner" << QJsonValue(QJsonArray{"9 OR 1=1"});
    QTest::newRow("session step") << 15 << "date_truncate" << QJsonValue("day', now()) --");
}

// Values that do not fit are refused, by the report or by the database they are bound for, and
// nothing changes.
void TestOwnerReports::hostileOptions()
{
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QJsonObject options = balanceOptions({"9"}, {m_type}, false);
    options["date_truncate"] = "day";
    options[key] = value;
    verifyRefused(type, options, "SELECT count(*) FROM drivers UNION ALL SELECT count(*) FROM driver_balance_logs");
}

// LibreOffice reads the values as the number formats show them.
void TestOwnerReports::computedByLibreOffice()
{
    const QList<QList<QStringList>> workbooks = computedKept(2);
    if (workbooks.isEmpty())
        return;
    QCOMPARE(workbooks.at(0).value(23).value(5), QStringLiteral("25.00"));
    QCOMPARE(workbooks.at(1).value(21).value(3), QStringLiteral("1.50"));
}

QTEST_GUILESS_MAIN(TestOwnerReports)
#include "tst_ownerreports.moc"
