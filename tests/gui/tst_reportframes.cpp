#include "driversessionframe.h"
#include "client/controller/report.h"
#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "client/utils/desktoputils.h"
#include "common/core/singleton/spsingleton.h"
#include "controller/balance/driverbalancegroup.h"
#include "controller/balance/driverbalancetype.h"
#include "gui/core/context.h"
#include "gui/report/balance.h"
#include "gui/report/datetruncatecombobox.h"
#include "gui/report/interactiveownerkeepertable.h"
#include "gui/report/startenddatetimeedit.h"
#include "gui/widget/toastwindow.h"
#include "modalwatchdog.h"
#include "oneday.h"
#include "optionrights.h"
#include "overridecursor.h"
#include "sentmessages.h"
#include "timelimit.h"
#include "xlsx/document.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using Gui::Report::AbstractReport;

namespace {

const QString driverPage = QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml");

class OwnerFrame : public Gui::Report::Owner
{
public:
    OwnerFrame()
        : Owner(driverPage)
    {
    }
    int reportType() const override { return 13; }
    QString accessName() const override { return QStringLiteral("driverConsolidatedReport"); }
    QString outputName() const override { return QStringLiteral("driver_report"); }
    QString templatePath() const override
    {
        return QStringLiteral(":/files_template/mirsel/driver/ConsolidateDriverReport.xlsx");
    }
};

// A frame with a request of its own besides the report, as a list of owners asked of the server.
class ApplyFrame : public OwnerFrame
{
public:
    void apply() { startWaiting(); }
    bool applied() { return finishWaiting(); }
    void waitingAbandoned() override { ++abandoned; }
    int abandoned = 0;
};

class BalanceFrame : public Gui::Report::Balance
{
public:
    BalanceFrame()
        : Balance(driverPage)
    {
    }
    int reportType() const override { return 14; }
    QString accessName() const override { return QStringLiteral("driverBalanceReport"); }
    QString outputName() const override { return QStringLiteral("driver_balance_report"); }
    Client::Controller::DesktopController *balanceGroupController() const override { return &m_groups; }
    Client::Controller::DesktopController *balanceTypeController() const override { return &m_types; }

private:
    mutable DriverBalanceGroup m_groups;
    mutable DriverBalanceType m_types;
};

// Milliseconds of a wall-clock time at an offset in minutes.
qint64 at(const QDate &date, const QTime &time, int offsetMinutes)
{
    return QDateTime(date, time, Qt::OffsetFromUTC, offsetMinutes * 60).toMSecsSinceEpoch();
}

QJsonObject optionsOf(const QVariantMap &request)
{
    return QJsonDocument::fromJson(request.value("options").toString().toUtf8()).object();
}

QStringList columnTexts(const QTableWidget *table, int column = 0)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, column)->text());
    return texts;
}

QStringList toastTexts()
{
    QStringList texts;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *toast = qobject_cast<Gui::ToastWindow *>(widget))
            texts.append(toast->message());
    }
    return texts;
}

void clearToasts()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Gui::ToastWindow *>(widget))
            delete widget;
    }
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

} // namespace

// The shell's report frames: their checks before sending, the requests they send, and what they do
// with the answer, over a scripted network.
class TestReportFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void periodEditor();
    void builtOptions();
    void ownerTables();
    void nothingSentWithoutOwnersTypesOrRight();
    void ownerAndSessionRequests();
    void balanceRequestKeepsTheShownIds();
    void answers();
    void noAnswer();

private:
    void answer(AbstractReport *frame, const QString &receiver, const QVariantMap &params);
    void balanceRows();

    std::unique_ptr<Gui::Context> m_context;
    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<SentMessages> m_sent;
    std::unique_ptr<OptionRights> m_rights;
    std::unique_ptr<Client::DesktopUtils> m_utils;
    QTemporaryDir m_reports;
    ModalWatchdog m_watchdog;
};

