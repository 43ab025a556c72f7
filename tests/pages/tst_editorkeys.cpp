// The keys the program prints, pressed on X11 (xcb on Xvfb: the desktop's key bindings, which
// offscreen lacks). An editor's tab keys switch tabs whatever field has the focus and change no
// text, also when their tab is off; every key the pages and the main window bind reaches its
// action from the kit's fields and from widget line edits, and changes no text. Text that reaches
// a note without a key, from an input method or the X11 selection's middle click, keeps within
// the note's bound as a paste does. A click into a note puts the cursor where it lands, a click
// beside its text reaches it, and no key changes a field scrolled out of the form's view. An
// answer held past the busy delay (a slow server) or lost with the connection changes nothing
// that was typed, nor where the next key goes.
#include "drivereditorkeys.h"
#include "editortabs.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "timelimit.h"

#include "gui/core/context.h"
#include "gui/frame/maintabwidget.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widget/toastwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString RaiseRatingUrl = QStringLiteral("qrc:/qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml");
const QString VersionUrl = QStringLiteral("qrc:/qml/version/VersionEditor.qml");
const QString Note = QStringLiteral("first line\nsecond line");

// The kit's single- and multi-line fields beside a shortcut of the key under test.
const char *KeyHolder = "import QtQuick 2.15\nimport \"qrc:/qml/components\"\nimport \"qrc:/qml/components/text\"\n"
                        "Column { property alias shortcut: shortcut; property alias letters: tabs.letters\n"
                        "  TabViewEx { id: tabs; visible: false }  ShortcutEx { id: shortcut }\n"
                        "  TextFieldEx { objectName: \"line\"; width: 300; text: \"Hello world\" }\n"
                        "  TextAreaEx { objectName: \"lines\"; width: 300; height: 100; text: \"Hello\\nworld\" } }";

QObject *tabBarOf(QObject *editor)
{
    return editor->property("tabView").value<QObject *>()->property("tabBar").value<QObject *>();
}

// Focuses the field with the cursor inside its text, where every editing key would change it.
void focusInside(QQuickItem *field)
{
    field->forceActiveFocus();
    field->setProperty("cursorPosition", 3);
}

// The keys that the pages' QML names in its shortcuts, and the tab keys.
QList<QKeySequence> pageKeys(const QStringList &tabLetters)
{
    static const QRegularExpression bound("\\b(?:sequence|shortcut|shortcutName2?)\\s*:\\s*\"([^\"]+)\"");
    QList<QKeySequence> keys;
    for (const QString &letter : tabLetters)
        keys.append(QKeySequence("Ctrl+" + letter));
    QDirIterator files(":/qml", {"*.qml"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        file.open(QIODevice::ReadOnly);
        for (auto match = bound.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
            const QKeySequence key(match.next().captured(1));
            if (!keys.contains(key))
                keys.append(key);
        }
    }
    return keys;
}

// The messages of the toasts shown while it lives, which go after a few seconds.
class ToastLog : public QObject
{
public:
    ToastLog() { qApp->installEventFilter(this); }
    QStringList messages;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (auto *toast = qobject_cast<Gui::ToastWindow *>(watched); toast && event->type() == QEvent::Show)
            messages.append(toast->message());
        return false;
    }
};

QString selected(QQuickItem *area)
{
    return area->property("selectedText").toString();
}

// The group box around an item; null when there is none.
QQuickItem *boxAround(QQuickItem *item)
{
    for (QQuickItem *parent = item->parentItem(); parent; parent = parent->parentItem()) {
        if (parent->inherits("QQuickGroupBox"))
            return parent;
    }
    return nullptr;
}

} // namespace

class TestEditorKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tabKeysSwitchTabsAndLeaveTheTexts();
    void boundKeysReachTheirActionsFromTextFields();
    void textReachesANoteOnlyWithinItsBound();
    void aClickIntoANotePutsTheCursorThere();
    void keysChangeOnlyAFieldInView();
    void focusComingBackLeavesANoteAsItWas();
    void aColleaguesQuestionNeverTakesTheKeys();
    void keysFollowTheTabShown();

private:
    PageProgram m_program;
};

void TestEditorKeys::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    // A relay that holds an answer back, as a slow network does.
    m_program.setThroughProxy(true);
    const QString failure = m_program.start("editorkeys", {},
                                            {"INSERT INTO drivers (sign, last_name, system_note, dt_utc_insert,"
                                             " dt_utc_last_update) VALUES ('D007', 'Kowalski', E'" + QString(Note).replace('\n', "\\n") + "', 1000, 1000)"});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestEditorKeys::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestEditorKeys::tabKeysSwitchTabsAndLeaveTheTexts()
{
    const QString id = m_program.query("SELECT id FROM drivers WHERE sign = 'D007'").toString();
    QPointer<QObject> editor = m_program.openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", id}});
    QQuickItem *lastName = pageControl(editor, "last_name");
    QQuickItem *note = pageControl(editor, "system_note");
    QVERIFY(lastName && note);
    QTRY_COMPARE(textOf(note), Note);
    // Its seven tabs and four more: the first nine have keys, the tenth and eleventh none.
    QObject *tabView = editor->property("tabView").value<QObject *>();
    QQmlComponent extraTab(Gui::Context::qmlEngine());
    extraTab.setData("import QtQuick 2.15\nimport \"qrc:/qml/components\"\nTabButtonEx { text: \"Extra\"; Item {} }", QUrl());
    for (int i = 0; i < 4; ++i)
        QMetaObject::invokeMethod(tabBarOf(editor), "addItem", Q_ARG(QQuickItem *, qobject_cast<QQuickItem *>(extraTab.create(qmlContext(editor)))));
    QTRY_COMPARE(tabBarOf(editor)->property("count").toInt(), 11);
    const QStringList letters = tabView->property("letters").toStringList();
    QCOMPARE(letters.size(), 9);
    QVERIFY(!tabView->findChild<QObject *>("tabShortcut9"));

    QWindow *window = lastName->window();
    window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(window, timeLimit(5000)));
    for (QQuickItem *field : {lastName, note}) {
        for (int tab = 0; tab < letters.size(); ++tab) {
            const QString key = "Ctrl+" + letters.at(tab) + " in " + field->objectName();
            QSignalSpy activated(tabView->findChild<QObject *>(QString("tabShortcut%1").arg(tab)), SIGNAL(activated()));
            tabBarOf(editor)->setProperty("currentIndex", 0);
            focusInside(field);
            QTRY_VERIFY(field->hasActiveFocus());
            press(window, QKeySequence("Ctrl+" + letters.at(tab)));
            QVERIFY2(activated.count() == 1, qPrintable(key + " did not reach its tab"));
            QCOMPARE(tabBarOf(editor)->property("currentIndex").toInt(), tab);
            QCOMPARE(textOf(lastName), QString("Kowalski"));
            QCOMPARE(textOf(note), Note);
            QVERIFY2(!editor->property("isDirty").toBool(), qPrintable(key + " made the form dirty"));
        }
    }
    QVERIFY(m_program.closePage(editor));
    QCOMPARE(m_program.query("SELECT last_name FROM drivers WHERE id = ?", {id}).toString(), QString("Kowalski"));

    // A new driver's other tabs wait for the record: their keys are printed and off.
    editor = m_program.openPage(DriverEditorUrl, {{"state", "ADD"}, {"id", "0"}});
    lastName = pageControl(editor, "last_name");
    QVERIFY(lastName);
    lastName->window()->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(lastName->window(), timeLimit(5000)));
    lastName->forceActiveFocus();
    QTRY_VERIFY(lastName->hasActiveFocus());
    for (char letter : QByteArray("Nowak"))
        QTest::keyClick(lastName->window(), letter);
    QTRY_COMPARE(textOf(lastName), QString("Nowak"));
    for (const QString &letter : letters.mid(0, tabBarOf(editor)->property("count").toInt())) {
        focusInside(lastName);
        press(lastName->window(), QKeySequence("Ctrl+" + letter));
        QCOMPARE(textOf(lastName), QString("Nowak"));
    }
    m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(editor));
    m_program.watchdog().reset();
}

