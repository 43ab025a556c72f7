// The page scripts' message boxes over an editor in a window of its own, answered with real keys
// and clicks on X11 with no window manager (xcb on Xvfb): a box sits over its editor's window,
// and once it goes that window has the keys again, so the next key lands in the field that had
// the focus. Notices (a refused lock, a lost save found saved), the close question's Cancel and
// Escape, and No to saving over a colleague's lock.
#include "drivereditorkeys.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "secondclient.h"
#include "timelimit.h"

#include "model/orlem/city/city.h"

#include <QAbstractButton>
#include <QDebug>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {

const QString CityUrl = QStringLiteral("qrc:/qml/address/city/CityEditor.qml");
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

private:
    // A city's editor in a window of its own, its name read; null when it did not open.
    QQuickItem *openCity(const QString &name, QPointer<QObject> &editor);
    // Waits until a box closed over the editor has handed the editor's window the keys: End and
    // the last letter of expected then reach the name, which reads expected. Empty when they did,
    // else what went wrong.
    QString keysReachName(QQuickItem *name, QObject *editor, const QString &expected);
    void discard(QPointer<QObject> &editor);
    QString cityId(const QString &name);

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
                                             " ('Dnipro', 1000, 1000)"});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_other.signIn(m_program.server().port(), "second", SecondPassword));
    m_other.watch<Model::Orlem::City>("city");
}

void TestBoxKeys::cleanup()
{
    // A box a failed check left open would hold the keys of the next function.
    if (QMessageBox *box = m_program.watchdog().leftOpen())
        box->reject();
    m_program.watchdog().reset();
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QString TestBoxKeys::cityId(const QString &name)
{
    return m_program.query("SELECT id FROM cities WHERE name = ?", {name}).toString();
}

QQuickItem *TestBoxKeys::openCity(const QString &name, QPointer<QObject> &editor)
{
    editor = m_program.openPage(CityUrl, {{"state", "EDIT"}, {"id", cityId(name)}});
    QQuickItem *field = pageControl(editor, "name");
    if (!field || !QTest::qWaitFor([&] { return textOf(field) == name; }, timeLimit(10000)))
        return nullptr;
    return field;
}

QString TestBoxKeys::keysReachName(QQuickItem *name, QObject *editor, const QString &expected)
{
    QWindow *window = name->window();
    QObject *form = PageControls::formOf(editor);
    if (!QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window; }, timeLimit(5000))) {
        return "the keys are with " + describe(QGuiApplication::focusWindow()) + ", not the editor's "
            + describe(window);
    }
    const auto ready = [&] { return name->hasActiveFocus() && !form->property("isBusy").toBool(); };
    if (!QTest::qWaitFor(ready, timeLimit(10000)))
        return "the name has no focus";
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
    QVERIFY(activate(name->window()));
    QTRY_VERIFY(name->hasActiveFocus());
    QTest::keyClick(name->window(), Qt::Key_End);
    QTest::keyClick(name->window(), 's');
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
    QVERIFY(activate(name->window()));
    QTRY_VERIFY(name->hasActiveFocus());
    QTest::keyClick(name->window(), Qt::Key_End);
    QTest::keyClick(name->window(), 'a');
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
    QCOMPARE(m_other.request("trLock", {{"id", id}}).value("RES").toString(), QString("10"));
    QPointer<QObject> editor;
    QQuickItem *name = openCity("Dnipro", editor);
    QVERIFY(name);
    QTRY_COMPARE(textOf(pageControl(editor, "lockHolder")), QString("second"));
    QVERIFY(activate(name->window()));
    QTRY_VERIFY(name->hasActiveFocus());
    QTest::keyClick(name->window(), Qt::Key_End);
    QTest::keyClick(name->window(), 'x');
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

KORIV_PAGE_TEST_MAIN(TestBoxKeys)

#include "tst_boxkeys.moc"
