// The page scripts' message boxes over an editor in a window of its own, answered with real keys
// and clicks on X11 with no window manager (xcb on Xvfb): a box sits over its editor's window,
// and once it goes the youngest box still open over that window has the keys and the top, and
// the window only when none is, so the next key lands in the field that had the focus. Notices (a
// refused lock, a lost save found saved), the close question's Cancel and Escape, boxes of both
// kinds over each other, a box about an item, an editor that goes with two boxes of its own, and
// saving over a colleague's lock, which no key typed for the form says yes to.
#include "drivereditorkeys.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "secondclient.h"
#include "timelimit.h"
#include "xwindows.h"

#include "gui/core/context.h"
#include "gui/qml/qwidgetcreator.h"
#include "model/orlem/city/city.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QWidget>
#include <QtTest>

namespace {

const QString CityUrl = QStringLiteral("qrc:/qml/address/city/CityEditor.qml");
const QString CitiesUrl = QStringLiteral("qrc:/qml/address/city/CityTable.qml");
const QString SecondPassword = QStringLiteral("colleague");

// Clicks a button of the box with the mouse, through the box's window.
void clickButton(QMessageBox *box, QMessageBox::StandardButton which)
{
    QAbstractButton *button = box->button(which);
    QVERIFY(button);
    QTest::mouseClick(box->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(box, button->rect().center()));
}

QString describe(const QObject *object)
{
    QString text;
    QDebug(&text) << object;
    return text;
}

// QWIDGET_CREATOR, which opens the widget boxes of the page.
Gui::QWidgetCreator *widgetCreator(QObject *page)
{
    QObject *opener = qmlEngine(page)->rootContext()->contextProperty("QWIDGET_CREATOR").value<QObject *>();
    return qobject_cast<Gui::QWidgetCreator *>(opener);
}

// Waits until the box has the keys and is stacked over the window (its editor's, say): empty when
// it has, else what went wrong.
QString keysAndTopWith(QWindow *box, QWindow *window)
{
    if (!QTest::qWaitFor([&] { return XWindows::withKeys() == box; }, timeLimit(5000)))
        return "the keys are with " + describe(XWindows::withKeys()) + ", not the box " + describe(box);
    if (!QTest::qWaitFor([&] { return XWindows::stackedAbove(box, window); }, timeLimit(5000)))
        return "the box " + describe(box) + " is under " + describe(window);
    return QString();
}

} // namespace

class TestBoxKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void aNoticeHandsTheKeysBack();
    void theCloseQuestionHandsTheKeysBack();
    void noToSavingOverALockHandsTheKeysBack();
    void theYoungestBoxLeftOpenHasTheKeys();
    void theYoungestBoxOverATabHasTheKeys();
    void aBoxAboutAnItemHandsItsWindowTheKeys();
    void anEditorGoingWithItsBoxesHandsTheKeysOn_data();
    void anEditorGoingWithItsBoxesHandsTheKeysOn();
    void noKeyTypedForTheFormSavesOverALock();

