#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/frame/framecreators.h"
#include "gui/frame/frames.h"
#include "gui/frame/frameutils.h"
#include "gui/frame/maintabwidget.h"
#include "gui/mainwindow/guisessionmenu.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "delivery.h"
#include "messagecatcher.h"
#include "sentmessages.h"
#include "shelltestcase.h"
#include "testframe.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "client/controller/user/userguisession.h"

#include <QActionGroup>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

using Client::Controller::UserGuiSession;

namespace {

QString json(const QVariantMap &map)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Compact));
}

} // namespace

// Saved GUI sessions: the arrangement collected, closed and restored, switching and saving
// through the user's GUI-session list, and the GUI-session menu.
class TestGuiSessions : public ShellTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void frameSettings();
    void collectResetRestore();
    void transientFramesAreNotKept();
    void saving_data();
    void saving();
    void switching();
    void badStoredValues_data();
    void badStoredValues();
    void menu();
    void menuFollowsTheAnswers();

private:
    // A row of the user's GUI-session list, as the list answer brings it.
    void addSessionRow(const QString &id, const QString &name, const QString &isDefault, const QString &autoSave,
                       const QString &value = QString());
    void deliver(const QString &action, const QVariantMap &params);
    QObject *openPage(const QString &id, bool window = false, const QString &state = QString());
    // Lets deferred deletions run, so closed frames are gone.
    static void settle();
    Gui::GuiSession *session() const { return m_harness->global()->guiSession(); }
    UserGuiSession *sessions() const { return m_harness->global()->userGuiSession(); }
    Gui::Private::GuiSessionMenu *menuOf() const { return m_harness->window()->guiSessionMenu(); }

    std::unique_ptr<SentMessages> m_sent;
};

void TestGuiSessions::init()
{
    ShellTestCase::init();
    m_harness->global()->frameCreators()->insert("testFrame", [] { return new TestFrame; });
    m_sent = std::make_unique<SentMessages>(m_harness->network());
}

void TestGuiSessions::cleanup()
{
    m_sent.reset();
    ShellTestCase::cleanup();
}

void TestGuiSessions::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void TestGuiSessions::deliver(const QString &action, const QVariantMap &params)
{
    deliverMessage(m_harness->network(), "userGuiSession", action, params);
}

void TestGuiSessions::addSessionRow(const QString &id, const QString &name, const QString &isDefault,
                                    const QString &autoSave, const QString &value)
{
    deliver("saListInfo", {{"id", id}, {"name", name}, {"note", "note " + id}, {"is_default", isDefault},
                           {"auto_save", autoSave}, {"value", value}, {"rst_id_owner", "5"},
                           {"RECEIVER", sessions()->objectNumber()}});
    sessions()->proxyModel()->sortRows();
}

QObject *TestGuiSessions::openPage(const QString &id, bool window, const QString &state)
{
    QObject *page = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", window}, {"id", id}, {"isNewInstance", true}});
    if (page && !state.isEmpty())
        page->setProperty("state", state);
    return page;
}

void TestGuiSessions::frameSettings()
{
    session()->setFrameSettings("x", {{"a", 1}});
    session()->setFrameSettings("x", {});
    QCOMPARE(session()->frameSettings("x"), (QVariantMap{{"a", 1}}));
    QVERIFY(session()->frameSettings("y").isEmpty());
}

