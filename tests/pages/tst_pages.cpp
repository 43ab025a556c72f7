// Every page of the catalogue in the program signed in to the stand-in over PostgreSQL: it opens
// without a QML warning and without a missing-glyph box, asks for its own list only (shared
// lists ask nothing) and nothing without the read right; each editor saves nothing unchanged,
// exactly its request map for one changed field, and shows a refusal at the field it belongs
// to. The main menu's commands open their pages. The tests see the QML engine's warnings, and the
// program ends without a message with tables open every way.
#include "drawnglyphs.h"
#include "editortabs.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "pagerows.h"

#include "shell/context.h"
#include "shell/menucommands.h"
#include "startup/startup.h"

#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/frame/frame.h"
#include "gui/frame/frames.h"
#include "gui/mainwindow/mainwindow.h"
#include "timelimit.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QQmlComponent>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(PageRow)

using PageControls::formOf;
using PageControls::press;
using PageControls::tableViewOf;

namespace {

QString receiverOf(QObject *editor)
{
    QObject *form = formOf(editor);
    QObject *controller = form ? form->property("controller").value<QObject *>() : nullptr;
    return controller ? controller->property("objectNumber").toString() : QString();
}

// The stored value a field shows: a check box's as "1"/"0", another field's text.
QString legalValueOf(const QQuickItem *field)
{
    if (field->property("type").toString() == QLatin1String("checkBox"))
        return field->property("legalChecked").toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return field->property("legalText").toString();
}

void setFieldValue(QQuickItem *field, const QString &value)
{
    if (field->property("type").toString() == QLatin1String("checkBox"))
        field->setProperty("checked", value == QLatin1String("1"));
    else
        field->setProperty("text", value);
}

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void qmlWarningsAreCaught();
    void opens_data();
    void opens();
    void editorRoundTrip_data();
    void editorRoundTrip();
    void menuCommands();
    // The program is gone after it: the last function.
    void quitsWithPagesOpen();

private:
    QObject *openEditor(const PageRow &row, const QString &id);
    // The editor that a tab page shows in, opened on its record with the tab shown.
    QObject *openTab(const PageRow &row);

    PageProgram m_program;
};

