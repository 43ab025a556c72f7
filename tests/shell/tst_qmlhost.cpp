#include "gui/core/context.h"
#include "gui/frame/frames.h"
#include "gui/frame/frameutils.h"
#include "gui/frame/maintabwidget.h"
#include "gui/qml/qwidgetcreator.h"
#include "gui/shell/global.h"
#include "gui/widget/toastwindow.h"
#include "messagecatcher.h"
#include "optionrights.h"
#include "shelltestcase.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "controller/balance/companybalancelog.h"
#include "controller/balance/companybalancetype.h"
#include "gui/dialog/balancelog.h"
#include "gui/dialog/rowlimit.h"
#include "gui/search/search.h"
#include "gui/update/updates.h"
#include "timelimit.h"

#include <QComboBox>
#include <QJSValue>
#include <QJsonDocument>
#include <QPlainTextEdit>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QtTest>

// Pages of the kit opened by the real window host: in a tab or a window of their own, found
// again instead of opened twice, and the widget windows pages open.
class TestQmlHost : public ShellTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pageInATab();
    void pageInAWindow();
    void sameFrameTwice_data();
    void sameFrameTwice();
    void placement_data();
    void placement();
    void optionsTheFrameKeeps();
    void failures();
    void closingTabs();
    void widgetWindows();
    void pageDialogs();
    void unknownOperationInAScript();

private:
    // Keys held while the next frame opens (QGuiApplication reads them from the last input).
    void holdModifiers(Qt::KeyboardModifiers modifiers);
};

void TestQmlHost::init()
{
    ShellTestCase::init();
    holdModifiers(Qt::NoModifier);
}

void TestQmlHost::cleanup()
{
    holdModifiers(Qt::NoModifier);
    ShellTestCase::cleanup();
}

void TestQmlHost::holdModifiers(Qt::KeyboardModifiers modifiers)
{
    QWindow *window = m_harness->window()->windowHandle();
    QTest::keyPress(window, Qt::Key_F24, modifiers);
    QTest::keyRelease(window, Qt::Key_F24, modifiers);
    QCOMPARE(QGuiApplication::keyboardModifiers(), modifiers);
}

void TestQmlHost::pageInATab()
{
    // The offscreen screen is 600 pixels high: scaled as a 1080 pixel screen at scale 1.0.
    m_harness->global()->setScaleFactor(1.8);
    QObject *page = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}});
    QVERIFY(qobject_cast<QQuickItem *>(page));
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(tabs()->tabText(0), QString("Test page"));
    QCOMPARE(tabs()->qmlItem(0), page);
    QVERIFY(qobject_cast<QQuickView *>(tabs()->widget(0)->property("qmlView").value<QObject *>()));
    QCOMPARE(frames()->list(), QList<QObject *>{page});
    QCOMPARE(m_harness->global()->tabQmlItem(0), page);
    QCOMPARE(m_harness->global()->currentQmlItem(), page);
    QVERIFY(!Gui::Utils::frameIsWindow(page));
    QCOMPARE(Gui::Utils::frameSettingsName(page), TestPageUrl);
    m_harness->global()->setTabTitle(page, "Renamed");
    QCOMPARE(tabs()->tabText(0), QString("Renamed"));
    QTRY_VERIFY(page->property("activeFocus").toBool() || page->property("focus").toBool());
    const QImage shot = m_harness->grabMainWindow();
    // The page shows in the tab: the kit's dark background, not the empty container.
    const QPoint inside = tabs()->widget(0)->mapTo(m_harness->window(), QPoint(40, 200));
    QVERIFY2(shot.pixelColor(inside).lightness() < 80, qPrintable(shot.pixelColor(inside).name()));
    ShellHarness::saveScreenshot(shot, "shell-frame-in-tab.png");
}

