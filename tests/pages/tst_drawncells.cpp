// Every table page of the catalogue and every table inside an editor's tab, with more rows than
// fit, draws in each cell in sight the text its column's delegate makes of the row's value: at
// its first show as a tab of the main window, after a switch of tabs away and back, after the
// main window is widened in one step and once scrolled to its last row, whose rows are made as
// they come into sight. Then it closes. The drivers' table, wider than the window, draws each
// cell's own column's value at every step of a scroll across it.
#include "dayend.h"
#include "drawncells.h"
#include "editortabs.h"
#include "manyrows.h"
#include "oneday.h"
#include "pageprogram.h"
#include "pagerows.h"
#include "pagetestmain.h"
#include "screenshot.h"
#include "shownperiod.h"

#include "gui/core/context.h"
#include "gui/frame/maintabwidget.h"
#include "timelimit.h"

#include <QLabel>
#include <QPointer>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(PageRow)

namespace {

const QSize NarrowWindow(1000, 540);
const QSize WideWindow(1700, 540);

// ListView.End: a row put at the bottom of the view.
constexpr int ListViewEnd = 2;

// What a drag moves the drivers' table by between two frames, about.
constexpr qreal DragStep = 20;

// The drivers' values that no date cell takes for a moment: a date delegate handed one logs it.
const QStringList WideRowsSeed{
    "UPDATE drivers SET lat = 0.0, lon = '-Infinity', alt = 151.5, spd = 0, course = 270,"
    " inner_note = 'Child seat', recommender = 'pg-345', dt_utc_shift_begin = 1715600000000,"
    " dt_utc_shift_expected_complete = 1715643200000, dt_utc_shift_complete = 1715641000000"
    " WHERE sign LIKE 'drv-%'",
};

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

// The visible text items below item.
QList<QQuickItem *> textItems(QQuickItem *item)
{
    QList<QQuickItem *> items;
    if (!item->isVisible())
        return items;
    if (item->inherits("QQuickText"))
        items.append(item);
    for (QQuickItem *child : item->childItems())
        items += textItems(child);
    return items;
}

// Text changes of the text items drawn when it was made: a row's values stay while the view
// scrolls across, so a cell whose text changes was given another value than its own.
class TextChanges
{
public:
    explicit TextChanges(QQuickItem *content)
    {
        for (QQuickItem *item : textItems(content)) {
            m_before.append(item->property("text").toString());
            m_spies.emplace_back(std::make_unique<QSignalSpy>(item, SIGNAL(textChanged(QString))));
        }
    }

    QStringList changes() const
    {
        QStringList found;
        for (size_t i = 0; i < m_spies.size(); ++i) {
            QStringList texts{m_before.at(int(i))};
            for (const QList<QVariant> &change : *m_spies[i])
                texts.append(change.first().toString());
            if (texts.size() > 1)
                found.append(QStringLiteral("a cell's text changed: \"%1\"").arg(texts.join("\" -> \"")));
        }
        return found;
    }

private:
    QStringList m_before;
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

} // namespace

class TestDrawnCells : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void tables_data();
    void tables();
    void scrolledAcross();

private:
    // The page as a tab of the main window, or the editor holding it with that tab shown.
    QObject *open(const PageRow &row);
    // Away to another tab and back: the main window's for a page, the editor's for an editor tab.
    bool switchTabs(const PageRow &row, QObject *page);
    // The body of tables() and scrolledAcross(), which run it on one day: a time of today's drawn
    // before the day ends reads otherwise after it. What went wrong, empty when nothing did.
    QString drawnTable(const PageRow &row, bool *withoutTable);
    QString drawnAcross();

    PageProgram m_program;
    QPointer<QWidget> m_otherTab;
};

void TestDrawnCells::initTestCase()
{
    // The seed holds rows of today's.
    m_program.setBeforeSignIn([](const QProcessEnvironment &) {
        DayEnd::noteSeed();
        return QString();
    });
    const QString failure = m_program.start("drawn", {}, pageSeed() + manyRowsSeed() + WideRowsSeed);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QWidget *window = Gui::Context::mainWidget()->window();
    window->resize(NarrowWindow);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window, timeLimit(5000)));
    m_otherTab = new QLabel(QStringLiteral("elsewhere"));
    Gui::Context::mainTabWidget()->addTab(m_otherTab, QStringLiteral("Elsewhere"));
}