void TestReportFrames::initTestCase()
{
    QCOMPARE(QDateTime::currentDateTime().offsetFromUtc(), 3 * 3600);
    m_context = std::make_unique<Gui::Context>();
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    m_utils = std::make_unique<Client::DesktopUtils>();
    m_utils->setExportDir(m_reports.path());
    Gui::Context::setDesktopUtils(m_utils.get());
}

void TestReportFrames::init()
{
    m_rights = std::make_unique<OptionRights>();
    SpSingleton<Client::Controller::UserSession>::instance()->handleMessage(
        "saOpen", {{"RES", "10"}, {"rst_id_group", "2"}, {"rst_id_owner", "5"}, {"utc_dt", "0"}, {"utc_offset", "330"}});
    for (const QString &report : QStringList{"driverConsolidatedReport", "driverSessionReport", "driverBalanceReport"})
        m_rights->grantRead(report);
    m_sent = std::make_unique<SentMessages>(m_net.get());
}

void TestReportFrames::cleanup()
{
    clearToasts();
    m_sent.reset();
    m_rights.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(popOverrideCursors(), 0);
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
}

// Delivers a report answer as the network thread hands it over.
void TestReportFrames::answer(AbstractReport *frame, const QString &receiver, const QVariantMap &params)
{
    QSignalSpy delivered(frame->reportController(), &Client::Controller::Report::saCreate);
    QVariantMap message = params;
    message.insert("FN", "report_saCreate");
    message.insert("RECEIVER", receiver);
    m_net->dispatchMessage("report", "saCreate", message);
    QVERIFY(delivered.wait(timeLimit(5000)));
    QCoreApplication::sendPostedEvents();
}

void TestReportFrames::periodEditor()
{
    const QTime dayEnd(23, 59, 59, 999);
    // Each preset on the day it was set: a day that ends meanwhile sets it again.
    std::unique_ptr<Gui::StartEndDateTimeEdit> yesterday;
    QDate today = onOneDay(&QDate::currentDate, [&] { yesterday = std::make_unique<Gui::StartEndDateTimeEdit>(1); });
    QCOMPARE(yesterday->startDateTime(), QDateTime(today.addDays(-1), QTime(0, 0)));
    QCOMPARE(yesterday->endDateTime(), QDateTime(today.addDays(-1), dayEnd));
    QVERIFY(yesterday->applyButton()->isHidden());

    struct Case
    {
        QVector<int> presets;
        // The start and the end from today: days, months and years back.
        int startDays;
        int startMonths;
        int startYears;
        int endDays;
    };
    // A preset outside the table keeps the start.
    for (const Case &c : {Case{{0}, 0, 0, 0, 0}, Case{{2}, -7, 0, 0, -1}, Case{{3}, 0, -1, 0, -1},
                          Case{{4}, 0, 0, -1, -1}, Case{{4, 9}, 0, 0, -1, -1}}) {
        QDateTime start;
        QDateTime end;
        today = onOneDay(&QDate::currentDate, [&] {
            for (const int preset : c.presets)
                yesterday->setPeriod(preset);
            start = yesterday->startDateTime();
            end = yesterday->endDateTime();
        });
        QCOMPARE(start, QDateTime(today.addDays(c.startDays).addMonths(c.startMonths).addYears(c.startYears), QTime(0, 0)));
        QCOMPARE(end, QDateTime(today.addDays(c.endDays), dayEnd));
    }

    QSignalSpy applied(yesterday.get(), &Gui::StartEndDateTimeEdit::applyClicked);
    yesterday->setApplyButtonVisible(true);
    QVERIFY(!yesterday->applyButton()->isHidden());
    yesterday->applyButton()->click();
    QCOMPARE(applied.count(), 1);
}