void TestQmlHost::pageInAWindow()
{
    m_harness->global()->setScaleFactor(1.8);
    QObject *page = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", true}, {"id", "5"}});
    QVERIFY(page);
    QCOMPARE(tabs()->count(), 0);
    auto *window = qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>());
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(window->title(), QString("Test page 5"));
    QVERIFY(Gui::Utils::frameIsWindow(page));
    QCOMPARE(Gui::Utils::frameId(page), 5);
    QCOMPARE(frames()->list(), QList<QObject *>{page});
    // Task-bar grouping: the page's window belongs to the main window.
    QCOMPARE(window->transientParent(), m_harness->window()->windowHandle());
    QVERIFY(QTest::qWaitForWindowExposed(window, timeLimit(5000)));
    const QImage shot = ShellHarness::grabFrameWindow(page);
    QVERIFY(!shot.isNull());
    QVERIFY(shot.pixelColor(40, 200).lightness() < 80);
    ShellHarness::saveScreenshot(shot, "shell-frame-in-window.png");
    // Closing the window removes the frame.
    QPointer<QObject> guard(page);
    QMetaObject::invokeMethod(page, "closeFrame");
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(frames()->count(), 0);
}

void TestQmlHost::sameFrameTwice_data()
{
    QTest::addColumn<QVariantMap>("first");
    QTest::addColumn<QVariantMap>("second");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("same");
    for (bool window : {false, true}) {
        const QString where = window ? "window: " : "tab: ";
        const QVariantMap plain{{"isWindow", window}};
        QVariantMap five = plain, seven = plain, newFive = plain;
        five.insert("id", "5");
        seven.insert("id", 7);
        newFive.insert("id", "5");
        newFive.insert("isNewInstance", true);
        QTest::newRow(qPrintable(where + "same page")) << plain << plain << 0 << true;
        QTest::newRow(qPrintable(where + "same record")) << five << five << 0 << true;
        QTest::newRow(qPrintable(where + "another record")) << five << seven << 0 << false;
        QTest::newRow(qPrintable(where + "a new instance")) << five << newFive << 0 << false;
        QTest::newRow(qPrintable(where + "Shift held")) << five << five << int(Qt::ShiftModifier) << false;
        // Without an id the page alone decides.
        QTest::newRow(qPrintable(where + "no id after a record")) << five << plain << 0 << true;
    }
}

void TestQmlHost::sameFrameTwice()
{
    QFETCH(QVariantMap, first);
    QFETCH(QVariantMap, second);
    QFETCH(int, modifiers);
    QFETCH(bool, same);
    QObject *a = Gui::Context::createQmlFrame(TestPageUrl, first);
    QVERIFY(a);
    holdModifiers(Qt::KeyboardModifiers(modifiers));
    QObject *b = Gui::Context::createQmlFrame(TestPageUrl, second);
    QVERIFY(b);
    QCOMPARE(a == b, same);
    QCOMPARE(frames()->count(), same ? 1 : 2);
    if (!first.value("isWindow").toBool()) {
        QCOMPARE(tabs()->count(), same ? 1 : 2);
        QCOMPARE(tabs()->currentIndex(), tabs()->indexOfQmlItem(b));
    }
}

void TestQmlHost::placement_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inWindow");
    QTest::newRow("menu click") << QVariantMap() << 0 << true;
    QTest::newRow("menu Alt+click") << QVariantMap() << int(Qt::AltModifier) << false;
    QTest::newRow("told a tab, Alt held") << QVariantMap{{"isWindow", false}} << int(Qt::AltModifier) << false;
    QTest::newRow("told a window, Alt held") << QVariantMap{{"isWindow", true}} << int(Qt::AltModifier) << true;
    QTest::newRow("Alt ignored") << QVariantMap{{"ignoreAlt", true}} << 0 << false;
}

void TestQmlHost::placement()
{
    QFETCH(QVariantMap, options);
    QFETCH(int, modifiers);
    QFETCH(bool, inWindow);
    holdModifiers(Qt::KeyboardModifiers(modifiers));
    QObject *page = Gui::Context::createQmlFrame(TestPageUrl, options);
    QVERIFY(page);
    QCOMPARE(page->property("isWindow").toBool(), inWindow);
    QCOMPARE(tabs()->count(), inWindow ? 0 : 1);
    // The decision is what the frame keeps.
    QCOMPARE(Gui::Utils::frameInitProperties(page).value("isWindow").toBool(), inWindow);
    QVERIFY(!Gui::Utils::frameInitProperties(page).contains("ignoreAlt"));
}

