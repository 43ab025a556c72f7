#include "reporttest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <algorithm>

using namespace ReportTest;

namespace {

// 2024-03-01 00:00:00 UTC.
constexpr qint64 march1 = 1709251200000;
constexpr qint64 hour = 3600000;

QJsonObject period(qint64 days)
{
    return {{"utc", "180"}, {"dt_utc_insert_start", QString::number(march1)},
            {"dt_utc_insert_end", QString::number(march1 + days * 24 * hour)}};
}

QString at(qint64 hours)
{
    return QString::number(march1 + hours * hour);
}

} // namespace

// The reports on drivers of the gateway server: brand cars, brand payments and the consolidated
// driver report, against PostgreSQL and read back.
class TestDriverReports : public DatabaseTestCase
{
    Q_OBJECT

private slots:
    void brandCar();
    void brandPayment();
    void brandPaymentWithoutDrivers();
    void consolidatedDrivers();
    void consolidatedDriversWithoutRows();
    void totalsShownWithoutCalculating();
    void hostileOptions_data();
    void hostileOptions();
    void computedByLibreOffice();

private:
    void seed() override;
};

// Driver 21 of car company 5, driver 22 of none (the placeholder 1), driver 23 of company 5
// without sessions; driver 99 does not exist.
void TestDriverReports::seed()
{
    const QStringList statements{
        "INSERT INTO companies (id, sign, uuid_company) VALUES (5, 'cmp5', 'c5')",
        "INSERT INTO drivers (id, sign, first_name, middle_name, last_name, rst_id_car_company) VALUES "
        "(21, 'b21', 'Petro', 'I.', 'Brand', 5), (22, 'p22', 'Pavlo', '', 'Plain', 1), "
        "(23, 'b23', 'Oleh', '', 'Idle', 5)",
        // 21: 7.25 hours on the 1st, 28.75 more later (36 in all), one still open; 22: 23 hours.
        QStringLiteral("INSERT INTO driver_sessions (rst_id_owner, sign, dt_utc_insert, dt_start, dt_end, duration) "
                       "VALUES (21, 'b21', %1, %1, %1 + 26100000, 26100000), (21, 'b21', %2, %2, %2 + 103500000, "
                       "103500000), (22, 'p22', %1, %1, %3, 82800000), (21, 'b21', %4, %4, 0, 3600000)")
            .arg(at(1), at(30), at(24), at(40)),
        // Ten orders of 21 of 100 each: three by card (one of them free), two free.
        "INSERT INTO orders (rst_id_driver, dt_utc_insert, payment_type, is_free, sum_tip) SELECT 21, "
            + at(2) + ", CASE WHEN n <= 3 THEN 2 ELSE 0 END, CASE WHEN n IN (3, 4) THEN 1 ELSE 0 END, 100 "
                      "FROM generate_series(1, 10) AS n",
        "INSERT INTO orders (rst_id_driver, dt_utc_insert, sum_tip) VALUES (22, " + at(2) + ", 50)",
        // Orders of the driver report (after the period of the brand car report's checks).
        "INSERT INTO orders (rst_id_driver, dt_utc_insert, order_status, is_completed, completed_code, payment_type, "
        "sum_tip, assumed_feed_way, assumed_feed_time) VALUES "
        "(21, " + at(30) + ", 900, 1, 5000, 0, 100, 2, 4), (21, " + at(30) + ", 950, 1, 7000, 2, 140, 4, 6), "
        "(21, " + at(30) + ", 900, 1, 9010, 0, 0, 0, 0), (21, " + at(30) + ", 900, 1, 1500, 0, 0, 0, 0), "
        "(21, " + at(30) + ", 900, 1, 5001, 0, 0, 0, 0), (21, " + at(30) + ", 800, 1, 5000, 0, 1000, 0, 9)",
        "INSERT INTO order_status_logs (rst_id_driver, status, dt_utc_insert) VALUES (21, 1100, " + at(30)
            + "), (21, 1100, " + at(31) + "), (21, 1105, " + at(31) + "), (21, 1100, " + at(-5) + ")",
        "INSERT INTO payment_systems (id, uuid, name, code) VALUES (50, 'ps-esp', 'EasyPay', 'esp'), (51, 'ps-lqp', 'LiqPay', 'lqp'), "
        "(52, 'ps-city', 'City24', 'city24'), (53, 'ps-other', 'Other', 'other')",
        // 1 March: EasyPay 100.5 and a terminal refill of 20 (an operator's refill and an unfinished
        // payment do not count); 22:30 UTC on the 2nd is the 3rd at +03:00; the 4th has another
        // channel only.
        "INSERT INTO payment_systems_drivers_payments_logs (rst_id_owner, rst_id_payment_system, amount, "
        "is_completed, dt_utc_insert) VALUES (21, 50, 100.5, 1, " + at(8) + "), (21, 50, 1000, 0, " + at(9)
            + "), (22, 51, 7, 1, " + QString::number(march1 + 46 * hour + 30 * 60000) + "), (21, 53, 5, 1, "
            + at(82) + "), (23, 50, 500, 1, " + at(8) + ")",
        "INSERT INTO driver_refill_balance_logs (rst_id_driver, sign_user, value, dt_utc_insert) VALUES "
        "(21, 'term_07', 20, " + at(12) + "), (21, 'oper', 30, " + at(12) + ")",
    };
    runAll(statements);
}

