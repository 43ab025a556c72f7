#include "reporttest.h"

#include "report/tavik/missedcall.h"

#include <QJsonArray>
#include <QtTest>

using namespace ReportTest;

namespace {

// 2024-03-01 00:00:00 UTC.
constexpr qint64 march1 = 1709251200000;
constexpr qint64 minute = 60000;

// A moment of the 1st of March given as hours and minutes at an offset in minutes, as UTC text.
QString at(int hours, int minutes, int offset = 180)
{
    return QString::number(march1 + (hours * 60 + minutes - offset) * minute);
}

} // namespace

// The dispatcher server's reports on cards, companies and calls: the card group, company
// statistics and missed calls reports against PostgreSQL and read back.
class TestCallReports : public DatabaseTestCase
{
    Q_OBJECT

private slots:
    void cardGroup();
    void companyStatistics();
    void companyStatisticsWithoutData();
    void missedCallSlots_data();
    void missedCallSlots();
    void missedCalls();
    void hostileOptions_data();
    void hostileOptions();
    void computedByLibreOffice();

private:
    void seed() override;
};

void TestCallReports::seed()
{
    const QString type = QStringLiteral("(SELECT id FROM company_balance_types WHERE code = '%1')");
    const QStringList statements{
        "INSERT INTO companies (id, sign, uuid_company, company_name) VALUES (5, 'c5', 'c5', 'Taxi Ltd'), "
        "(6, 'c6', 'c6', 'Other')",
        // Card groups 4 and 9 and a card of group 4.
        "INSERT INTO card_groups (id, sign, serie, description, balance, rst_id_company) VALUES "
        "(4, 'g4', 'AB/1', 'Office', 100, 5), (9, 'g9', 'S9', '', 0, 5)",
        "INSERT INTO cards (id, rst_id_cg, description) VALUES (7, 4, 'Anna card')",
        "INSERT INTO orders (id, rst_id_cd, is_completed, completed_code, dt_complete, sum_tip, cd_num, identifier, "
        "client_name, driver, note_order, note_drv) VALUES "
        "(100, 7, 1, 5000, " + at(2, 0) + ", 0.005, '4111', '+380', 'Anna', 'd9', 'n1', 'nd1'), "
        "(101, 7, 1, 7000, " + at(4, 0) + ", 0.005, '4111', '+380', 'Anna', 'd9', '', ''), "
        "(102, 7, 1, 1020, " + at(4, 0) + ", 9, '4111', '+380', 'Anna', 'd9', '', '')",
        "INSERT INTO order_way_points (rst_id_order, order_point, feed_city, feed_street, feed_num_house) VALUES "
        "(100, 2, 'Kyiv', 'Main', '7'), (100, 1, 'Kyiv', NULL, '5')",
        "INSERT INTO order_status_logs (rst_id_order, status, dt_utc_insert) VALUES (100, 2400, " + at(1, 30)
            + "), (100, 3500, " + at(1, 50) + ")",
        "INSERT INTO card_balance_logs (id, rst_id_owner, balance, dt_utc_insert, trn_key) VALUES "
        "(50, 4, 80, " + at(1, 0) + ", 'a'), (51, 4, 60, " + at(5, 0) + ", 'b'), (52, 4, 10, " + at(50, 0) + ", 'c')",
        // Company statistics at +05:30 between 10:20 and 12:45 local time.
        "INSERT INTO call_detail_records (rst_id_company, coming_type, disposition, last_application, dt_utc_insert) "
        "VALUES (5, 1, 'ANSWERED', 'Queue', " + at(10, 30, 330) + "), (5, 1, 'NO ANSWER', 'Queue', " + at(10, 40, 330)
            + "), (5, 1, 'BUSY', 'Queue', " + at(11, 10, 330) + "), (5, 1, 'ANSWERED', 'Queue', " + at(12, 0, 330)
            + "), (6, 1, 'ANSWERED', 'Queue', " + at(10, 30, 330) + "), (5, 2, 'ANSWERED', 'Queue', "
            + at(10, 30, 330) + ")",
        "INSERT INTO order_ft (id, uuid_ft) VALUES (2, 'ft1'), (3, 'ft2')",
        "INSERT INTO first_tariffs (id, uuid_ft) VALUES (2, 'ft1'), (3, 'ft2')",
        "INSERT INTO orders (id, rst_id_company, rst_id_ft, is_completed, completed_code, dt_utc_insert, dt_complete, "
        "sum_tip) VALUES (200, 5, 2, 1, 5000, " + at(10, 30, 330) + ", " + at(11, 5, 330) + ", 50), (201, 5, 2, 1, 1020, "
            + at(12, 10, 330) + ", 0, 0), (202, 5, 3, 1, 5000, " + at(10, 30, 330) + ", " + at(10, 35, 330) + ", 1)",
        "INSERT INTO client_bonus_logs (rst_id_order, value, dt_utc_insert) VALUES (200, -3, " + at(11, 30, 330)
            + "), (200, 8, " + at(11, 30, 330) + ")",
        "INSERT INTO drivers (id, sign, car_company_uuid) VALUES (31, 'plain', NULL), (32, 'brand', 'cc')",
        "INSERT INTO company_balance_logs (rst_id_owner, rst_id_company, rst_id_driver, rst_id_bt, value, "
        "dt_utc_insert, trn_key) VALUES "
        "(5, 5, 31, " + type.arg("sys.cashback.credit") + ", 4, " + at(10, 45, 330) + ", 'k1'), "
        "(5, 5, 31, " + type.arg("sys.order.debit") + ", 7, " + at(11, 15, 330) + ", 'k2'), "
        "(5, 5, 32, " + type.arg("sys.order.debit") + ", 9, " + at(11, 20, 330) + ", 'k3'), "
        "(5, 5, 31, " + type.arg("sys.lost_profit.credit") + ", -2, " + at(12, 15, 330) + ", 'k4'), "
        "(5, 5, 31, " + type.arg("sys.driver_monthly_fee.debit") + ", 30, " + at(10, 50, 330) + ", 'k5'), "
        "(6, 6, 31, " + type.arg("sys.order.debit") + ", 1000, " + at(11, 15, 330) + ", 'k6')",
        // Missed calls at +03:00 between 10:20 and 12:00 local time; operators of group 4.
        "INSERT INTO call_detail_records (rst_id_company, coming_type, disposition, last_application, dt_utc_insert) "
        "VALUES (5, 1, 'ANSWERED', 'Queue', " + at(10, 30) + "), (5, 1, 'ANSWERED', 'Queue', " + at(11, 0)
            + "), (5, 1, 'NO ANSWER', 'Queue', " + at(11, 30) + "), (5, 1, 'BUSY', 'Queue', " + at(12, 0)
            + "), (5, 1, 'ANSWERED', 'Dial', " + at(10, 40) + "), (6, 1, 'ANSWERED', 'Queue', " + at(10, 50) + ")",
        "INSERT INTO user_sessions (rst_id_owner, rst_id_group, sign, dt_start, dt_end, duration) VALUES "
        "(2, 4, 'admin', " + at(9, 0) + ", " + at(13, 0) + ", 14400000), (6, 4, 'operator', " + at(11, 30) + ", "
            + at(11, 45) + ", 900000), (6, 2, 'operator', " + at(9, 0) + ", " + at(13, 0) + ", 14400000)",
    };
    runAll(statements);
}

