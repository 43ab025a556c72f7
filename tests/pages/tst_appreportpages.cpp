// The application's driver balance and driver session reports in the signed-in program, opened
// from the Report menu: two drivers chosen through the driver table's REPORT selection, the report
// made by the stand-in for a user at +05:30, and the workbooks read back with openpyxl.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "reporttest.h"
#include "startup/startup.h"

#include "report/driverbalancereport.h"
#include "report/driversessionreport.h"

#include "client/utils/desktoputils.h"
#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/frame/frames.h"
#include "gui/report/interactiveownerkeepertable.h"
#include "gui/report/startenddatetimeedit.h"
#include "timelimit.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QQuickItem>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using PageControls::chooseRecords;
using PageControls::lastFrame;

namespace {

// The user's offset at the stand-in: +05:30.
const QString UserOffset = QStringLiteral("330");

// Instants in UTC: 29 February 2024 18:30 is 1 March 00:00 at +05:30.
constexpr qint64 feb29At1800 = 1709229600000; // 23:30 at the user's offset: before the period
constexpr qint64 feb29At1845 = 1709232300000; // 1 March 00:15 there
constexpr qint64 mar1At0615 = 1709273700000;  // 11:45
constexpr qint64 mar1At1200 = 1709294400000;  // 17:30
constexpr qint64 mar1At1900 = 1709319600000;  // 2 March 00:30
constexpr qint64 mar2At0500 = 1709355600000;  // 2 March 10:30

QStringList seed()
{
    const auto at = [](qint64 msecs) { return QString::number(msecs); };
    return {
        "INSERT INTO drivers (id, sign, first_name, last_name, balance, is_archived, dt_utc_insert, "
        "dt_utc_last_update) VALUES (9, 'd9', 'Ivan', 'Petrov', 12.5, 0, 1000, 1000), "
        "(10, 'd10', 'Olga', 'Koval', 3, 0, 1000, 1000), (11, 'd11', 'Anna', 'Other', 0, 0, 1000, 1000)",
        "INSERT INTO driver_balance_groups (id, code, name, dt_utc_insert, dt_utc_last_update) VALUES "
        "(50, 'earn', 'Earnings', 1000, 1000)",
        "INSERT INTO driver_balance_types (id, rst_id_bg, code, name, type_operation, dt_utc_insert, "
        "dt_utc_last_update) VALUES (60, 50, 'ord', 'Order', 1, 1000, 1000), (61, 50, 'tip', 'Tip', 1, 1000, 1000)",
        QStringLiteral("INSERT INTO driver_balance_logs (rst_id_owner, rst_id_bg, rst_id_bt, bg_name, bt_name, value, "
                       "dt_utc_insert, trn_key) VALUES "
                       "(9, 50, 60, 'Earnings', 'Order', 1, %1, 'k1'), (9, 50, 60, 'Earnings', 'Order', 10, %2, 'k2'), "
                       "(9, 50, 61, 'Earnings', 'Tip', 2.5, %3, 'k3'), (9, 50, 60, 'Earnings', 'Order', 4, %4, 'k4'), "
                       "(10, 50, 60, 'Earnings', 'Order', 7, %5, 'k5'), (11, 50, 60, 'Earnings', 'Order', 8, %5, 'k6')")
            .arg(at(feb29At1800), at(feb29At1845), at(mar1At1200), at(mar1At1900), at(mar1At0615)),
        // Closed sessions (an open one, dt_end 0, counts for nothing).
        QStringLiteral("INSERT INTO driver_sessions (rst_id_owner, sign, dt_utc_insert, dt_start, dt_end, duration) "
                       "VALUES (9, 'd9', %1, 1, 2, 3600000), (9, 'd9', %2, 1, 2, 3600000), "
                       "(9, 'd9', %3, 1, 2, 7200000), (9, 'd9', %4, 1, 2, 5400000), (9, 'd9', %4, 1, 0, 3600000), "
                       "(10, 'd10', %5, 1, 2, 1800000), (11, 'd11', %5, 1, 2, 3600000)")
            .arg(at(feb29At1800), at(feb29At1845), at(mar1At1200), at(mar1At1900), at(mar2At0500)),
    };
}

// Selects the row of the table that shows text; false when none does.
bool selectText(QTableWidget *table, const QString &text)
{
    const QList<QTableWidgetItem *> found = table->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    table->selectionModel()->select(table->model()->index(found.first()->row(), 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return true;
}

} // namespace

class TestAppReportPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void driverBalanceReport();
    void driverSessionReport();

private:
    // Opens the report frame of the Report menu's command.
    template<typename F>
    F *openFromMenu(const QString &commandId);
    // Drivers 9 and 10 through the owner table's plus button and the driver table's REPORT choice.
    void chooseDrivers(Gui::InteractiveOwnerKeeperTable *owners);
    // Create, then the workbooks written, sorted ("d10" before "d9").
    QStringList create(Gui::Report::AbstractReport *frame, int requests);

    PageProgram m_program;
    QTemporaryDir m_reports;
};

void TestAppReportPages::initTestCase()
{
    m_program.setServerArguments({"--utc-offset", UserOffset});
    const QString failure = m_program.start("appreports", {}, seed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure + '\n' + m_program.problems()));
    Gui::Context::desktopUtils()->setExportDir(m_reports.path());
}

