#include "gui/core/context.h"
#include "gui/frame/framecreators.h"
#include "gui/frame/frames.h"
#include "gui/frame/frameutils.h"
#include "gui/frame/maintabwidget.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "gui/widget/booleanlabel.h"
#include "gui/widget/mainstatusbar.h"
#include "messagecatcher.h"
#include "shelltestcase.h"
#include "testframe.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "client/controller/itemcontroller.h"

#include <QRandomGenerator>
#include <QTabBar>
#include <QtTest>

// Open frames, QML pages and widget frames alike: the list GLOBAL keeps, tabs moved and closed,
// the quit check, widget frames placed and restored, and the status bar's row count.
class TestFrames : public ShellTestCase
{
    Q_OBJECT

private slots:
    void init();
    void frameList();
    void tabMovesKeepTheTabOrder();
    void quitCheck();
    void widgetFrameInATab();
    void widgetFrameInAWindow();
    void frameCreators();
    void rowCountOfTheCurrentTable();

private:
    QObject *openPage(const QString &id, bool window = false);
    Gui::GuiSession *session() const { return m_harness->global()->guiSession(); }
};

void TestFrames::init()
{
    ShellTestCase::init();
    m_harness->global()->frameCreators()->insert("testFrame", [] { return new TestFrame("made"); });
}

QObject *TestFrames::openPage(const QString &id, bool window)
{
    return Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", window}, {"id", id}});
}

void TestFrames::frameList()
{
    Gui::Frames list;
    QObject a, b;
    auto *c = new QObject;
    list.append(&a);
    list.append(&b);
    list.append(&a);
    list.append(c);
    QVERIFY(!list.at(-1));
    QVERIFY(!list.at(list.count()));
    QCOMPARE(list.at(0), &a);
    QObject stranger;
    list.remove(&stranger);
    QCOMPARE(list.count(), 4);
    // A frame listed twice loses its first entry only.
    list.remove(&a);
    QCOMPARE(list.list(), (QList<QObject *>{&b, &a, c}));
    // A frame destroyed while listed drops out.
    delete c;
    QCOMPARE(list.list(), (QList<QObject *>{&b, &a}));

    QObject *five = openPage("5");
    QObject *seven = openPage("7", true);
    QObject *alsoFive = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", true}, {"id", "5"}, {"isNewInstance", true}});
    QVERIFY(frames()->sameEditorExists(five));
    QVERIFY(frames()->sameEditorExists(seven));
    QCOMPARE(frames()->count(), 3);
    QPointer<QObject> guard(alsoFive);
    QMetaObject::invokeMethod(alsoFive, "closeFrame");
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(frames()->list(), (QList<QObject *>{five, seven}));
    // The frame being asked about counts itself.
    QVERIFY(frames()->sameEditorExists(five));
}

void TestFrames::tabMovesKeepTheTabOrder()
{
    QList<QObject *> pages;
    for (int i = 0; i < 6; ++i)
        pages.append(openPage(QString::number(i), i == 1 || i == 4));
    QCOMPARE(tabs()->count(), 4);
    const QList<int> windowPlaces{1, 4};
    QRandomGenerator random(7);
    for (int round = 0; round < 40; ++round) {
        const int from = random.bounded(tabs()->count());
        const int to = round < 3 ? (from + 1) % tabs()->count() : random.bounded(tabs()->count());
        tabs()->tabBar()->moveTab(from, to);
        const QList<QObject *> listed = frames()->list();
        QList<QObject *> tabFrames;
        for (int place = 0; place < listed.size(); ++place) {
            if (windowPlaces.contains(place))
                QVERIFY(Gui::Utils::frameIsWindow(listed.at(place)));
            else
                tabFrames.append(listed.at(place));
        }
        QList<QObject *> tabOrder;
        for (int i = 0; i < tabs()->count(); ++i)
            tabOrder.append(tabs()->qmlItem(i));
        QCOMPARE(tabFrames, tabOrder);
    }
}