void TestGuiSessions::collectResetRestore()
{
    QObject *first = openPage("1");
    QObject *window = openPage("2", true);
    auto *widget = new TestFrame("kept note");
    QObject owner;
    widget->setInitProperties({{"kept", 1}, {"owner", QVariant::fromValue(&owner)}});
    Gui::Context::showFrame(widget, {{"isWindow", false}});
    openPage("3");
    first->setProperty("note", "note of 1");
    tabs()->setCurrentIndex(1);
    session()->setFrameSettings("dialog", {{"width", 300}});

    const QVariantMap collected = session()->collect();
    QCOMPARE(collected.keys(), (QStringList{"openFrames", "testMainWindow", "tmpFramesSettings"}));
    QCOMPARE(collected.value("testMainWindow").toMap().value("currentTabIndex").toInt(), 1);
    QCOMPARE(collected.value("tmpFramesSettings").toMap().value("dialog").toMap().value("width").toInt(), 300);
    const QVariantList open = collected.value("openFrames").toList();
    QCOMPARE(open.size(), 4);
    QCOMPARE(open.at(0).toMap().value("id").toString(), QString("1"));
    QCOMPARE(open.at(0).toMap().value("url").toString(), TestPageUrl);
    QCOMPARE(open.at(0).toMap().value("isNewInstance").toBool(), true);
    QVERIFY(open.at(0).toMap().contains("objectSettings"));
    QCOMPARE(open.at(1).toMap().value("isWindow").toBool(), true);
    QVERIFY(open.at(1).toMap().value("objectSettings").toMap().contains("window"));
    const QVariantMap widgetElement = open.at(2).toMap();
    QCOMPARE(widgetElement.value("name").toString(), QString("testFrame"));
    QCOMPARE(widgetElement.value("kept").toInt(), 1);
    QVERIFY(!widgetElement.contains("owner"));
    QCOMPARE(widgetElement.value("objectSettings").toMap().value("note").toString(), QString("kept note"));
    // The frames' own mode comes back after collecting: their later saves stay their own.
    QVERIFY(!widget->isGuiSessionMode());
    QVERIFY(!first->property("isGuiSessionMode").toBool());
    // The arrangement is ready for JSON.
    QVERIFY(!json(collected).isEmpty());

    // Excluded settings names are left out.
    QCOMPARE(session()->collect({TestPageUrl}).value("openFrames").toList().size(), 1);

    session()->reset();
    settle();
    QCOMPARE(frames()->count(), 0);
    QCOMPARE(tabs()->count(), 0);

    session()->setFrameSettings("dialog", {{"width", 1}});
    session()->restore(QJsonDocument::fromJson(json(collected).toUtf8()).object().toVariantMap());
    QCOMPARE(frames()->count(), 4);
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(Gui::Utils::frameId(tabs()->qmlItem(0)), 1);
    QVERIFY(qobject_cast<TestFrame *>(tabs()->widget(1)));
    QCOMPARE(qobject_cast<TestFrame *>(tabs()->widget(1))->note(), QString("kept note"));
    QCOMPARE(Gui::Utils::frameId(tabs()->qmlItem(2)), 3);
    QCOMPARE(tabs()->currentIndex(), 1);
    QCOMPARE(session()->frameSettings("dialog").value("width").toInt(), 300);
    const QList<QObject *> restored = frames()->list();
    QVERIFY(Gui::Utils::frameIsWindow(restored.at(1)));
    QCOMPARE(Gui::Utils::frameId(restored.at(1)), 2);
    for (QObject *frame : restored)
        QVERIFY(!Gui::Utils::frameGuiSessionMode(frame));
    // Collecting again gives the same arrangement.
    const QVariantMap again = session()->collect();
    QCOMPARE(again.value("openFrames").toList().size(), 4);
    QCOMPARE(again.value("testMainWindow").toMap().value("currentTabIndex").toInt(), 1);
    Q_UNUSED(window)
}

void TestGuiSessions::transientFramesAreNotKept()
{
    openPage("1", false, "EDIT");
    for (const char *state : {"ADD", "DUPLICATE", "SELECT", "MULTI_SELECT"})
        openPage("2", false, state);
    const QVariantList open = session()->collect().value("openFrames").toList();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first().toMap().value("id").toString(), QString("1"));
    // A widget frame closed after a collect still leaves its settings.
    auto *widget = new TestFrame("after collect");
    Gui::Context::showFrame(widget, {{"isWindow", false}});
    session()->collect();
    QPointer<TestFrame> guard(widget);
    emit tabs()->tabCloseRequested(tabs()->indexOf(widget));
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(session()->frameSettings("testFrame").value("note").toString(), QString("after collect"));
}

void TestGuiSessions::saving_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("sent");
    QTest::newRow("no auto-save") << "12" << false << false;
    QTest::newRow("no auto-save, forced") << "12" << true << true;
    QTest::newRow("auto-save") << "14" << false << true;
    QTest::newRow("no session") << "1" << true << false;
}

void TestGuiSessions::saving()
{
    QFETCH(QString, id);
    QFETCH(bool, force);
    QFETCH(bool, sent);
    addSessionRow("12", "manual", "0", "0");
    addSessionRow("14", "automatic", "1", "1");
    openPage("1");
    session()->setCurrentId(id.toInt());
    m_sent->clear();
    session()->save(force);
    if (!sent) {
        QVERIFY(m_sent->maps().isEmpty());
        return;
    }
    const QList<QVariantMap> messages = m_sent->maps();
    QCOMPARE(m_sent->names(), (QStringList{"userGuiSession_trLock", "userGuiSession_trUpdate", "userGuiSession_trUnlock"}));
    const QVariant key = qint64(id.toLongLong());
    QCOMPARE(messages.at(0).value("id"), key);
    QCOMPARE(messages.at(2).value("id"), key);
    const QVariantMap record = messages.at(1);
    QCOMPARE(record.value("id"), key);
    QCOMPARE(record.value("name").toString(), id == "12" ? QString("manual") : QString("automatic"));
    QCOMPARE(record.value("note").toString(), "note " + id);
    QCOMPARE(record.value("auto_save").toString(), id == "12" ? QString("0") : QString("1"));
    QCOMPARE(record.value("is_default").toString(), id == "12" ? QString("0") : QString("1"));
    QCOMPARE(record.value("rst_id_owner"), QVariant(qint64(5)));
    const QVariantMap value = QJsonDocument::fromJson(record.value("value").toString().toUtf8()).object().toVariantMap();
    QCOMPARE(value.value("openFrames").toList().size(), 1);
    QVERIFY(!record.value("value").toString().contains('\n'));
}