template<typename F>
F *TestAppReportPages::openFromMenu(const QString &commandId)
{
    auto *command = Gui::Context::mainWindow()->menuBar()->findChild<QAction *>(commandId);
    if (!command)
        return nullptr;
    command->trigger();
    return qobject_cast<F *>(lastFrame());
}

void TestAppReportPages::chooseDrivers(Gui::InteractiveOwnerKeeperTable *owners)
{
    owners->findChild<QPushButton *>("plusButton")->click();
    QPointer<QObject> chooser = lastFrame();
    QVERIFY(chooser && chooser->property("state").toString() == "REPORT");
    chooseRecords(chooser, 3, {"9", "10"});
    QTRY_VERIFY(chooser.isNull());
    QList<qint64> ids = owners->ownerIdList();
    std::sort(ids.begin(), ids.end());
    QCOMPARE(ids, (QList<qint64>{9, 10}));
}

QStringList TestAppReportPages::create(Gui::Report::AbstractReport *frame, int requests)
{
    frame->createButton()->click();
    if (!m_program.waitForSent("report_trCreate", requests))
        return {};
    if (!QTest::qWaitFor([frame] { return frame->isEnabled(); }, timeLimit(30000)))
        return {};
    QStringList files = frame->writtenFiles();
    files.sort();
    return files;
}

void TestAppReportPages::driverBalanceReport()
{
    QPointer<DriverBalanceReport> frame = openFromMenu<DriverBalanceReport>("driverBalanceReport");
    QVERIFY(frame && frame->isEnabled());
    chooseDrivers(frame->ownerTable());
    // 1 March on the machine's clock, taken as 1 March at the user's +05:30.
    frame->periodEdit()->setStartDateTime(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    frame->periodEdit()->setEndDateTime(QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59, 999)));
    frame->groupTable()->clearSelection();
    QVERIFY(selectText(frame->groupTable(), "Earnings"));
    QVERIFY(selectText(frame->typeTable(), "Order"));
    QVERIFY(selectText(frame->typeTable(), "Tip"));
    frame->groupByPriceBox()->setChecked(false);

    const QStringList files = create(frame, 1);
    QVERIFY2(m_program.problems().isEmpty(), qPrintable(m_program.problems()));
    QCOMPARE(files.size(), 2);
    QVERIFY2(files.at(0).startsWith(m_reports.path() + "/driver_balance_report/") && files.at(0).endsWith("-d10.xlsx"),
             qPrintable(files.at(0)));
    QVERIFY2(files.at(1).endsWith("-d9.xlsx"), qPrintable(files.at(1)));

    const QJsonObject olga = ReportTest::sheet(files.at(0));
    QCOMPARE(ReportTest::value(olga, "E8").toString(), QString("d10"));
    QCOMPARE(ReportTest::value(olga, "E9").toString(), QString("Olga Koval"));
    QCOMPARE(ReportTest::value(olga, "C21").toString(), QString("Earnings, Order"));
    QCOMPARE(ReportTest::value(olga, "D21").toDouble(), 7.0);
    QCOMPARE(ReportTest::value(olga, "G21").toString(), QString("01.03.2024 11:45"));
    QCOMPARE(ReportTest::value(olga, "F22").toDouble(), 7.0);

    // Driver 9: the entries of 1 March at +05:30 only, in time order, with their total.
    const QJsonObject ivan = ReportTest::sheet(files.at(1));
    QCOMPARE(ReportTest::value(ivan, "E5").toString(), QString("01 Mar 2024, 00:00 UTC+05:30"));
    QCOMPARE(ReportTest::value(ivan, "E6").toString(), QString("01 Mar 2024, 23:59 UTC+05:30"));
    QCOMPARE(ReportTest::value(ivan, "E11").toDouble(), 12.5);
    QCOMPARE(ReportTest::value(ivan, "B21").toString(), QString("1"));
    QCOMPARE(ReportTest::value(ivan, "C21").toString(), QString("Earnings, Order"));
    QCOMPARE(ReportTest::value(ivan, "D21").toDouble(), 10.0);
    QCOMPARE(ReportTest::value(ivan, "E21").toDouble(), 1.0);
    QCOMPARE(ReportTest::value(ivan, "G21").toString(), QString("01.03.2024 00:15"));
    QCOMPARE(ReportTest::value(ivan, "C22").toString(), QString("Earnings, Tip"));
    QCOMPARE(ReportTest::value(ivan, "F22").toDouble(), 2.5);
    QCOMPARE(ReportTest::value(ivan, "G22").toString(), QString("01.03.2024 17:30"));
    QCOMPARE(ReportTest::value(ivan, "F23").toDouble(), 12.5);
    QVERIFY(ReportTest::value(ivan, "C23").isNull());
    frame->close();
    QTRY_VERIFY(!frame);
}