void TestDrawnCells::cleanupTestCase()
{
    // Where a planned day's end fell: between the first row of today's and the last check of it.
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
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
    if (!editor || !QTest::qWaitFor([&] { return !editor->property("isBusy").toBool(); }, timeLimit(10000))
        || !showEditorTab(editor, row.host.tab)
        || !QTest::qWaitFor([&] { return editorTabPage(editor, row.host.tab); }, timeLimit(5000)))
        return nullptr;
    return editor;
}

bool TestDrawnCells::switchTabs(const PageRow &row, QObject *page)
{
    if (row.isTab()) {
        const bool away = showEditorTab(page, QStringLiteral("essentialsTab"))
            && QTest::qWaitFor([&] { return DrawnCells::shownViews(page).isEmpty(); }, timeLimit(5000));
        return away && showEditorTab(page, row.host.tab);
    }
    Gui::MainTabWidget *tabs = Gui::Context::mainTabWidget();
    const int index = tabs->indexOfQmlItem(page);
    QWindow *window = qobject_cast<QQuickItem *>(page)->window();
    tabs->setCurrentWidget(m_otherTab);
    const bool away = QTest::qWaitFor([&] { return !window->isVisible(); }, timeLimit(5000));
    tabs->setCurrentIndex(index);
    return away && index >= 0;
}

