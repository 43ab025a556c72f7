#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/mainwindow/clocktimelabel.h"
#include "gui/mainwindow/clockwidget.h"
#include "gui/mainwindow/maintoolbar.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "gui/widget/countindicator.h"
#include "gui/widget/indicatortoolbutton.h"
#include "delivery.h"
#include "sentmessages.h"
#include "shelltestcase.h"
#include "testglobal.h"
#include "testmainmenu.h"
#include "testmaintoolbar.h"
#include "testmainwindow.h"

#include "client/controller/notification.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "timelimit.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

// The window's settings after a trip through the server's JSON text.
QVariantMap throughJson(const QVariantMap &map)
{
    return QJsonDocument::fromJson(QJsonDocument(QJsonObject::fromVariantMap(map)).toJson()).object().toVariantMap();
}

// The session-open answer's offset; the rest of the session as the harness made it.
void setSessionOffset(const QVariant &offset)
{
    auto *session = SpSingleton<Client::Controller::UserSession>::instance();
    QVariantMap answer{{"RES", "10"}, {"rst_id_group", session->rstIdGroup()}, {"rst_id_owner", session->rstIdOwner()},
                       {"utc_dt", "0"}};
    if (offset.isValid())
        answer.insert("utc_offset", offset);
    session->onSaOpen(answer);
}

} // namespace

// The main window's tool bar with the indicator and the clock, the window's settings in the GUI
// session, and the quit that waits for the GUI session's save.
class TestWindowAndToolBar : public ShellTestCase
{
    Q_OBJECT

private slots:
    void toolBarCommands();
    void toolBarButtonsRunTheirCommands();
    void indicatorFollowsTheUnreadCount();
    void toolBarThroughTheGuiSession();
    void windowSettings();
    void clock_data();
    void clock();
    void clockRunsEverySecond();
    void clockSpeaksTheChosenLanguage();
    void quitWaitsForTheSave_data();
    void quitWaitsForTheSave();

private:
    TestMainWindow *window() const { return m_harness->window(); }
    Gui::MainToolBar *toolBar() const { return window()->mainToolBar(); }
    void deliver(const QString &controller, const QString &action, const QVariantMap &params);
};

void TestWindowAndToolBar::deliver(const QString &controller, const QString &action, const QVariantMap &params)
{
    deliverMessage(m_harness->network(), controller, action, params);
}

void TestWindowAndToolBar::toolBarCommands()
{
    QToolBar *bar = toolBar()->toolBar();
    QCOMPARE(Gui::Context::mainToolBar(), toolBar());
    QVERIFY(!bar->isMovable());
    // Set up with the default commands.
    QCOMPARE(toolBar()->commandIds(), (QStringList{"users", "launcher"}));
    QCOMPARE(window()->testToolBar()->builds, 1);

    // Empty entries are dropped; an id the menu lacks keeps its place but shows no button.
    toolBar()->setCommandIds({"options", "", "gone", "quit"});
    toolBar()->setCommandIds({"options", "", "gone", "quit"});
    QCOMPARE(toolBar()->commandIds(), (QStringList{"options", "gone", "quit"}));
    QCOMPARE(window()->testToolBar()->builds, 3);
    const QList<QAction *> actions = bar->actions();
    QCOMPARE(actions.size(), 6);
    QCOMPARE(actions.at(0)->text(), QString("Options..."));
    QVERIFY(!actions.at(1)->isVisible());
    QCOMPARE(actions.at(2)->text(), QString("Exit"));
    // Then the gap, the indicator and the clock, once each however often it was built.
    QWidget *gap = bar->widgetForAction(actions.at(3));
    QVERIFY(gap);
    QCOMPARE(gap->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(bar->widgetForAction(actions.at(4)), toolBar()->indicator());
    QCOMPARE(bar->widgetForAction(actions.at(5)), toolBar()->clock());
    QCOMPARE(bar->findChildren<Gui::ClockWidget *>().size(), 1);
    QCOMPARE(bar->findChildren<Gui::IndicatorToolButton *>().size(), 1);

    // An empty list gives the default commands again.
    toolBar()->setCommandIds({});
    QCOMPARE(toolBar()->commandIds(), (QStringList{"users", "launcher"}));

    // The buttons keep 15 pixels of room on each side of their text.
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(bar->actions().at(0)));
    QVERIFY(button);
    QVERIFY2(button->sizeHint().width() >= button->fontMetrics().horizontalAdvance("Users") + 30,
             qPrintable(QString::number(button->sizeHint().width())));
}

void TestWindowAndToolBar::toolBarButtonsRunTheirCommands()
{
    toolBar()->setCommandIds({"users", "drivers"});
    const QList<QAction *> actions = toolBar()->toolBar()->actions();
    actions.at(0)->trigger();
    actions.at(1)->trigger();
    actions.at(1)->trigger();
    QCOMPARE(window()->testMenu()->runs.value("users"), 1);
    QCOMPARE(window()->testMenu()->runs.value("drivers"), 2);
    // A click on the indicator opens the notification table (which needs the application's QML
    // types, absent from the shell's test bed: the attempt is what shows here).
    m_harness->messages().expect("Failed to create QML object from URL qrc:/qml/notification/NotificationTable.qml");
    toolBar()->indicator()->click();
    QVERIFY(m_harness->messages().takeMissing().isEmpty());
}