void TestFrames::quitCheck()
{
    QObject *clean = openPage("1");
    QObject *firstDirty = openPage("2");
    QObject *secondDirty = openPage("3");
    QVERIFY(!frames()->hasUnsavedData());
    QVERIFY(m_harness->watchdog().boxes().isEmpty());
    firstDirty->setProperty("isDirty", true);
    secondDirty->setProperty("isDirty", true);
    QVERIFY(frames()->hasUnsavedData());
    QCOMPARE(m_harness->watchdog().texts(), QStringList{"You need to save all data, before quit program!"});
    QCOMPARE(tabs()->qmlItem(tabs()->currentIndex()), firstDirty);
    m_harness->watchdog().reset();
    // The main window refuses to close without a question.
    m_harness->window()->close();
    QCOMPARE(m_harness->watchdog().texts(), QStringList{"You need to save all data, before quit program!"});
    QVERIFY(m_harness->window()->isVisible());
    m_harness->watchdog().reset();
    // Saved pages: the question comes, and No keeps the program running.
    firstDirty->setProperty("isDirty", false);
    secondDirty->setProperty("isDirty", false);
    m_harness->watchdog().answerNext(QMessageBox::No);
    m_harness->window()->close();
    QCOMPARE(m_harness->watchdog().texts(), QStringList{"Are you sure want to quit?"});
    QVERIFY(m_harness->window()->isVisible());
    QCOMPARE(frames()->count(), 3);
    Q_UNUSED(clean)
    m_harness->watchdog().reset();
}

void TestFrames::widgetFrameInATab()
{
    auto *frame = new TestFrame("first");
    QCOMPARE(frames()->list(), QList<QObject *>{frame});
    QCOMPARE(frame->placement(), int(Gui::Frame::NotPlaced));
    // A tab frame keeps the geometry of its last window.
    session()->setFrameSettings(frame->settingsName(), {{"window", QVariantMap{{"state", 0}, {"width", 500}}}});
    Gui::Context::showFrame(frame, {{"isWindow", false}, {"note", "loaded"}});
    QCOMPARE(frame->placement(), int(Gui::Frame::Tab));
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(tabs()->tabText(0), QString("Test frame"));
    QCOMPARE(frame->note(), QString("loaded"));
    QCOMPARE(frame->windowTitle(), QString("Test frame"));
    QVERIFY(!Gui::Utils::frameIsWindow(frame));
    QCOMPARE(Gui::Utils::frameSettingsName(frame), QString("testFrame"));
    // Its close button stores its settings in the GUI session.
    frame->setNote("closed");
    QPointer<TestFrame> guard(frame);
    emit tabs()->tabCloseRequested(0);
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(tabs()->count(), 0);
    QCOMPARE(frames()->count(), 0);
    const QVariantMap stored = session()->frameSettings("testFrame");
    QCOMPARE(stored.value("note").toString(), QString("closed"));
    QCOMPARE(stored.value("isWindow").toBool(), false);
    QCOMPARE(stored.value("window").toMap().value("width").toInt(), 500);

    // A frame restored from a GUI session leaves nothing behind when it closes.
    auto *restored = new TestFrame("from a session");
    restored->setGuiSessionMode(true);
    Gui::Context::showFrame(restored, {{"isWindow", false}});
    guard = restored;
    emit tabs()->tabCloseRequested(0);
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(session()->frameSettings("testFrame").value("note").toString(), QString("closed"));
}