private:
    // A city's editor in a window of its own, its name read; null when it did not open.
    QQuickItem *openCity(const QString &name, QPointer<QObject> &editor);
    // Waits until the name has the focus in a form that is not busy, where keys reach it: empty
    // when it has, else what went wrong.
    QString nameReady(QQuickItem *name, QObject *editor);
    // Makes the editor's window active and types End and the letters into the name once ready.
    QString typeIntoName(QQuickItem *name, QObject *editor, const QByteArray &letters);
    // Waits until a box closed over the editor has handed the editor's window the keys: End and
    // the last letter of expected then reach the name, which reads expected. Empty when they did,
    // else what went wrong.
    QString keysReachName(QQuickItem *name, QObject *editor, const QString &expected);
    void discard(QPointer<QObject> &editor);
    QString cityId(const QString &name);
    // Waits until the watchdog has answered the refusal of the colleague's lock at the opening:
    // a box that opens takes the keys typed meanwhile. False when it did not come.
    bool lockRefusalAnswered();
    // The city's editor opened over the colleague's lock, its holder in the footer and "x" typed
    // into the name; empty when so, else what went wrong.
    QString typeOverColleaguesLock(const QString &city, QPointer<QObject> &editor, QQuickItem *&name);
    // A colleague's change of the city's name, stored and pushed as the server does.
    void pushNameChange(const QString &id, const QString &name);
    // The question a colleague's change asks over the editor's edits, left open; null when none.
    QMessageBox *changeQuestion(const QString &id, const QString &name);
    // Opens the widget question a page opens through QWIDGET_CREATOR over the editor's window,
    // left open; null when it does not get the keys.
    QMessageBox *widgetQuestion(QObject *editor, QObject *window, const QString &text);
    // The box left open next after the one given, once it has the keys; null when none.
    QMessageBox *boxAfter(const QMessageBox *before);

    SecondClient m_other;
    PageProgram m_program;
};

void TestBoxKeys::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_program.setThroughProxy(true);
    const QString failure = m_program.start("boxkeys", {"second:" + passwordDigest(SecondPassword)},
                                            {"INSERT INTO cities (name, dt_utc_insert, dt_utc_last_update) VALUES"
                                             " ('Kyiv', 1000, 1000), ('Lviv', 1000, 1000), ('Odesa', 1000, 1000),"
                                             " ('Dnipro', 1000, 1000), ('Kharkiv', 1000, 1000), ('Poltava', 1000, 1000),"
                                             " ('Sumy', 1000, 1000), ('Lutsk', 1000, 1000), ('Rivne', 1000, 1000),"
                                             " ('Ternopil', 1000, 1000), ('Uzhhorod', 1000, 1000), ('Cherkasy', 1000, 1000),"
                                             " ('Kovel', 1000, 1000), ('Izmail', 1000, 1000), ('Bucha', 1000, 1000)"});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_other.signIn(m_program.server().port(), "second", SecondPassword));
    m_other.watch<Model::Orlem::City>("city");
}

void TestBoxKeys::cleanup()
{
    // A box a failed check left open would hold the keys of the next function.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            box->reject();
    }
    m_program.watchdog().reset();
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QString TestBoxKeys::cityId(const QString &name)
{
    return m_program.query("SELECT id FROM cities WHERE name = ?", {name}).toString();
}

QString TestBoxKeys::typeOverColleaguesLock(const QString &city, QPointer<QObject> &editor, QQuickItem *&name)
{
    if (m_other.request("trLock", {{"id", cityId(city)}}).value("RES").toString() != "10")
        return "the colleague's lock was refused";
    if (!(name = openCity(city, editor)))
        return "the editor did not open";
    if (!lockRefusalAnswered())
        return "the lock's refusal did not come";
    if (!QTest::qWaitFor([&] { return textOf(pageControl(editor, "lockHolder")) == "second"; }, timeLimit(5000)))
        return "the footer names " + textOf(pageControl(editor, "lockHolder"));
    return typeIntoName(name, editor, "x");
}

bool TestBoxKeys::lockRefusalAnswered()
{
    const auto answered = [&] {
        return m_program.watchdog().texts().join('\n').contains("LOCK: ") && !QApplication::activeModalWidget();
    };
    return QTest::qWaitFor(answered, timeLimit(10000));
}

void TestBoxKeys::pushNameChange(const QString &id, const QString &name)
{
    const QString storedAt = m_program.query("UPDATE cities SET name = ?, dt_utc_last_update = dt_utc_last_update + 1"
                                             " WHERE id = ? RETURNING dt_utc_last_update", {name, id}).toString();
    const QString author = m_program.query("SELECT id FROM users WHERE sign = 'second'").toString();
    m_program.push({{"FN", "city_srUpdated"}, {"RECEIVER", "ALL"}, {"id", id}, {"id_owner_modify", author},
                    {"sign", "second"}, {"dt_utc_last_update", storedAt}});
}