void TestAppReportPages::driverSessionReport()
{
    QPointer<DriverSessionReport> frame = openFromMenu<DriverSessionReport>("driverSessionReport");
    QVERIFY(frame && frame->isEnabled());
    chooseDrivers(frame->ownerTable());
    frame->periodEdit()->setStartDateTime(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    frame->periodEdit()->setEndDateTime(QDateTime(QDate(2024, 3, 2), QTime(23, 59, 59, 999)));

    const QStringList files = create(frame, 2);
    QVERIFY2(m_program.problems().isEmpty(), qPrintable(m_program.problems()));
    QCOMPARE(files.size(), 2);
    QVERIFY2(files.at(0).startsWith(m_reports.path() + "/driver_session_report/") && files.at(0).endsWith("-d10.xlsx"),
             qPrintable(files.at(0)));

    const QJsonObject olga = ReportTest::sheet(files.at(0));
    QCOMPARE(ReportTest::value(olga, "E10").toString(), QString("Olga Koval"));
    QVERIFY2(ReportTest::value(olga, "C21").toString().startsWith("2024-03-02"),
             qPrintable(ReportTest::value(olga, "C21").toString()));
    QCOMPARE(ReportTest::value(olga, "D21").toDouble(), 0.5);
    QVERIFY(ReportTest::value(olga, "C22").isNull());

    // Driver 9 by days at +05:30: 00:15 and 17:30 on the 1st, 00:30 on the 2nd.
    const QJsonObject ivan = ReportTest::sheet(files.at(1));
    QCOMPARE(ReportTest::value(ivan, "E9").toString(), QString("d9"));
    QCOMPARE(ReportTest::value(ivan, "E6").toString(), QString("01 Mar 2024, 00:00 UTC+05:30"));
    QVERIFY2(ReportTest::value(ivan, "C21").toString().startsWith("2024-03-01"),
             qPrintable(ReportTest::value(ivan, "C21").toString()));
    QCOMPARE(ReportTest::value(ivan, "D21").toDouble(), 3.0);
    QVERIFY2(ReportTest::value(ivan, "C22").toString().startsWith("2024-03-02"),
             qPrintable(ReportTest::value(ivan, "C22").toString()));
    QCOMPARE(ReportTest::value(ivan, "D22").toDouble(), 1.5);
    QVERIFY(ReportTest::value(ivan, "C23").isNull());
    frame->close();
    QTRY_VERIFY(!frame);
}

KORIV_PAGE_TEST_MAIN(TestAppReportPages)
#include "tst_appreportpages.moc"
