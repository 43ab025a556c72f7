#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/dialog/options.h"
#include "gui/frame/maintabwidget.h"
#include "gui/mainwindow/launcher.h"
#include "gui/mainwindow/maintoolbar.h"
#include "gui/qml/qwidgetcreator.h"
#include "gui/shell/global.h"
#include "gui/table/standardtable.h"
#include "gui/table/table.h"
#include "gui/table/tableview.h"
#include "gui/tablemodel/originalmodel.h"
#include "gui/widget/lineedit.h"
#include "rowscontroller.h"
#include "shellharness.h"
#include "standinshell.h"
#include "testcontroller.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "timelimit.h"

#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Client::Controller;

namespace {

// What the screen shows of a widget, as the X server has it.
QImage grabScreen(const QWidget *widget, const QRect &rect = QRect())
{
    const QRect area = rect.isNull() ? widget->rect() : rect;
    const QPoint origin = widget->mapToGlobal(area.topLeft());
    return widget->screen()->grabWindow(0, origin.x(), origin.y(), area.width(), area.height()).toImage();
}

bool near(const QColor &a, const QColor &b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

int countNear(const QImage &image, const QColor &colour, int tolerance = 6)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    }
    return count;
}

// The widths of the runs of white in each row of an image, top to bottom, rows without any left out.
QList<int> whiteRowWidths(const QImage &image)
{
    QList<int> widths;
    for (int y = 0; y < image.height(); ++y) {
        int width = 0;
        for (int x = 0; x < image.width(); ++x)
            width += near(image.pixelColor(x, y), Qt::white, 40) ? 1 : 0;
        if (width > 0)
            widths.append(width);
    }
    return widths;
}

QString colourText(const QColor &colour)
{
    return colour.name();
}

} // namespace

// The shell as a person sees it, on a real X server (Xvfb): signed in to the stand-in, the main
// window with its menu, tool bar and a widget table in a tab, the dark style sheet of start-up,
// the launcher and the options dialog. Screenshots go to the build's screenshot folder; pixels
// are checked at known points.
class TestShellLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindow();
    void narrowToolBar();
    void tabCloseButton();
    void sortedHeader();
    void menuOpen();
    void launcher();
    void optionsDialog();

private:
    TestMainWindow *window() const { return m_harness->window(); }
    // The view's column of a role.
    int column(const QString &role) const { return m_controller->originalModel()->columns().indexOf(role); }

    StandinShell m_shell;
    ShellHarness *m_harness = nullptr;
    Gui::StandardTable *m_table = nullptr;
    RowsController *m_controller = nullptr;
};

void TestShellLook::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    const QString failure = m_shell.start("look");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_harness = m_shell.harness();
    // The sheet start-up installs after the dark palette and Fusion (the harness set those).
    QFile sheet(":/style/dark.qss");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));

    QVERIFY(m_harness->showFreshWindow());
    window()->setGeometry(40, 40, 1100, 700);
    SpSingleton<UserSession>::instance()->trOpen();
    QTRY_VERIFY_WITH_TIMEOUT(m_harness->global()->loadedCount() > 0 && !m_harness->global()->loadingWindow(), timeLimit(15000));

    // A few cities, in a widget table in a tab, sorted by name.
    TestController cities("city");
    QSignalSpy created(&cities, &DesktopController::saNew);
    for (const QString &name : {"Lviv", "Dnipro", "Odesa", "Kharkiv"})
        cities.trNew({{"name", "Look " + name}});
    QTRY_COMPARE_WITH_TIMEOUT(created.count(), 4, timeLimit(10000));
    m_controller = new RowsController("city");
    m_table = new Gui::StandardTable(m_controller, {"id", "name", "note"});
    m_table->setTitle("Cities");
    QSignalSpy ends(m_controller, &RowsController::saGetList);
    m_controller->trGetList({});
    QTRY_VERIFY_WITH_TIMEOUT(!ends.isEmpty() && ends.last().first().toMap().value("STATE") == "end", timeLimit(10000));
    Gui::Context::showFrame(m_table, {{"isWindow", false}});
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window(), timeLimit(5000)));
}