QMessageBox *TestBoxKeys::boxAfter(const QMessageBox *before)
{
    ModalWatchdog &watchdog = m_program.watchdog();
    const auto shown = [&] { return watchdog.leftOpen() && watchdog.leftOpen() != before; };
    // Qt counts a box as active while the window it is over is: the X input focus tells.
    const auto hasKeys = [&] { return watchdog.leftOpen() && XWindows::withKeys() == watchdog.leftOpen()->windowHandle(); };
    if (!QTest::qWaitFor(shown, timeLimit(10000)) || !QTest::qWaitFor(hasKeys, timeLimit(5000)))
        return nullptr;
    return watchdog.leftOpen();
}

QMessageBox *TestBoxKeys::changeQuestion(const QString &id, const QString &name)
{
    QMessageBox *before = m_program.watchdog().leftOpen();
    pushNameChange(id, name);
    QMessageBox *box = boxAfter(before);
    return box && box->text() == "Data changed by user 'second'. Apply?" ? box : nullptr;
}

QMessageBox *TestBoxKeys::widgetQuestion(QObject *editor, QObject *window, const QString &text)
{
    Gui::QWidgetCreator *creator = widgetCreator(editor);
    if (!creator)
        return nullptr;
    QMessageBox *before = m_program.watchdog().leftOpen();
    QWidget *question = creator->safeQuestion(text, window);
    QMessageBox *box = boxAfter(before);
    return box == question ? box : nullptr;
}

QQuickItem *TestBoxKeys::openCity(const QString &name, QPointer<QObject> &editor)
{
    editor = m_program.openPage(CityUrl, {{"state", "EDIT"}, {"id", cityId(name)}});
    QQuickItem *field = pageControl(editor, "name");
    if (!field || !QTest::qWaitFor([&] { return textOf(field) == name; }, timeLimit(10000)))
        return nullptr;
    return field;
}

QString TestBoxKeys::nameReady(QQuickItem *name, QObject *editor)
{
    QObject *form = PageControls::formOf(editor);
    const auto ready = [&] { return name->hasActiveFocus() && !form->property("isBusy").toBool(); };
    return QTest::qWaitFor(ready, timeLimit(10000)) ? QString() : QString("the name has no focus");
}

QString TestBoxKeys::typeIntoName(QQuickItem *name, QObject *editor, const QByteArray &letters)
{
    if (!activate(name->window()))
        return "the editor's window is not active";
    const QString failure = nameReady(name, editor);
    if (!failure.isEmpty())
        return failure;
    QTest::keyClick(name->window(), Qt::Key_End);
    type(name->window(), letters);
    return QString();
}

QString TestBoxKeys::keysReachName(QQuickItem *name, QObject *editor, const QString &expected)
{
    QWindow *window = name->window();
    if (!QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window; }, timeLimit(5000))) {
        return "the keys are with " + describe(QGuiApplication::focusWindow()) + ", not the editor's "
            + describe(window);
    }
    const QString failure = nameReady(name, editor);
    if (!failure.isEmpty())
        return failure;
    QTest::keyClick(window, Qt::Key_End);
    QTest::keyClick(window, expected.back().toLatin1());
    return textOf(name) == expected ? QString() : "the name reads " + textOf(name);
}

void TestBoxKeys::discard(QPointer<QObject> &editor)
{
    m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(editor));
    m_program.watchdog().reset();
}