void TestReportFrames::builtOptions()
{
    // The machine runs at +03:00; the user is at +05:30.
    const QDate date(2031, 3, 14);
    const qint64 start = at(date, QTime(10, 30, 45), 180);
    const qint64 end = at(date, QTime(23, 59, 59, 999), 180);
    const QJsonObject sent = QJsonDocument::fromJson(
        AbstractReport::buildOptions({{"utc", "330"}, {"dt_utc_insert_start", start},
                                      {"dt_utc_insert_end", QString::number(end)},
                                      {"id_owners_list", QVariantList{5, "7", qint64(12345678901)}},
                                      {"rst_id_owner", QVariantList{9}}, {"date_truncate", "day"}})
            .toUtf8()).object();
    QCOMPARE(sent, QJsonObject({{"utc", "330"},
                                {"dt_utc_insert_start", QString::number(at(date, QTime(10, 30, 45), 330))},
                                {"dt_utc_insert_end", QString::number(at(date, QTime(23, 59, 59, 999), 330))},
                                {"id_owners_list", QJsonArray{"5", "7", "12345678901"}},
                                {"rst_id_owner", QJsonArray{9}}, {"date_truncate", "day"}}));

    // Without "utc" the machine's offset is taken and the instants stay as they are.
    QCOMPARE(AbstractReport::buildOptions({{"dt_utc_insert_start", start}}),
             QStringLiteral("{\"dt_utc_insert_start\":\"%1\"}").arg(start));
    QCOMPARE(AbstractReport::buildOptions({{"utc", -240}}), QStringLiteral("{\"utc\":\"-240\"}"));
}

void TestReportFrames::ownerTables()
{
    QWidget frame;
    Gui::InteractiveOwnerKeeperTable owners(driverPage, &frame);
    QVERIFY(owners.findChild<QPushButton *>("plusButton"));
    owners.addOwner(12, "d12");
    QTest::ignoreMessage(QtWarningMsg, "Owner without a numeric id skipped: x bad");
    owners.addSelection(QVariantList{QVariantMap{{"id", "7"}, {"sign", "d7"}}, QVariantMap{{"id", 12}, {"sign", "again"}},
                                     QVariantMap{{"id", "x"}, {"sign", "bad"}},
                                     QVariantMap{{"id", "12345678901234"}, {"sign", "big"}}});
    QCOMPARE(columnTexts(owners.table(), 1), QStringList({"d12", "d7", "big"}));
    QCOMPARE(owners.ownerIds(), QJsonArray({12, 7, qint64(12345678901234)}));
    QCOMPARE(owners.ownerIdTexts(), QJsonArray({"12", "7", "12345678901234"}));
    QCOMPARE(owners.ownerNames(), QJsonArray({"d12", "d7", "big"}));

    // Minus without a current row removes nothing; with one, that row.
    auto *minus = owners.findChild<QPushButton *>("minusButton");
    owners.table()->setCurrentCell(-1, -1);
    minus->click();
    QCOMPARE(owners.table()->rowCount(), 3);
    owners.table()->setCurrentCell(1, 0);
    minus->click();
    QCOMPARE(columnTexts(owners.table()), QStringList({"12", "12345678901234"}));
    QCOMPARE(owners.table()->currentRow(), -1);
    // A batch keeps its order and skips ids kept already or met earlier in it.
    owners.addOwners({{7, "d7"}, {12, "dup"}, {7, "again"}, {8, "d8"}});
    QCOMPARE(columnTexts(owners.table()), QStringList({"12", "12345678901234", "7", "8"}));
    QCOMPARE(owners.ownerNames(), QJsonArray({"d12", "big", "d7", "d8"}));
    QVERIFY(owners.isValid());
    owners.findChild<QPushButton *>("removeAllButton")->click();
    QCOMPARE(owners.table()->rowCount(), 0);
    QVERIFY(!owners.isValid());
    QCOMPARE(m_watchdog.takeBoxes().first().text, QString("Absent owners for creating report"));

    Gui::InteractiveOwnerKeeperTable noSource(QString(), &frame);
    QVERIFY(!noSource.findChild<QPushButton *>("plusButton"));
    QVERIFY(noSource.findChild<QPushButton *>("minusButton"));
    Gui::InteractiveOwnerKeeperTable filledByItsFrame(&frame);
    QVERIFY(filledByItsFrame.findChildren<QPushButton *>().isEmpty());
}