void TestShellLook::cleanupTestCase()
{
    const QString problems = m_harness ? m_harness->problems() : QString();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestShellLook::mainWindow()
{
    Gui::TableView *view = m_table->table()->view();
    QTRY_VERIFY(view->isVisible() && view->model()->rowCount() >= 4);
    QTest::qWait(timeLimit(200));
    const QImage shot = grabScreen(window());
    QVERIFY(ShellHarness::saveScreenshot(shot, "look-main-window.png"));

    // The dark palette behind the tool bar's gap.
    QToolBar *bar = window()->mainToolBar()->toolBar();
    QWidget *gap = bar->widgetForAction(bar->actions().at(2));
    const QColor behindGap = grabScreen(gap).pixelColor(gap->width() / 2, gap->height() / 2);
    QVERIFY2(near(behindGap, QColor(53, 53, 53)), qPrintable(colourText(behindGap)));
    // The table's rows alternate #303030 and #3a3a3a; the text is #fdffc5.
    const int note = column("note");
    const QRect first = view->visualRect(view->model()->index(0, note));
    const QRect second = view->visualRect(view->model()->index(1, note));
    QVERIFY(first.isValid() && second.isValid());
    const QImage rows = grabScreen(view->viewport());
    QVERIFY2(near(rows.pixelColor(first.center()), QColor(0x30, 0x30, 0x30), 2),
             qPrintable(colourText(rows.pixelColor(first.center()))));
    QVERIFY2(near(rows.pixelColor(second.center()), QColor(0x3a, 0x3a, 0x3a), 2),
             qPrintable(colourText(rows.pixelColor(second.center()))));
    const QRect name = view->visualRect(view->model()->index(0, column("name")));
    QVERIFY(countNear(rows.copy(name), QColor(0xfd, 0xff, 0xc5), 30) > 10);
    // The tool bar shows the clock's time.
    QVERIFY(window()->mainToolBar()->clock()->isVisible());
}

void TestShellLook::narrowToolBar()
{
    Gui::MainToolBar *mainBar = window()->mainToolBar();
    QToolBar *bar = mainBar->toolBar();
    auto *extension = bar->findChild<QToolButton *>("qt_toolbar_ext_button");
    QVERIFY(extension);
    // Without the window's animations: a bar resized while it unfolds would stay folded.
    window()->setAnimated(false);
    // Commands enough that the bell and the clock no longer fit a narrow window.
    mainBar->setCommandIds({"users", "drivers", "options", "launcher", "quit"});
    // A little narrower than the bar would have it: the bell and the clock, last on it, go first.
    const int narrow =
        bar->sizeHint().width() - mainBar->clock()->sizeHint().width() - mainBar->indicator()->sizeHint().width() - 10;
    QVERIFY2(narrow > 400, qPrintable(QString::number(narrow)));
    window()->setGeometry(40, 40, narrow, 700);
    QTRY_VERIFY(!mainBar->clock()->isVisible() && extension->isVisible());
    QVERIFY(!mainBar->indicator()->isVisible());
    QTest::qWait(timeLimit(150));
    const QImage shot = grabScreen(window(), QRect(QPoint(0, 0), bar->geometry().bottomRight() + QPoint(1, 1)));
    QVERIFY(ShellHarness::saveScreenshot(shot.scaled(shot.size() * 2), "look-toolbar-narrow.png"));
    // The overflow button shows its light arrow on the dark bar.
    const QImage button = grabScreen(extension);
    int light = 0;
    for (int y = 0; y < button.height(); ++y) {
        for (int x = 0; x < button.width(); ++x)
            light += button.pixelColor(x, y).lightness() > 150 ? 1 : 0;
    }
    QVERIFY2(light >= 12, qPrintable(QString("%1 light pixels in the overflow button").arg(light)));
    // It opens the rest of the bar: the bell and the clock.
    const int oneRow = bar->height();
    QTest::mouseClick(extension, Qt::LeftButton);
    QTRY_VERIFY(mainBar->clock()->isVisible() && mainBar->indicator()->isVisible());
    QTest::qWait(timeLimit(150));
    const QImage open = grabScreen(window(), QRect(0, 0, window()->width(), bar->height() * 3));
    QVERIFY(ShellHarness::saveScreenshot(open, "look-toolbar-opened.png"));
    // Closed again, and wide enough: all on the bar.
    QTest::mouseClick(extension, Qt::LeftButton);
    QTRY_VERIFY(!mainBar->clock()->isVisible());
    QCOMPARE(bar->height(), oneRow);
    window()->setGeometry(40, 40, 1100, 700);
    QTRY_VERIFY(mainBar->clock()->isVisible() && !extension->isVisible());
    mainBar->setCommandIds({});
    window()->setAnimated(true);
}

void TestShellLook::tabCloseButton()
{
    QTabBar *tabs = Gui::Context::mainTabWidget()->tabBar();
    QWidget *close = tabs->tabButton(0, QTabBar::RightSide);
    QVERIFY(close && close->isVisible());
    QTest::mouseMove(tabs, tabs->tabRect(0).topLeft() + QPoint(3, 3));
    QTest::qWait(timeLimit(100));
    const QImage plain = grabScreen(close);
    const QImage tab = grabScreen(tabs, tabs->tabRect(0));
    QVERIFY(ShellHarness::saveScreenshot(tab.scaled(tab.size() * 4), "look-tab.png"));
    // The bare grey cross: grey in the middle, no frame.
    const QColor middle = plain.pixelColor(plain.width() / 2, plain.height() / 2);
    QVERIFY2(near(middle, QColor(191, 191, 191), 40), qPrintable(colourText(middle)));
    QCOMPARE(countNear(plain, QColor(216, 216, 216), 8), 0);

    // Under the mouse: the lighter cross in its frame.
    QTest::mouseMove(close, close->rect().center());
    QTRY_VERIFY(close->underMouse());
    QTest::qWait(timeLimit(100));
    const QImage hovered = grabScreen(close);
    const QImage hoveredTab = grabScreen(tabs, tabs->tabRect(0));
    QVERIFY(ShellHarness::saveScreenshot(hoveredTab.scaled(hoveredTab.size() * 4), "look-tab-hover.png"));
    const auto light = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).lightness() > 150 ? 1 : 0;
        }
        return count;
    };
    QVERIFY2(light(hovered) >= light(plain) + 2 * close->width(),
             qPrintable(QString("no frame around the cross: %1 light pixels, %2 without the mouse")
                            .arg(light(hovered)).arg(light(plain))));
    QTest::mouseMove(window(), QPoint(5, 5));
}