void TestEditorKeys::boundKeysReachTheirActionsFromTextFields()
{
    // The pages' keys, on and off, in the kit's fields; off, a plain key is the field's own.
    QQmlComponent component(Gui::Context::qmlEngine());
    component.setData(KeyHolder, QUrl());
    QQuickView view(Gui::Context::qmlEngine(), nullptr);
    view.setContent(QUrl(), &component, component.create());
    QVERIFY2(view.rootObject(), qPrintable(component.errorString()));
    view.show();
    view.requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(&view, timeLimit(5000)));
    QObject *shortcut = view.rootObject()->property("shortcut").value<QObject *>();
    QSignalSpy activated(shortcut, SIGNAL(activated()));
    auto *line = view.rootObject()->findChild<QQuickItem *>("line");
    auto *lines = view.rootObject()->findChild<QQuickItem *>("lines")->property("textArea").value<QQuickItem *>();
    const QList<QKeySequence> keys = pageKeys(view.rootObject()->property("letters").toStringList());
    QVERIFY(keys.contains(QKeySequence("Ctrl+Alt+D")) && keys.contains(QKeySequence("Esc")));
    for (const QKeySequence &key : keys) {
        shortcut->setProperty("sequence", key.toString());
        for (bool on : {true, false}) {
            shortcut->setProperty("enabled", on);
            // Enter in a multi-line field is the editor's: it saves.
            for (QQuickItem *field : {line, lines}) {
                if ((!on && !(key[0] & Qt::KeyboardModifierMask)) || (field == lines && key == QKeySequence("Enter")))
                    continue;
                const QString before = textOf(field);
                const QString where = key.toString() + (on ? "" : " (off)") + (field == line ? " in a line" : " in lines");
                focusInside(field);
                activated.clear();
                press(&view, key);
                QVERIFY2(textOf(field) == before, qPrintable(where + " changed the text"));
                QVERIFY2(activated.count() == (on ? 1 : 0), qPrintable(where + " did not reach its shortcut"));
            }
        }
    }

    // The main window's command keys, and Alt with every letter for the widgets' mnemonics.
    QList<QKeySequence> commands;
    for (const QAction *action : Gui::Context::mainWindow()->findChildren<QAction *>())
        commands.append(action->shortcuts());
    QVERIFY(commands.contains(QKeySequence("Ctrl+Q")));
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        commands.append(QKeySequence(Qt::ALT | letter));
    QWidget dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *lineEdit = new QLineEdit("Hello world");
    auto *plainEdit = new QPlainTextEdit("Hello\nworld");
    layout->addWidget(lineEdit);
    layout->addWidget(plainEdit);
    auto *action = new QAction(&dialog);
    dialog.addAction(action);
    QSignalSpy triggered(action, &QAction::triggered);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog, timeLimit(5000)));
    for (const QKeySequence &key : commands) {
        action->setShortcut(key);
        for (QWidget *field : QList<QWidget *>{lineEdit, plainEdit}) {
            const QString where = key.toString() + " in " + field->metaObject()->className();
            field->setFocus();
            lineEdit->setCursorPosition(3);
            triggered.clear();
            QTest::keyClick(field, Qt::Key(key[0] & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
            QVERIFY2(lineEdit->text() == "Hello world" && plainEdit->toPlainText() == "Hello\nworld", qPrintable(where + " changed the text"));
            QVERIFY2(triggered.count() == 1, qPrintable(where + " did not reach its action"));
        }
    }
}

void TestEditorKeys::textReachesANoteOnlyWithinItsBound()
{
    const auto stored = [&](const QString &id) {
        return m_program.query("SELECT inner_note FROM drivers WHERE id = ?", {id}).toString();
    };
    // The driver's editor with its inner note loaded and scrolled into view; null when it is not.
    const auto openNote = [&](const QString &id) -> QObject * {
        QObject *editor = m_program.openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", id}});
        QQuickItem *note = pageControl(editor, "inner_note");
        if (!note || !QTest::qWaitFor([&] { return note->property("legalText").toString() == stored(id); }, timeLimit(30000)))
            return nullptr;
        PageControls::scrollTo(note);
        return editor;
    };
    const QString bounds = QLocale().toString(50000) + " characters, " + QLocale().toString(20000) + " in a line";
    ToastLog toasts;

    // A note longer than its area, as operators write them: its box is as tall as the area, and
    // the text scrolls inside it.
    const QString id = m_program.query(
        "INSERT INTO drivers (sign, inner_note, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('D008', repeat(rpad('Call before noon', 49, ', please') || chr(10), 600), 1000, 1000) RETURNING id").toString();
    const QString note30k = stored(id);
    QCOMPARE(note30k.size(), 30000);
    QPointer<QObject> editor = openNote(id);
    QVERIFY(editor);
    QQuickItem *note = pageControl(editor, "inner_note");
    auto *area = note->property("textArea").value<QQuickItem *>();
    QQuickItem *box = boxAround(note);
    QVERIFY(area && box);
    QCOMPARE(note->height(), 80.0);
    QVERIFY2(box->property("availableHeight").toReal() <= note->height() + 0.5,
             qPrintable(QString("a box of %1 around an area of %2").arg(box->property("availableHeight").toReal()).arg(note->height())));
    QVERIFY(note->property("contentHeight").toReal() > 10 * note->height());
    QVERIFY(!(area->flags() & QQuickItem::ItemAcceptsDrops));
    QWindow *window = area->window();
    window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(window, timeLimit(5000)));
    QVERIFY(PageControls::saveDrawnWindow(editor, "inner-note-box.png"));

    // 300,000 characters on one line, middle-clicked from the X11 selection into its first line:
    // cut to the line's bound at once, with the notice.
    const QString longLine(300000, QLatin1Char('m'));
    QGuiApplication::clipboard()->setText(longLine, QClipboard::Selection);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection).size(), longLine.size());
    const QPoint firstLine = area->mapToScene(QPointF(area->property("leftPadding").toReal() + 1,
                                                      area->property("topPadding").toReal() + 4)).toPoint();
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window, Qt::MiddleButton, Qt::NoModifier, firstLine);
    QTRY_VERIFY_WITH_TIMEOUT(textOf(area) != note30k, timeLimit(2000));
    QVERIFY2(timer.elapsed() < timeLimit(2000), qPrintable(QString("%1 ms").arg(timer.elapsed())));
    QString shown = textOf(area);
    QVERIFY2(shown.size() <= 50000 && PageControls::longestLine(shown) == 20000,
             qPrintable(QString("%1 characters, a line of %2").arg(shown.size()).arg(PageControls::longestLine(shown))));
    QCOMPARE(QString(shown).remove('m'), note30k);
    QTRY_COMPARE(toasts.messages, QStringList{"The text was cut to " + bounds});

    // An input method's commit of 300,000 characters on one line at the end: cut to what the
    // note has room for.
    area->forceActiveFocus();
    area->setProperty("cursorPosition", shown.size());
    QCOMPARE(QGuiApplication::focusObject(), area);
    QInputMethodEvent commit;
    commit.setCommitString(QString(300000, QLatin1Char('i')));
    timer.restart();
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
    QVERIFY2(timer.elapsed() < timeLimit(2000), qPrintable(QString("%1 ms").arg(timer.elapsed())));
    QCOMPARE(textOf(area), shown + QString(50000 - shown.size(), QLatin1Char('i')));
    shown = textOf(area);
    QTRY_COMPARE(toasts.messages.size(), 2);
    QCOMPARE(toasts.messages.last(), "The text was cut to " + bounds);

    // The note is full: another commit adds nothing, and says so.
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
    QCOMPARE(textOf(area), shown);
    QTRY_COMPARE(toasts.messages.size(), 3);
    QCOMPARE(toasts.messages.last(), "Nothing was added: the text holds at most " + bounds);

    // What is stored is what the note shows: nothing past the bound.
    QVERIFY(editor->property("isDirty").toBool());
    const int updates = m_program.sentCount("driver_trUpdate");
    PageControls::press(editor, "applyButton");
    QVERIFY(m_program.waitForSent("driver_trUpdate", updates + 1));
    QTRY_COMPARE(stored(id), shown);
    QTRY_VERIFY(!editor->property("isDirty").toBool());
    QVERIFY(m_program.closePage(editor));

    // A stored note too long to edit opens at its first line.
    const QString longId = m_program.query(
        "INSERT INTO drivers (sign, inner_note, dt_utc_insert, dt_utc_last_update) SELECT 'D009',"
        " string_agg('Line ' || n, chr(10)), 1000, 1000 FROM generate_series(1, 200000) AS n RETURNING id").toString();
    editor = openNote(longId);
    QVERIFY(editor);
    note = pageControl(editor, "inner_note");
    area = note->property("textArea").value<QQuickItem *>();
    QVERIFY(note->property("isCut").toBool());
    int topLeft = -1;
    const qreal top = note->property("contentItem").value<QObject *>()->property("contentY").toReal();
    QMetaObject::invokeMethod(area, "positionAt", Q_RETURN_ARG(int, topLeft),
                              Q_ARG(qreal, area->property("leftPadding").toReal() + 1),
                              Q_ARG(qreal, top + area->property("topPadding").toReal() + 1));
    QVERIFY2(topLeft >= 0 && textOf(area).leftRef(topLeft).count('\n') == 0,
             qPrintable(QString("the first line shown is line %1").arg(textOf(area).leftRef(topLeft).count('\n') + 1)));
    QVERIFY(PageControls::saveDrawnWindow(editor, "long-note-first-line.png"));
    QVERIFY(m_program.closePage(editor));
}

