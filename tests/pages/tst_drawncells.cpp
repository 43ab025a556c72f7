// Every table page of the catalogue and every table inside an editor's tab, with more rows than
// fit, draws in each cell in sight the text its column's delegate makes of the row's value: at
// its first show as a tab of the main window, after a switch of tabs away and back, after the
// main window is widened in one step and once scrolled to its last row, whose rows are made as
// they come into sight. Then it closes.
#include "drawncells.h"
#include "editortabs.h"
#include "manyrows.h"
#include "pageprogram.h"
#include "pagerows.h"
#include "pagetestmain.h"

#include "gui/core/context.h"
#include "gui/frame/maintabwidget.h"

#include <QLabel>
#include <QPointer>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(PageRow)

namespace {

const QSize NarrowWindow(1000, 540);
const QSize WideWindow(1700, 540);

// ListView.End: a row put at the bottom of the view.
constexpr int ListViewEnd = 2;

// The objects the page's QML engine is making asynchronously, between frames.
int objectsInTheMaking(QObject *page)
{
    QQmlEngine *engine = qmlEngine(page);
    QQmlIncubationController *incubation = engine ? engine->incubationController() : nullptr;
    return incubation ? incubation->incubatingObjectCount() : 0;
}

// Every shown table has its list: rows, nothing pending.
bool listsShown(QObject *page)
{
    const QList<QQuickItem *> views = DrawnCells::shownViews(page);
    return !views.isEmpty() && std::all_of(views.cbegin(), views.cend(), [](const QQuickItem *view) {
        return view->property("rowCount").toInt() > 0 && !view->property("isListPending").toBool()
            && !view->property("isPrepareMode").toBool();
    });
}

} // namespace

class TestDrawnCells : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tables_data();
    void tables();

private:
    // The page as a tab of the main window, or the editor holding it with that tab shown.
    QObject *open(const PageRow &row);
    // Away to another tab and back: the main window's for a page, the editor's for an editor tab.
    bool switchTabs(const PageRow &row, QObject *page);

    PageProgram m_program;
    QPointer<QWidget> m_otherTab;
};

void TestDrawnCells::initTestCase()
{
    const QString failure = m_program.start("drawn", {}, pageSeed() + manyRowsSeed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QWidget *window = Gui::Context::mainWidget()->window();
    window->resize(NarrowWindow);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    m_otherTab = new QLabel(QStringLiteral("elsewhere"));
    Gui::Context::mainTabWidget()->addTab(m_otherTab, QStringLiteral("Elsewhere"));
}

void TestDrawnCells::cleanup()
{
    Gui::Context::mainWidget()->window()->resize(NarrowWindow);
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestDrawnCells::tables_data()
{
    QTest::addColumn<PageRow>("row");
    for (const PageRow &row : pageRows()) {
        if (row.list != PageList::None && !row.isEditor())
            QTest::newRow(qPrintable(pageTag(row))) << row;
    }
}

QObject *TestDrawnCells::open(const PageRow &row)
{
    QVariantMap properties{{"isWindow", false}, {"isNewInstance", true}};
    if (!row.isTab())
        return Gui::Context::createQmlFrame(row.url, properties);
    properties.insert("state", "EDIT");
    properties.insert("id", m_program.query(row.host.recordSql).toString());
    QObject *editor = Gui::Context::createQmlFrame(row.host.editorUrl, properties);
    if (!editor || !QTest::qWaitFor([&] { return !editor->property("isBusy").toBool(); }, 10000)
        || !showEditorTab(editor, row.host.tab)
        || !QTest::qWaitFor([&] { return editorTabPage(editor, row.host.tab); }, 5000))
        return nullptr;
    return editor;
}

bool TestDrawnCells::switchTabs(const PageRow &row, QObject *page)
{
    if (row.isTab()) {
        const bool away = showEditorTab(page, QStringLiteral("essentialsTab"))
            && QTest::qWaitFor([&] { return DrawnCells::shownViews(page).isEmpty(); }, 5000);
        return away && showEditorTab(page, row.host.tab);
    }
    Gui::MainTabWidget *tabs = Gui::Context::mainTabWidget();
    const int index = tabs->indexOfQmlItem(page);
    QWindow *window = qobject_cast<QQuickItem *>(page)->window();
    tabs->setCurrentWidget(m_otherTab);
    const bool away = QTest::qWaitFor([&] { return !window->isVisible(); }, 5000);
    tabs->setCurrentIndex(index);
    return away && index >= 0;
}

void TestDrawnCells::tables()
{
    QFETCH(PageRow, row);
    QPointer<QObject> page = open(row);
    QVERIFY2(page, qPrintable(row.url));
    if (DrawnCells::views(page).isEmpty()) {
        QVERIFY(m_program.closePage(page));
        QSKIP("the page shows its list without a table");
    }
    QVERIFY2(QTest::qWaitFor([&] { return listsShown(page); }, 10000), "a table did not show its list");
    // The rows are made as they come into sight, each at once: none is left half made, out of
    // step with its view, when the page closes a moment later.
    QVERIFY2(!QTest::qWaitFor([&] { return objectsInTheMaking(page) > 0; }, 300), "rows are made out of sight");
    QStringList faults = DrawnCells::pageFaults(page, true);
    QVERIFY2(faults.isEmpty(), qPrintable("first show: " + faults.join('\n')));

    QVERIFY(switchTabs(row, page));
    faults = DrawnCells::pageFaults(page, true);
    QVERIFY2(faults.isEmpty(), qPrintable("back from another tab: " + faults.join('\n')));

    Gui::Context::mainWidget()->window()->resize(WideWindow);
    faults = DrawnCells::pageFaults(page, true);
    QVERIFY2(faults.isEmpty(), qPrintable("widened in one step: " + faults.join('\n')));

    for (QQuickItem *view : DrawnCells::shownViews(page))
        QMetaObject::invokeMethod(view, "positionViewAtRow", Q_ARG(QVariant, view->property("rowCount").toInt() - 1),
                                  Q_ARG(QVariant, ListViewEnd));
    QVERIFY2(!QTest::qWaitFor([&] { return objectsInTheMaking(page) > 0; }, 300), "rows are made out of sight");
    faults = DrawnCells::pageFaults(page, true);
    QVERIFY2(faults.isEmpty(), qPrintable("scrolled to the last row: " + faults.join('\n')));
    QVERIFY(m_program.closePage(page));
}

KORIV_PAGE_TEST_MAIN(TestDrawnCells)

#include "tst_drawncells.moc"