void TestBoxKeys::aNoticeHandsTheKeysBack()
{
    ModalWatchdog &watchdog = m_program.watchdog();

    // The lock a colleague holds is refused at the opening: its error sits over the editor's
    // window, and Return on it hands that window the keys.
    const QString kyiv = cityId("Kyiv");
    QCOMPARE(m_other.request("trLock", {{"id", kyiv}}).value("RES").toString(), QString("10"));
    watchdog.leaveNextBoxOpen();
    QPointer<QObject> editor;
    QQuickItem *name = openCity("Kyiv", editor);
    QVERIFY(name);
    QPointer<QMessageBox> box = shownQuestion(watchdog);
    QVERIFY(box);
    QVERIFY2(box->text().startsWith("LOCK: "), qPrintable(box->text()));
    QCOMPARE(box->windowHandle()->transientParent(), name->window());
    keyClickClosing(box->windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(!box);
    QCOMPARE(keysReachName(name, editor, "KyivZ"), QString());
    discard(editor);
    QCOMPARE(m_other.request("trUnlock", {{"id", kyiv}}).value("RES").toString(), QString("10"));

    // A save whose answer the connection took, found saved once connected again: OK clicked on
    // that notice hands the editor's window the keys.
    QVERIFY((name = openCity("Lviv", editor)));
    QCOMPARE(typeIntoName(name, editor, "s"), QString());
    m_program.proxy().loseAnswerTo("city_trUpdate");
    watchdog.leaveBoxesOpen(true);
    QTest::keyClick(name->window(), Qt::Key_Return);
    const QString saved = "The data was saved: the server holds what was typed.";
    QTRY_VERIFY_WITH_TIMEOUT(watchdog.leftOpen() && watchdog.leftOpen()->text() == saved, timeLimit(20000));
    watchdog.leaveBoxesOpen(false);
    box = watchdog.leftOpen();
    QVERIFY(QTest::qWaitForWindowActive(box, timeLimit(5000)));
    clickButton(box, QMessageBox::Ok);
    QTRY_VERIFY(!box);
    QCOMPARE(keysReachName(name, editor, "Lvivsx"), QString());
    discard(editor);
}

void TestBoxKeys::theCloseQuestionHandsTheKeysBack()
{
    // Closing the window with a typed name asks; Escape, then Cancel clicked, keep the editor,
    // whose window has the keys again. (Esc in the name would take back what was typed.)
    QPointer<QObject> editor;
    QQuickItem *name = openCity("Odesa", editor);
    QVERIFY(name);
    QCOMPARE(typeIntoName(name, editor, "a"), QString());
    QString expected = "Odesaa";
    for (bool escape : {true, false}) {
        m_program.watchdog().leaveNextBoxOpen();
        QMetaObject::invokeMethod(editor, "closed");
        QPointer<QMessageBox> box = shownQuestion(m_program.watchdog());
        QVERIFY(box);
        QCOMPARE(box->text(), QString("Data not saved"));
        if (escape)
            keyClickClosing(box->windowHandle(), Qt::Key_Escape);
        else
            clickButton(box, QMessageBox::Cancel);
        QTRY_VERIFY(!box);
        QVERIFY(editor);
        expected += escape ? 'e' : 'c';
        QCOMPARE(keysReachName(name, editor, expected), QString());
    }
    discard(editor);
}

void TestBoxKeys::noToSavingOverALockHandsTheKeysBack()
{
    // The colleague's lock is refused at the opening (the watchdog reads that error); then
    // Return asks whether to save over the lock, and No clicked hands the editor's window the
    // keys.
    const QString id = cityId("Dnipro");
    QPointer<QObject> editor;
    QQuickItem *name = nullptr;
    QCOMPARE(typeOverColleaguesLock("Dnipro", editor, name), QString());
    m_program.watchdog().leaveNextBoxOpen();
    QTest::keyClick(name->window(), Qt::Key_Return);
    QPointer<QMessageBox> box = shownQuestion(m_program.watchdog());
    QVERIFY(box);
    QCOMPARE(box->text(), QString("The record is locked by user 'second'. Save over the lock?"));
    clickButton(box, QMessageBox::No);
    QTRY_VERIFY(!box);
    QCOMPARE(keysReachName(name, editor, "Dniproxy"), QString());
    discard(editor);
    QCOMPARE(m_other.request("trUnlock", {{"id", id}}).value("RES").toString(), QString("10"));
}

void TestBoxKeys::theYoungestBoxLeftOpenHasTheKeys()
{
    // Two boxes of one editor open at once, of either kind: when the upper goes, the lower has the
    // keys and sits over the editor's window, so the next key answers it; the editor has the keys
    // only once none is open.
    ModalWatchdog &watchdog = m_program.watchdog();
    const QString id = cityId("Kharkiv");
    QPointer<QObject> editor;
    QQuickItem *name = openCity("Kharkiv", editor);
    QVERIFY(name);
    QWindow *window = name->window();
    QCOMPARE(typeIntoName(name, editor, "a"), QString());
    watchdog.leaveBoxesOpen(true);

    // The close question (QML's) over a colleague's change (a widget question): Escape on the
    // upper leaves the change question with the keys, over the editor.
    QPointer<QMessageBox> change = changeQuestion(id, "Kharkov");
    QVERIFY(change);
    QCOMPARE(change->windowHandle()->transientParent(), window);
    QMetaObject::invokeMethod(editor, "closed");
    QPointer<QMessageBox> upper = boxAfter(change);
    QVERIFY(upper);
    QCOMPARE(upper->text(), QString("Data not saved"));
    QCOMPARE(upper->windowHandle()->transientParent(), window);
    keyClickClosing(upper->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!upper);
    QCOMPARE(keysAndTopWith(change->windowHandle(), window), QString());

    // A widget question over it: the same when that one goes.
    upper = widgetQuestion(editor, window, "Apply the other change?");
    QVERIFY(upper);
    keyClickClosing(upper->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!upper);
    QCOMPARE(keysAndTopWith(change->windowHandle(), window), QString());
    // Escape where the keys are says No to the change: what was typed stays.
    keyClickClosing(XWindows::withKeys(), Qt::Key_Escape);
    QTRY_VERIFY(!change);
    QCOMPARE(keysReachName(name, editor, "Kharkivab"), QString());

    // A widget question over the close question: once it goes, Escape reaches the close question,
    // whose Cancel keeps the editor.
    QMetaObject::invokeMethod(editor, "closed");
    QPointer<QMessageBox> lower = boxAfter(nullptr);
    QVERIFY(lower);
    QCOMPARE(lower->text(), QString("Data not saved"));
    upper = widgetQuestion(editor, window, "Apply the other change?");
    QVERIFY(upper);
    keyClickClosing(upper->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!upper);
    QCOMPARE(keysAndTopWith(lower->windowHandle(), window), QString());
    keyClickClosing(XWindows::withKeys(), Qt::Key_Escape);
    QTRY_VERIFY(!lower);
    QVERIFY(editor);
    QCOMPARE(keysReachName(name, editor, "Kharkivabc"), QString());

    // A widget message about the editor counts too: a question over it hands it the keys.
    Gui::QWidgetCreator *creator = widgetCreator(editor);
    QVERIFY(creator);
    QPointer<QWidget> note = creator->message(0, "Exported", window);
    QVERIFY(note);
    QCOMPARE(note->windowHandle()->transientParent(), window);
    upper = widgetQuestion(editor, window, "Apply the other change?");
    QVERIFY(upper);
    keyClickClosing(upper->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!upper);
    QCOMPARE(keysAndTopWith(note->windowHandle(), window), QString());
    keyClickClosing(XWindows::withKeys(), Qt::Key_Escape);
    QTRY_VERIFY(!note);
    QCOMPARE(keysReachName(name, editor, "Kharkivabcd"), QString());
    watchdog.leaveBoxesOpen(false);
    discard(editor);
}

void TestBoxKeys::theYoungestBoxOverATabHasTheKeys()
{
    // An editor in a tab of the main window: its close question (QML's) is a box of the main
    // window as its widget questions are, so once a widget question over it goes, it has the keys
    // and the top.
    QPointer<QObject> editor = Gui::Context::createQmlFrame(
        CityUrl, {{"state", "EDIT"}, {"id", cityId("Lutsk")}, {"isWindow", false}, {"isNewInstance", true}});
    QQuickItem *name = pageControl(editor, "name");
    QVERIFY(name);
    QTRY_COMPARE(textOf(name), QString("Lutsk"));
    QCOMPARE(typeIntoName(name, editor, "a"), QString());
    QWidget *mainWindow = Gui::Context::mainWidget();
    m_program.watchdog().leaveBoxesOpen(true);
    QMetaObject::invokeMethod(editor, "closed");
    QPointer<QMessageBox> lower = boxAfter(nullptr);
    QVERIFY(lower);
    QCOMPARE(lower->text(), QString("Data not saved"));
    QCOMPARE(lower->windowHandle()->transientParent(), mainWindow->windowHandle());
    QPointer<QMessageBox> upper = widgetQuestion(editor, mainWindow, "Apply the other change?");
    QVERIFY(upper);
    keyClickClosing(upper->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!upper);
    QCOMPARE(keysAndTopWith(lower->windowHandle(), mainWindow->windowHandle()), QString());
    keyClickClosing(XWindows::withKeys(), Qt::Key_Escape);
    QTRY_VERIFY(!lower);
    QCOMPARE(keysReachName(name, editor, "Lutskab"), QString());
    m_program.watchdog().leaveBoxesOpen(false);
    discard(editor);
}

void TestBoxKeys::aBoxAboutAnItemHandsItsWindowTheKeys()
{
    // A box whose parentItem is an item of the editor, not a window: the item's window has the
    // keys and the top once it goes.
    QPointer<QObject> editor;
    QQuickItem *name = openCity("Poltava", editor);
    QVERIFY(name);
    QCOMPARE(typeIntoName(name, editor, "a"), QString());
    QQmlEngine *engine = qmlEngine(editor);
    QQmlComponent component(engine, QUrl("qrc:/qml/components/message-dialog/MessageDialogBase.qml"));
    m_program.watchdog().leaveNextBoxOpen();
    QObject *dialog = component.beginCreate(engine->rootContext());
    QVERIFY2(dialog, qPrintable(component.errorString()));
    // Its own script destroys it once closed, as it does the boxes dialog.js makes.
    QQmlEngine::setObjectOwnership(dialog, QQmlEngine::JavaScriptOwnership);
    dialog->setParent(name);
    dialog->setProperty("text", "About the name");
    dialog->setProperty("parentItem", QVariant::fromValue<QObject *>(name));
    component.completeCreate();
    QPointer<QMessageBox> box = shownQuestion(m_program.watchdog());
    QVERIFY(box);
    QCOMPARE(box->text(), QString("About the name"));
    QCOMPARE(box->windowHandle()->transientParent(), name->window());
    // Another window of the program over the editor's meanwhile: the editor's comes up again.
    QWindow *mainWindow = Gui::Context::mainWidget()->windowHandle();
    mainWindow->raise();
    QTRY_VERIFY(XWindows::stackedAbove(mainWindow, name->window()));
    keyClickClosing(box->windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(!box);
    QTRY_VERIFY(XWindows::stackedAbove(name->window(), mainWindow));
    QCOMPARE(keysReachName(name, editor, "Poltavaab"), QString());
    discard(editor);
}

void TestBoxKeys::anEditorGoingWithItsBoxesHandsTheKeysOn_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("boxElsewhere");
    QTest::addColumn<bool>("listInTab");
    QTest::addColumn<bool>("editorInTab");
    QTest::newRow("removal notice over the close question") << "Rivne" << true << false << false << false;
    QTest::newRow("the same, the list in a tab") << "Kovel" << true << false << true << false;
    QTest::newRow("the same, the editor in a tab too") << "Bucha" << true << false << true << true;
    QTest::newRow("removal notice, a box open over another editor") << "Ternopil" << true << true << false << false;
    QTest::newRow("Discard over a change question") << "Uzhhorod" << false << false << false << false;
    QTest::newRow("Discard, the list in a tab") << "Izmail" << false << false << true << false;
}

void TestBoxKeys::anEditorGoingWithItsBoxesHandsTheKeysOn()
{
    // An editor opened from a list goes with two boxes of its own open: the colleague's removal
    // notice over the close question (OK clicked), or the close question over a colleague's
    // change (Discard clicked). No box of the editor is left, and the keys and the top go to a box
    // still open over another editor, else to the window of the list.
    QFETCH(QString, city);
    QFETCH(bool, removed);
    QFETCH(bool, boxElsewhere);
    QFETCH(bool, listInTab);
    QFETCH(bool, editorInTab);
    ModalWatchdog &watchdog = m_program.watchdog();
    const QString id = cityId(city);
    QPointer<QObject> list = Gui::Context::createQmlFrame(CitiesUrl, {{"isWindow", !listInTab}, {"isNewInstance", true}});
    QVERIFY(list);
    QWindow *listWindow = listInTab ? Gui::Context::mainWidget()->windowHandle()
                                    : qvariant_cast<QWindow *>(list->property("window"));
    QVERIFY(listWindow);
    QPointer<QObject> editor = Gui::Context::createQmlFrame(
        CityUrl, {{"state", "EDIT"}, {"id", id}, {"parentItem", QVariant::fromValue<QObject *>(list)},
                  {"isWindow", !editorInTab}, {"isNewInstance", true}});
    QQuickItem *name = pageControl(editor, "name");
    QVERIFY(name);
    QTRY_COMPARE_WITH_TIMEOUT(textOf(name), city, timeLimit(10000));
    QCOMPARE(typeIntoName(name, editor, "a"), QString());
    watchdog.leaveBoxesOpen(true);
    QPointer<QMessageBox> change = removed ? nullptr : changeQuestion(id, city + "sk");
    QVERIFY(removed || change);
    QMetaObject::invokeMethod(editor, "closed");
    QPointer<QMessageBox> closeQuestion = boxAfter(change);
    QVERIFY(closeQuestion);
    QCOMPARE(closeQuestion->text(), QString("Data not saved"));

    // Another editor with a box of its own, opened after those.
    QPointer<QObject> other;
    QPointer<QMessageBox> otherBox;
    QQuickItem *otherName = nullptr;
    if (boxElsewhere) {
        QVERIFY((otherName = openCity("Cherkasy", other)));
        otherBox = widgetQuestion(other, otherName->window(), "Apply the other change?");
        QVERIFY(otherBox);
    }

    if (removed) {
        // Removed by the colleague over the program's lock, as the platform may.
        m_program.query("DELETE FROM cities WHERE id = ?", {id});
        const QString author = m_program.query("SELECT id FROM users WHERE sign = 'second'").toString();
        m_program.push({{"FN", "city_saRemove"}, {"RECEIVER", "ALL"}, {"RES", "10"}, {"id", id},
                        {"id_owner_modify", author}});
        QPointer<QMessageBox> notice = boxAfter(boxElsewhere ? otherBox : closeQuestion);
        QVERIFY(notice);
        QVERIFY2(notice->text().startsWith("Data removed by user with id = "), qPrintable(notice->text()));
        clickButton(notice, QMessageBox::Ok);
    } else {
        clickButton(closeQuestion, QMessageBox::Discard);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!editor, timeLimit(5000));
    QTRY_VERIFY(!closeQuestion && !change);
    watchdog.leaveBoxesOpen(false);
    if (boxElsewhere) {
        QCOMPARE(keysAndTopWith(otherBox->windowHandle(), otherName->window()), QString());
        // Qt hands the keys of a window a box blocks to the box, but not the top: the list, which
        // the editor was opened from, stays under it.
        QCOMPARE(keysAndTopWith(otherBox->windowHandle(), listWindow), QString());
        keyClickClosing(XWindows::withKeys(), Qt::Key_Escape);
        QTRY_VERIFY(!otherBox);
        QCOMPARE(keysReachName(otherName, other, "Cherkasyz"), QString());
        discard(other);
    } else {
        QVERIFY2(QTest::qWaitFor([&] { return XWindows::withKeys() == listWindow; }, timeLimit(5000)),
                 qPrintable("the keys are with " + describe(XWindows::withKeys()) + ", not the list's "
                            + describe(listWindow)));
    }
    QVERIFY(m_program.closePage(list));
}

void TestBoxKeys::noKeyTypedForTheFormSavesOverALock()
{
    // "Save over the lock?" guards the colleague's work however it opens: opened by the
    // operator's own Return, Return, Enter, Space and a letter typed on it save nothing and leave
    // the lock with the colleague; No is its default; Alt+Y and a click on Yes save over it.
    const QString id = cityId("Sumy");
    QPointer<QObject> editor;
    QQuickItem *name = nullptr;
    QCOMPARE(typeOverColleaguesLock("Sumy", editor, name), QString());
    const int updates = m_program.sentCount("city_trUpdate");
    const QString text = "The record is locked by user 'second'. Save over the lock?";
    QString expected = "Sumyx";
    const QList<QPair<Qt::Key, char>> keys{{Qt::Key_Return, 'r'}, {Qt::Key_Enter, 'e'}, {Qt::Key_Space, 's'},
                                           {Qt::Key_Y, 'l'}};
    for (const auto &[key, next] : keys) {
        m_program.watchdog().leaveNextBoxOpen();
        QTest::keyClick(name->window(), Qt::Key_Return);
        QPointer<QMessageBox> box = shownQuestion(m_program.watchdog());
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        keyClickClosing(box->windowHandle(), key);
        if (key == Qt::Key_Y) {
            // Neither answered nor Yes pressed for later.
            QVERIFY(box && box->isVisible());
            QVERIFY(!box->button(QMessageBox::Yes)->isDown());
            QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::No));
            keyClickClosing(box->windowHandle(), Qt::Key_Escape);
        }
        QTRY_VERIFY(!box);
        QVERIFY(answersLanded());
        QCOMPARE(m_program.sentCount("city_trUpdate"), updates);
        QCOMPARE(m_program.query("SELECT name FROM cities WHERE id = ?", {id}).toString(), QString("Sumy"));
        QCOMPARE(textOf(pageControl(editor, "lockHolder")), QString("second"));
        expected += next;
        QCOMPARE(keysReachName(name, editor, expected), QString());
    }

    // Alt+Y, then Yes clicked, save over the lock, which stays the colleague's.
    for (bool click : {false, true}) {
        if (click)
            QCOMPARE(typeIntoName(name, editor, "c"), QString());
        const QString typed = textOf(name);
        m_program.watchdog().leaveNextBoxOpen();
        QTest::keyClick(name->window(), Qt::Key_Return);
        QPointer<QMessageBox> box = shownQuestion(m_program.watchdog());
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        // Alt+Y is a shortcut of the window that has the keys.
        QTRY_COMPARE(QGuiApplication::focusWindow(), box->windowHandle());
        if (click)
            clickButton(box, QMessageBox::Yes);
        else
            keyClickClosing(box->windowHandle(), Qt::Key_Y, Qt::AltModifier);
        QTRY_VERIFY(!box);
        QTRY_COMPARE(m_program.query("SELECT name FROM cities WHERE id = ?", {id}).toString(), typed);
        QTRY_VERIFY(!editor->property("isDirty").toBool());
    }
    QCOMPARE(textOf(pageControl(editor, "lockHolder")), QString("second"));
    discard(editor);
    QCOMPARE(m_other.request("trUnlock", {{"id", id}}).value("RES").toString(), QString("10"));
}

KORIV_PAGE_TEST_MAIN(TestBoxKeys)

#include "tst_boxkeys.moc"