void TestCallReports::cardGroup()
{
    const QJsonObject options{{"id_owners_list", QJsonArray{"9", 4, "4", "77"}}, {"utc", "180"},
                              {"dt_utc_insert_start", at(0, 0)}, {"dt_utc_insert_end", at(23, 0)}};
    QJsonArray results;
    const QStringList files = run(0, options, "tavik/cards/IndividualCardGroupReport.xlsx", &results);
    QCOMPARE(results.size(), 2);
    const QJsonObject group = results.first().toObject();
    QCOMPARE(group.value("rst_id_owner").toString(), QStringLiteral("4"));
    QCOMPARE(group.value("serie").toString(), QStringLiteral("AB/1"));
    QCOMPARE(group.value("balance").toDouble(), 100.0);
    QCOMPARE(group.value("last_balance").toDouble(), 60.0);
    const QJsonArray orders = group.value("values").toArray();
    QCOMPARE(orders.size(), 2);
    QCOMPARE(orders.at(0)["id_order"].toInt(), 100);
    QCOMPARE(orders.at(0)["route"].toString(), QStringLiteral("Kyiv, 5 -> Kyiv, Main, 7"));
    QCOMPARE(orders.at(0)["card_description"].toString(), QStringLiteral("Anna card"));
    QCOMPARE(orders.at(1)["route"].toString(), QString());
    QCOMPARE(orders.at(1)["dt_order_start"].toDouble(), 0.0);
    QCOMPARE(results.at(1)["last_balance"].toDouble(), 0.0);

    QCOMPARE(files.size(), 2);
    QVERIFY(files.at(0).endsWith("/20240305_17_07_09-AB_1.xlsx"));
    const QJsonObject sheet = ReportTest::sheet(files.at(0));
    QCOMPARE(value(sheet, "L3").toString(), QStringLiteral("05.03.2024, 17:07 UTC+03:00"));
    QCOMPARE(value(sheet, "F5").toString(), QStringLiteral("01.03.2024, 00:00 UTC+03:00"));
    QCOMPARE(value(sheet, "C7").toString(), QStringLiteral("Office"));
    QCOMPARE(value(sheet, "C8").toString(), QStringLiteral("AB/1"));
    QCOMPARE(value(sheet, "C11").toDouble(), 60.0);
    QCOMPARE(cell(sheet, "C11").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(value(sheet, "A19").toInt(), 100);
    QCOMPARE(value(sheet, "I19").toString(), QStringLiteral("01.03.2024 01:30"));
    QCOMPARE(value(sheet, "J19").toString(), QStringLiteral("01.03.2024 01:50"));
    QCOMPARE(value(sheet, "K19").toDouble(), 0.01);
    // No trip start or end in the log: empty cells, not the 1st of January 1970.
    QCOMPARE(value(sheet, "I20").toString(), QString());
    QCOMPARE(value(sheet, "J20").toString(), QString());
    QCOMPARE(value(sheet, "J22").toString(), QStringLiteral("Всього"));
    QCOMPARE(value(sheet, "K22").toDouble(), 0.02);
    QCOMPARE(cell(sheet, "K22").value("nf").toString(), QStringLiteral("0.00"));
    const QJsonObject empty = ReportTest::sheet(files.at(1));
    QCOMPARE(value(empty, "J20").toString(), QStringLiteral("Всього"));
    QCOMPARE(value(empty, "K20").toDouble(), 0.0);
    m_libreOfficeFiles.append(files.at(0));
}

void TestCallReports::companyStatistics()
{
    const QJsonObject options{{"rst_id_owner", QJsonArray{"5"}}, {"rst_id_ft", QJsonArray{2}}, {"utc", 330},
                              {"date_truncate", "hour"}, {"dt_utc_insert_start", at(10, 20, 330)},
                              {"dt_utc_insert_end", at(12, 45, 330)}};
    QJsonArray results;
    const QStringList files = run(2, options, "tavik/company/ConsolidatedCompanyReport.xlsx", &results);
    const QJsonArray buckets = results.first()["values"].toArray();
    QStringList lines;
    for (const QJsonValue &bucket : buckets) {
        QStringList fields{bucket["date_trunc"].toString().mid(11, 5)};
        for (const char *key : {"amt_all_calls", "amt_suc_calls", "amt_missed_calls", "amt_all_order", "amt_suc_order",
                                "amt_missed_order", "cashback_client", "cashback_driver", "income",
                                "income_by_comission", "income_by_comission_brand", "lost_profit", "lost_profit_brand",
                                "driver_monthly_fee"})
            fields.append(QString::number(bucket[QLatin1String(key)].toDouble()));
        lines.append(fields.join(' '));
    }
    // Steps of the operator's local hours, from the step that holds the start; served calls were
    // answered, missed ones not.
    QCOMPARE(lines, (QStringList{"10:00 2 1 1 1 0 0 0 4 50 0 0 0 0 30", "11:00 1 0 1 0 1 0 -3 0 0 7 9 0 0 0",
                                 "12:00 1 1 0 1 0 1 0 0 0 0 0 -2 0 0"}));

    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D9").toString(), QStringLiteral("01 Mar 2024, 10:20 UTC+05:30"));
    QCOMPARE(value(sheet, "A21").toString(), QStringLiteral("2024-03-01T10:00:00.000"));
    QCOMPARE(value(sheet, "B21").toInt(), 2);
    QCOMPARE(value(sheet, "I21").toDouble(), -4.0);
    QCOMPARE(value(sheet, "J21").toDouble(), 30.0);
    QCOMPARE(value(sheet, "H22").toDouble(), 3.0);
    QCOMPARE(value(sheet, "M23").toDouble(), 2.0);
    QCOMPARE(cell(sheet, "H22").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(cell(sheet, "B21").value("nf").toString(), QStringLiteral("0"));
    QVERIFY(value(sheet, "A24").isNull());
    QCOMPARE(value(sheet, "B16").toString(), QStringLiteral("=SUM(B21:B23)"));
    QCOMPARE(value(sheet, "O16").toString(), QStringLiteral("=SUM(O21:O23)"));
    // Without calculating, a reader shows each column's total.
    QCOMPARE(shown(sheet, "B16").toDouble(), 4.0);
    QString error;
    QVERIFY2(checkShownSums(sheet, &error) == 14, qPrintable(error));
    m_libreOfficeFiles.append(files.first());
}

// Every step of the period has a line of zeros; quarters step by three months.
void TestCallReports::companyStatisticsWithoutData()
{
    const QJsonObject options{{"rst_id_owner", QJsonArray{}}, {"utc", "0"}, {"date_truncate", "quarter"},
                              {"dt_utc_insert_start", QString::number(march1)},
                              {"dt_utc_insert_end", QString::number(march1 + 200LL * 24 * 3600000)}};
    QJsonArray results;
    const QStringList files = run(2, options, "tavik/company/ConsolidatedCompanyReport.xlsx", &results);
    QStringList steps;
    for (const QJsonValue &bucket : results.first()["values"].toArray()) {
        steps.append(bucket["date_trunc"].toString());
        QCOMPARE(bucket["amt_all_calls"].toInt(), 0);
        QCOMPARE(bucket["income"].toDouble(), 0.0);
    }
    QCOMPARE(steps, (QStringList{"2024-01-01T00:00:00.000", "2024-04-01T00:00:00.000", "2024-07-01T00:00:00.000"}));
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "B16").toString(), QStringLiteral("=SUM(B21:B23)"));
}

