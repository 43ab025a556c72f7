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

QString at(double hours)
{
    return QString::number(march1 + qint64(hours * hour));
}

QJsonObject period(double hours)
{
    return {{"utc", "180"}, {"dt_utc_insert_start", at(0)}, {"dt_utc_insert_end", at(hours)}};
}

} // namespace

// The reports on the dispatcher server's operators: salaries, calls, duties and transactions,
// against PostgreSQL and read back.
class TestUserReports : public DatabaseTestCase
{
    Q_OBJECT

private slots:
    void consolidatedSalary();
    void individualSalary();
    void userCalls();
    void userDuties();
    void userTransactions();
    void hostileOptions_data();
    void hostileOptions();
    void computedByLibreOffice();

private:
    void seed() override;
};

// Operators 41 (Olga) and 42 (Petro, first by the inner note).
void TestUserReports::seed()
{
    const QStringList statements{
        "INSERT INTO users (id, sign, first_name, middle_name, last_name, inner_note, balance) VALUES "
        "(41, 'op41', 'Olga', 'P.', 'Koval', 'b', 12), (42, 'op42', 'Petro', '', 'Bondar', 'a', 0)",
        "INSERT INTO user_balance_types (id, code) VALUES (2, 'sys.salary.salary_calls_debit'), "
        "(3, 'sys.orders.order_created_debit'), (4, 'sys.salary.salary_by_hours_debit'), "
        "(5, 'sys.salary.salary_payment_credit')",
        "INSERT INTO user_balance_logs (rst_id_owner, rst_id_bt, bg_name, bt_name, value, note, dt_utc_insert, trn_key) "
        "VALUES (41, 2, 'Salary', 'Calls', 10, '', " + at(1) + ", 'a1'), (41, 2, 'Salary', 'Calls', 10, '', " + at(2)
            + ", 'a2'), (41, 2, 'Salary', 'Calls', 10, '', " + at(3) + ", 'a3'), "
            "(41, 3, 'Salary', 'Orders', 5, '', " + at(1) + ", 'a4'), (41, 3, 'Salary', 'Orders', 5, '', " + at(2)
            + ", 'a5'), (41, 4, 'Salary', 'Hours', 30, '01:30:00 *20', " + at(4) + ", 'a6'), "
            "(41, 4, 'Salary', 'Hours', 40, '02:00:00 **20.0', " + at(5) + ", 'a7'), "
            "(41, 4, 'Salary', 'Hours', 10, '00:30:00 *20', " + at(6) + ", 'a8'), "
            "(41, 5, 'Salary', 'Paid', -150, '', " + at(240 + 48) + ", 'a9'), "
            "(41, 5, 'Salary', 'Paid', -999, '', " + at(240 + 24 * 40) + ", 'a10'), "
            "(42, 4, 'Salary', 'Hours', 50, '02:00:00 *25', " + at(1) + ", 'b1'), "
            "(42, 4, 'Salary', 'Hours', 7, 'bad note *20', " + at(2) + ", 'b2'), "
            "(42, 4, 'Salary', 'Hours', 9, '25:00:00 *20', " + at(3) + ", 'b3')",
        "INSERT INTO user_sessions (rst_id_owner, sign, dt_utc_insert, dt_start, dt_end, duration) VALUES "
        "(41, 'op41', " + at(1) + ", " + at(1) + ", " + at(7) + ", 21600000), (42, 'op42', " + at(1) + ", " + at(1)
            + ", " + at(2) + ", 3600000)",
        // Calls: 41 takes the first call of its own order 300 and a second one, a driver's call on
        // 42's order 301, a call without an order, a call too short and a call of its own line;
        // 42 calls about order 300 only.
        "INSERT INTO orders (id, rst_id_user_order_created, dt_utc_insert, is_completed, completed_code) VALUES "
        "(300, 41, " + at(1) + ", 1, 5000), (301, 42, " + at(1) + ", 0, 0)",
        "INSERT INTO call_detail_records (id, rst_id_user, rst_id_order, rst_id_drv, rst_id_client, coming_type, "
        "billable_seconds, source, dt_utc_insert) VALUES (1001, 41, 300, 1, 5, 1, 60, '380501', " + at(1)
            + "), (1002, 41, 300, 1, 5, 1, 30, '380502', " + at(1.5) + "), (1003, 41, 301, 7, 1, 2, 90, '380503', "
            + at(2) + "), (1004, 41, 1, 1, 1, 1, 20, '380504', " + at(2) + "), (1005, 41, 300, 1, 5, 1, 2, '380505', "
            + at(2) + "), (1006, 41, 1, 1, 1, 2, 40, '101', " + at(3) + "), (1007, 42, 300, 1, 5, 1, 50, '380507', "
            + at(3) + ")",
        // Duties: night (order 1) and day (order 2) journals at the same time, one out of the period.
        "INSERT INTO user_duty_types (id, name, order_index) VALUES (2, 'Day', 2), (3, 'Night', 1)",
        "INSERT INTO user_planing_duty_journals (id, dt_start, rst_id_duty_type, units_amount, hours_amount) VALUES "
        "(12, " + at(10) + ", 2, 3, 8), (13, " + at(10) + ", 3, 2, 7.5), (14, " + at(900) + ", 2, 9, 9)",
        "INSERT INTO user_duties (rst_id_owner, rst_id_plan_duty_journal) VALUES (41, 12), (41, 12), (41, 13), "
        "(42, 12), (42, 1), (42, 14)",
        // Transactions of 41: two equal card group changes, a refill without its completion flag and
        // a change of 42's balance.
        "INSERT INTO companies (id, sign, uuid_company, company_name) VALUES (5, 'c5', 'c5', 'Taxi Ltd')",
        "INSERT INTO card_groups (id, sign, serie, rst_id_company) VALUES (4, 'g4', 'AB', 5)",
        "INSERT INTO card_balance_logs (rst_id_owner, rst_id_user_created, sign_user_created, bg_name, bt_name, value, "
        "note, dt_utc_insert, trn_key) VALUES (4, 41, 'op41', 'Cards', 'Refill', 100, 'twice', " + at(3)
            + ", 't1'), (4, 41, 'op41', 'Cards', 'Refill', 100, 'twice', " + at(3) + ", 't2')",
        "INSERT INTO driver_refill_balance_logs (rst_id_user, sign_user, sign_drv, company_name, value, "
        "trn_out_completed, note, dt_utc_insert) VALUES (41, 'op41', 'd9', 'Taxi Ltd', 25.5, NULL, 'cash', " + at(4)
            + "), (42, 'op42', 'd9', 'Taxi Ltd', 1, 1, '', " + at(4) + ")",
        "INSERT INTO user_balance_logs (rst_id_owner, rst_id_user_created, sign_user_created, bg_name, bt_name, value, "
        "dt_utc_insert, trn_key) VALUES (42, 41, 'op41', 'Salary', 'Bonus', 7, " + at(5) + ", 't3')",
    };
    runAll(statements);
}