void TestQmlHost::optionsTheFrameKeeps()
{
    QObject *opener = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", true}, {"id", "1"}});
    QObject *page = Gui::Context::createQmlFrame(
        TestPageUrl, {{"isWindow", true}, {"id", "2"}, {"note", "kept"}, {"parentItem", QVariant::fromValue(opener)},
               {"objectsSettingName", "mine"}});
    QVERIFY(page);
    QCOMPARE(page->property("objectsSettingName").toString(), TestPageUrl);
    QCOMPARE(page->property("url").toString(), TestPageUrl);
    QCOMPARE(page->property("note").toString(), QString("kept"));
    QCOMPARE(page->property("parentItem").value<QObject *>(), opener);
    const QVariantMap init = Gui::Utils::frameInitProperties(page);
    QCOMPARE(init.value("objectsSettingName").toString(), TestPageUrl);
    QCOMPARE(init.value("id").toString(), QString("2"));
    QCOMPARE(init.value("note").toString(), QString("kept"));
    QVERIFY(!init.contains("parentItem"));
    // The main window as opener is no item: it is not passed on.
    QObject *fromMenu = Gui::Context::createQmlFrame(
        TestPageUrl, {{"isWindow", false}, {"id", "3"}, {"parentItem", QVariant::fromValue<QObject *>(m_harness->window())}});
    QVERIFY(fromMenu);
    QVERIFY(!fromMenu->property("parentItem").value<QObject *>());
}

void TestQmlHost::failures()
{
    MessageCatcher catcher;
    QVERIFY(!Gui::Context::createQmlFrame(QString(), {}));
    QCOMPARE(catcher.criticals, QStringList{"QML URL is empty"});
    QVERIFY(!Gui::Context::createQmlFrame("qrc:/qml/test/Missing.qml", {}));
    QCOMPARE(catcher.criticals.last(), QString("QML URL qrc:/qml/test/Missing.qml is not exists in qrc file"));
    for (bool window : {false, true}) {
        m_harness->messages().expect("BrokenPage.qml");
        QVERIFY(!Gui::Context::createQmlFrame("qrc:/qml/test/BrokenPage.qml", {{"isWindow", window}}));
        QVERIFY(catcher.criticals.last().startsWith("Failed to create QML object from URL qrc:/qml/test/BrokenPage.qml ("));
        m_harness->messages().takeUnexpected();
    }
    QCOMPARE(tabs()->count(), 0);
    QCOMPARE(frames()->count(), 0);
}

void TestQmlHost::closingTabs()
{
    QObject *first = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}, {"id", "1"}});
    QObject *second = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}, {"id", "2"}});
    QCOMPARE(tabs()->count(), 2);
    // The close button lets the page close itself.
    QPointer<QObject> guard(second);
    emit tabs()->tabCloseRequested(1);
    QCOMPARE(second->property("closeRequests").toInt(), 1);
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(frames()->list(), QList<QObject *>{first});
    // A page closing itself with its opener's tab made current on the way.
    QObject *third = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}, {"id", "3"}});
    QObject *fourth = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}, {"id", "4"}});
    m_harness->global()->removeTab(fourth, first);
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->qmlItem(tabs()->currentIndex()), first);
    // Removing again, or an item no tab holds, does nothing.
    m_harness->global()->removeTab(fourth, nullptr);
    m_harness->global()->removeTab(nullptr, nullptr);
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->indexOfQmlItem(third), 1);
    // A page closed while another tab is shown (an answer closed it): the tab shown stays, and
    // the item the operator is in keeps the focus, though its tab moves left.
    QObject *table = Gui::Context::createQmlFrame("qrc:/qml/test/TablePage.qml", {{"isWindow", false}});
    auto *filter = table->property("filter").value<QQuickItem *>();
    filter->forceActiveFocus();
    QVERIFY(filter->hasFocus());
    m_harness->global()->removeTab(third, first);
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->qmlItem(tabs()->currentIndex()), table);
    QVERIFY(filter->hasFocus());
}