void TestReportFrames::nothingSentWithoutOwnersTypesOrRight()
{
    OwnerFrame owner;
    DriverSessionFrame session;
    BalanceFrame balance;
    balanceRows();
    balance.beforeShow();
    for (AbstractReport *frame : std::initializer_list<AbstractReport *>{&owner, &session, &balance}) {
        frame->createButton()->click();
        QCOMPARE(m_watchdog.takeBoxes().first().text, QString("Absent owners for creating report"));
        QVERIFY(frame->isEnabled());
    }
    // A period that ends before it starts.
    session.ownerTable()->addOwner(9, "d9");
    session.periodEdit()->setStartDateTime(session.periodEdit()->endDateTime().addSecs(1));
    session.createButton()->click();
    QCOMPARE(m_watchdog.takeBoxes().first().text, Gui::StartEndDateTimeEdit::reversedText());
    session.periodEdit()->setPeriod(1);
    session.ownerTable()->table()->setRowCount(0);

    balance.ownerTable()->addOwner(9, "d9");
    balance.typeTable()->clearSelection();
    balance.createButton()->click();
    QCOMPARE(m_watchdog.takeBoxes().first().text, QString("Balance types is not selected"));
    QCOMPARE(m_sent->count(), 0);

    // Without the read right a shown frame says so and closes; Create sends nothing either.
    m_rights->clear();
    auto *shown = new DriverSessionFrame;
    QPointer<DriverSessionFrame> open = shown;
    shown->ownerTable()->addOwner(9, "d9");
    shown->show();
    shown->afterShow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!open);
    session.ownerTable()->addOwner(9, "d9");
    session.createButton()->click();
    QCOMPARE(m_watchdog.texts(), QStringList({AbstractReport::noAccessText(), AbstractReport::noAccessText()}));
    m_watchdog.reset();
    QCOMPARE(m_sent->count(), 0);
}

void TestReportFrames::ownerAndSessionRequests()
{
    const QDate day(2024, 3, 1);
    const auto setUp = [&](Gui::Report::Owner &frame) {
        frame.periodEdit()->setStartDateTime(QDateTime(day, QTime(0, 0)));
        frame.periodEdit()->setEndDateTime(QDateTime(day, QTime(23, 59, 59, 999)));
        frame.ownerTable()->addOwner(9, "d9");
        frame.ownerTable()->addOwner(10, "d10");
        // Above 2^53: a JSON number would round it.
        frame.ownerTable()->addOwner(9007199254740993, "big");
        frame.createButton()->click();
    };
    OwnerFrame owner;
    setUp(owner);
    DriverSessionFrame session;
    QCOMPARE(session.truncateBox()->value(), QString("day"));
    setUp(session);
    session.truncateBox()->setCurrentIndex(4);
    QCOMPARE(session.truncateBox()->value(), QString("quarter"));

    const QJsonObject period{{"utc", "330"},
                             {"dt_utc_insert_start", QString::number(at(day, QTime(0, 0), 330))},
                             {"dt_utc_insert_end", QString::number(at(day, QTime(23, 59, 59, 999), 330))}};
    QCOMPARE(m_sent->count(), 2);
    QVariantMap sent = m_sent->maps().at(0);
    QCOMPARE(sent.take("options").toString().isEmpty(), false);
    QCOMPARE(sent, QVariantMap({{"FN", "report_trCreate"}, {"RECEIVER", owner.reportController()->objectNumber()},
                                {"type", 13}}));
    QJsonObject expected = period;
    expected.insert("id_owners_list", QJsonArray{"9", "10", "9007199254740993"});
    QCOMPARE(optionsOf(m_sent->maps().at(0)), expected);

    sent = m_sent->maps().at(1);
    QCOMPARE(sent.value("type").toInt(), 15);
    QCOMPARE(sent.value("RECEIVER").toString(), session.reportController()->objectNumber());
    QVERIFY(session.reportController()->objectNumber() != owner.reportController()->objectNumber());
    expected = period;
    expected.insert("rst_id_owner", QJsonArray{"9", "10", "9007199254740993"});
    expected.insert("date_truncate", "day");
    QCOMPARE(optionsOf(sent), expected);

    // A frame waiting for its answer is disabled and sends no second request.
    QVERIFY(!session.isEnabled());
    session.createButton()->click();
    QCOMPARE(m_sent->count(), 2);
    answer(&owner, owner.reportController()->objectNumber(), {{"RES", "0"}, {"ERRCODE", "51"}});
    answer(&session, session.reportController()->objectNumber(), {{"RES", "0"}, {"ERRCODE", "51"}});
    QCOMPARE(m_watchdog.takeBoxes().size(), 2);
}