void TestUserReports::consolidatedSalary()
{
    QJsonObject options = period(240);
    options["id_owners_list"] = QJsonArray{"41", 42};
    QJsonArray results;
    const QStringList files = run(3, options, "tavik/user/ConsolidatedUserSalaryReport.xlsx", &results);
    QCOMPARE(results.size(), 2);
    QCOMPARE(results.at(0)["sign"].toString(), QStringLiteral("op42"));
    const QJsonObject olga = results.at(1).toObject();
    QCOMPARE(olga.value("name").toString(), QStringLiteral("Koval Olga P."));
    QCOMPARE(olga.value("hour_salary_count").toDouble(), 6.0);
    QCOMPARE(olga.value("call_salary_count").toInt(), 3);
    QCOMPARE(olga.value("order_salary_sum").toDouble(), 10.0);
    QCOMPARE(olga.value("hour_salary_sum").toDouble(), 80.0);
    QCOMPARE(olga.value("salary_credit").toDouble(), 150.0);

    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "F5").toString(), QStringLiteral("01 Mar 2024, 03:00 UTC+03:00"));
    QCOMPARE(value(sheet, "B11").toString(), QStringLiteral("op42"));
    // Petro has no call or order credits: no price per call or order.
    QCOMPARE(value(sheet, "F11").toString(), QStringLiteral("n/a"));
    QCOMPARE(value(sheet, "I11").toString(), QStringLiteral("n/a"));
    QCOMPARE(value(sheet, "L11").toDouble(), 66.0);
    QCOMPARE(value(sheet, "D12").toInt(), 3);
    QCOMPARE(value(sheet, "F12").toDouble(), 10.0);
    QCOMPARE(value(sheet, "I12").toDouble(), 5.0);
    QCOMPARE(value(sheet, "M12").toDouble(), 20.0);
    QCOMPARE(value(sheet, "N12").toDouble(), 120.0);
    QCOMPARE(value(sheet, "P12").toDouble(), -30.0);
    QCOMPARE(cell(sheet, "E12").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(cell(sheet, "F12").value("nf").toString(), QStringLiteral("General"));
    m_libreOfficeFiles.append(files.first());
}