void TestEditorKeys::aClickIntoANotePutsTheCursorThere()
{
    const QString id = m_program.query(
        "INSERT INTO drivers (sign, last_name, inner_note, dt_utc_insert, dt_utc_last_update) VALUES ('D010', 'Savchenko',"
        " repeat(rpad('Call before noon', 49, ', please') || chr(10), 600), 1000, 1000) RETURNING id").toString();
    const QString note30k = storedDriver(m_program, id, "inner_note");

    // A click in the middle of the note's text: the cursor there, nothing selected. Backtab and
    // Tab into it still select all of it.
    NoteEditor opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    QCOMPARE(opened.lastName->property("selectedText").toString(), QString("Savchenko"));
    QQuickItem *area = opened.area;
    const QPointF middle(opened.note->width() / 2, opened.note->height() / 2);
    const auto clickMiddle = [&] {
        const QPoint point = opened.note->mapToScene(middle).toPoint();
        QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier, point);
        const int clicked = positionAt(area, point);
        // The focus, the cursor at the click and nothing selected; -1 when not.
        const bool there = QTest::qWaitFor([&] { return area->hasActiveFocus(); }, timeLimit(5000)) && clicked > 0
            && area->property("cursorPosition").toInt() == clicked && area->property("selectedText").toString().isEmpty();
        return there ? clicked : -1;
    };
    QVERIFY(clickMiddle() > 0);
    for (Qt::Key out : {Qt::Key_Backtab, Qt::Key_Tab}) {
        const Qt::Key in = out == Qt::Key_Tab ? Qt::Key_Backtab : Qt::Key_Tab;
        QTest::keyClick(opened.window, out, out == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QTRY_VERIFY(!area->hasActiveFocus());
        QTest::keyClick(opened.window, in, in == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QTRY_VERIFY(area->hasActiveFocus());
        QCOMPARE(area->property("selectedText").toString().size(), note30k.size());
    }
    // Clicked into again, the keys go in at the click and Return stores them, nothing replaced.
    const int clicked = clickMiddle();
    QVERIFY(clicked > 0);
    const QString typedIn = QString(note30k).insert(clicked, "zz");
    type(opened.window, "zz");
    QTest::keyClick(opened.window, Qt::Key_Return);
    QTRY_COMPARE(storedDriver(m_program, id, "inner_note"), typedIn);
    QTRY_VERIFY(!opened.editor->property("isDirty").toBool());
    QVERIFY(m_program.closePage(opened.editor));

    // A click on the strip below the note's text, inside its box, takes the keys into the note at
    // its last line shown, not into Last name out of view.
    opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    QQuickItem *box = boxAround(opened.note);
    QVERIFY(box);
    const QPointF strip = box->mapFromItem(opened.note, QPointF(opened.note->width() / 2, opened.note->height()));
    QVERIFY2(box->height() - strip.y() >= 4, qPrintable(QString("a strip of %1 px").arg(box->height() - strip.y())));
    QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier,
                      box->mapToScene(QPointF(strip.x(), (strip.y() + box->height()) / 2)).toPoint());
    QTRY_VERIFY(opened.area->hasActiveFocus());
    QCOMPARE(opened.area->property("selectedText").toString(), QString());
    const QString typedAtStrip = QString(typedIn).insert(opened.area->property("cursorPosition").toInt(), "zz");
    type(opened.window, "zz");
    QCOMPARE(textOf(opened.lastName), QString("Savchenko"));
    QCOMPARE(textOf(opened.area), typedAtStrip);
    QTest::keyClick(opened.window, Qt::Key_Return);
    QTRY_COMPARE(storedDriver(m_program, id, "inner_note"), typedAtStrip);
    QCOMPARE(storedDriver(m_program, id, "last_name"), QString("Savchenko"));
    QTRY_VERIFY(!opened.editor->property("isDirty").toBool());
    QVERIFY(m_program.closePage(opened.editor));

    // A note too long to edit: a click on its notice line takes the focus, and the keys after it
    // change nothing; Return closes the editor and stores nothing.
    m_program.query("UPDATE drivers SET inner_note = (SELECT string_agg('Line ' || n, chr(10))"
                    " FROM generate_series(1, 200000) AS n) WHERE id = ?", {id});
    const QString longNote = storedDriver(m_program, id, "inner_note");
    opened = openAtNote(m_program, id);
    QVERIFY(opened.editor && opened.note->property("isCut").toBool());
    auto *notice = opened.note->findChild<QQuickItem *>("cutNotice");
    QVERIFY(notice && notice->isVisible());
    const int updates = m_program.sentCount("driver_trUpdate");
    QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier,
                      notice->mapToScene(QPointF(notice->width() / 2, notice->height() / 2)).toPoint());
    QTRY_VERIFY(opened.area->hasActiveFocus());
    const QString shownNote = textOf(opened.area);
    type(opened.window, "zz");
    QTest::keyClick(opened.window, Qt::Key_Delete);
    QCOMPARE(textOf(opened.area), shownNote);
    QCOMPARE(textOf(opened.lastName), QString("Savchenko"));
    QVERIFY(!opened.editor->property("isDirty").toBool());
    keyClickClosing(opened.window, Qt::Key_Return);
    QTRY_VERIFY(opened.editor.isNull());
    QCOMPARE(m_program.sentCount("driver_trUpdate"), updates);
    QCOMPARE(storedDriver(m_program, id, "inner_note"), longNote);
    QCOMPARE(storedDriver(m_program, id, "last_name"), QString("Savchenko"));

    // A one-line note in the form that scrolls: its last column of pixels, where its own bar
    // would be if its text did not fit, and the form's bar if it lay over the fields, takes the
    // click into the note too.
    m_program.query("UPDATE drivers SET inner_note = 'Call before noon' WHERE id = ?", {id});
    opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    QQuickItem *form = opened.note;
    while (form && !form->inherits("QQuickFlickable"))
        form = form->parentItem();
    QVERIFY(form && form->property("contentHeight").toReal() > form->height());
    const QPoint rightEdge = opened.note->mapToScene(QPointF(opened.note->width() - 0.5, opened.note->height() / 2)).toPoint();
    QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier, rightEdge);
    QTRY_VERIFY(opened.area->hasActiveFocus());
    type(opened.window, "zz");
    QCOMPARE(textOf(opened.area), QString("Call before noonzz"));
    QCOMPARE(textOf(opened.lastName), QString("Savchenko"));
    m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(opened.editor));
    m_program.watchdog().reset();

    // Like the driver's, the two editors that read their record by a list open with their default
    // field selected whole, once the list has come: a number typed at their opening replaces it.
    for (const auto &[url, name] : {std::pair{RaiseRatingUrl, "common_cost"}, std::pair{VersionUrl, "tax_min"}}) {
        QPointer<QObject> listEditor = m_program.openPage(url);
        QQuickItem *field = pageControl(listEditor, name);
        QVERIFY(field);
        QTRY_VERIFY(field->isEnabled() && !PageControls::formOf(listEditor)->property("isBusy").toBool());
        QVERIFY(!textOf(field).isEmpty());
        QCOMPARE(field->property("selectedText").toString(), textOf(field));
        QVERIFY(activate(field->window()));
        type(field->window(), "4");
        QCOMPARE(textOf(field), QString("4"));
        m_program.watchdog().answerNext(QMessageBox::Discard);
        QVERIFY(m_program.closePage(listEditor));
        m_program.watchdog().reset();
    }
}