void TestQmlHost::widgetWindows()
{
    Gui::QWidgetCreator *creator = m_harness->widgetCreator();
    QObject *page = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", true}});
    auto *pageWindow = qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>());
    QVERIFY(QTest::qWaitForWindowExposed(pageWindow, timeLimit(5000)));

    // A dialog opened for the page brings the page's window back when it goes.
    QPointer<QWidget> limit = creator->rowLimit(50, page);
    QVERIFY(qobject_cast<Gui::Dialog::RowLimit *>(limit.data()));
    QVERIFY(limit->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(limit->isVisible());
    QTRY_VERIFY(limit->isActiveWindow());
    limit->close();
    QTRY_VERIFY(limit.isNull());
    QTRY_COMPARE(QGuiApplication::focusWindow(), pageWindow);

    // Its page gone first, the dialog simply goes.
    QPointer<QWidget> calendar = creator->calendar(page);
    QPointer<QObject> pageGuard(page);
    QMetaObject::invokeMethod(page, "closeFrame");
    QTRY_VERIFY(pageGuard.isNull());
    // (Only a pick, Escape or a press outside it closes the calendar.)
    if (calendar)
        calendar->close();
    QTRY_VERIFY(calendar.isNull());

    // What scripts get back is not theirs to collect.
    QJSValue toast = m_harness->engine().newQObject(creator->toast("Saved", 0));
    QPointer<QObject> toastGuard(toast.toQObject());
    QCOMPARE(QQmlEngine::objectOwnership(toastGuard), QQmlEngine::CppOwnership);
    toast = QJSValue();
    m_harness->engine().collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!toastGuard.isNull());
    QVERIFY(!toastGuard->property("isActiveWindow").toBool());
    QTRY_VERIFY_WITH_TIMEOUT(toastGuard.isNull(), timeLimit(5000));

    const QList<std::function<QWidget *()>> openers{
        [creator] { return creator->roles({QVariantMap{{"role", "name"}, {"title", "Name"}}}); },
        [creator] { return creator->intervalEditor("5=10", 0); },
        [creator] { return creator->smsVariables({{"{SIGN}", "sign"}}); },
        [creator] { return creator->completer(); },
        [creator] { return creator->dataLoading(); },
    };
    for (const auto &open : openers) {
        QPointer<QWidget> window = open();
        QVERIFY(window->isVisible());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        window->close();
        QTRY_VERIFY(window.isNull());
    }
}