void TestUserReports::individualSalary()
{
    QJsonObject options = period(240);
    options["id_owners_list"] = QJsonArray{"41", "42", "99"};
    QJsonArray results;
    const QStringList files = run(4, options, "tavik/user/IndividualUserSalaryReport.xlsx", &results);
    QCOMPARE(results.size(), 2);
    QStringList rows;
    for (const QJsonValue &row : results.at(0)["values"].toArray())
        rows.append(QStringLiteral("%1 %2 %3").arg(row["name"].toString()).arg(row["count"].toDouble())
                        .arg(row["amount"].toDouble()));
    QCOMPARE(rows, (QStringList{"Salary, Hours 4 20", "Salary, Calls 3 10", "Salary, Orders 2 5"}));
    // Only the well-formed note of Petro's three counts.
    QCOMPARE(results.at(1)["values"].toArray().size(), 1);

    QCOMPARE(files.size(), 2);
    QVERIFY(files.at(0).endsWith("/op41-20240305_17_07_09.xlsx"));
    const QJsonObject sheet = ReportTest::sheet(files.at(0));
    QCOMPARE(value(sheet, "E8").toString(), QStringLiteral("op41"));
    QCOMPARE(value(sheet, "E9").toString(), QStringLiteral("Olga Koval"));
    QCOMPARE(value(sheet, "E11").toDouble(), 12.0);
    QCOMPARE(value(sheet, "C16").toString(), QStringLiteral("Salary, Hours"));
    QVERIFY(cell(sheet, "C16").value("wrap").toBool());
    QCOMPARE(value(sheet, "C17").toDouble(), 4.0);
    QCOMPARE(value(sheet, "C19").toDouble(), 80.0);
    QCOMPARE(value(sheet, "E19").toDouble(), 10.0);
    QCOMPARE(value(sheet, "B21").toString(), QString());
    QCOMPARE(value(sheet, "D21").toString(), QStringLiteral("Итого"));
    QCOMPARE(value(sheet, "E21").toDouble(), 120.0);
    QCOMPARE(sheet.value("heights").toObject().value("16").toDouble(), 48.0);
    const QJsonObject petro = ReportTest::sheet(files.at(1));
    QCOMPARE(value(petro, "B21").toString(), QStringLiteral("Итого"));
    QCOMPARE(value(petro, "C21").toDouble(), 50.0);
    m_libreOfficeFiles.append(files.at(0));
}

