// The keys the program prints, pressed as a person presses them on X11 (xcb on Xvfb, with the
// desktop's key bindings that offscreen lacks): an editor's tab keys switch tabs whatever field
// has the focus and leave every text as it was; a printed key whose action is off edits nothing;
// and every key the pages and the main window bind, held against the platform's text-editing
// bindings in the kit's fields and in widget line edits, reaches its action and changes no text.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"

#include "gui/core/context.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAction>
#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPointer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using PageControls::formOf;

namespace {

const QString DriverUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");
const QString Note = QStringLiteral("first line\nsecond line");

// A field of the kit and a multi-line one beside a shortcut of the key under test.
const char *KeyHolder = R"(
import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/text"
Item {
    property alias shortcut: shortcut
    property alias letters: tabs.letters
    width: 400; height: 300
    TabViewEx { id: tabs; visible: false }
    Column {
        TextFieldEx { objectName: "line"; width: 300; text: "Hello world" }
        TextAreaEx { objectName: "lines"; width: 300; height: 100; text: "Hello world\nsecond line" }
    }
    ShortcutEx { id: shortcut }
}
)";

QString textOf(QQuickItem *field)
{
    return field ? field->property("text").toString() : QString();
}

bool activate(QWindow *window)
{
    window->requestActivate();
    return QTest::qWaitForWindowActive(window);
}

// Focuses the field with the cursor inside its text, where every editing key would change it.
void focusInside(QQuickItem *field)
{
    field->forceActiveFocus();
    field->setProperty("cursorPosition", 3);
}

void press(QWindow *window, const QKeySequence &key)
{
    const int combination = key[0];
    QTest::keyClick(window, Qt::Key(combination & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(combination & Qt::KeyboardModifierMask));
}

// Notes the platform's standard keys that the key is also bound to ("Ctrl+U DeleteCompleteLine").
void noteStandardKeys(const QKeySequence &key, QStringList &notes)
{
    QStringList names;
    const QMetaEnum keys = QMetaEnum::fromType<QKeySequence::StandardKey>();
    for (int i = 0; i < keys.keyCount(); ++i) {
        if (QKeySequence::keyBindings(QKeySequence::StandardKey(keys.value(i))).contains(key))
            names.append(QString::fromLatin1(keys.key(i)));
    }
    if (!names.isEmpty())
        notes.append(key.toString() + " " + names.join('/'));
}

// Every key sequence that a page's QML names in its shortcuts, and the tab keys.
QList<QKeySequence> pageKeys(const QStringList &tabLetters)
{
    static const QRegularExpression bound(
        QStringLiteral("\\b(?:sequence|shortcut|shortcutName2?)\\s*:\\s*\"([^\"]+)\""));
    QList<QKeySequence> keys;
    QDirIterator files(QStringLiteral(":/qml"), {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        auto match = bound.globalMatch(QString::fromUtf8(file.readAll()));
        while (match.hasNext()) {
            const QKeySequence key = QKeySequence::fromString(match.next().captured(1));
            if (!key.isEmpty() && !keys.contains(key))
                keys.append(key);
        }
    }
    for (const QString &letter : tabLetters)
        keys.append(QKeySequence::fromString("Ctrl+" + letter));
    return keys;
}

// The main window's command keys, and Alt with every letter for the mnemonics of menus, labels
// and buttons.
QList<QKeySequence> widgetKeys()
{
    QList<QKeySequence> keys;
    for (const QAction *action : Gui::Context::mainWindow()->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            if (!keys.contains(key))
                keys.append(key);
        }
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        keys.append(QKeySequence(Qt::ALT | letter));
    return keys;
}

bool hasModifier(const QKeySequence &key)
{
    return key[0] & (Qt::CTRL | Qt::ALT | Qt::META);
}

} // namespace

class TestEditorKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tabKeysSwitchTabsAndLeaveTheTexts();
    void boundKeysAgainstThePlatformsEditingKeys();

private:
    QObject *openDriver(const QString &sign);
    // Adds a tab with an empty page to the editor's tab view.
    void addTab(QObject *editor, const QString &title);

    PageProgram m_program;
};