void TestEditorKeys::keysChangeOnlyAFieldInView()
{
    const QString id = m_program.query(
        "INSERT INTO drivers (sign, last_name, inner_note, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('D011', 'Savchenko', 'Call before noon', 1000, 1000) RETURNING id").toString();
    const NoteEditor opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    QQuickItem *view = opened.note->parentItem();
    while (view && !view->inherits("QQuickFlickable"))
        view = view->parentItem();
    QVERIFY(view);
    const auto lastNameShown = [&] {
        const QRectF rect = opened.lastName->mapRectToItem(view, QRectF(QPointF(), opened.lastName->size()));
        return rect.top() >= 0 && rect.bottom() <= view->height();
    };

    // A value the server sends for a field out of view scrolls nothing.
    const qreal scrolled = view->property("contentY").toReal();
    QVERIFY(!lastNameShown());
    m_program.query("UPDATE drivers SET last_name = 'Savchenko-Bilyk', dt_utc_last_update = 2000 WHERE id = ?", {id});
    m_program.push({{"FN", "driver_srUpdated"}, {"RECEIVER", "ALL"}, {"id", id}, {"id_owner_modify", "77"}});
    QTRY_COMPARE(textOf(opened.lastName), QString("Savchenko-Bilyk"));
    QCOMPARE(view->property("contentY").toReal(), scrolled);

    // Keys that edit nothing leave the view where it is; a typed key, and an input method's
    // commit, bring the focused field into view first.
    for (const char *key : {"Ctrl+C", "F2", "F12", "Ctrl+S", "PgDown", "End"}) {
        press(opened.window, QKeySequence(key));
        QVERIFY2(view->property("contentY").toReal() == scrolled, qPrintable(QString(key) + " scrolled the form"));
    }
    QCOMPARE(textOf(opened.lastName), QString("Savchenko-Bilyk"));
    type(opened.window, "o");
    QVERIFY(lastNameShown());
    QCOMPARE(textOf(opened.lastName), QString("Savchenko-Bilyko"));
    PageControls::scrollTo(opened.note);
    QVERIFY(!lastNameShown());
    QInputMethodEvent commit;
    commit.setCommitString("v");
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
    QVERIFY(lastNameShown());
    QCOMPARE(textOf(opened.lastName), QString("Savchenko-Bilykov"));
    // Backspace and Delete too.
    PageControls::scrollTo(opened.note);
    QTest::keyClick(opened.window, Qt::Key_Backspace);
    QVERIFY2(lastNameShown(), "Backspace deleted out of view");
    QTest::keyClick(opened.window, Qt::Key_Left);
    PageControls::scrollTo(opened.note);
    QTest::keyClick(opened.window, Qt::Key_Delete);
    QVERIFY2(lastNameShown(), "Delete deleted out of view");
    QCOMPARE(textOf(opened.lastName), QString("Savchenko-Bilyk"));
    m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(opened.editor));
    m_program.watchdog().reset();
}