void TestUserReports::userCalls()
{
    QJsonObject options = period(240);
    options["id_owners_list"] = QJsonArray{"41", 42};
    options["min_call_duration"] = "5";
    options["user_number_length"] = 3;
    QJsonArray results;
    const QStringList files = run(7, options, "user/ConsolidatedUserCallsReportBase.xlsx", &results);
    const QJsonArray operators = results.first()["values"].toArray();
    QCOMPARE(operators.size(), 2);
    const QJsonObject petro = operators.at(0).toObject();
    QCOMPARE(petro.value("sign").toString(), QStringLiteral("op42"));
    // Petro's call on an existing order has no first call of a new one beside it: it still counts.
    QCOMPARE(petro.value("amt_exist_calls").toInt(), 1);
    QVERIFY(!petro.contains("amt_new_calls"));
    const QJsonObject olga = operators.at(1).toObject();
    QCOMPARE(olga.value("time_online").toInt(), 21600);
    QCOMPARE(olga.value("amt_all_calls").toInt(), 5);
    QCOMPARE(olga.value("amt_new_calls").toInt(), 1);
    QCOMPARE(olga.value("amt_exist_calls").toInt(), 3);
    QCOMPARE(olga.value("amt_driver_calls").toInt(), 1);
    QCOMPARE(olga.value("amt_user_calls").toInt(), 1);
    QCOMPARE(olga.value("amt_all_orders").toInt(), 1);
    QCOMPARE(olga.value("amt_suc_completed").toInt(), 1);
    QCOMPARE(olga.value("avg_billable_seconds_new_calls").toDouble(), 60.0);
    QCOMPARE(olga.value("avg_billable_seconds_exist_calls").toDouble(), 45.0);
    QCOMPARE(olga.value("avg_billable_seconds_driver_calls").toDouble(), 90.0);

    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D11").toInt(), 10);
    QCOMPARE(value(sheet, "B21").toString(), QStringLiteral("op42"));
    QCOMPARE(value(sheet, "R21").toDouble(), 1.0);
    QCOMPARE(value(sheet, "S21").toString(), QStringLiteral("n/a"));
    QCOMPARE(value(sheet, "J21").toDouble(), 100.0);
    QCOMPARE(value(sheet, "C22").toDouble(), 6.0);
    QCOMPARE(value(sheet, "D22").toDouble(), 0.25);
    QCOMPARE(value(sheet, "G22").toDouble(), 20.0);
    QCOMPARE(value(sheet, "P22").toString(), QStringLiteral("n/a"));
    QVERIFY(qAbs(value(sheet, "R22").toDouble() - 5.0 / 6) < 1e-6);
    QCOMPARE(value(sheet, "S22").toString(), QStringLiteral("n/a"));
    QCOMPARE(value(sheet, "V22").toDouble(), 20.0);
    QCOMPARE(value(sheet, "E16").toString(), QStringLiteral("=SUM(E21:E22)"));
    QCOMPARE(value(sheet, "D16").toString(), QStringLiteral("=SUM(D21:D22)"));
    QCOMPARE(value(sheet, "U16").toString(), QStringLiteral("=SUM(U21:U22)"));
    // Without calculating, a reader shows each total.
    QString error;
    QVERIFY2(checkShownSums(sheet, &error) == 9, qPrintable(error));
    m_libreOfficeFiles.append(files.first());

    // Nobody of the list: totals over no row are not written backwards.
    options["id_owners_list"] = QJsonArray{"99"};
    const QStringList empty = run(7, options, "user/ConsolidatedUserCallsReportBase.xlsx", &results);
    QCOMPARE(value(ReportTest::sheet(empty.first()), "E16").toString(), QStringLiteral("=SUM(E21:E21)"));
}