void TestWindowAndToolBar::indicatorFollowsTheUnreadCount()
{
    Client::Controller::Notification *notifications = m_harness->global()->notification();
    Gui::IndicatorToolButton *indicator = toolBar()->indicator();
    QCOMPARE(indicator->indicator()->count(), 0);
    QVERIFY(!indicator->indicator()->isVisibleTo(indicator));
    emit notifications->unreadCountChanged(4);
    QCOMPARE(indicator->indicator()->count(), 4);
    QVERIFY(indicator->indicator()->isVisibleTo(indicator));
    emit notifications->unreadCountChanged(0);
    QVERIFY(!indicator->indicator()->isVisibleTo(indicator));
    // A rebuilt bar follows the counter as well.
    toolBar()->setCommandIds({"quit"});
    emit notifications->unreadCountChanged(2);
    QCOMPARE(toolBar()->indicator()->indicator()->count(), 2);
}

void TestWindowAndToolBar::toolBarThroughTheGuiSession()
{
    Gui::GuiSession *session = m_harness->global()->guiSession();
    toolBar()->setCommandIds({"options", "gone", "users"});
    const QVariantMap stored = throughJson(session->collect());
    QCOMPARE(stored.value(window()->settingsName()).toMap().value("toolBar").toStringList(),
             (QStringList{"options", "gone", "users"}));
    toolBar()->setCommandIds({"quit"});
    session->restore(stored);
    QCOMPARE(toolBar()->commandIds(), (QStringList{"options", "gone", "users"}));
    QCOMPARE(toolBar()->toolBar()->actions().at(0)->text(), QString("Options..."));

    // A session stored before any choice gives the defaults.
    QVariantMap old = stored;
    QVariantMap windowSettings = old.value(window()->settingsName()).toMap();
    windowSettings.remove("toolBar");
    old.insert(window()->settingsName(), windowSettings);
    session->restore(old);
    QCOMPARE(toolBar()->commandIds(), (QStringList{"users", "launcher"}));
}

void TestWindowAndToolBar::windowSettings()
{
    QCOMPARE(window()->settingsName(), QString("testMainWindow"));
    const QVariantMap settings = window()->saveSettings();
    // No tabs: -1.
    QCOMPARE(settings.value("currentTabIndex").toInt(), -1);
    QVERIFY(settings.value("window").toMap().contains("width"));
    QCOMPARE(settings.value("toolBar").toStringList(), (QStringList{"users", "launcher"}));
}

void TestWindowAndToolBar::clock_data()
{
    QTest::addColumn<QVariant>("offset");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("offsetText");
    QTest::addColumn<QString>("date");
    // Tuesday 5 March 2024, 21:45:30 UTC.
    QTest::newRow("UTC+0 stays UTC+0") << QVariant("0") << "21:45" << "Tuesday" << "UTC 00:00" << "05 Mar 2024";
    QTest::newRow("+180, the next day") << QVariant("180") << "00:45" << "Wednesday" << "UTC +03:00" << "06 Mar 2024";
    QTest::newRow("-300") << QVariant("-300") << "16:45" << "Tuesday" << "UTC -05:00" << "05 Mar 2024";
    QTest::newRow("+330, half an hour") << QVariant(330) << "03:15" << "Wednesday" << "UTC +05:30" << "06 Mar 2024";
    // No offset in the answer: the computer's (the tests run in Europe/Moscow).
    QTest::newRow("absent") << QVariant() << "00:45" << "Wednesday" << "UTC +03:00" << "06 Mar 2024";
}

void TestWindowAndToolBar::clock()
{
    QFETCH(QVariant, offset);
    QFETCH(QString, time);
    QFETCH(QString, weekday);
    QFETCH(QString, offsetText);
    QFETCH(QString, date);
    const qint64 moment = QDateTime(QDate(2024, 3, 5), QTime(21, 45, 30), Qt::UTC).toMSecsSinceEpoch();
    setSessionOffset(offset);
    Gui::ClockWidget clock;
    clock.setClock([moment] { return moment; });
    QCOMPARE(clock.timeLabel()->text(), time);
    QCOMPARE(clock.weekdayLabel()->text(), weekday);
    QCOMPARE(clock.offsetLabel()->text(), offsetText);
    QCOMPARE(clock.dateLabel()->text(), date);
    // The weekday shows in capitals; the time keeps its own size when the user changes fonts.
    QCOMPARE(clock.weekdayLabel()->font().capitalization(), QFont::AllUppercase);
    QCOMPARE(clock.timeLabel()->font().pointSize(), 25);
    QVERIFY(clock.timeLabel()->font().bold());
    QVERIFY(dynamic_cast<Gui::Helper::CustomLabelFontSize *>(clock.timeLabel()));
    setSessionOffset("180");
}