void TestEditorKeys::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    const QString failure = m_program.start(
        "editorkeys", {},
        {"INSERT INTO drivers (sign, last_name, system_note, dt_utc_insert, dt_utc_last_update)"
         " VALUES ('D007', 'Kowalski', E'first line\\nsecond line', 1000, 1000)"});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestEditorKeys::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QObject *TestEditorKeys::openDriver(const QString &sign)
{
    const QString id = m_program.query("SELECT id FROM drivers WHERE sign = ?", {sign}).toString();
    QObject *editor = m_program.openPage(DriverUrl, {{"state", "EDIT"}, {"id", id}});
    QQuickItem *field = pageControl(editor, "sign");
    QObject *form = formOf(editor);
    if (!field || !form || !QTest::qWaitFor([&] { return field->property("legalText") == sign; }, 10000)
        || !QTest::qWaitFor([&] { return !form->property("isBusy").toBool(); }, 10000))
        return nullptr;
    return editor;
}

void TestEditorKeys::addTab(QObject *editor, const QString &title)
{
    QQmlComponent component(Gui::Context::qmlEngine());
    component.setData("import QtQuick 2.15\nimport \"qrc:/qml/components\"\nTabButtonEx { Item {} }", QUrl());
    QObject *button = component.create(qmlContext(editor));
    QVERIFY2(button, qPrintable(component.errorString()));
    button->setProperty("text", title);
    QObject *tabBar = editor->property("tabView").value<QObject *>()->property("tabBar").value<QObject *>();
    QVERIFY(QMetaObject::invokeMethod(tabBar, "addItem", Q_ARG(QQuickItem *, qobject_cast<QQuickItem *>(button))));
}

void TestEditorKeys::tabKeysSwitchTabsAndLeaveTheTexts()
{
    QPointer<QObject> editor = openDriver("D007");
    QVERIFY(editor);
    // Seven tabs of its own and four more: the first nine have keys, the tenth and eleventh none.
    for (int i = 8; i <= 11; ++i)
        addTab(editor, QString("Extra %1").arg(i));
    QObject *tabView = editor->property("tabView").value<QObject *>();
    QObject *tabBar = tabView->property("tabBar").value<QObject *>();
    QTRY_COMPARE(tabBar->property("count").toInt(), 11);
    const QStringList letters = tabView->property("letters").toStringList();
    QCOMPARE(letters.size(), 9);
    QVERIFY(!tabView->findChild<QObject *>("tabShortcut9"));
    QVERIFY(!tabView->findChild<QObject *>("tabShortcut10"));

    QQuickItem *lastName = pageControl(editor, "last_name");
    QQuickItem *note = pageControl(editor, "system_note");
    QVERIFY(lastName && note);
    QCOMPARE(textOf(note), Note);
    QWindow *window = lastName->window();
    QVERIFY(activate(window));
    QObject *form = formOf(editor);
    for (QQuickItem *field : {lastName, note}) {
        for (int tab = 0; tab < letters.size(); ++tab) {
            const QString key = "Ctrl+" + letters.at(tab);
            QObject *shortcut = tabView->findChild<QObject *>(QString("tabShortcut%1").arg(tab));
            QVERIFY(shortcut);
            QSignalSpy activated(shortcut, SIGNAL(activated()));
            tabBar->setProperty("currentIndex", 0);
            focusInside(field);
            QTRY_VERIFY(field->hasActiveFocus());
            press(window, QKeySequence::fromString(key));
            QVERIFY2(activated.count() == 1, qPrintable(key + " in " + field->objectName() + " did not reach its tab"));
            QCOMPARE(tabBar->property("currentIndex").toInt(), tab);
            QCOMPARE(textOf(lastName), QString("Kowalski"));
            QCOMPARE(textOf(note), Note);
            QVERIFY2(!editor->property("isDirty").toBool(), qPrintable(key + " made the form dirty"));
        }
    }
    QVERIFY(!form->property("isBusy").toBool());
    QVERIFY(m_program.closePage(editor));
    QCOMPARE(m_program.query("SELECT last_name FROM drivers WHERE sign = 'D007'").toString(), QString("Kowalski"));

    // A new driver's other tabs wait for the record: their keys are printed and off.
    editor = m_program.openPage(DriverUrl, {{"state", "ADD"}, {"id", "0"}});
    lastName = pageControl(editor, "last_name");
    QVERIFY(lastName && activate(lastName->window()));
    lastName->forceActiveFocus();
    QTRY_VERIFY(lastName->hasActiveFocus());
    for (char letter : QByteArray("Nowak"))
        QTest::keyClick(lastName->window(), letter);
    QTRY_COMPARE(textOf(lastName), QString("Nowak"));
    tabBar = editor->property("tabView").value<QObject *>()->property("tabBar").value<QObject *>();
    for (const QString &letter : letters.mid(0, tabBar->property("count").toInt())) {
        focusInside(lastName);
        press(lastName->window(), QKeySequence::fromString("Ctrl+" + letter));
        QCOMPARE(textOf(lastName), QString("Nowak"));
    }
    m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(editor));
    m_program.watchdog().reset();
}