void TestUserReports::userDuties()
{
    const QJsonObject options{{"utc", "180"}, {"dt_start_start", at(0)}, {"dt_start_end", at(240)},
                              {"only_assigned_owners", true}};
    QJsonArray results;
    const QStringList files = run(8, options, "tavik/user/ConsolidatedUserDutiesReport.xlsx", &results);
    const QJsonObject duty = results.first().toObject();
    QCOMPARE(duty.value("total_values").toObject(),
             (QJsonObject{{"plan_amount", "5"}, {"plan_amount_hours", "39"}, {"reserve_amount", "4"},
                          {"reserve_amount_hours", "31.5"}}));
    QCOMPARE(duty.value("journals").toArray().size(), 2);
    QCOMPARE(duty.value("journals").toArray().first()["duty_type_name"].toString(), QStringLiteral("Night"));
    QCOMPARE(duty.value("users").toArray().size(), 2);

    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "D7").toInt(), 10);
    const QVector<QPair<const char *, double>> numbers{{"B11", 5},   {"B12", 4},   {"B13", 1},  {"B14", 39},
                                                       {"B15", 31.5}, {"B16", 7.5}, {"H11", 2},  {"H12", 1},
                                                       {"H14", 15},  {"H15", 7.5}, {"I11", 3},  {"I15", 24}};
    for (const auto &[reference, number] : numbers)
        QCOMPARE(value(sheet, reference).toDouble(), number);
    QCOMPARE(value(sheet, "H17").toString(), QStringLiteral("Night"));
    QCOMPARE(value(sheet, "H18").toString(), QStringLiteral("01.03, 13:00"));
    int olgaRow = 0;
    for (int row : {21, 22}) {
        if (value(sheet, QStringLiteral("A%1").arg(row)).toString() == QLatin1String("op41"))
            olgaRow = row;
    }
    QVERIFY(olgaRow > 0);
    const int petroRow = olgaRow == 21 ? 22 : 21;
    QCOMPARE(value(sheet, QStringLiteral("B%1").arg(olgaRow)).toDouble(), 2.0);
    QCOMPARE(value(sheet, QStringLiteral("C%1").arg(olgaRow)).toDouble(), 23.5);
    QCOMPARE(value(sheet, QStringLiteral("D%1").arg(olgaRow)).toString(), QStringLiteral("."));
    QCOMPARE(value(sheet, QStringLiteral("H%1").arg(olgaRow)).toString(), QStringLiteral("X"));
    QCOMPARE(value(sheet, QStringLiteral("I%1").arg(olgaRow)).toString(), QStringLiteral("X"));
    QCOMPARE(value(sheet, QStringLiteral("H%1").arg(petroRow)).toString(), QStringLiteral("."));
    QCOMPARE(value(sheet, QStringLiteral("I%1").arg(petroRow)).toString(), QStringLiteral("X"));
    // The second journal column past the template's looks like the first.
    QCOMPARE(cell(sheet, QStringLiteral("I%1").arg(petroRow)).value("border").toString(), QStringLiteral("dotted"));
    QVERIFY(value(sheet, "A23").isNull());

    QJsonObject everyone = options;
    everyone["only_assigned_owners"] = false;
    const QJsonArray users = extract(8, everyone).first()["users"].toArray();
    QCOMPARE(users.size(), m_pg->scalar("SELECT count(*) FROM users WHERE id > 1").toInt());

    // An answer with a user twice, an empty journal and duties of no listed user or journal:
    // the marks go to the user's last row, the others are dropped, every other cell is a dot.
    const QJsonArray answer{QJsonObject{
        {"total_values", QJsonObject{}},
        {"journals", QJsonArray{QJsonObject{{"journal_id", "12"}}, QJsonObject{}, QJsonObject{{"journal_id", "13"}}}},
        {"users", QJsonArray{QJsonObject{{"rst_id_owner", "41"}, {"sign", "first"}},
                             QJsonObject{{"rst_id_owner", "42"}, {"sign", "other"}},
                             QJsonObject{{"rst_id_owner", "41"}, {"sign", "again"}}}},
        {"values", QJsonArray{QJsonObject{{"rst_id_owner", "41"}, {"journal_id", "13"}},
                              QJsonObject{{"rst_id_owner", "42"}, {"journal_id", "12"}},
                              QJsonObject{{"rst_id_owner", "99"}, {"journal_id", "12"}},
                              QJsonObject{{"rst_id_owner", "42"}, {"journal_id", "99"}}}}}};
    QTemporaryDir folder;
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(8);
    const QStringList written =
        write(*report, options, answer, folder.path(), "tavik/user/ConsolidatedUserDutiesReport.xlsx");
    QCOMPARE(written.size(), 1);
    const QJsonObject grid = ReportTest::sheet(written.first());
    const QStringList expected{"first|....|..", "other|....|X.", "again|....|.X"};
    for (int i = 0; i < 3; ++i) {
        const int row = 21 + i;
        QString seen = value(grid, QStringLiteral("A%1").arg(row)).toString() + QLatin1Char('|');
        for (const char *column : {"D", "E", "F", "G"})
            seen += value(grid, QLatin1String(column) + QString::number(row)).toString();
        seen += QLatin1Char('|') + value(grid, QStringLiteral("H%1").arg(row)).toString()
            + value(grid, QStringLiteral("I%1").arg(row)).toString();
        QCOMPARE(seen, expected.at(i));
        QVERIFY(value(grid, QStringLiteral("J%1").arg(row)).isNull());
    }
    QVERIFY(value(grid, "A24").isNull());
}

