#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/frame/frames.h"
#include "gui/frame/frameutils.h"
#include "gui/frame/maintabwidget.h"
#include "gui/mainwindow/guisessionmenu.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "gui/tablemodel/originalmodel.h"
#include "rowscontroller.h"
#include "shellharness.h"
#include "standinshell.h"
#include "testcontroller.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "client/controller/security/securityoption.h"
#include "client/controller/user/userguisession.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "timelimit.h"

#include <QActionGroup>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace Client::Controller;

namespace {

QVariantMap waitAnswer(QSignalSpy &spy, const std::function<bool(const QVariantMap &)> &match)
{
    QVariantMap found;
    const bool arrived = QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &answer : spy) {
                if (match(answer.first().toMap())) {
                    found = answer.first().toMap();
                    return true;
                }
            }
            return false;
        },
        timeLimit(10000));
    return arrived ? found : QVariantMap();
}

std::function<bool(const QVariantMap &)> ownAnswer(const ItemController &controller)
{
    const QString number = controller.objectNumber();
    return [number](const QVariantMap &answer) { return answer.value("RECEIVER").toString() == number; };
}

} // namespace

// The shell signed in to the stand-in over PostgreSQL: the first session-open answer loads the
// shared lists, a GUI session kept in user_gui_sessions is switched to, saved and read back, and
// a widget table follows the server through the network thread.
class TestShellStandin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void signInLoadsTheSharedLists();
    void guiSessionOnTheServer();
    void widgetTableFollowsTheServer();

private:
    StandinShell m_shell;
    ShellHarness *m_harness = nullptr;
    QString m_owner;
};

void TestShellStandin::initTestCase()
{
    const QString failure = m_shell.start("shell");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_harness = m_shell.harness();
    QVERIFY(m_harness->showFreshWindow());
}