void TestDrawnCells::tables()
{
    QFETCH(PageRow, row);
    QString failure;
    bool withoutTable = false;
    onOneDay([this] { return m_program.operatorsDate(); }, [&] { return drawnTable(row, &withoutTable); }, &failure);
    if (withoutTable)
        QSKIP("the page shows its list without a table");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QString TestDrawnCells::drawnTable(const PageRow &row, bool *withoutTable)
{
    Gui::Context::mainWidget()->window()->resize(NarrowWindow);
    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    QPointer<QObject> page = open(row);
    const auto closing = qScopeGuard([&] { m_program.closePage(page); });
    if (!page)
        return "did not open " + row.url;
    if (DrawnCells::views(page).isEmpty()) {
        *withoutTable = true;
        return QString();
    }
    // The page shows the operator's day; the rows seeded as today's are dated into it, if it began
    // after the seed; opened again, the page lists them in its first list.
    const ShownPeriod period(row.isTab() ? editorTabPage(page, row.host.tab) : page.data(), opened);
    const QString notToday = period.isValid() ? period.dayFault(m_program) : QString();
    if (!notToday.isEmpty())
        return notToday;
    const int moved = period.isValid() ? period.holdRows(m_program, "TRUE") : 0;
    if (moved < 0)
        return "the rows could not be dated into the period shown";
    if (moved > 0 && !(m_program.closePage(page) && (page = open(row))))
        return "did not open " + row.url + " again";
    if (!QTest::qWaitFor([&] { return listsShown(page); }, timeLimit(10000)))
        return "a table did not show its list";
    // The rows are made as they come into sight, each at once: none is left half made, out of
    // step with its view, when the page closes a moment later.
    if (QTest::qWaitFor([&] { return objectsInTheMaking(page) > 0; }, timeLimit(300)))
        return "rows are made out of sight";
    QStringList faults = DrawnCells::pageFaults(page, true);
    if (!faults.isEmpty())
        return "first show: " + faults.join('\n');
    if (period.isValid())
        DayEnd::noteCheck();

    if (!switchTabs(row, page))
        return "the tabs did not switch away and back";
    faults = DrawnCells::pageFaults(page, true);
    if (!faults.isEmpty())
        return "back from another tab: " + faults.join('\n');

    Gui::Context::mainWidget()->window()->resize(WideWindow);
    faults = DrawnCells::pageFaults(page, true);
    if (!faults.isEmpty())
        return "widened in one step: " + faults.join('\n');

    for (QQuickItem *view : DrawnCells::shownViews(page))
        QMetaObject::invokeMethod(view, "positionViewAtRow", Q_ARG(QVariant, view->property("rowCount").toInt() - 1),
                                  Q_ARG(QVariant, ListViewEnd));
    if (QTest::qWaitFor([&] { return objectsInTheMaking(page) > 0; }, timeLimit(300)))
        return "rows are made out of sight";
    faults = DrawnCells::pageFaults(page, true);
    if (!faults.isEmpty())
        return "scrolled to the last row: " + faults.join('\n');
    return m_program.closePage(page) ? QString() : QStringLiteral("the page did not close");
}

void TestDrawnCells::scrolledAcross()
{
    QString failure;
    onOneDay([this] { return m_program.operatorsDate(); }, [&] { return drawnAcross(); }, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QString TestDrawnCells::drawnAcross()
{
    QPointer<QObject> page = Gui::Context::createQmlFrame("qrc:/qml/driver/driver/DriverTable.qml",
                                                          {{"isWindow", false}, {"isNewInstance", true}});
    const auto closing = qScopeGuard([&] { m_program.closePage(page); });
    if (!page)
        return QStringLiteral("the driver table did not open");
    if (!QTest::qWaitFor([&] { return listsShown(page); }, timeLimit(10000)))
        return QStringLiteral("the table did not show its list");
    QQuickItem *view = DrawnCells::shownViews(page).first();
    auto *list = view->property("__listView").value<QQuickItem *>();
    const qreal end = list->property("contentWidth").toReal() - list->width();
    if (end <= 10 * DragStep)
        return QString("the table is %1 pixels wider than its view").arg(end);

    list->setProperty("contentX", end);
    DrawnCells::Result drawn = DrawnCells::settled(view);
    if (!drawn.faults.isEmpty() || drawn.rowsInSight == 0)
        return "at the right end: " + DrawnCells::describe(drawn);
    QString problems = m_program.problems();
    if (!problems.isEmpty())
        return "at the right end: " + problems;

    // Left one step at a time, then back: each step is checked as it stands, before any frame.
    QSet<QString> seen;
    int minusInfinities = 0;
    auto *content = list->property("contentItem").value<QQuickItem *>();
    const auto step = [&](qreal x) {
        const TextChanges changes(content);
        list->setProperty("contentX", x);
        drawn = DrawnCells::check(view);
        seen += QSet<QString>(drawn.columns.cbegin(), drawn.columns.cend());
        problems = m_program.problems();
        drawn.faults += changes.changes();
        // The longitude's minus infinity reads as in every numeric cell.
        QStringList texts;
        for (const QQuickItem *item : textItems(content))
            texts.append(item->property("text").toString());
        if (texts.contains("-inf"))
            drawn.faults += "a cell shows -inf";
        if (drawn.columns.contains("lon"))
            minusInfinities += texts.count(QStringLiteral("-\u221e"));
        return drawn.faults.isEmpty() && problems.isEmpty();
    };
    for (qreal x = end - DragStep; x > -DragStep; x -= DragStep) {
        if (!step(qMax<qreal>(x, 0)))
            return QString("leftwards at %1: ").arg(qMax<qreal>(x, 0)) + DrawnCells::describe(drawn) + problems;
        if (x <= end / 2 && x > end / 2 - DragStep) {
            QQuickWindow *window = view->window();
            QSignalSpy swapped(window, &QQuickWindow::frameSwapped);
            window->update();
            if (!swapped.wait(timeLimit(5000))
                || !saveScreenshot(window->screen()->grabWindow(window->winId()).toImage(), "drivers-mid-scroll.png"))
                return QStringLiteral("no screenshot in the middle of the scroll");
        }
    }
    for (qreal x = DragStep; x < end + DragStep; x += DragStep) {
        if (!step(qMin(x, end)))
            return QString("rightwards at %1: ").arg(qMin(x, end)) + DrawnCells::describe(drawn) + problems;
    }

    // Every column was in sight on the way.
    QStringList missed;
    for (int i = 0; i < view->property("columnCount").toInt(); ++i) {
        QVariant column;
        QMetaObject::invokeMethod(view, "getColumn", Q_RETURN_ARG(QVariant, column), Q_ARG(QVariant, i));
        QObject *shown = column.value<QObject *>();
        if (shown && shown->property("visible").toBool() && !seen.contains(shown->property("role").toString()))
            missed.append(shown->property("role").toString());
    }
    if (!missed.isEmpty())
        return "never in sight: " + missed.join(", ");
    if (!seen.contains("lon") || !seen.contains("dt_utc_shift_begin"))
        return QStringLiteral("the longitude or the shift's begin never in sight");
    if (minusInfinities == 0)
        return QStringLiteral("no longitude of minus infinity drawn");
    return m_program.closePage(page) ? QString() : QStringLiteral("the page did not close");
}

KORIV_PAGE_TEST_MAIN(TestDrawnCells)

#include "tst_drawncells.moc"