void TestReportFrames::balanceRows()
{
    DriverBalanceGroup groups;
    groups.originalModel()->clear();
    for (const QStringList &row : {QStringList{"1", "All groups"}, {"3", "Refills"}, {"4", "Bonuses"}}) {
        QVariantMap map{{"id", row[0]}, {"name", row[1]}};
        groups.prepareRow(map);
        groups.originalModel()->addRow(map);
    }
    DriverBalanceType types;
    types.originalModel()->clear();
    for (const QStringList &row : {QStringList{"1", "1", "All types"}, {"11", "3", "Card"}, {"12", "3", "Cash"},
                                   {"13", "4", "Order"}, {"14", "4", "Fine"}}) {
        QVariantMap map{{"id", row[0]}, {"rst_id_bg", row[1]}, {"name", row[2]}, {"type_operation", "1"}};
        types.prepareRow(map);
        types.originalModel()->addRow(map);
    }
}

void TestReportFrames::balanceRequestKeepsTheShownIds()
{
    balanceRows();
    BalanceFrame frame;
    frame.beforeShow();
    QCOMPARE(columnTexts(frame.groupTable()), QStringList({"Bonuses", "Refills"}));
    QCOMPARE(columnTexts(frame.typeTable()), QStringList({"Fine", "Order"}));
    QVERIFY(frame.groupByPriceBox()->isChecked());

    // No group chosen: every type but the placeholder; both groups: the types of both.
    frame.groupTable()->clearSelection();
    QCOMPARE(columnTexts(frame.typeTable()), QStringList({"Card", "Cash", "Fine", "Order"}));
    frame.groupTable()->selectAll();
    QCOMPARE(frame.typeTable()->rowCount(), 4);
    frame.groupTable()->clearSelection();
    frame.groupTable()->selectRow(0);

    // The types chosen in the table are sent, even after the list behind it was reloaded in another order.
    frame.typeTable()->item(1, 0)->setSelected(true);
    frame.typeTable()->item(0, 0)->setSelected(true);
    DriverBalanceType types;
    types.originalModel()->clear();
    for (const QStringList &row : {QStringList{"15", "4", "Aaa"}, {"14", "4", "Fine"}, {"13", "4", "Order"}}) {
        QVariantMap map{{"id", row[0]}, {"rst_id_bg", row[1]}, {"name", row[2]}};
        types.originalModel()->addRow(map);
    }
    frame.ownerTable()->addOwner(10, "d10");
    frame.ownerTable()->addOwner(9, "d9");
    frame.groupByPriceBox()->setChecked(false);
    const QDate day(2024, 2, 29);
    frame.periodEdit()->setStartDateTime(QDateTime(day, QTime(6, 0, 15)));
    frame.periodEdit()->setEndDateTime(QDateTime(day, QTime(18, 0)));
    frame.createButton()->click();

    QCOMPARE(m_sent->count(), 1);
    const QVariantMap sent = m_sent->maps().first();
    QCOMPARE(sent.value("type").toInt(), 14);
    QCOMPARE(optionsOf(sent), QJsonObject({{"rst_id_owner", QJsonArray{"10", "9"}},
                                           {"rst_id_bt", QJsonArray{"13", "14"}},
                                           {"group_by_bt", false},
                                           {"sign_role", "sign"},
                                           {"utc", "330"},
                                           {"dt_utc_insert_start", QString::number(at(day, QTime(6, 0, 15), 330))},
                                           {"dt_utc_insert_end", QString::number(at(day, QTime(18, 0), 330))}}));
    answer(&frame, frame.reportController()->objectNumber(), {{"RES", "0"}, {"ERRCODE", "51"}});
    m_watchdog.reset();
}