void TestShellStandin::cleanupTestCase()
{
    const QString problems = m_harness->problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestShellStandin::signInLoadsTheSharedLists()
{
    TestGlobal *global = m_harness->global();
    SpSingleton<UserSession>::instance()->trOpen();
    QTRY_VERIFY_WITH_TIMEOUT(global->loadedCount() > 0, timeLimit(10000));
    // The loading ends with the GUI-session list of the user.
    QTRY_VERIFY_WITH_TIMEOUT(!global->loadingWindow(), timeLimit(15000));
    m_owner = SpSingleton<UserSession>::instance()->rstIdOwner();
    QVERIFY(!m_owner.isEmpty());
    QVERIFY(global->securityOption()->originalModel()->rowCount() > 900);
    QVERIFY(global->userGroupSecurityOption()->originalModel()->rowCount() > 0);
    QVERIFY(global->user()->originalModel()->rowCount() > 0);
    QVERIFY(global->securityState(global->user(), "read"));
    QCOMPARE(global->stages.first(), 0);
    QVERIFY(m_harness->watchdog().boxes().isEmpty());
}

void TestShellStandin::guiSessionOnTheServer()
{
    TestGlobal *global = m_harness->global();
    Gui::GuiSession *session = global->guiSession();
    // A GUI session made on the editor page's own controller: the menu takes it from the answer.
    UserGuiSession editor;
    QSignalSpy created(&editor, &DesktopController::saNew);
    const QVariantMap stored{{"testMainWindow", QVariantMap{{"currentTabIndex", 0}}},
                             {"openFrames", QVariantList{QVariantMap{{"url", TestPageUrl}, {"isWindow", false}, {"id", "4"},
                                                                     {"isNewInstance", true}}}},
                             {"tmpFramesSettings", QVariantMap{{"someDialog", QVariantMap{{"width", 320}}}}}};
    editor.trNew({{"name", "work"}, {"note", ""}, {"auto_save", "1"}, {"is_default", "1"}, {"rst_id_owner", m_owner},
                  {"value", QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(stored)).toJson(QJsonDocument::Compact))}});
    const QVariantMap answer = waitAnswer(created, ownAnswer(editor));
    QCOMPARE(answer.value("RES").toString(), QString("10"));
    const int id = answer.value("id").toInt();
    Gui::Private::GuiSessionMenu *menu = m_harness->window()->guiSessionMenu();
    QTRY_VERIFY(menu->actionGroup() && menu->actionGroup()->actions().size() == 1);
    QCOMPARE(menu->actionGroup()->actions().first()->text(), QString("work"));

    // Switched to: the stored page opens.
    session->switchCurrent(id);
    QCOMPARE(global->frames()->count(), 1);
    QCOMPARE(Gui::Utils::frameId(global->frames()->at(0)), 4);
    QCOMPARE(session->frameSettings("someDialog").value("width").toInt(), 320);
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName() + " (work)");

    // Another page, then the save: lock, update and unlock, all accepted.
    Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}, {"id", "6"}});
    UserGuiSession *list = global->userGuiSession();
    QSignalSpy unlocked(list, &DesktopController::saUnlock);
    QSignalSpy updated(list, &DesktopController::saUpdate);
    QSignalSpy locked(list, &DesktopController::saLock);
    session->save(true);
    for (QSignalSpy *spy : {&locked, &updated, &unlocked})
        QCOMPARE(waitAnswer(*spy, ownAnswer(*list)).value("RES").toString(), QString("10"));
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName() + " (work)");

    // What the server keeps: both pages.
    UserGuiSession reader;
    reader.setUseTrGetList(true);
    QSignalSpy rows(&reader, &ItemController::saListInfo);
    QSignalSpy ends(&reader, &ItemController::saGetList);
    QVERIFY(reader.trGetList({{"rst_id_owner", m_owner}}, true));
    waitAnswer(ends, [&](const QVariantMap &a) { return ownAnswer(reader)(a) && a.value("STATE") == "end"; });
    QVariantMap row;
    for (const QList<QVariant> &r : rows) {
        if (r.first().toMap().value("id").toInt() == id)
            row = r.first().toMap();
    }
    const QVariantMap value = QJsonDocument::fromJson(row.value("value").toString().toUtf8()).object().toVariantMap();
    QList<int> ids;
    for (const QVariant &frame : value.value("openFrames").toList())
        ids.append(frame.toMap().value("id").toInt());
    QCOMPARE(ids, (QList<int>{4, 6}));
    QCOMPARE(value.value("testMainWindow").toMap().value("currentTabIndex").toInt(), 1);

    // Closed and switched to again: both pages come back.
    session->reset();
    QTRY_COMPARE(global->frames()->count(), 0);
    QTRY_COMPARE(locked.count(), 2);
    session->switchCurrent(id);
    QCOMPARE(global->frames()->count(), 2);
    QCOMPARE(Gui::Context::mainTabWidget()->currentIndex(), 1);
}

void TestShellStandin::widgetTableFollowsTheServer()
{
    RowsController table("city");
    table.handle("srInserted");
    TestController cities("city");
    QSignalSpy created(&cities, &DesktopController::saNew);
    cities.trNew({{"name", "Shell city"}});
    const QString id = waitAnswer(created, ownAnswer(cities)).value("id").toString();
    QVERIFY(!id.isEmpty());
    // The new record is pushed to this client's own tables as well.
    QTRY_VERIFY(std::any_of(table.handled.cbegin(), table.handled.cend(), [&](const auto &push) {
        return push.first == "srInserted" && push.second.value("id").toString() == id;
    }));
    // The widget table's list comes through the network thread.
    QSignalSpy ends(&table, &RowsController::saGetList);
    table.trGetList({});
    QTRY_VERIFY_WITH_TIMEOUT(!ends.isEmpty() && ends.last().first().toMap().value("STATE") == "end", timeLimit(10000));
    Gui::OriginalModel *rows = table.originalModel();
    const int row = rows->rowOfId(id.toLongLong());
    QVERIFY(row >= 0);
    QCOMPARE(rows->row(row).value("name").toString(), QString("Shell city"));
    // Removed on a page of this client: the widget table lets it go too.
    QSignalSpy removed(&cities, &DesktopController::saRemove);
    cities.trRemove({{"id", id}});
    QCOMPARE(waitAnswer(removed, ownAnswer(cities)).value("RES").toString(), QString("10"));
    QTRY_COMPARE(rows->rowOfId(id.toLongLong()), -1);
}

QTEST_MAIN(TestShellStandin)
#include "tst_shellstandin.moc"