void TestDriverReports::brandCar()
{
    QJsonArray results;
    const QStringList files = run(11, period(1), "mirsel/driver/BrandCarReport.xlsx", &results);
    QCOMPARE(results.size(), 1);
    const QJsonObject row = results.first().toObject();
    QCOMPARE(row.value("sign").toString(), QStringLiteral("b21"));
    QCOMPARE(row.value("name").toString(), QStringLiteral("Brand Petro I."));
    QCOMPARE(row.value("count_total").toInt(), 10);
    QCOMPARE(row.value("count_card").toInt(), 3);
    QCOMPARE(row.value("count_free").toInt(), 2);
    QCOMPARE(row.value("hour_total").toDouble(), 7.25);

    QCOMPARE(files.size(), 1);
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D4").toString(), QStringLiteral("05 Mar 2024, 17:07 UTC+03:00"));
    QCOMPARE(value(sheet, "D7").toString(), QStringLiteral("02 Mar 2024, 03:00 UTC+03:00"));
    QCOMPARE(value(sheet, "A13").toString(), QStringLiteral("1"));
    QCOMPARE(value(sheet, "C13").toString(), QStringLiteral("Brand Petro I."));
    // The free order paid by card is taken off the cash orders once: 10 - 3 - 2 + 1.
    const QVector<QPair<const char *, double>> expected{{"D13", 10}, {"E13", 6},   {"F13", 3},    {"G13", 2},
                                                        {"H13", 1000}, {"I13", 600}, {"J13", 300}, {"K13", 200},
                                                        {"L13", 7.25}, {"M13", 0},   {"O13", 0}};
    for (const auto &[reference, number] : expected)
        QCOMPARE(value(sheet, reference).toDouble(), number);
    QCOMPARE(cell(sheet, "H13").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(cell(sheet, "L13").value("nf").toString(), QStringLiteral("0.0"));
    QCOMPARE(cell(sheet, "C13").value("h").toString(), QStringLiteral("left"));
    QVERIFY(value(sheet, "A14").isNull());
    m_libreOfficeFiles.append(files.first());
}

void TestDriverReports::brandPayment()
{
    QJsonObject options = period(4);
    options["id_owners_list"] = QJsonArray{"21", 22};
    options["signs"] = QJsonArray{"b21", "p22"};
    QJsonArray results;
    const QStringList files = run(12, options, "mirsel/driver/BrandPaymentReport.xlsx", &results);
    QStringList rows;
    for (const QJsonValue &row : results)
        rows.append(QStringLiteral("%1 %2 %3").arg(row["date"].toString(), row["code"].toString())
                        .arg(row["sum_amount"].toDouble()));
    // Rows of one day come in no particular order.
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (QStringList{"2024-03-01T00:00:00.000 esp 100.5", "2024-03-01T00:00:00.000 term 20",
                                "2024-03-03T00:00:00.000 lqp 7", "2024-03-04T00:00:00.000 other 5"}));

    QCOMPARE(files.size(), 1);
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D8").toString(), QStringLiteral("b21, p22"));
    QCOMPARE(value(sheet, "A12").toString(), QStringLiteral("2024-03-01T00:00:00"));
    QCOMPARE(cell(sheet, "A12").value("nf").toString(), QStringLiteral("dd.mm.yyyy"));
    QCOMPARE(value(sheet, "B12").toDouble(), 100.5);
    QCOMPARE(value(sheet, "C12").toDouble(), 0.0);
    QCOMPARE(value(sheet, "E12").toDouble(), 20.0);
    QCOMPARE(value(sheet, "A13").toString(), QStringLiteral("2024-03-03T00:00:00"));
    QCOMPARE(value(sheet, "C13").toDouble(), 7.0);
    QCOMPARE(value(sheet, "A14").toString(), QStringLiteral("2024-03-04T00:00:00"));
    QCOMPARE(value(sheet, "B14").toDouble(), 0.0);
    QVERIFY(value(sheet, "A15").isNull());
    QCOMPARE(value(sheet, "F12").toString(), QStringLiteral("=SUM(B12:E12)"));
    QCOMPARE(value(sheet, "F14").toString(), QStringLiteral("=SUM(B14:E14)"));
    QCOMPARE(value(sheet, "B10").toString(), QStringLiteral("=SUM(B12:B14)"));
    QCOMPARE(value(sheet, "F10").toString(), QStringLiteral("=SUM(F12:F14)"));
    QCOMPARE(cell(sheet, "F10").value("nf").toString(), QStringLiteral("0.00"));
    m_libreOfficeFiles.append(files.first());
}