void TestCallReports::missedCallSlots_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside hours") << "10:20" << "12:45" << "10:20 11:00 12:00 12:45";
    QTest::newRow("one hour") << "10:20" << "10:50" << "10:20 10:50";
    QTest::newRow("start on the hour") << "10:00" << "11:30" << "10:00 11:00 11:30";
    QTest::newRow("end on the hour") << "10:20" << "12:00" << "10:20 11:00 12:00";
    QTest::newRow("end before start") << "10:20" << "09:00" << "10:20 09:00";
    QTest::newRow("empty") << "10:20" << "10:20" << "10:20 10:20";
}

void TestCallReports::missedCallSlots()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, expected);
    const QDateTime day(QDate(2024, 3, 1), QTime(0, 0), Qt::OffsetFromUTC, 3 * 3600);
    const auto time = [&](const QString &text) {
        return QDateTime(day.date(), QTime::fromString(text, "hh:mm"), Qt::OffsetFromUTC, 3 * 3600);
    };
    QStringList points;
    for (const QDateTime &point : Report::Tavik::MissedCall::boundaries(time(start), time(end)))
        points.append(point.toString("hh:mm"));
    QCOMPARE(points.join(' '), expected);
}

void TestCallReports::missedCalls()
{
    QJsonObject options{{"rst_id_company", "5"}, {"operators_group_id", "4"}, {"utc", "180"},
                        {"company_name", "Taxi Ltd"}, {"dt_start", at(10, 20)}, {"dt_end", at(12, 0)}};
    QJsonArray results;
    const QStringList files = run(5, options, "tavik/cdr/MissedCallsReport.xlsx", &results);
    const auto line = [](const QJsonValue &slot) {
        return QStringLiteral("%1 %2 %3 %4").arg(slot["period"].toString()).arg(slot["answered"].toInt())
            .arg(slot["skipped"].toInt()).arg(slot["operators"].toDouble());
    };
    QCOMPARE(results.size(), 2);
    // The call at 11:00 counts in the slot it opens only; the busy call at the end in the last.
    QCOMPARE(line(results.at(0)), QStringLiteral("2024-03-01 10:20 1 0 1"));
    QCOMPARE(line(results.at(1)), QStringLiteral("2024-03-01 11:00 1 2 1.25"));

    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D7").toString(), QStringLiteral("05.03.2024"));
    QCOMPARE(value(sheet, "D9").toString(), QStringLiteral("01 Mar 2024, 10:20 UTC+03:00"));
    QCOMPARE(value(sheet, "D11").toString(), QStringLiteral("Taxi Ltd"));
    QCOMPARE(value(sheet, "A21").toString(), QStringLiteral("2"));
    QCOMPARE(value(sheet, "B21").toString(), QStringLiteral("2024-03-01 11:00"));
    QCOMPARE(value(sheet, "C21").toInt(), 3);
    QCOMPARE(value(sheet, "E21").toInt(), 2);
    QCOMPARE(value(sheet, "F21").toInt(), 0);
    QCOMPARE(value(sheet, "I21").toDouble(), 1.25);
    QCOMPARE(cell(sheet, "I21").value("nf").toString(), QStringLiteral("0.00"));
    m_libreOfficeFiles.append(files.first());

    // All companies: the other company's call counts too, without a company bound.
    options["rst_id_company"] = "1";
    QCOMPARE(line(extract(5, options).first()), QStringLiteral("2024-03-01 10:20 2 0 1"));
}