void TestWindowAndToolBar::clockRunsEverySecond()
{
    setSessionOffset("0");
    Gui::ClockWidget *clock = toolBar()->clock();
    qint64 moment = QDateTime(QDate(2024, 3, 5), QTime(10, 0), Qt::UTC).toMSecsSinceEpoch();
    clock->setClock([&moment] { return moment; });
    QCOMPARE(clock->timeLabel()->text(), QString("10:00"));
    moment += 60 * 1000;
    QTRY_COMPARE_WITH_TIMEOUT(clock->timeLabel()->text(), QString("10:01"), timeLimit(2500));
    clock->setClock([] { return QDateTime::currentMSecsSinceEpoch(); });
    setSessionOffset("180");
}

void TestWindowAndToolBar::clockSpeaksTheChosenLanguage()
{
    // Tuesday 5 March 2024, 21:45:30 at UTC+0, whatever the computer's own language (C here).
    setSessionOffset("0");
    const qint64 moment = QDateTime(QDate(2024, 3, 5), QTime(21, 45, 30), Qt::UTC).toMSecsSinceEpoch();
    const auto shown = [moment] {
        Gui::ClockWidget clock;
        clock.setClock([moment] { return moment; });
        return QStringList{clock.timeLabel()->text(), clock.weekdayLabel()->text(), clock.dateLabel()->text()};
    };
    Gui::Context::setLanguage("ru");
    QCOMPARE(shown(), (QStringList{"21:45", QString::fromUtf8("вторник"), QString::fromUtf8("05 мар. 2024")}));
    Gui::Context::setLanguage("uk");
    QCOMPARE(shown(), (QStringList{"21:45", QString::fromUtf8("вівторок"), QString::fromUtf8("05 бер. 2024")}));
    // The tool bar's clock, made anew with the bar, follows as well.
    toolBar()->setCommandIds({"quit"});
    toolBar()->clock()->setClock([moment] { return moment; });
    QCOMPARE(toolBar()->clock()->weekdayLabel()->text(), QString::fromUtf8("вівторок"));
    Gui::Context::setLanguage("en");
    QCOMPARE(shown(), (QStringList{"21:45", "Tuesday", "05 Mar 2024"}));
    Gui::Context::setLanguage(QString());
    setSessionOffset("180");
}

void TestWindowAndToolBar::quitWaitsForTheSave_data()
{
    QTest::addColumn<QString>("autoSave");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("waits");
    QTest::newRow("the unlock answers") << "1" << "own" << true;
    QTest::newRow("a refused unlock answers too") << "1" << "refused" << true;
    QTest::newRow("no answer: the time-out") << "1" << "" << true;
    QTest::newRow("no auto-save: nothing to wait for") << "0" << "" << false;
}

void TestWindowAndToolBar::quitWaitsForTheSave()
{
    QFETCH(QString, autoSave);
    QFETCH(QString, answer);
    QFETCH(bool, waits);
    TestGlobal *global = m_harness->global();
    const QString receiver = global->userGuiSession()->objectNumber();
    deliver("userGuiSession", "saListInfo",
            {{"id", "12"}, {"name", "work"}, {"note", ""}, {"is_default", "0"}, {"auto_save", autoSave},
             {"value", ""}, {"rst_id_owner", "5"}, {"RECEIVER", receiver}});
    global->guiSession()->switchCurrent(12);
    window()->setQuitTimeout(answer.isEmpty() ? 50ms : 60s);
    SentMessages sent(m_harness->network());

    window()->quit();
    const QStringList save{"userGuiSession_trLock", "userGuiSession_trUpdate", "userGuiSession_trUnlock"};
    if (!waits) {
        QCOMPARE(sent.names(), QStringList{"userSession_trClose"});
        QCOMPARE(window()->exits, 1);
        return;
    }
    QCOMPARE(sent.names(), save);
    QCOMPARE(window()->exits, 0);
    // Nothing else may be done meanwhile, and a second quit changes nothing.
    QVERIFY(!window()->isEnabled());
    window()->quit();
    QCOMPARE(sent.count(), 3);
    if (!answer.isEmpty()) {
        // Another controller's unlock is not the save's.
        deliver("userGuiSession", "saUnlock", {{"RES", "10"}, {"id", "12"}, {"RECEIVER", "999"}});
        QCOMPARE(sent.count(), 3);
        const QString res = answer == "own" ? "10" : "0";
        deliver("userGuiSession", "saUnlock", {{"RES", res}, {"id", "12"}, {"RECEIVER", receiver}});
    }
    QTRY_COMPARE(sent.names(), save + QStringList{"userSession_trClose"});
    QCOMPARE(sent.maps().last().value("type_close").toInt(), 3);
    QCOMPARE(window()->exits, 1);
    // A late answer after the time-out closes nothing twice.
    deliver("userGuiSession", "saUnlock", {{"RES", "10"}, {"id", "12"}, {"RECEIVER", receiver}});
    QTest::qWait(timeLimit(80));
    QCOMPARE(window()->exits, 1);
}

QTEST_MAIN(TestWindowAndToolBar)
#include "tst_mainwindow.moc"