void TestGuiSessions::switching()
{
    const QString stored = json({{"testMainWindow", QVariantMap{{"currentTabIndex", 1}}},
                                 {"openFrames", QVariantList{QVariantMap{{"url", TestPageUrl}, {"isWindow", false}, {"id", "7"},
                                                                         {"isNewInstance", true}},
                                                             QVariantMap{{"url", TestPageUrl}, {"isWindow", false}, {"id", "8"},
                                                                         {"isNewInstance", true}}}},
                                 {"tmpFramesSettings", QVariantMap{}}});
    addSessionRow("12", "manual", "0", "0", stored);
    addSessionRow("14", "automatic", "1", "1", stored);
    menuOf()->recreate();
    openPage("1");
    QSignalSpy changed(session(), &Gui::GuiSession::currentIdChanged);
    // No session current: nothing is closed first; the stored frames join the open one.
    session()->switchCurrent(12);
    settle();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(session()->currentId(), 12);
    QCOMPARE(frames()->count(), 3);
    QCOMPARE(tabs()->currentIndex(), 1);
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName() + " (manual)");
    QVERIFY(menuOf()->actionGroup()->actions().at(1)->isChecked());
    QVERIFY(m_sent->maps().isEmpty());

    // To another session: the current one (no auto-save) closes unsaved, the other one opens.
    session()->switchCurrent(14);
    settle();
    QCOMPARE(frames()->count(), 2);
    QCOMPARE(session()->currentId(), 14);
    QVERIFY(m_sent->maps().isEmpty());
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName() + " (automatic)");

    // The same session again: saved (it auto-saves), closed and restored.
    changed.clear();
    session()->switchCurrent(14);
    settle();
    QCOMPARE(m_sent->names(), (QStringList{"userGuiSession_trLock", "userGuiSession_trUpdate", "userGuiSession_trUnlock"}));
    QCOMPARE(frames()->count(), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(session()->currentId(), 14);

    // A session without a row still becomes current; nothing is restored.
    session()->switchCurrent(99);
    settle();
    QCOMPARE(session()->currentId(), 99);
    QCOMPARE(frames()->count(), 0);
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName());
}

void TestGuiSessions::badStoredValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QString>("warning");
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("no JSON") << "{not json" << 0 << "";
    QTest::newRow("an array") << "[1,2]" << 0 << "";
    QTest::newRow("a tab index past the tabs")
        << json({{"testMainWindow", QVariantMap{{"currentTabIndex", 9}}},
                 {"openFrames", QVariantList{QVariantMap{{"url", TestPageUrl}, {"isWindow", false}}}}})
        << 1 << "";
    QTest::newRow("an unknown widget frame") << json({{"openFrames", QVariantList{QVariantMap{{"name", "gone"}}}}}) << 0
                                             << "Frame creator not found for name gone";
    // Its last value, as Qt reads it.
    QTest::newRow("frames given twice")
        << QStringLiteral(R"({"openFrames":[{"name":"gone"}],"openFrames":[{"url":"%1","isWindow":false}]})")
               .arg(TestPageUrl)
        << 1
        << R"(GUI session 20: member "openFrames" is given twice in one object: the last value is read)";
}

void TestGuiSessions::badStoredValues()
{
    QFETCH(QString, value);
    QFETCH(int, frames);
    QFETCH(QString, warning);
    MessageCatcher catcher;
    addSessionRow("20", "odd", "0", "0", value);
    session()->switchCurrent(20);
    settle();
    QCOMPARE(session()->currentId(), 20);
    QCOMPARE(this->frames()->count(), frames);
    if (!warning.isEmpty())
        QCOMPARE(catcher.count(warning), 1);
}

