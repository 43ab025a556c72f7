#include "driversessionframe.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "startup/startup.h"

#include "client/utils/desktoputils.h"
#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/frame/frames.h"
#include "gui/report/interactiveownerkeepertable.h"
#include "gui/report/startenddatetimeedit.h"
#include "timelimit.h"
#include "xlsx/document.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QPushButton>
#include <QQuickItem>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using PageControls::chooseRecords;
using PageControls::lastFrame;

namespace {

// 1 March 2024, 00:00 in Moscow (the tests' zone and the stand-in user's offset, +03:00).
constexpr qint64 march1 = 1709240400000;
constexpr qint64 hour = 3600000;

QStringList seed()
{
    return {
        "INSERT INTO drivers (id, sign, first_name, last_name, is_archived, dt_utc_insert, dt_utc_last_update) VALUES "
        "(9, 'd9', 'Ivan', 'Petrov', 0, 1000, 1000), (10, 'd10', 'Olga', 'Koval', 0, 1000, 1000), "
        "(11, 'd11', 'Anna', 'Other', 0, 1000, 1000)",
        // Closed sessions: driver 9 at 01:00 (1 h) and 22:00 (2 h) on the 1st and on the 2nd (left
        // out); driver 11, not chosen, on the 1st.
        QStringLiteral("INSERT INTO driver_sessions (rst_id_owner, sign, dt_utc_insert, dt_start, dt_end, duration) "
                       "VALUES (9, 'd9', %1 + %2, 1, 2, 3600000), (9, 'd9', %1 + 22 * %2, 1, 2, 7200000), "
                       "(9, 'd9', %1 + 26 * %2, 1, 2, 3600000), (11, 'd11', %1 + 2 * %2, 1, 2, 3600000)")
            .arg(march1)
            .arg(hour),
    };
}

} // namespace

// A session report frame in the signed-in program: drivers chosen through the driver table's
// REPORT selection, the report made by the stand-in and written as workbooks.
class TestReportFramePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sessionReportOfChosenDrivers();
    void frameClosesWithItsChooserOpen();

private:
    PageProgram m_program;
    QTemporaryDir m_reports;
};

void TestReportFramePages::initTestCase()
{
    const QString failure = m_program.start("reportframes", {}, seed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure + '\n' + m_program.problems()));
    Gui::Context::desktopUtils()->setExportDir(m_reports.path());
}

void TestReportFramePages::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestReportFramePages::sessionReportOfChosenDrivers()
{
    auto *frame = new DriverSessionFrame;
    QPointer<DriverSessionFrame> open = frame;
    frame->periodEdit()->setStartDateTime(QDateTime::fromMSecsSinceEpoch(march1));
    frame->periodEdit()->setEndDateTime(QDateTime::fromMSecsSinceEpoch(march1 + 24 * hour - 1));
    Gui::Context::showFrame(frame, {{"isWindow", true}});
    QVERIFY(open);
    QVERIFY(frame->isEnabled());

    // Plus opens the driver table for a multiple choice; its Select hands the drivers over.
    frame->ownerTable()->findChild<QPushButton *>("plusButton")->click();
    QPointer<QObject> chooser = lastFrame();
    QVERIFY(chooser && chooser != frame);
    QCOMPARE(chooser->property("state").toString(), QString("REPORT"));
    chooseRecords(chooser, 3, {"9", "10"});
    QTRY_VERIFY(chooser.isNull());
    QStringList owners;
    for (int row = 0; row < frame->ownerTable()->table()->rowCount(); ++row)
        owners.append(frame->ownerTable()->table()->item(row, 0)->text() + ':'
                      + frame->ownerTable()->table()->item(row, 1)->text());
    owners.sort();
    QCOMPARE(owners, QStringList({"10:d10", "9:d9"}));

    frame->createButton()->click();
    QVERIFY(!frame->isEnabled());
    QVERIFY(m_program.waitForSent("report_trCreate", 1));
    QTRY_VERIFY_WITH_TIMEOUT(frame->isEnabled(), timeLimit(30000));
    QVERIFY2(m_program.problems().isEmpty(), qPrintable(m_program.problems()));

    // One workbook per driver: driver 10 has no session, driver 9 the two of the 1st by day.
    QStringList files = frame->writtenFiles();
    QCOMPARE(files.size(), 2);
    files.sort();
    for (const QString &file : files)
        QVERIFY2(file.startsWith(m_reports.path() + "/driver_session_report/"), qPrintable(file));
    Xlsx::Document olga(files.at(0));
    QVERIFY(files.at(0).endsWith("-d10.xlsx"));
    QCOMPARE(olga.read(Xlsx::CellReference("E10")).toString(), QString("Olga Koval"));
    QVERIFY(olga.read(Xlsx::CellReference("C21")).isNull());
    Xlsx::Document ivan(files.at(1));
    QCOMPARE(ivan.read(Xlsx::CellReference("E9")).toString(), QString("d9"));
    QCOMPARE(ivan.read(Xlsx::CellReference("E6")).toString(), QString("01 Mar 2024, 00:00 UTC+03:00"));
    QVERIFY2(ivan.read(Xlsx::CellReference("C21")).toString().startsWith("2024-03-01"),
             qPrintable(ivan.read(Xlsx::CellReference("C21")).toString()));
    QCOMPARE(ivan.read(Xlsx::CellReference("D21")).toDouble(), 3.0);
    QVERIFY(ivan.read(Xlsx::CellReference("C22")).isNull());
    frame->close();
}

void TestReportFramePages::frameClosesWithItsChooserOpen()
{
    // The report frame goes while its driver table is open for a choice: the table stays, still
    // chooses and closes, and no message comes of either.
    auto *frame = new DriverSessionFrame;
    QPointer<DriverSessionFrame> open = frame;
    Gui::Context::showFrame(frame, {{"isWindow", true}});
    frame->ownerTable()->findChild<QPushButton *>("plusButton")->click();
    QPointer<QObject> chooser = lastFrame();
    QVERIFY(chooser && chooser != frame);
    QObject *view = chooser->property("tableView").value<QObject *>();
    QTRY_COMPARE(view->property("rowCount").toInt(), 3);
    frame->close();
    QTRY_VERIFY(!open);
    QVERIFY(chooser);
    chooseRecords(chooser, 3, {"9"});
    QTRY_VERIFY(chooser.isNull());
}

KORIV_PAGE_TEST_MAIN(TestReportFramePages)
#include "tst_reportframepages.moc"