void TestQmlHost::pageDialogs()
{
    // The company page's balance controllers, and a list page in a window of its own.
    CompanyBalanceType types;
    types.originalModel()->clear();
    QVariantMap type{{"id", "11"}, {"rst_id_bg", "3"}, {"type_operation", "1"}, {"name", "Refill"}};
    types.prepareRow(type);
    types.originalModel()->addRow(type);
    CompanyBalanceLog logs;
    logs.originalModel()->addRow({{"id", "7"}, {"value", "12.5"}, {"bg_name", "Refills"}, {"bt_name", "Card"},
                                  {"note", "May"}});
    // An id beyond the integers a double holds exactly.
    logs.originalModel()->addRow({{"id", "9007199254740993"}, {"value", "44.25"}, {"note", "Far"}});
    QObject *page = Gui::Context::createQmlFrame("qrc:/qml/test/TablePage.qml", {{"isWindow", true}});
    QVERIFY(page);
    auto *pageWindow = qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>());
    QVERIFY(QTest::qWaitForWindowExposed(pageWindow, timeLimit(5000)));
    QQmlContext context(qmlContext(page));
    context.setContextProperty("types", &types);
    context.setContextProperty("logs", &logs);
    // What the page's script gets back from QWIDGET_CREATOR.
    auto open = [&](const QString &script) -> QWidget * {
        QQmlExpression call(&context, page, script);
        const QVariant result = call.evaluate();
        if (call.hasError())
            qWarning() << call.error();
        return qobject_cast<QWidget *>(result.value<QObject *>());
    };
    auto closeAndWait = [](QPointer<QWidget> window) {
        QVERIFY(window->isVisible());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        window->close();
        QTRY_VERIFY(window.isNull());
    };

    QPointer<QWidget> search = open(R"(QWIDGET_CREATOR.search(rows, [{"condition": "and", "expressions": [
        {"role": "name", "operation": "contains", "value": "Kor", "condition": "and", "used": true}]}], page))");
    QVERIFY(qobject_cast<Gui::Search *>(search.data()));
    QCOMPARE(QJsonDocument(qobject_cast<Gui::Search *>(search)->rules()).toJson(QJsonDocument::Compact),
             QByteArray(R"([{"condition":"and","expressions":[{"condition":"and","operation":"contains",)"
                        R"("role":"name","used":true,"value":"Kor"}]}])"));
    closeAndWait(search);
    QTRY_COMPARE(QGuiApplication::focusWindow(), pageWindow);

    QPointer<QWidget> view = open("QWIDGET_CREATOR.viewBalanceLog(logs, 7, page)");
    QVERIFY(qobject_cast<Gui::Dialog::BalanceLog *>(view.data())->isViewMode());
    QCOMPARE(view->windowTitle(), QString("View Balance Log"));
    closeAndWait(view);

    QPointer<QWidget> entry = open("QWIDGET_CREATOR.newBalanceLog(types, logs, 5, 3, 11, page)");
    QVERIFY(!qobject_cast<Gui::Dialog::BalanceLog *>(entry.data())->isViewMode());
    QCOMPARE(entry->findChild<QComboBox *>()->currentText(), QString("+Refill"));
    closeAndWait(entry);
    QCOMPARE(open("QWIDGET_CREATOR.newBalanceLog(null, logs, 5, 3, 11, page)"), nullptr);
    QCOMPARE(open("QWIDGET_CREATOR.viewBalanceLog(null, 7, page)"), nullptr);

    // 64-bit ids come as text and reach the entry they name; an id that is no record id opens nothing.
    QPointer<QWidget> far = open("QWIDGET_CREATOR.viewBalanceLog(logs, \"9007199254740993\", page)");
    QCOMPARE(far->findChild<QPlainTextEdit *>()->toPlainText(), QString("Far"));
    closeAndWait(far);
    m_harness->messages().expect("Balance log: entry '7x' is not a record id");
    QCOMPARE(open("QWIDGET_CREATOR.viewBalanceLog(logs, \"7x\", page)"), nullptr);
    m_harness->messages().expect("Balance log: owner '0' is not a record id");
    QCOMPARE(open("QWIDGET_CREATOR.newBalanceLog(types, logs, 0, 3, 11, page)"), nullptr);

    // The updates of a manifest, offered by GLOBAL's updater.
    QPointer<QDialog> shownModal;
    m_harness->watchdog().handleNext([&](QDialog *dialog) { shownModal = dialog; });
    QPointer<QWidget> updates = open(R"(QWIDGET_CREATOR.updates(GLOBAL.updater, {"updates": [
        {"version": "1.7.0", "channel": "release", "size": {"windows": 3000000}, "date": "2024-05-01",
         "description": "Notes"}]}))");
    QVERIFY(qobject_cast<Gui::Updates *>(updates.data()));
    QTRY_COMPARE(shownModal.data(), updates.data());
    QVERIFY(updates->findChild<QPlainTextEdit *>()->toPlainText().startsWith("Version: 1.7.0 (release)"));
    closeAndWait(updates);
    QMetaObject::invokeMethod(page, "closeFrame");
}

void TestQmlHost::unknownOperationInAScript()
{
    m_harness->rights().grantRead("city");
    QObject *page = Gui::Context::createQmlFrame(TestPageUrl, {{"isWindow", false}});
    QVariant answer;
    QMetaObject::invokeMethod(page, "askRight", Q_RETURN_ARG(QVariant, answer), Q_ARG(QVariant, "read"));
    QCOMPARE(answer.toString(), QString("true"));
    QMetaObject::invokeMethod(page, "askRight", Q_RETURN_ARG(QVariant, answer), Q_ARG(QVariant, "fly"));
    QCOMPARE(answer.toString(), QString("error: Unknown operation"));
    m_harness->rights().clear();
}

QTEST_MAIN(TestQmlHost)
#include "tst_qmlhost.moc"