void TestGuiSessions::menu()
{
    MessageCatcher catcher;
    Gui::Private::GuiSessionMenu *menu = menuOf();
    QCOMPARE(menu->title(), QString("&Gui Sessions"));
    // Before the first rebuild there is no group: answers and checks find nothing to change.
    QVERIFY(!menu->actionGroup());
    deliver("saUpdate", {{"RES", "10"}, {"id", "12"}, {"name", "x"}, {"RECEIVER", "77"}});
    QCOMPARE(sessions()->originalModel()->rowCount(), 0);
    session()->switchCurrent(12);
    menu->setSessionChecked(0, true);
    // No sessions: only "New".
    menu->recreate();
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? "-" : action->text());
    QCOMPARE(texts, QStringList{"&New"});
    // "New" opens the GUI-session editor: the shell alone has none of the application's QML
    // types, so the page is found and stops at its module (the program opens it: tst_pageflows).
    menu->actions().first()->trigger();
    QCOMPARE(catcher.count("qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml is not exists in qrc file"), 0);
    QCOMPARE(catcher.count("Failed to create QML object from URL qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml"),
             1);

    addSessionRow("12", "manual", "0", "0");
    addSessionRow("14", "automatic", "1", "1");
    menu->recreate();
    texts.clear();
    QList<bool> checked;
    for (QAction *action : menu->actions()) {
        texts << (action->isSeparator() ? "-" : action->text());
        checked << action->isChecked();
    }
    QCOMPARE(texts, (QStringList{"automatic", "manual", "-", "&New", "&Save"}));
    // Checked follows "is_default", not the session in use (12).
    QCOMPARE(checked.mid(0, 2), (QList<bool>{true, false}));
    QCOMPARE(session()->currentId(), 12);
    // An item switches to its session.
    menu->actions().at(0)->trigger();
    settle();
    QCOMPARE(session()->currentId(), 14);
    // "Save" stores the current session whatever its auto-save.
    m_sent->clear();
    menu->actions().at(4)->trigger();
    QCOMPARE(m_sent->names(), (QStringList{"userGuiSession_trLock", "userGuiSession_trUpdate", "userGuiSession_trUnlock"}));
}

void TestGuiSessions::menuFollowsTheAnswers()
{
    Gui::Private::GuiSessionMenu *menu = menuOf();
    addSessionRow("12", "manual", "0", "0");
    addSessionRow("14", "automatic", "1", "1");
    menu->recreate();
    session()->switchCurrent(14);
    settle();
    const auto itemTexts = [menu] {
        QStringList texts;
        for (QAction *action : menu->actionGroup()->actions())
            texts << action->text();
        return texts;
    };
    // Renaming the current session renames its item and the window; another, only its item.
    deliver("saUpdate", {{"RES", "10"}, {"id", "14"}, {"name", "auto 2"}, {"RECEIVER", "77"}});
    QCOMPARE(itemTexts(), (QStringList{"auto 2", "manual"}));
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName() + " (auto 2)");
    deliver("saUpdate", {{"RES", "10"}, {"id", "12"}, {"name", "manual 2"}, {"RECEIVER", "77"}});
    QCOMPARE(itemTexts(), (QStringList{"auto 2", "manual 2"}));
    QCOMPARE(m_harness->window()->windowTitle(), QCoreApplication::applicationName() + " (auto 2)");
    // A refused update changes nothing.
    deliver("saUpdate", {{"RES", "0"}, {"ERRCODE", "72"}, {"id", "12"}, {"name", ""}, {"RECEIVER", "77"}});
    QCOMPARE(itemTexts(), (QStringList{"auto 2", "manual 2"}));
    QCOMPARE(sessions()->originalModel()->data("id", "12", "name").toString(), QString("manual 2"));

    // A new session joins only when it was stored and is the signed-in user's.
    deliver("saNew", {{"RES", "0"}, {"ERRCODE", "105"}, {"name", "refused"}, {"RECEIVER", "77"}});
    deliver("saNew", {{"RES", "10"}, {"id", "30"}, {"name", "someone else's"}, {"rst_id_owner", "6"},
                      {"RECEIVER", "77"}});
    QCOMPARE(itemTexts().size(), 2);
    QCOMPARE(sessions()->originalModel()->rowCount(), 2);
    deliver("saNew", {{"RES", "10"}, {"id", "31"}, {"name", "added"}, {"rst_id_owner", "5"}, {"is_default", "0"},
                      {"RECEIVER", "77"}});
    QCOMPARE(itemTexts(), (QStringList{"added", "auto 2", "manual 2"}));
    // A removed session leaves the menu.
    deliver("saRemove", {{"RES", "10"}, {"id", "12"}, {"RECEIVER", "ALL"}});
    QCOMPARE(itemTexts(), (QStringList{"added", "auto 2"}));
    // An ampersand in a name is shown, not taken for a mnemonic mark.
    deliver("saUpdate", {{"RES", "10"}, {"id", "31"}, {"name", "R&D"}, {"RECEIVER", "77"}});
    QCOMPARE(itemTexts(), (QStringList{"R&&D", "auto 2"}));
}

QTEST_MAIN(TestGuiSessions)
#include "tst_guisessions.moc"