// No drivers: no query runs, and the day formula is not written over a reversed range.
void TestDriverReports::brandPaymentWithoutDrivers()
{
    QJsonObject options = period(4);
    options["id_owners_list"] = QJsonArray{};
    QJsonArray results{1};
    const QStringList files = run(12, options, "mirsel/driver/BrandPaymentReport.xlsx", &results);
    QCOMPARE(results, QJsonArray());
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QVERIFY(value(sheet, "A12").isNull());
    QVERIFY(value(sheet, "F12").isNull());
    QCOMPARE(value(sheet, "B10").toString(), QStringLiteral("=SUM(B12:B12)"));
    QCOMPARE(value(sheet, "E10").toString(), QStringLiteral("=SUM(E12:E12)"));
}

void TestDriverReports::consolidatedDrivers()
{
    QJsonObject options = period(3);
    options["id_owners_list"] = QJsonArray{"21", "99", "22"};
    QJsonArray results;
    const QStringList files = run(13, options, "mirsel/driver/ConsolidateDriverReport.xlsx", &results);
    QCOMPARE(results.size(), 1);
    const QJsonArray drivers = results.first()["values"].toArray();
    QCOMPARE(drivers.size(), 3);
    QCOMPARE(QJsonDocument(drivers.at(0).toObject()).toJson(QJsonDocument::Compact),
             QJsonDocument(QJsonObject{{"rst_id_owner", "21"}, {"sign", "b21"}, {"time_online", 129600}, {"amt_all_order", 5},
                          {"amt_suc_order", 2}, {"amt_unsuc_order", 3}, {"canceled_order_reject", 2},
                          {"canceled_order_timeout", 1}, {"cash_sum", 100}, {"cards_sum", 140},
                          {"avg_distance_2_client", 3}, {"avg_time_2_client", 5}}).toJson(QJsonDocument::Compact));
    QCOMPARE(drivers.at(1).toObject(), QJsonObject());
    QCOMPARE(drivers.at(2).toObject(),
             (QJsonObject{{"rst_id_owner", "22"}, {"sign", "p22"}, {"time_online", 82800}}));

    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D9").toString(), QStringLiteral("01 Mar 2024, 03:00 UTC+03:00"));
    QCOMPARE(value(sheet, "D11").toInt(), 3);
    QCOMPARE(value(sheet, "B22").toString(), QStringLiteral("1"));
    QCOMPARE(value(sheet, "D22").toDouble(), 36.0);
    QCOMPARE(value(sheet, "E22").toDouble(), 1.5);
    QCOMPARE(value(sheet, "F22").toInt(), 5);
    QCOMPARE(value(sheet, "J22").toInt(), 1);
    QCOMPARE(value(sheet, "L22").toDouble(), 140.0);
    QVERIFY(qAbs(value(sheet, "M22").toDouble() - 2 / 1.5) < 1e-6);
    // The takings per 24 hours online, as the other averages: 240 over 1.5 days.
    QCOMPARE(value(sheet, "P22").toDouble(), 160.0);
    QCOMPARE(value(sheet, "Q22").toDouble(), 3.0);
    QCOMPARE(cell(sheet, "P22").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(cell(sheet, "F22").value("nf").toString(), QStringLiteral("0"));
    QCOMPARE(value(sheet, "B23").toString(), QStringLiteral("2"));
    QCOMPARE(value(sheet, "C23").toString(), QStringLiteral("p22"));
    for (const char *reference : {"M23", "N23", "O23", "P23"})
        QCOMPARE(value(sheet, reference).toString(), QStringLiteral("n/a"));
    QVERIFY(value(sheet, "B24").isNull());
    QCOMPARE(value(sheet, "D18").toString(), QStringLiteral("=SUM(D21:D23)"));
    QCOMPARE(value(sheet, "P18").toString(), QStringLiteral("=SUM(P21:P23)"));
    QCOMPARE(cell(sheet, "F18").value("nf").toString(), QStringLiteral("0"));
    QCOMPARE(cell(sheet, "K18").value("nf").toString(), QStringLiteral("0.00"));
    m_libreOfficeFiles.append(files.first());
}

void TestDriverReports::consolidatedDriversWithoutRows()
{
    QJsonObject options = period(3);
    options["id_owners_list"] = QJsonArray{"99"};
    const QStringList files = run(13, options, "mirsel/driver/ConsolidateDriverReport.xlsx");
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QVERIFY(value(sheet, "B22").isNull());
    QCOMPARE(value(sheet, "D18").toString(), QStringLiteral("=SUM(D21:D21)"));
}

// A reader that does not calculate (openpyxl's data_only, pandas) shows the totals LibreOffice
// computes: each total's cached result is its sum. The brand car report has no totals, only values.
void TestDriverReports::totalsShownWithoutCalculating()
{
    QJsonObject options = period(4);
    options["id_owners_list"] = QJsonArray{"21", "22"};
    options["signs"] = QJsonArray{"b21", "p22"};
    const QStringList payments = run(12, options, "mirsel/driver/BrandPaymentReport.xlsx");
    options = period(3);
    options["id_owners_list"] = QJsonArray{"21", "99", "22"};
    const QStringList drivers = run(13, options, "mirsel/driver/ConsolidateDriverReport.xlsx");
    const QStringList cars = run(11, period(1), "mirsel/driver/BrandCarReport.xlsx");
    // The driver balance report's total is a value of its own; the session report has no total.
    const QString type = m_pg->scalar("SELECT min(id) FROM driver_balance_types WHERE id > 1").toString();
    runAll({"INSERT INTO driver_balance_logs (rst_id_owner, rst_id_bt, bg_name, bt_name, value, dt_utc_insert, "
            "trn_key) VALUES (21, " + type + ", 'Bonus', 'Order', 100.25, " + at(3) + ", 'x1'), (21, " + type
            + ", 'Fee', 'Month', -40.5, " + at(4) + ", 'x2')"});
    options = period(1);
    options["rst_id_owner"] = QJsonArray{"21"};
    options["rst_id_bt"] = QJsonArray{type};
    options["group_by_bt"] = false;
    options["sign_role"] = "sign";
    const QStringList balances = run(14, options, "IndividualBalanceLogReportBase.xlsx");
    options = period(3);
    options["rst_id_owner"] = QJsonArray{"21"};
    options["date_truncate"] = "day";
    const QStringList sessions = run(15, options, "IndividualSessionsReportBase.xlsx");
    QCOMPARE(payments.size() + drivers.size() + cars.size() + balances.size() + sessions.size(), 5);

    struct Expected
    {
        QString file;
        QVector<QPair<const char *, double>> cells;
        int sums;
    };
    const QVector<Expected> books{
        {payments.first(),
         {{"F12", 120.5}, {"F13", 7}, {"F14", 0}, {"B10", 100.5}, {"C10", 7}, {"D10", 0}, {"E10", 20}, {"F10", 127.5}},
         8},
        {drivers.first(),
         {{"D18", 59}, {"E18", 1.5 + double(23.0f / 24.0f)}, {"F18", 5}, {"G18", 2}, {"H18", 3}, {"I18", 2}, {"J18", 1},
          {"K18", 100}, {"L18", 140}, {"M18", double(2 / 1.5f)}, {"P18", 160}},
         13},
        {cars.first(), {{"D13", 10}, {"H13", 1000}, {"L13", 7.25}}, 0},
        {balances.first(), {{"D21", 100.25}, {"D22", -40.5}, {"F23", 59.75}}, 0},
        {sessions.first(), {{"D21", 7.25}, {"D22", 28.75}}, 0},
    };
    for (const Expected &book : books) {
        const QJsonObject sheet = ReportTest::sheet(book.file);
        for (const auto &[reference, number] : book.cells) {
            const QVariant total = shown(sheet, reference);
            QVERIFY2(!total.isNull() && qAbs(total.toDouble() - number) < 1e-6,
                     qPrintable(QStringLiteral("%1 shows %2, not %3").arg(reference, total.toString()).arg(number)));
        }
        QString error;
        const int sums = checkShownSums(sheet, &error);
        QVERIFY2(sums == book.sums, qPrintable(error.isEmpty() ? QStringLiteral("%1 sums").arg(sums) : error));
    }
}

void TestDriverReports::hostileOptions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::newRow("payment ids") << 12 << "id_owners_list" << QJsonValue(QJsonArray{"21) OR (1=1"});
    QTest::newRow("payment statement") << 12 << "id_owners_list" << QJsonValue(QJsonArray{"21); DELETE FROM orders; --"});
    QTest::newRow("payment huge id") << 12 << "id_owners_list" << QJsonValue(QJsonArray{"123456789012345678901"});
    QTest::newRow("driver ids") << 13 << "id_owners_list" << QJsonValue(QJsonArray{"21", "0) OR (1=1"});
    QTest::newRow("no drivers") << 13 << "id_owners_list" << QJsonValue(QJsonArray{});
    QTest::newRow("brand period") << 11 << "dt_utc_insert_start" << QJsonValue("0' OR '1'='1");
    QTest::newRow("driver period") << 13 << "dt_utc_insert_end" << QJsonValue("1; DELETE FROM orders");
}

void TestDriverReports::hostileOptions()
{
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QJsonObject options = period(3);
    options["id_owners_list"] = QJsonArray{"21"};
    options[key] = value;
    verifyRefused(type, options, "SELECT count(*) FROM orders UNION ALL SELECT count(*) FROM drivers");
}

// LibreOffice shows the hours with one decimal and computes the totals' shared formulas.
void TestDriverReports::computedByLibreOffice()
{
    const QList<QList<QStringList>> books = computedKept(3);
    if (books.isEmpty())
        return;
    QCOMPARE(books.at(0).value(12).value(11), QStringLiteral("7.3"));
    QCOMPARE(books.at(1).value(11).value(5), QStringLiteral("120.50"));
    QCOMPARE(books.at(1).value(9).value(5), QStringLiteral("127.50"));
    QCOMPARE(books.at(2).value(17).value(3), QStringLiteral("59.00"));
    QCOMPARE(books.at(2).value(17).value(5), QStringLiteral("5"));
    QCOMPARE(books.at(2).value(17).value(15), QStringLiteral("160.00"));
}

QTEST_GUILESS_MAIN(TestDriverReports)
#include "tst_driverreports.moc"