void TestFrames::widgetFrameInAWindow()
{
    session()->setFrameSettings("testFrame", {{"note", "from the session"},
                                              {"window", QVariantMap{{"state", 0}, {"x", 30}, {"y", 40},
                                                                     {"width", 420}, {"height", 260}}}});
    auto *frame = new TestFrame;
    // No settings given and no Alt: the GUI session's settings, in a window.
    Gui::Context::showFrame(frame);
    QCOMPARE(frame->placement(), int(Gui::Frame::Window));
    QVERIFY(frame->isVisible());
    QVERIFY(frame->isWindow());
    QCOMPARE(frame->note(), QString("from the session"));
    QCOMPARE(frame->size(), QSize(420, 260));
    QCOMPARE(tabs()->count(), 0);
    QVERIFY(Gui::Utils::frameIsWindow(frame));
    frame->resize(430, 270);
    QPointer<TestFrame> guard(frame);
    frame->close();
    QTRY_VERIFY(guard.isNull());
    const QVariantMap stored = session()->frameSettings("testFrame");
    QCOMPARE(stored.value("isWindow").toBool(), true);
    QCOMPARE(stored.value("window").toMap().value("width").toInt(), 430);
    QCOMPARE(frames()->count(), 0);
}

void TestFrames::frameCreators()
{
    MessageCatcher catcher;
    Gui::FrameCreators *creators = m_harness->global()->frameCreators();
    QVERIFY(!creators->create("reportFrame"));
    QCOMPARE(catcher.criticals, QStringList{"Frame creator not found for name reportFrame"});
    QVERIFY(!Gui::Utils::restoreFrame({{"name", "reportFrame"}}));
    // A widget frame of a saved GUI session comes back by its name, placed as it was.
    QObject *frame = Gui::Utils::restoreFrame({{"name", "testFrame"}, {"isGuiSessionMode", true},
                                               {"objectSettings", QVariantMap{{"isWindow", false}, {"note", "restored"}}}});
    auto *restored = qobject_cast<TestFrame *>(frame);
    QVERIFY(restored);
    QCOMPARE(restored->note(), QString("restored"));
    QVERIFY(restored->isGuiSessionMode());
    QCOMPARE(tabs()->indexOf(restored), 0);
    // A page of a saved GUI session comes back by its URL.
    QObject *page = Gui::Utils::restoreFrame({{"url", TestPageUrl}, {"isWindow", false}, {"id", "9"}, {"isNewInstance", true}});
    QVERIFY(page);
    QCOMPARE(Gui::Utils::frameId(page), 9);
    QCOMPARE(tabs()->count(), 2);
    restored->activate();
    QCOMPARE(tabs()->currentIndex(), 0);
}

void TestFrames::rowCountOfTheCurrentTable()
{
    Gui::MainStatusBar *statusBar = m_harness->window()->mainStatusBar();
    QObject *table = Gui::Context::createQmlFrame("qrc:/qml/test/TablePage.qml", {{"isWindow", false}});
    QVERIFY(table);
    QVERIFY(statusBar->rowCountLabel()->isVisibleTo(m_harness->window()));
    QCOMPARE(statusBar->rowCountLabel()->text(), QString("3"));
    QObject *view = table->property("view").value<QObject *>();
    QMetaObject::invokeMethod(view, "tableRowCountChanged", Q_ARG(int, 7));
    QCOMPARE(statusBar->rowCountLabel()->text(), QString("7"));
    auto *rows = qobject_cast<Client::Controller::ItemController *>(view->property("controller").value<QObject *>());
    rows->originalModel()->setLimit(7);
    // At the limit: red.
    QCOMPARE(statusBar->rowCountLabel()->palette().color(statusBar->rowCountLabel()->foregroundRole()), QColor(Qt::red));
    // A page without a table hides the count; the table's tab shows it again.
    openPage("1");
    QVERIFY(!statusBar->rowCountLabel()->isVisibleTo(m_harness->window()));
    // The hidden table's changes no longer reach the status bar.
    QMetaObject::invokeMethod(view, "tableRowCountChanged", Q_ARG(int, 2));
    QCOMPARE(statusBar->rowCountLabel()->text(), QString("7"));
    tabs()->setCurrentIndex(0);
    QVERIFY(statusBar->rowCountLabel()->isVisibleTo(m_harness->window()));
    QCOMPARE(statusBar->rowCountLabel()->text(), QString("3"));
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