void TestEditorKeys::boundKeysAgainstThePlatformsEditingKeys()
{
    // The pages' keys, in the kit's single- and multi-line fields.
    QQuickView view(Gui::Context::qmlEngine(), nullptr);
    QQmlComponent component(Gui::Context::qmlEngine());
    component.setData(KeyHolder, QUrl());
    std::unique_ptr<QObject> holder(component.create());
    QVERIFY2(holder, qPrintable(component.errorString()));
    const QList<QKeySequence> keys = pageKeys(holder->property("letters").toStringList());
    QVERIFY2(keys.size() > 20, qPrintable(QString::number(keys.size())));
    view.setContent(QUrl(), &component, holder.get());
    view.show();
    QVERIFY(activate(&view));
    QObject *shortcut = holder->property("shortcut").value<QObject *>();
    QSignalSpy activated(shortcut, SIGNAL(activated()));
    QQuickItem *line = holder->findChild<QQuickItem *>("line");
    QQuickItem *lines = holder->findChild<QQuickItem *>("lines")->property("textArea").value<QQuickItem *>();
    QStringList clashes;
    for (const QKeySequence &key : keys) {
        noteStandardKeys(key, clashes);
        shortcut->setProperty("sequence", key.toString());
        // Off, only a key with a modifier is kept from the field: a plain key is the field's.
        for (bool enabled : {true, false}) {
            if (!enabled && !hasModifier(key))
                continue;
            shortcut->setProperty("enabled", enabled);
            for (QQuickItem *field : {line, lines}) {
                // Enter in a multi-line field is the editor's: it saves.
                if (field == lines && key == QKeySequence(Qt::Key_Enter))
                    continue;
                const QString before = textOf(field);
                focusInside(field);
                activated.clear();
                press(&view, key);
                const QString where = key.toString() + (enabled ? "" : " (off)") + (field == line ? " in a line" : " in lines");
                QVERIFY2(textOf(field) == before, qPrintable(where + " changed the text"));
                QVERIFY2(activated.count() == (enabled ? 1 : 0), qPrintable(where + " did not reach its shortcut"));
            }
        }
    }
    qInfo().noquote() << "page keys:" << QKeySequence::listToString(keys);

    // The widget side's keys, in a line edit and a multi-line edit of a dialog.
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *lineEdit = new QLineEdit(QStringLiteral("Hello world"));
    auto *plainEdit = new QPlainTextEdit(QStringLiteral("Hello world\nsecond line"));
    layout->addWidget(lineEdit);
    layout->addWidget(plainEdit);
    auto *action = new QAction(&dialog);
    dialog.addAction(action);
    QSignalSpy triggered(action, &QAction::triggered);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QKeySequence> commands = widgetKeys();
    for (const QKeySequence &key : commands) {
        noteStandardKeys(key, clashes);
        action->setShortcut(key);
        for (QWidget *field : QList<QWidget *>{lineEdit, plainEdit}) {
            const QString before = lineEdit->text() + plainEdit->toPlainText();
            field->setFocus();
            lineEdit->setCursorPosition(3);
            triggered.clear();
            const int combination = key[0];
            QTest::keyClick(field, Qt::Key(combination & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(combination & Qt::KeyboardModifierMask));
            const QString where = key.toString() + " in " + field->metaObject()->className();
            QVERIFY2(lineEdit->text() + plainEdit->toPlainText() == before, qPrintable(where + " changed the text"));
            QVERIFY2(triggered.count() == 1, qPrintable(where + " did not reach its action"));
        }
    }
    qInfo().noquote() << "main window keys:" << QKeySequence::listToString(commands);
    qInfo().noquote() << "bound keys the platform also binds:" << clashes.join(", ");
}

KORIV_PAGE_TEST_MAIN(TestEditorKeys)

#include "tst_editorkeys.moc"