void TestCallReports::hostileOptions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QJsonObject>("options");
    QTest::newRow("card group id") << 0 << QJsonObject{{"id_owners_list", QJsonArray{"4' OR '1'='1"}}};
    QTest::newRow("card group period") << 0 << QJsonObject{{"id_owners_list", QJsonArray{"4"}},
                                                           {"dt_utc_insert_end", "1 OR 1=1"}};
    QTest::newRow("company step") << 2 << QJsonObject{{"date_truncate", "hour', now()) --"}};
    QTest::newRow("company owner") << 2 << QJsonObject{{"date_truncate", "day"}, {"rst_id_owner", QJsonArray{"5 OR 1=1"}}};
    QTest::newRow("missed calls company") << 5 << QJsonObject{{"rst_id_company", "5 OR 1=1"}, {"operators_group_id", "4"}};
    QTest::newRow("missed calls period") << 5 << QJsonObject{{"rst_id_company", "5"}, {"dt_start", "0"},
                                                             {"dt_end", QString::number(40LL * 24 * 3600000)}};
}

void TestCallReports::hostileOptions()
{
    QFETCH(int, type);
    QFETCH(QJsonObject, options);
    verifyRefused(type, options, "SELECT count(*) FROM orders UNION ALL SELECT count(*) FROM call_detail_records");
}

void TestCallReports::computedByLibreOffice()
{
    const QList<QList<QStringList>> books = computedKept(3);
    if (books.isEmpty())
        return;
    QCOMPARE(books.at(0).value(21).value(10), QStringLiteral("0.02"));
    QCOMPARE(books.at(1).value(15).value(1), QStringLiteral("4"));
    QCOMPARE(books.at(1).value(15).value(14), QStringLiteral("50.00"));
    QCOMPARE(books.at(2).value(20).value(8), QStringLiteral("1.25"));
}

QTEST_GUILESS_MAIN(TestCallReports)
#include "tst_callreports.moc"