void TestShellLook::sortedHeader()
{
    Gui::TableView *view = m_table->table()->view();
    QHeaderView *header = view->horizontalHeader();
    const int column = this->column("name");
    const int note = this->column("note");
    const auto arrowArea = [&] {
        const int x = header->sectionViewportPosition(column);
        const int w = header->sectionSize(column);
        return QRect(x + w - 24, 0, 24, header->height());
    };
    view->sortByColumn(column, Qt::AscendingOrder);
    QTest::qWait(timeLimit(100));
    const QImage ascending = grabScreen(header);
    QVERIFY(ShellHarness::saveScreenshot(ascending.scaled(ascending.size() * 3), "look-header-ascending.png"));
    // Ascending: this Qt draws the header's up-arrow, the white triangle with its point up and its
    // widest row at the bottom, about 11 pixels wide.
    const QList<int> up = whiteRowWidths(grabScreen(header, arrowArea()));
    QVERIFY2(up.size() >= 3, qPrintable(QString::number(up.size())));
    QVERIFY2(up.first() < up.last(), qPrintable(QString("%1 %2").arg(up.first()).arg(up.last())));
    QVERIFY2(up.last() <= 12, qPrintable(QString::number(up.last())));
    // Descending: the point down.
    view->sortByColumn(column, Qt::DescendingOrder);
    QTest::qWait(timeLimit(100));
    const QList<int> down = whiteRowWidths(grabScreen(header, arrowArea()));
    QVERIFY(down.size() >= 3);
    QVERIFY2(down.first() > down.last(), qPrintable(QString("%1 %2").arg(down.first()).arg(down.last())));
    // The other columns show no triangle.
    const QRect other(header->sectionViewportPosition(note) + header->sectionSize(note) - 24, 0, 24, header->height());
    QVERIFY(whiteRowWidths(grabScreen(header, other)).isEmpty());
    // Disabled: the same triangle in dark grey.
    view->setEnabled(false);
    QTest::qWait(timeLimit(100));
    const QImage disabled = grabScreen(header, arrowArea());
    QVERIFY(whiteRowWidths(disabled).isEmpty());
    QVERIFY(countNear(disabled, QColor(89, 89, 89), 10) >= 3);
    view->setEnabled(true);
    view->sortByColumn(column, Qt::AscendingOrder);
}