void TestUserReports::userTransactions()
{
    QJsonObject options = period(240);
    options["id_owners_list"] = QJsonArray{41};
    QJsonArray results;
    const QStringList files = run(10, options, "tavik/user/UserTransactionsReport.xlsx", &results);
    QStringList rows;
    for (const QJsonValue &row : results)
        rows.append(QStringLiteral("%1|%2|%3|%4|%5").arg(row["destination"].toString(), row["transaction_type"].toString(),
                                                        row["value"].toString(), row["confirm"].toString(),
                                                        row["company"].toString()));
    // Newest first; the two equal card group changes both.
    QCOMPARE(rows, (QStringList{"Пользователь op42|Salary : Bonus|7|-1|", "Водитель d9|Пополнение|25.5||Taxi Ltd",
                                "Группа карт серия AB|Cards : Refill|100|-1|Taxi Ltd",
                                "Группа карт серия AB|Cards : Refill|100|-1|Taxi Ltd"}));
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(value(sheet, "E3").toString(), QStringLiteral("05.03.2024"));
    QCOMPARE(value(sheet, "B13").toString(), QStringLiteral("1"));
    QCOMPARE(value(sheet, "H13").toString(), QStringLiteral("Не требуется"));
    QCOMPARE(value(sheet, "G14").toDouble(), 25.5);
    QCOMPARE(cell(sheet, "G14").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(value(sheet, "H14").toString(), QStringLiteral("Нет"));
    QCOMPARE(value(sheet, "J14").toString(), QStringLiteral("01.03.2024, 07:00"));
    QCOMPARE(value(sheet, "B16").toString(), QStringLiteral("4"));
    QVERIFY(value(sheet, "B17").isNull());
    m_libreOfficeFiles.append(files.first());
}

void TestUserReports::hostileOptions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QJsonObject>("options");
    QTest::newRow("salary ids") << 3 << QJsonObject{{"id_owners_list", QJsonArray{"41) OR (1=1"}}};
    QTest::newRow("salary huge id") << 3 << QJsonObject{{"id_owners_list", QJsonArray{"999999999999999999999"}}};
    QTest::newRow("transaction ids") << 10 << QJsonObject{{"id_owners_list", QJsonArray{"41); DELETE FROM users; --"}}};
    QTest::newRow("salary owner") << 4 << QJsonObject{{"id_owners_list", QJsonArray{"41"}},
                                                      {"dt_utc_insert_start", "0' OR '1'='1"}};
    QTest::newRow("calls period") << 7 << QJsonObject{{"id_owners_list", QJsonArray{"41"}},
                                                      {"dt_utc_insert_start", "0; DELETE FROM users"}};
    QTest::newRow("duties period") << 8 << QJsonObject{{"dt_start_start", "0 OR 1=1"}};
}

void TestUserReports::hostileOptions()
{
    QFETCH(int, type);
    QFETCH(QJsonObject, options);
    verifyRefused(type, options, "SELECT count(*) FROM users UNION ALL SELECT count(*) FROM user_balance_logs");
}

void TestUserReports::computedByLibreOffice()
{
    const QList<QList<QStringList>> books = computedKept(4);
    if (books.isEmpty())
        return;
    QCOMPARE(books.at(0).value(11).value(12), QStringLiteral("20.00"));
    QCOMPARE(books.at(1).value(20).value(4), QStringLiteral("120.00"));
    QCOMPARE(books.at(2).value(15).value(4), QStringLiteral("6"));
    QCOMPARE(books.at(2).value(15).value(2), QStringLiteral("7.00"));
    QCOMPARE(books.at(3).value(13).value(6), QStringLiteral("25.50"));
}

QTEST_GUILESS_MAIN(TestUserReports)
#include "tst_userreports.moc"