void TestPages::initTestCase()
{
    const QString failure = m_program.start("pages", {}, pageSeed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestPages::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestPages::qmlWarningsAreCaught()
{
    // The program's QML engine warns within the run: the page tests' guard sees it, as expected
    // when announced and as a problem otherwise.
    QQmlComponent component(Gui::Context::qmlEngine());
    component.setData("import QtQuick 2.15\nQtObject { property int size: missingThing.length }",
                      QUrl("qrc:/guardprobe/Probe.qml"));
    m_program.messages().expect("ReferenceError: missingThing is not defined");
    std::unique_ptr<QObject> announced(component.create());
    QVERIFY(announced);
    const QStringList missing = m_program.messages().takeMissing();
    QVERIFY2(missing.isEmpty(), qPrintable("the guard saw no warning: " + missing.join('\n')));
    QVERIFY2(m_program.problems().isEmpty(), "an announced warning is no problem");
    std::unique_ptr<QObject> unannounced(component.create());
    const QString problems = m_program.problems();
    QVERIFY2(problems.contains("Probe.qml:2: ReferenceError: missingThing is not defined"), qPrintable(problems));
}

void TestPages::opens_data()
{
    QTest::addColumn<PageRow>("row");
    for (const PageRow &row : pageRows())
        QTest::newRow(qPrintable(pageTag(row))) << row;
}

void TestPages::opens()
{
    QFETCH(PageRow, row);
    const QString list = row.controller + "_trGetList";
    for (bool withRight : {true, false}) {
        const std::shared_ptr<void> withheld = withRight ? nullptr : m_program.withholdRight(row.controller);
        if (!withRight)
            m_program.watchdog().reset();
        const int before = m_program.sentCount(list);
        QPointer<QObject> page = row.isTab() ? openTab(row) : m_program.openPage(row.url);
        QVERIFY2(page, qPrintable(row.url));
        const int expected = withRight && row.list == PageList::Own ? 1 : 0;
        if (expected)
            QVERIFY(m_program.waitForSent(list, before + 1));
        QTest::qWait(timeLimit(300));
        QCOMPARE(m_program.sentCount(list), before + expected);
        // Every icon the page draws has a face that holds its glyph.
        const QStringList boxes = missingGlyphs(page);
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
        if (expected) {
            // The own list asks with the row limit only, or with the page's own filters.
            const QJsonObject request = m_program.sent(list).last();
            QVERIFY(request.contains("query_limit"));
        }
        if (!withRight && row.list != PageList::None) {
            // A table says why it shows nothing.
            QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
            QVERIFY2(m_program.watchdog().texts().join('\n').contains("You don't have enough access privileges"),
                     qPrintable(m_program.watchdog().texts().join('\n')));
            m_program.watchdog().reset();
        }
        if (row.list == PageList::Shared) {
            // The shared list shows its rows but the placeholder; without the right, none.
            QObject *view = tableViewOf(page);
            QVERIFY(view);
            QAbstractItemModel *rows = view->property("model").value<QAbstractItemModel *>();
            QVERIFY(rows);
            int placeholder = -1;
            QMetaObject::invokeMethod(rows, "checkValueByRole", Q_RETURN_ARG(int, placeholder),
                                      Q_ARG(QString, "id"), Q_ARG(QVariant, QVariant("1")));
            QCOMPARE(placeholder, -1);
            QObject *controller = view->property("controller").value<QObject *>();
            auto *all = controller->property("originalModel").value<QAbstractItemModel *>();
            QVERIFY(all && all->rowCount() > 0);
            const int shown = row.shownSql.isEmpty() ? all->rowCount() - 1 : m_program.query(row.shownSql).toInt();
            if (withRight)
                QTRY_COMPARE(rows->rowCount(), shown);
            else
                QCOMPARE(rows->rowCount(), 0);
        }
        QVERIFY(m_program.closePage(page));
    }
}

QObject *TestPages::openTab(const PageRow &row)
{
    const QString id = m_program.query(row.host.recordSql).toString();
    QObject *editor = m_program.openPage(row.host.editorUrl, {{"state", "EDIT"}, {"id", id}});
    if (!editor || !QTest::qWaitFor([&] { return !formOf(editor)->property("isBusy").toBool(); }, timeLimit(10000))
        || !showEditorTab(editor, row.host.tab) || !QTest::qWaitFor([&] { return editorTabPage(editor, row.host.tab); }, timeLimit(5000))) {
        qWarning() << "no tab" << row.host.tab << "in" << row.host.editorUrl << id;
        return nullptr;
    }
    return editor;
}

QObject *TestPages::openEditor(const PageRow &row, const QString &id)
{
    QVariantMap properties;
    if (!id.isEmpty())
        properties = {{"state", "EDIT"}, {"id", id}};
    QObject *editor = m_program.openPage(row.url, properties);
    if (!editor)
        return nullptr;
    QQuickItem *field = pageControl(editor, row.editor.field);
    const QVariant stored = id.isEmpty() ? m_program.query(row.editor.storedSql)
                                         : m_program.query(row.editor.storedSql, {id});
    if (!field || !QTest::qWaitFor([&] { return legalValueOf(field) == stored.toString(); }, timeLimit(10000))
        || !QTest::qWaitFor([&] { return !formOf(editor)->property("isBusy").toBool(); }, timeLimit(10000))) {
        qWarning() << "editor" << row.url << "did not show the stored" << row.editor.field << stored;
        return nullptr;
    }
    return editor;
}

void TestPages::editorRoundTrip_data()
{
    QTest::addColumn<PageRow>("row");
    for (const PageRow &row : pageRows()) {
        if (row.isEditor())
            QTest::newRow(qPrintable(pageTag(row))) << row;
    }
}

void TestPages::editorRoundTrip()
{
    QFETCH(PageRow, row);
    const EditorRow &edit = row.editor;
    const QString update = row.controller + "_trUpdate";
    const QString id = edit.recordSql.isEmpty() ? QString() : m_program.query(edit.recordSql).toString();
    QVERIFY(edit.recordSql.isEmpty() || !id.isEmpty());

    // Unchanged, OK closes the editor and sends nothing.
    int updates = m_program.sentCount(update);
    QPointer<QObject> editor = openEditor(row, id);
    QVERIFY(editor);
    press(editor, "okButton");
    QTRY_VERIFY(editor.isNull());
    QTest::qWait(timeLimit(200));
    QCOMPARE(m_program.sentCount(update), updates);

    // One field changed: exactly the request map, the stored value changes, OK closes.
    editor = openEditor(row, id);
    QVERIFY(editor);
    setFieldValue(pageControl(editor, edit.field), edit.value);
    QVERIFY(editor->property("isDirty").toBool());
    // The stored values before the save, which the unchanged fields must carry (an editor opened
    // without an id names its record in its request).
    QHash<QString, QString> before;
    for (const QString &key : edit.request) {
        if (!id.isEmpty() && key != "id" && key != edit.field)
            before.insert(key, m_program.query(QString("SELECT %1::text FROM %2 WHERE id = ?").arg(key, edit.table),
                                               {id}).toString());
    }
    press(editor, "okButton");
    QVERIFY(m_program.waitForSent(update, updates + 1));
    QJsonObject request = m_program.sent(update).last();
    for (const char *key : {"FN", "RECEIVER", "SIGN"})
        request.remove(key);
    QStringList keys = request.keys();
    QStringList expected = edit.request;
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    // The fields not changed go out as they are stored: a save never rewrites them.
    const QString recordId = id.isEmpty() ? request.value("id").toString() : id;
    for (const QString &key : request.keys()) {
        const QString value = request.value(key).toString();
        if (key == "id" || key == edit.field || value == edit.value || edit.derived.contains(key))
            continue;
        const QString stored = before.contains(key)
            ? before.value(key)
            : m_program.query(QString("SELECT %1::text FROM %2 WHERE id = ?").arg(key, edit.table), {recordId}).toString();
        // A number may come back written another way ("0.0" for a stored 0).
        bool isNumber = false;
        bool storedIsNumber = false;
        const double number = value.toDouble(&isNumber);
        if (isNumber && qFuzzyCompare(1.0 + number, 1.0 + stored.toDouble(&storedIsNumber)) && storedIsNumber)
            continue;
        QVERIFY2(value == stored, qPrintable(key + ": " + value + " is stored as " + stored));
    }
    QTRY_VERIFY(editor.isNull());
    const QVariant stored = id.isEmpty() ? m_program.query(edit.storedSql) : m_program.query(edit.storedSql, {id});
    QCOMPARE(stored.toString(), edit.value);
    if (!edit.keptSql.isEmpty())
        QCOMPARE(m_program.query(edit.keptSql, {id}).toString(), edit.keptValue);

    // A refusal: the field of its code takes the focus, the page error text shows, the editor stays.
    editor = openEditor(row, id);
    QVERIFY(editor);
    m_program.watchdog().reset();
    const QString code = edit.errorCode.isEmpty() ? QStringLiteral("100") : edit.errorCode;
    m_program.push({{"FN", row.controller + "_saUpdate"}, {"RECEIVER", receiverOf(editor)}, {"RES", "0"},
                    {"ERRCODE", code}, {"id", recordId}});
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    const QString text = m_program.watchdog().texts().join('\n');
    QVERIFY2(text.startsWith(edit.errorText), qPrintable(text));
    QVERIFY2(text.contains("(code: " + code + ", controller: " + row.controller), qPrintable(text));
    if (!edit.errorCode.isEmpty()) {
        QQuickItem *field = pageControl(editor, edit.field);
        QTRY_VERIFY(field->hasActiveFocus() || field->property("activeFocus").toBool());
    }
    m_program.watchdog().reset();
    QVERIFY(editor);
    QVERIFY(m_program.closePage(editor));
}

void TestPages::menuCommands()
{
    QMenuBar *bar = Gui::Context::mainWindow()->menuBar();
    QStringList names;
    for (const MenuCommand &command : ::menuCommands()) {
        if (!command.text)
            continue;
        const QString name = QString::fromLatin1(command.objectName);
        QAction *action = bar->findChild<QAction *>(name);
        QVERIFY2(action, qPrintable(name));
        QVERIFY(action->shortcut().isEmpty());
        QCOMPARE(action->text(), QCoreApplication::translate("MainMenu", command.text));
        action->trigger();
        Gui::Frames *frames = Gui::Global::currentFrames();
        QVERIFY(frames && !frames->list().isEmpty());
        QObject *page = frames->list().last();
        if (command.frame) {
            // A report frame, which the signed-in administrator may use: it stays open.
            auto *frame = qobject_cast<Gui::Frame *>(page);
            QVERIFY2(frame, command.frame);
            QCOMPARE(frame->settingsName(), QString::fromLatin1(command.frame));
            QPointer<Gui::Frame> open = frame;
            QCoreApplication::processEvents();
            QVERIFY2(open && open->isEnabled(), command.frame);
            frame->close();
            QTRY_VERIFY(!open);
            names.append(name);
            continue;
        }
        QCOMPARE(page->property("url").toString(), QString::fromLatin1(command.url));
        // The version editor opens without an id.
        QVERIFY(page->property("id").toString() != "1");
        QVERIFY(m_program.closePage(page));
        names.append(name);
    }
    QVERIFY(names.contains("cities") && names.contains("versions") && names.contains("crashReport"));
    QVERIFY(names.contains("driverReport") && names.contains("brandPaymentReport"));
}

void TestPages::quitsWithPagesOpen()
{
    // Tables open in a window, in a tab, in an editor's tab and as a report's driver choice: the
    // program ends without a message from any of them.
    QPointer<QObject> window = m_program.openPage("qrc:/qml/driver/attributes/CarBrandsTable.qml");
    QPointer<QObject> tab = Gui::Context::createQmlFrame("qrc:/qml/driver/driver/DriverTable.qml",
                                                         {{"isWindow", false}, {"isNewInstance", true}});
    QPointer<QObject> editor;
    for (const PageRow &row : pageRows()) {
        if (row.isTab() && row.list != PageList::None && !editor)
            editor = openTab(row);
    }
    QVERIFY(window && tab && editor);
    QMenuBar *bar = Gui::Context::mainWindow()->menuBar();
    bar->findChild<QAction *>("driverReport")->trigger();
    QPointer<QObject> report = Gui::Global::currentFrames()->list().last();
    QVERIFY(qobject_cast<Gui::Frame *>(report));
    auto *plus = qobject_cast<QWidget *>(report)->findChild<QPushButton *>("plusButton");
    QVERIFY(plus);
    plus->click();
    QPointer<QObject> chooser = Gui::Global::currentFrames()->list().last();
    QVERIFY(chooser && chooser != report);
    for (QObject *page : {window.data(), tab.data(), chooser.data()})
        QTRY_VERIFY(tableViewOf(page) && tableViewOf(page)->property("rowCount").toInt() > 0);

    m_program.closeProgram();
    QVERIFY(!window && !tab && !editor && !chooser);
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

KORIV_PAGE_TEST_MAIN(TestPages)

#include "tst_pages.moc"