void TestShellLook::menuOpen()
{
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window(), timeLimit(5000)));
    QTest::keyClick(window(), Qt::Key_F, Qt::AltModifier);
    QMenu *file = window()->menuBar()->actions().first()->menu();
    QTRY_VERIFY(file->isVisible());
    QTest::qWait(timeLimit(150));
    const QRect area = window()->geometry().united(file->geometry());
    const QImage shot = window()->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    QVERIFY(ShellHarness::saveScreenshot(shot, "look-menu-open.png"));
    // The menu is dark, with the first entry's text light.
    const QImage menu = grabScreen(file);
    const QColor background = menu.pixelColor(menu.width() - 4, menu.height() / 2);
    QVERIFY2(background.lightness() < 90, qPrintable(colourText(background)));
    QVERIFY(countNear(menu, QColor(235, 235, 235), 40) > 20);
    QTest::keyClick(file, Qt::Key_Escape);
    QTRY_VERIFY(!file->isVisible());
    QTest::keyClick(window(), Qt::Key_Escape);
}

void TestShellLook::launcher()
{
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window(), timeLimit(5000)));
    QTest::keyClick(window(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    Gui::Launcher *launcher = nullptr;
    QTRY_VERIFY([&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<Gui::Launcher *>(top); found && found->isVisible())
                launcher = found;
        }
        return launcher != nullptr;
    }());
    QVERIFY(QTest::qWaitForWindowActive(launcher, timeLimit(5000)));
    QTest::qWait(timeLimit(50));
    QTest::keyClicks(launcher->filter(), "o");
    QTest::qWait(timeLimit(150));
    QVERIFY(ShellHarness::saveScreenshot(grabScreen(launcher), "look-launcher.png"));
    // The current row in the highlight colour, the filter line dark.
    const QImage shot = grabScreen(launcher);
    QVERIFY(countNear(shot, QColor(42, 130, 218), 10) > 100);
    const QColor filter = grabScreen(launcher->filter()).pixelColor(launcher->filter()->width() - 6, 6);
    QVERIFY2(filter.lightness() < 100, qPrintable(colourText(filter)));
    QTest::keyClick(launcher->filter(), Qt::Key_Escape);
    QTRY_VERIFY(!launcher->isVisible());
}

void TestShellLook::optionsDialog()
{
    QPointer<QWidget> dialog = m_harness->widgetCreator()->options();
    QVERIFY(QTest::qWaitForWindowExposed(dialog, timeLimit(5000)));
    QTest::qWait(timeLimit(150));
    const QImage shot = grabScreen(dialog);
    QVERIFY(ShellHarness::saveScreenshot(shot, "look-options.png"));
    const QColor corner = shot.pixelColor(4, shot.height() / 2);
    QVERIFY2(near(corner, QColor(53, 53, 53)), qPrintable(colourText(corner)));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
}

QTEST_MAIN(TestShellLook)
#include "tst_shelllook.moc"