void TestReportFrames::answers()
{
    DriverSessionFrame frame;
    frame.ownerTable()->addOwner(9, "d9");
    const QString folder = m_reports.filePath("driver_session_report");
    const QJsonObject options{{"rst_id_owner", QJsonArray{9}}, {"date_truncate", "day"}, {"utc", "330"},
                              {"dt_utc_insert_start", "1709251200000"}, {"dt_utc_insert_end", "1709337599999"}};
    const QJsonObject owner{{"rst_id_owner", "9"}, {"sign", "d9"}, {"full_name", "Ivan Petrov"},
                            {"values", QJsonArray{QJsonObject{{"date_trunc", "2024-03-01T00:00:00"}, {"duration", 7200}}}}};
    const auto json = [&](const QJsonArray &results) {
        return QString::fromUtf8(
            QJsonDocument(QJsonObject{{"options", options}, {"results", results}}).toJson(QJsonDocument::Compact));
    };
    const auto request = [&] {
        frame.createButton()->click();
        return frame.isEnabled() ? QString() : frame.reportController()->objectNumber();
    };

    // Another frame's answer and answers for all leave the frame waiting.
    QString receiver = request();
    QVERIFY(!receiver.isEmpty());
    answer(&frame, QString::number(receiver.toInt() + 1000), {{"RES", "10"}, {"JSON", json({owner})}});
    answer(&frame, "ALL", {{"RES", "10"}, {"JSON", json({owner})}});
    QVERIFY(!frame.isEnabled());
    QVERIFY(filesBelow(folder).isEmpty());

    // Refused: the reason is shown, nothing is written.
    answer(&frame, receiver,
           {{"RES", "0"}, {"ERRCODE", "180"}, {"exception_description", "report tool failed: bad step"}});
    QVERIFY(frame.isEnabled());
    QCOMPARE(m_watchdog.boxes().size(), 1);
    QVERIFY2(m_watchdog.texts().first().startsWith("REPORT: The server could not make the report"),
             qPrintable(m_watchdog.texts().first()));
    QVERIFY(m_watchdog.texts().first().contains("bad step"));
    QVERIFY(filesBelow(folder).isEmpty());
    QVERIFY(toastTexts().isEmpty());
    m_watchdog.reset();

    // Made: the workbook is written below the frame's folder; the toast says so and where, and
    // the frame keeps the path in text that can be copied.
    QVERIFY(frame.writtenLabel()->isHidden());
    receiver = request();
    answer(&frame, receiver, {{"RES", "10"}, {"JSON", json({owner})}});
    QVERIFY(frame.isEnabled());
    QCOMPARE(frame.writtenFiles().size(), 1);
    const QString path = QDir::toNativeSeparators(frame.writtenFiles().first());
    QCOMPARE(toastTexts(), QStringList({AbstractReport::successText() + '\n' + path}));
    QVERIFY(!frame.writtenLabel()->isHidden());
    QCOMPARE(frame.writtenLabel()->text(), "Saved as:\n" + path);
    QVERIFY(frame.writtenLabel()->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(filesBelow(folder), frame.writtenFiles());
    QVERIFY(frame.writtenFiles().first().startsWith(folder + '/'));
    Xlsx::Document book(frame.writtenFiles().first());
    QCOMPARE(book.read(Xlsx::CellReference("E9")).toString(), QString("d9"));
    QCOMPARE(book.read(Xlsx::CellReference("E10")).toString(), QString("Ivan Petrov"));
    clearToasts();

    // Made but empty, or not a report at all: no success toast.
    receiver = request();
    answer(&frame, receiver, {{"RES", "10"}, {"JSON", json({})}});
    receiver = request();
    answer(&frame, receiver, {{"RES", "10"}, {"JSON", "[1, 2]"}});
    QCOMPARE(toastTexts(), QStringList());
    QVERIFY(frame.writtenLabel()->isHidden());
    QCOMPARE(m_watchdog.boxes().size(), 2);
    QCOMPARE(m_watchdog.boxes().at(0).icon, QMessageBox::Information);
    QVERIFY(m_watchdog.texts().at(0).contains("no data"));
    QCOMPARE(m_watchdog.boxes().at(1).icon, QMessageBox::Critical);
    QVERIFY(m_watchdog.texts().at(1).contains("not a JSON object"));
    m_watchdog.reset();
    QCOMPARE(filesBelow(folder).size(), 1);
}

void TestReportFrames::noAnswer()
{
    DriverSessionFrame frame;
    QCOMPARE(frame.answerTimeout(), 600000ms);
    frame.setAnswerTimeout(50ms);
    frame.ownerTable()->addOwner(9, "d9");
    frame.createButton()->click();
    const QString first = m_sent->maps().last().value("RECEIVER").toString();
    QVERIFY(!frame.isEnabled());
    QTRY_VERIFY(frame.isEnabled());
    QCOMPARE(m_watchdog.texts(),
             QStringList({"The server did not answer within 1 second(s): the report was not created"}));
    m_watchdog.reset();

    // A late answer is not taken; the next request goes out under another number.
    const QJsonObject data{{"options", QJsonObject{}},
                           {"results", QJsonArray{QJsonObject{{"sign", "d9"}, {"values", QJsonArray{}}}}}};
    m_net->dispatchMessage("report", "saCreate",
                           {{"FN", "report_saCreate"}, {"RECEIVER", first}, {"RES", "10"},
                            {"JSON", QString::fromUtf8(QJsonDocument(data).toJson())}});
    QTest::qWait(timeLimit(50));
    QVERIFY(toastTexts().isEmpty());
    QVERIFY(frame.writtenFiles().isEmpty());
    frame.setAnswerTimeout(300000ms);
    frame.createButton()->click();
    QCOMPARE(m_sent->count(), 2);
    QVERIFY(m_sent->maps().last().value("RECEIVER").toString() != first);

    // A lost connection ends the waiting at once.
    QVERIFY(!frame.isEnabled());
    emit m_net->connectionState(false);
    QVERIFY(frame.isEnabled());
    QCOMPARE(m_watchdog.texts(), QStringList({"The connection to the server was lost: the report was not created"}));
    m_watchdog.reset();

    // Asked while the connection is down: said at once, nothing sent; asked again once it is back.
    const int sentBefore = m_sent->count();
    frame.createButton()->click();
    QVERIFY(frame.isEnabled());
    QCOMPARE(m_sent->count(), sentBefore);
    QCOMPARE(m_watchdog.texts(), QStringList({"There is no connection to the server: the report was not created"}));
    m_watchdog.reset();
    emit m_net->connectionState(true);
    frame.createButton()->click();
    QCOMPARE(m_sent->count(), sentBefore + 1);
    QVERIFY(!frame.isEnabled());
    emit m_net->connectionState(false);
    m_watchdog.reset();

    // A request of the frame's own waits the same way; its late answer is refused.
    ApplyFrame apply;
    apply.setAnswerTimeout(20ms);
    apply.apply();
    QVERIFY(!apply.isEnabled());
    QTRY_VERIFY(apply.isEnabled());
    QCOMPARE(apply.abandoned, 1);
    QVERIFY(!apply.applied());
    apply.apply();
    QVERIFY(apply.applied());
    QVERIFY(apply.isEnabled());
    QCOMPARE(apply.abandoned, 1);
    QCOMPARE(m_watchdog.takeBoxes().size(), 1);
}

QTEST_MAIN(TestReportFrames)
#include "tst_reportframes.moc"