void TestEditorKeys::focusComingBackLeavesANoteAsItWas()
{
    const QString fourLines = QStringLiteral("Drives the night shift on weekdays\nCall before noon, please, never after "
                                             "six\nTakes the airport and station runs\nKeeps a child seat in the boot");
    const QString id = m_program.query("INSERT INTO drivers (sign, last_name, inner_note, dt_utc_insert, dt_utc_last_update)"
                                       " VALUES ('D012', 'Savchenko', ?, 1000, 1000) RETURNING id", {fourLines}).toString();
    NoteEditor opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    QQuickItem *area = opened.area;
    QWindow *mainWindow = Gui::Context::mainWindow()->windowHandle();
    QString expected = fourLines;

    // Tab to the next field leaves a line field showing its start; Backtab back selects it whole.
    QTest::keyClick(opened.window, Qt::Key_End);
    QTest::keyClick(opened.window, Qt::Key_Tab);
    QTRY_VERIFY(!opened.lastName->hasActiveFocus());
    QCOMPARE(opened.lastName->property("cursorPosition").toInt(), 0);
    QTest::keyClick(opened.window, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(opened.lastName->hasActiveFocus());
    QCOMPARE(opened.lastName->property("selectedText").toString(), QString("Savchenko"));

    // A line field keeps its selection while another window is active, and gets it back: the
    // key after replaces only that.
    QTest::keyClick(opened.window, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(opened.window, Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(activate(mainWindow));
    QVERIFY(activate(opened.window));
    QTRY_VERIFY(opened.lastName->hasActiveFocus());
    QCOMPARE(opened.lastName->property("selectedText").toString(), QString("nko"));
    type(opened.window, "v");
    QCOMPARE(textOf(opened.lastName), QString("Savchev"));

    // Return saves, its answer at once or held past the busy delay, which dims the page and brings
    // it back: the keys after go in at the cursor, and are saved so.
    QString lastName = "Savchev";
    for (bool held : {false, true}) {
        QTest::keyClick(opened.window, Qt::Key_Left);
        const int at = opened.lastName->property("cursorPosition").toInt();
        QVERIFY(saveWithReturn(m_program, opened, held));
        QCOMPARE(storedDriver(m_program, id, "last_name"), lastName);
        QTRY_VERIFY(opened.lastName->hasActiveFocus());
        QCOMPARE(opened.lastName->property("selectedText").toString(), QString());
        type(opened.window, "ov");
        QVERIFY2(textOf(opened.lastName) == lastName.insert(at, "ov"), qPrintable(textOf(opened.lastName)));
    }
    QVERIFY(saveWithReturn(m_program, opened, false));
    QCOMPARE(storedDriver(m_program, id, "last_name"), lastName);
    PageControls::scrollTo(opened.note);

    // Another window is active; one click inside a word of the note's second line, which the
    // window system delivers before it activates the editor: the cursor at the click, nothing
    // selected, and "Q" goes in there.
    QVERIFY(activate(mainWindow));
    const QPoint inWord = charPoint(area, fourLines.indexOf("noon") + 2);
    const int clicked = positionAt(area, inWord);
    QCOMPARE(clicked, fourLines.indexOf("noon") + 2);
    QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier, inWord);
    QVERIFY(activate(opened.window));
    QTRY_VERIFY(area->hasActiveFocus());
    QCOMPARE(area->property("cursorPosition").toInt(), clicked);
    QCOMPARE(selected(area), QString());
    type(opened.window, "Q");
    QCOMPARE(textOf(area), expected.insert(clicked, 'Q'));

    // Another window, then back by a click on the editor's blank part (the window's corner):
    // the note has the focus again with the cursor after the "Q", and nothing selected.
    QVERIFY(activate(mainWindow));
    QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier, QPoint(2, opened.window->height() - 2));
    QVERIFY(activate(opened.window));
    QTRY_VERIFY(area->hasActiveFocus());
    QCOMPARE(selected(area), QString());
    type(opened.window, "R");
    QCOMPARE(textOf(area), expected.insert(clicked + 1, 'R'));

    // Return saves; the answer, at once or held past the busy delay, leaves the cursor and the
    // selection where they were, so the next key goes in there and replaces only what was selected.
    int cursor = clicked + 2;
    for (bool held : {false, true}) {
        QVERIFY(saveWithReturn(m_program, opened, held));
        QCOMPARE(storedDriver(m_program, id, "inner_note"), expected);
        QTRY_VERIFY(area->hasActiveFocus());
        QCOMPARE(selected(area), QString());
        type(opened.window, "S");
        QCOMPARE(textOf(area), expected.insert(cursor++, 'S'));
    }
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(opened.window, Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(saveWithReturn(m_program, opened, true));
    QTRY_VERIFY(area->hasActiveFocus());
    QCOMPARE(selected(area), expected.mid(cursor - 3, 3));
    type(opened.window, "T");
    QCOMPARE(textOf(area), expected.replace(cursor - 3, 3, "T"));
    QVERIFY(saveWithReturn(m_program, opened, false));
    QCOMPARE(storedDriver(m_program, id, "inner_note"), expected);
    QVERIFY(m_program.closePage(opened.editor));

    // The same editor as a tab of the main window: another main tab and back leaves the cursor
    // where it was.
    QPointer<QObject> editor = Gui::Context::createQmlFrame(DriverEditorUrl, {{"isWindow", false}, {"isNewInstance", true},
                                                                        {"state", "EDIT"}, {"id", id}});
    QPointer<QObject> other = Gui::Context::createQmlFrame("qrc:/qml/address/city/CityTable.qml",
                                                           {{"isWindow", false}, {"isNewInstance", true}});
    QVERIFY(editor && other);
    QQuickItem *note = pageControl(editor, "inner_note");
    QVERIFY(note);
    QTRY_COMPARE(note->property("legalText").toString(), expected);
    area = note->property("textArea").value<QQuickItem *>();
    Gui::MainTabWidget *tabs = Gui::Context::mainTabWidget();
    const int editorTab = tabs->indexOfQmlItem(editor);
    tabs->setCurrentIndex(editorTab);
    QVERIFY(activate(area->window()));
    PageControls::scrollTo(note);
    const QPoint afterSix = charPoint(area, expected.indexOf("six") + 3);
    QTest::mouseClick(area->window(), Qt::LeftButton, Qt::NoModifier, afterSix);
    QTRY_VERIFY(area->hasActiveFocus());
    const int atSix = area->property("cursorPosition").toInt();
    QVERIFY(atSix > 0);
    tabs->setCurrentIndex(tabs->indexOfQmlItem(other));
    QTRY_VERIFY(!area->hasActiveFocus());
    tabs->setCurrentIndex(editorTab);
    QTRY_VERIFY(area->hasActiveFocus());
    QCOMPARE(selected(area), QString());
    QCOMPARE(area->property("cursorPosition").toInt(), atSix);
    type(area->window(), "T");
    QCOMPARE(textOf(area), QString(expected).insert(atSix, 'T'));
    m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(editor));
    m_program.watchdog().reset();
    QVERIFY(m_program.closePage(other));
}

void TestEditorKeys::aColleaguesQuestionNeverTakesTheKeys()
{
    const QString id = m_program.query("INSERT INTO drivers (sign, last_name, inner_note, dt_utc_insert, dt_utc_last_update)"
                                       " VALUES ('D014', 'Moroz', 'Weekly', 1000, 1000) RETURNING id").toString();
    NoteEditor opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    ModalWatchdog &watchdog = m_program.watchdog();
    QObject *form = PageControls::formOf(opened.editor);
    QQuickItem *sign = pageControl(opened.editor, "sign");
    QVERIFY(form && sign);
    const auto pushChange = [&](const QString &author, const QString &sign) { pushDriverChange(m_program, id, author, sign); };

    // A change read again at once while nothing is typed leaves the focus and the cursor at the
    // end of Sign, nothing selected: the next key goes in after "D014".
    QTest::keyClick(opened.window, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(sign->hasActiveFocus());
    QTest::keyClick(opened.window, Qt::Key_End);
    int reads = m_program.sentCount("driver_trInfo");
    pushChange("77", "second");
    QVERIFY(m_program.waitForSent("driver_trInfo", reads + 1));
    QTRY_VERIFY(!form->property("isBusy").toBool());
    QVERIFY(sign->hasActiveFocus());
    QCOMPARE(sign->property("selectedText").toString(), QString());
    type(opened.window, "7");
    QCOMPARE(textOf(sign), QString("D0147"));
    QTest::keyClick(opened.window, Qt::Key_Escape);
    QCOMPARE(textOf(sign), QString("D014"));
    QTest::keyClick(opened.window, Qt::Key_Tab);
    QTRY_VERIFY(opened.lastName->hasActiveFocus());

    // A change pushed to the clean form again, its read's answer held as by a slow server. Keys
    // typed then go in before the page dims (the busy delay is long for them, its own after).
    const QVariant busyDelay = opened.editor->property("busyDelay");
    const auto pushWhileReadHeld = [&](const QByteArray &keys) {
        opened.editor->setProperty("busyDelay", timeLimit(600000));
        m_program.proxy().holdAnswerTo("driver_trInfo");
        const int sent = m_program.sentCount("driver_trInfo");
        pushChange("77", "second");
        const bool read = m_program.waitForSent("driver_trInfo", sent + 1) && activate(opened.window);
        type(opened.window, keys);
        opened.editor->setProperty("busyDelay", busyDelay);
        return read && QTest::qWaitFor([&] { return opened.editor->property("isBusy").toBool(); }, timeLimit(10000));
    };

    // Its answer after the page has dimmed: the cursor is still inside Last name, where "7" goes.
    QTest::keyClick(opened.window, Qt::Key_End);
    QTest::keyClick(opened.window, Qt::Key_Left);
    QVERIFY(pushWhileReadHeld(""));
    m_program.proxy().releaseHeld();
    QTRY_VERIFY(opened.lastName->hasActiveFocus() && !form->property("isBusy").toBool());
    type(opened.window, "7");
    QCOMPARE(textOf(opened.lastName), QString("Moro7z"));
    QTest::keyClick(opened.window, Qt::Key_Escape);

    // With "enko" typed while it was on its way: the keys stay, and the change is asked about
    // once, as for any form with edits. No keeps them, and the next key goes in at the cursor.
    QTest::keyClick(opened.window, Qt::Key_End);
    QVERIFY(pushWhileReadHeld("enko"));
    const int asked = watchdog.boxes().size();
    watchdog.leaveNextBoxOpen();
    m_program.proxy().releaseHeld();
    QTRY_VERIFY(watchdog.leftOpen());
    QCOMPARE(watchdog.leftOpen()->text(), QString("Data changed by user 'second'. Apply?"));
    QVERIFY(QTest::qWaitForWindowActive(watchdog.leftOpen(), timeLimit(5000)));
    keyClickClosing(watchdog.leftOpen()->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!watchdog.leftOpen());
    QCOMPARE(watchdog.boxes().size(), asked + 1);
    QVERIFY(opened.editor->property("isDirty").toBool());
    QTRY_VERIFY(opened.lastName->hasActiveFocus());
    type(opened.window, "Q");
    QCOMPARE(textOf(opened.lastName), QString("MorozenkoQ"));
    QTest::keyClick(opened.window, Qt::Key_Backspace);

    // The question another user's or the system's save opens, left open for the keys.
    const auto ask = [&](const QString &author, const QString &sign) -> QMessageBox * {
        watchdog.leaveNextBoxOpen();
        pushChange(author, sign);
        return shownQuestion(watchdog);
    };

    // Keys meant for the form answer No, which keeps the edits, or nothing: Return, Enter and
    // Space, also after Tab, Backtab or an arrow, which never move to Yes; a bare letter answers
    // nothing. The same for the system's change. Back in the form, the next key goes in at the
    // cursor and replaces nothing.
    const QList<QList<QKeySequence>> sequences = {
        {Qt::Key_Return}, {Qt::Key_Enter}, {Qt::Key_Space}, {Qt::Key_Y}, {Qt::Key_N}, {Qt::Key_Tab, Qt::Key_Return},
        {Qt::SHIFT | Qt::Key_Backtab, Qt::Key_Space}, {Qt::Key_Right, Qt::Key_Return}, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}};
    for (const auto &[author, sign] : {std::pair{"77", "second"}, std::pair{"1", ""}}) {
        for (const QList<QKeySequence> &keys : sequences) {
            QString pressed;
            for (const QKeySequence &key : keys)
                pressed += key.toString() + ' ';
            // The next change is stored once the read No made has brought the record it kept out.
            QVERIFY(answersLanded());
            QPointer<QMessageBox> box = ask(author, sign);
            QVERIFY2(box, qPrintable(QString("no question about the change by %1 before %2").arg(author, pressed)));
            QCOMPARE(box->text(), QString("Data changed by user '%1'. Apply?").arg(author == QString("1") ? "system" : sign));
            // Over the editor whose edits it is about, not the main window.
            QCOMPARE(box->windowHandle()->transientParent(), opened.window);
            QMessageBox::StandardButton answer = QMessageBox::NoButton;
            QMessageBox *asked = box;
            connect(asked, &QMessageBox::buttonClicked, asked,
                    [&answer, asked](QAbstractButton *button) { answer = asked->standardButton(button); });
            for (const QKeySequence &key : keys) {
                if (box)
                    keyClickClosing(box->windowHandle(), Qt::Key(key[0] & ~Qt::KeyboardModifierMask),
                                    Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
            }
            if (keys.last() == QKeySequence(Qt::Key_Y) || keys.last() == QKeySequence(Qt::Key_N)) {
                QVERIFY2(box && answer == QMessageBox::NoButton, "a bare letter answered the question");
                keyClickClosing(box->windowHandle(), Qt::Key_Escape);
            }
            QVERIFY2(answer == QMessageBox::No, qPrintable(pressed + "did not answer No"));
            QTRY_VERIFY(!box);
            QCOMPARE(textOf(opened.lastName), QString("Morozenko"));
            QVERIFY(opened.editor->property("isDirty").toBool());
            QTRY_VERIFY(opened.lastName->hasActiveFocus());
            type(opened.window, "v");
            QVERIFY2(textOf(opened.lastName) == "Morozenkov", qPrintable("after " + pressed + textOf(opened.lastName)));
            QTest::keyClick(opened.window, Qt::Key_Backspace);
        }
    }

    // Alt+Y answers Yes: the stored record is read again, and nothing is left to save.
    QVERIFY(answersLanded());
    QPointer<QMessageBox> altYes = ask("77", "second");
    QVERIFY(altYes);
    keyClickClosing(altYes->windowHandle(), Qt::Key_Y, Qt::AltModifier);
    QTRY_VERIFY(!altYes);
    QTRY_COMPARE(textOf(opened.lastName), QString("Moroz"));
    QTRY_VERIFY(!opened.editor->property("isDirty").toBool());

    // Twenty changes while it is open: one question, naming the latest author. Yes reads the
    // record again: every field shows what is stored, the note too although its stored text did
    // not change, and nothing is left to save.
    opened.area->forceActiveFocus();
    QTest::keyClick(opened.window, Qt::Key_End);
    type(opened.window, " Fr");
    QCOMPARE(textOf(opened.area), QString("Weekly Fr"));
    m_program.query("UPDATE drivers SET last_name = 'Moroz-Bilyk', dt_utc_last_update = 2000 WHERE id = ?", {id});
    const int boxes = watchdog.boxes().size();
    QPointer<QMessageBox> box = ask("77", "second");
    QVERIFY(box);
    for (int i = 0; i < 19; ++i)
        m_program.push({{"FN", "driver_srUpdated"}, {"RECEIVER", "ALL"}, {"id", id}, {"id_owner_modify", "78"},
                        {"sign", i < 18 ? "second" : "third"}});
    QCOMPARE(watchdog.boxes().size(), boxes + 1);
    QCOMPARE(box->text(), QString("Data changed by user 'third'. Apply?"));
    QTest::mouseClick(static_cast<QWidget *>(box->button(QMessageBox::Yes)), Qt::LeftButton);
    QTRY_COMPARE(textOf(opened.lastName), QString("Moroz-Bilyk"));
    QTRY_COMPARE(textOf(opened.area), QString("Weekly"));
    QTRY_VERIFY(!opened.editor->property("isDirty").toBool());

    // The connection goes while such a read is held: once back, the clean form is read again
    // without a word and shows the colleague's middle name, which the save after it sends
    // untouched. That save's answer lost too, the check after the reconnection finds it saved and
    // shows the record, asking nothing.
    m_program.query("UPDATE drivers SET middle_name = 'Petrivna', dt_utc_last_update = 3000 WHERE id = ?", {id});
    int shown = watchdog.boxes().size();
    QVERIFY(pushWhileReadHeld(""));
    m_program.proxy().cut();
    QTRY_COMPARE_WITH_TIMEOUT(textOf(pageControl(opened.editor, "middle_name")), QString("Petrivna"), timeLimit(20000));
    QVERIFY(!opened.editor->property("isDirty").toBool());
    QCOMPARE(watchdog.boxes().size(), shown);
    QTest::keyClick(opened.window, Qt::Key_End);
    type(opened.window, " Sa");
    m_program.proxy().loseAnswerTo("driver_trUpdate");
    QTest::keyClick(opened.window, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(watchdog.boxes().size() == shown + 2, timeLimit(20000));
    QCOMPARE(watchdog.texts().last(), QString("The data was saved: the server holds what was typed."));
    QTRY_VERIFY(!opened.editor->property("isDirty").toBool());
    QCOMPARE(storedDriver(m_program, id, "middle_name") + '|' + storedDriver(m_program, id, "inner_note"), QString("Petrivna|Weekly Sa"));

    // Again with a key typed while the read was on its way: once back, the change is asked about
    // once, and Yes shows the colleague's first name.
    m_program.query("UPDATE drivers SET first_name = 'Olha', dt_utc_last_update = 4000 WHERE id = ?", {id});
    shown = watchdog.boxes().size();
    watchdog.leaveNextBoxOpen();
    QVERIFY(pushWhileReadHeld("m"));
    m_program.proxy().cut();
    QTRY_VERIFY_WITH_TIMEOUT(watchdog.leftOpen(), timeLimit(20000));
    QCOMPARE(watchdog.leftOpen()->text(), QString("Data changed by user 'second'. Apply?"));
    QTest::mouseClick(static_cast<QWidget *>(watchdog.leftOpen()->button(QMessageBox::Yes)), Qt::LeftButton);
    QTRY_COMPARE(textOf(pageControl(opened.editor, "first_name")), QString("Olha"));
    QCOMPARE(watchdog.boxes().size(), shown + 1);

    // No while such a read is on its way, its request slow to reach the server so that another
    // change is pushed first: its answer asks nothing again.
    opened.editor->setProperty("busyDelay", timeLimit(600000));
    m_program.proxy().holdRequest("driver_trInfo");
    pushChange("77", "second");
    QTRY_VERIFY(form->property("isBusy").toBool());
    QVERIFY(activate(opened.window));
    type(opened.window, "m");
    shown = watchdog.boxes().size();
    QPointer<QMessageBox> no = ask("78", "third");
    QVERIFY(no);
    QTest::mouseClick(static_cast<QWidget *>(no->button(QMessageBox::No)), Qt::LeftButton);
    opened.editor->setProperty("busyDelay", busyDelay);
    reads = m_program.sentCount("driver_trInfo");
    m_program.proxy().releaseHeld();
    QVERIFY(m_program.waitForSent("driver_trInfo", reads + 1));
    QTRY_VERIFY(!form->property("isBusy").toBool());
    QCOMPARE(watchdog.boxes().size(), shown + 1);
    QVERIFY(opened.editor->property("isDirty").toBool());

    // Esc, and Discard clicked in the box it opens over the editor: the editor goes, and the
    // window that opened it (the main window) takes the keys.
    QVERIFY(activate(opened.window));
    watchdog.leaveNextBoxOpen();
    QTest::keyClick(opened.window, Qt::Key_Escape);
    QPointer<QMessageBox> closing = shownQuestion(watchdog);
    QVERIFY(closing);
    QCOMPARE(closing->text(), QString("Data not saved"));
    QCOMPARE(closing->windowHandle()->transientParent(), opened.window);
    QPointer<QObject> editor = opened.editor;
    QTest::mouseClick(closing->button(QMessageBox::Discard), Qt::LeftButton);
    QTRY_VERIFY(!editor);
    QTRY_COMPARE(QGuiApplication::focusWindow(), Gui::Context::mainWindow()->windowHandle());
    watchdog.reset();
}

void TestEditorKeys::keysFollowTheTabShown()
{
    const QString id = m_program.query("INSERT INTO drivers (sign, last_name, inner_note, dt_utc_insert, dt_utc_last_update)"
                                       " VALUES ('D015', 'Moroz', 'Weekly', 1000, 1000) RETURNING id").toString();
    m_program.query("INSERT INTO cars (rst_id_driver, uuid, identifier, model, dt_utc_insert, dt_utc_last_update)"
                    " VALUES (?, md5('AA 5555'), 'AA 5555', 'Corolla', 1000, 1000)", {id});
    NoteEditor opened = openAtNote(m_program, id);
    QVERIFY(opened.editor);
    QTest::keyClick(opened.window, Qt::Key_End);
    type(opened.window, "enk");
    QTest::keyClick(opened.window, Qt::Key_Left);
    const int carLocks = m_program.sentCount("car_trLock");
    const auto header = [&](const char *tab) {
        QQuickItem *button = editorTabButton(opened.editor, tab);
        return button ? button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint() : QPoint();
    };

    // The Cars tab shows its car; its header, then Essentials' header, clicked; and again with
    // their keys. The keys after go into Last name, the field used last on Essentials, at the
    // cursor left there, and Return saves the driver, with no car opened or locked.
    QString expected = "Morozenk";
    int cursor = expected.size() - 1;
    for (const char *way : {"header", "key"}) {
        if (way == QByteArray("header"))
            QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier, header("carsTab"));
        else
            press(opened.window, QKeySequence("Ctrl+Y"));
        QTRY_VERIFY(editorTabPage(opened.editor, "carsTab"));
        QTRY_COMPARE(PageControls::shownValue(editorTabPage(opened.editor, "carsTab"), m_program.query(
                         "SELECT id FROM cars WHERE identifier = 'AA 5555'").toString(), "identifier"), QString("AA 5555"));
        if (way == QByteArray("header"))
            QTest::mouseClick(opened.window, Qt::LeftButton, Qt::NoModifier, header("essentialsTab"));
        else
            press(opened.window, QKeySequence("Ctrl+T"));
        QTRY_VERIFY(opened.lastName->hasActiveFocus());
        QCOMPARE(opened.lastName->property("selectedText").toString(), QString());
        type(opened.window, "o");
        QCOMPARE(textOf(opened.lastName), expected.insert(cursor++, 'o'));
    }
    const int updates = m_program.sentCount("driver_trUpdate");
    QTest::keyClick(opened.window, Qt::Key_Return);
    QVERIFY(m_program.waitForSent("driver_trUpdate", updates + 1));
    QTRY_COMPARE(storedDriver(m_program, id, "last_name"), expected);
    QCOMPARE(m_program.sentCount("car_trLock"), carLocks);
    QCOMPARE(m_program.query("SELECT count(*) FROM cars WHERE rst_id_user_locked <> 1").toInt(), 0);

    // A date input keeps its place as well: Return in the Sessions period's end day asks for the
    // list again, and with its answer held past the busy delay the next digit goes into that day.
    const int lists = m_program.sentCount("driverSession_trGetList");
    press(opened.window, QKeySequence("Ctrl+P"));
    QObject *sessions = nullptr;
    QTRY_VERIFY((sessions = editorTabPage(opened.editor, "sessionsTab")));
    QVERIFY(m_program.waitForSent("driverSession_trGetList", lists + 1));
    // Its own list's end, not the page's wait: the save's answer ends that one as well.
    QObject *sessionList = sessions->property("tableView").value<QObject *>();
    QTRY_VERIFY(!sessionList->property("isListPending").toBool());
    QObject *endDate = sessions->findChild<QObject *>("period")->property("endDate").value<QObject *>();
    auto *endDay = endDate->property("day").value<QQuickItem *>();
    auto *dayInput = endDay->property("input").value<QQuickItem *>();
    dayInput->forceActiveFocus(Qt::MouseFocusReason);
    type(opened.window, "28");
    m_program.proxy().holdAnswerTo("driverSession_trGetList");
    QTest::keyClick(opened.window, Qt::Key_Return);
    QTRY_VERIFY(opened.editor->property("isBusy").toBool());
    m_program.proxy().releaseHeld();
    QTRY_VERIFY(!opened.editor->property("isBusy").toBool() && dayInput->hasActiveFocus());
    type(opened.window, "3");
    QCOMPARE(textOf(endDay), QString("3"));
    QVERIFY(m_program.closePage(opened.editor));
}

KORIV_PAGE_TEST_MAIN(TestEditorKeys)

#include "tst_editorkeys.moc"
