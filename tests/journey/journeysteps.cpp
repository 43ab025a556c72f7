#include "journeysteps.h"

#include "dayend.h"
#include "drawncells.h"
#include "editortabs.h"
#include "journeyrows.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "shownperiod.h"
#include "windowdriver.h"

#include "gui/core/context.h"
#include "gui/dialog/login.h"
#include "gui/frame/frames.h"
#include "gui/mainwindow/guisessionmenu.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/report/abstractreport.h"
#include "gui/report/interactiveownerkeepertable.h"
#include "gui/report/startenddatetimeedit.h"
#include "gui/shell/global.h"
#include "gui/widget/indicatortoolbutton.h"
#include "timelimit.h"

#include <QDateTime>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString SuccessText = QStringLiteral("Report successfully created");

// A workbook as openpyxl reads it: its sheets' names and sizes, or why it could not be read.
QString readWorkbook(const QString &path)
{
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import sys, openpyxl\n"
                  "book = openpyxl.load_workbook(sys.argv[1])\n"
                  "print(';'.join('%s:%dx%d' % (s.title, s.max_row, s.max_column) for s in book.worksheets))",
                  path});
    if (!python.waitForFinished(timeLimit(30000)) || python.exitCode() != 0)
        return QStringLiteral("unreadable: ") + QString::fromUtf8(python.readAllStandardError());
    return QString::fromUtf8(python.readAllStandardOutput()).trimmed();
}

QString unless(bool done, const QString &failure)
{
    return done ? QString() : failure;
}

} // namespace

JourneySteps::JourneySteps(PageProgram &program, int waitMs)
    : m_program(program)
    , m_waitMs(timeLimit(waitMs))
{
}

QString JourneySteps::signIn(Gui::Dialog::Login *dialog, const QString &password)
{
    if (!QTest::qWaitForWindowExposed(dialog, timeLimit(5000)))
        return QStringLiteral("the sign-in dialog is not shown");
    QTest::mouseClick(dialog->passwordEdit(), Qt::LeftButton);
    QTest::keyClicks(dialog->passwordEdit(), password);
    return WindowDriver::clickWidget(dialog->okButton());
}

QMainWindow *JourneySteps::mainWindow()
{
    return qobject_cast<QMainWindow *>(Gui::Context::mainWindow());
}

QAbstractItemModel *JourneySteps::shownRows(QObject *page)
{
    return PageControls::rowsOf(PageControls::tableViewOf(page));
}

bool JourneySteps::tableIdle(QObject *page)
{
    QObject *view = PageControls::tableViewOf(page);
    return view && shownRows(page) && !page->property("isBusy").toBool() && !view->property("isListPending").toBool()
        && !view->property("isPrepareMode").toBool();
}

bool JourneySteps::editorIdle(QObject *editor)
{
    QObject *form = PageControls::formOf(editor);
    return form && !form->property("isBusy").toBool() && !editor->property("isBusy").toBool();
}

QQuickItem *JourneySteps::itemOfType(QObject *page, const char *type)
{
    QObject *window = page->property("window").value<QObject *>();
    for (QObject *root : {page, window}) {
        for (QQuickItem *child : root ? root->findChildren<QQuickItem *>() : QList<QQuickItem *>()) {
            if (QString::fromLatin1(child->metaObject()->className()).startsWith(type))
                return child;
        }
    }
    return nullptr;
}

bool JourneySteps::clickRow(QObject *table, int row, QPoint *at)
{
    auto *view = qobject_cast<QQuickItem *>(PageControls::tableViewOf(table));
    if (!view || row < 0)
        return false;
    if (!QTest::qWaitForWindowExposed(view->window(), timeLimit(5000)))
        return false;
    // Scrolled into sight first, as an operator does in a long list (4: ListView.Contain).
    QMetaObject::invokeMethod(view, "positionViewAtRow", Q_ARG(QVariant, row), Q_ARG(QVariant, 4));
    int y = -1;
    // The rows are laid out a little after the list arrives.
    const bool inSight = QTest::qWaitFor(
        [&] {
            for (int at = 0; at < view->height(); at += 3) {
                QVariant found;
                QMetaObject::invokeMethod(view, "rowAt", Q_RETURN_ARG(QVariant, found), Q_ARG(QVariant, 30),
                                          Q_ARG(QVariant, at));
                if (found.toInt() == row) {
                    y = at;
                    return true;
                }
            }
            return false;
        },
        timeLimit(3000));
    if (!inSight || y < 0) {
        qWarning() << "row" << row << "is not in sight";
        return false;
    }
    *at = view->mapToScene(QPointF(30, y + 2)).toPoint();
    view->window()->requestActivate();
    QTest::mouseClick(view->window(), Qt::LeftButton, Qt::NoModifier, *at);
    if (!QTest::qWaitFor([&] { return view->property("currentRow").toInt() == row; }, timeLimit(3000))) {
        qWarning() << "the click did not make row" << row << "current";
        return false;
    }
    return true;
}

QObject *JourneySteps::newestFrame(int before) const
{
    Gui::Frames *frames = Gui::Global::currentFrames();
    if (!frames || !QTest::qWaitFor([&] { return frames->list().size() > before; }, m_waitMs))
        return nullptr;
    return frames->list().last();
}

QString JourneySteps::open(const JourneyRow &row, QPointer<QObject> *page)
{
    const int before = Gui::Global::currentFrames()->list().size();
    mainWindow()->activateWindow();
    m_openedMs = QDateTime::currentMSecsSinceEpoch();
    QString failure;
    if (row.onToolBar) {
        failure = WindowDriver::clickWidget(mainWindow()->findChild<Gui::IndicatorToolButton *>());
    } else if (row.inGuiSessionMenu) {
        auto *menu = mainWindow()->findChild<Gui::Private::GuiSessionMenu *>();
        const QString text = QCoreApplication::translate("Gui::Private::GuiSessionMenu", "&New");
        QAction *command = nullptr;
        for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            if (action->text() == text)
                command = action;
        }
        failure = command ? WindowDriver::clickMenuAction(mainWindow()->menuBar(), command)
                          : QStringLiteral("no New command in the GUI-session menu");
    } else {
        failure = WindowDriver::clickMenuCommand(mainWindow()->menuBar(), row.command);
    }
    if (!failure.isEmpty())
        return failure;
    *page = newestFrame(before);
    return unless(*page, row.command + QStringLiteral(" opened no frame"));
}

QString JourneySteps::waitShown(QObject *page, const JourneyRow &row)
{
    const bool shown = QTest::qWaitFor(
        [&] { return page && (row.isEditorPage() ? editorIdle(page) : tableIdle(page)); }, m_waitMs);
    return unless(shown, row.command + QStringLiteral(" did not show its list or record"));
}

QString JourneySteps::recordId(const JourneyRow &row)
{
    const PageRow *savable = savableEditor(row.editorUrl);
    const QString recordSql = !row.readOnlyRecordSql.isEmpty() ? row.readOnlyRecordSql
        : !row.recordSql.isEmpty()                               ? row.recordSql
        : savable                                                ? savable->editor.recordSql
                                                                 : QString();
    return recordSql.isEmpty() ? QString() : m_program.query(recordSql).toString();
}

QString JourneySteps::keepRecordShown(QObject *table, const JourneyRow &row)
{
    const ShownPeriod period(table, m_openedMs);
    if (row.isEditorPage() || !period.isValid())
        return QString();
    const QString notToday = period.dayFault(m_program);
    if (!notToday.isEmpty())
        return notToday;
    const QString id = recordId(row);
    if (id.isEmpty())
        return QString();
    if (!period.keepRows(m_program, QStringLiteral("id = ") + QString::number(id.toLongLong())))
        return QStringLiteral("record ") + id + QStringLiteral(" could not be kept in the period shown");
    const QString failure = waitShown(table, row);
    if (failure.isEmpty())
        DayEnd::noteCheck();
    return failure;
}

QString JourneySteps::checkPeriodTabs(QObject *editor)
{
    QObject *view = editor->property("tabView").value<QObject *>();
    QObject *bar = view ? view->property("tabBar").value<QObject *>() : nullptr;
    QStringList tabs;
    for (int i = 0; bar && i < bar->property("count").toInt(); ++i) {
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(bar, "itemAt", Q_RETURN_ARG(QQuickItem *, button), Q_ARG(int, i));
        if (button && button->isVisible())
            tabs.append(button->objectName());
    }
    for (const QString &tab : tabs.mid(1)) {
        const qint64 clicked = QDateTime::currentMSecsSinceEpoch();
        const QString failure = WindowDriver::clickItem(editorTabButton(editor, tab));
        if (!failure.isEmpty())
            return failure;
        QObject *page = nullptr;
        if (!QTest::qWaitFor([&] { return (page = editorTabPage(editor, tab)) != nullptr; }, m_waitMs))
            return tab + QStringLiteral(" showed no page");
        const ShownPeriod period(page, clicked);
        const QString notToday = period.isValid() ? period.dayFault(m_program) : QString();
        if (!notToday.isEmpty())
            return tab + QStringLiteral(": ") + notToday;
    }
    if (tabs.size() < 2)
        return QString();
    const QString failure = WindowDriver::clickItem(editorTabButton(editor, tabs.first()));
    if (!failure.isEmpty())
        return failure;
    return unless(QTest::qWaitFor([&] { return editorIdle(editor); }, m_waitMs),
                  QStringLiteral("the editor stayed busy after its tabs"));
}

QString JourneySteps::openRecord(QObject *table, const QString &id, QPointer<QObject> *editor)
{
    if (!QTest::qWaitFor([&] { return PageControls::shownRow(table, id) >= 0; }, m_waitMs))
        return QStringLiteral("record ") + id + QStringLiteral(" is not shown");
    const int row = PageControls::shownRow(table, id);
    QPoint at;
    if (!clickRow(table, row, &at))
        return QStringLiteral("row %1 could not be clicked").arg(row);
    const int before = Gui::Global::currentFrames()->list().size();
    // The Edit button where the table has one, a double click on the row otherwise.
    if (QQuickItem *edit = itemOfType(table, "ToolButtonEdit")) {
        const QString failure = WindowDriver::clickItem(edit);
        if (!failure.isEmpty())
            return failure;
    } else {
        WindowDriver::doubleClick(qobject_cast<QQuickItem *>(PageControls::tableViewOf(table))->window(), at);
    }
    *editor = newestFrame(before);
    if (!*editor)
        return QStringLiteral("no editor opened for record ") + id;
    return unless(QTest::qWaitFor([&] { return *editor && editorIdle(*editor); }, m_waitMs),
                  QStringLiteral("the editor did not load record ") + id);
}

QString JourneySteps::closeEditor(QPointer<QObject> editor)
{
    QQuickItem *close = pageControl(editor, "closeButton");
    if (!close || !close->isVisible())
        close = pageControl(editor, "cancelButton");
    const QString failure = WindowDriver::clickItem(close);
    if (!failure.isEmpty())
        return failure;
    return unless(QTest::qWaitFor([&] { return editor.isNull(); }, timeLimit(5000)), QStringLiteral("the editor stayed open"));
}

QString JourneySteps::changeField(QObject *editor, const JourneyRow &row)
{
    const PageRow *savable = savableEditor(row.editorUrl);
    if (!savable)
        return row.editorUrl + QStringLiteral(" cannot save");
    const EditorRow &edit = savable->editor;
    QQuickItem *field = pageControl(editor, edit.field);
    if (!field)
        return QStringLiteral("no field ") + edit.field;
    if (field->property("type").toString() == QLatin1String("checkBox")) {
        const QString failure = WindowDriver::clickItem(field);
        if (!failure.isEmpty())
            return failure;
        if (field->property("checked").toBool() != (edit.value == QLatin1String("1")))
            return QStringLiteral("the click did not turn ") + edit.field + QStringLiteral(" to ") + edit.value;
    } else {
        const QString failure = WindowDriver::typeInto(field, edit.value);
        if (!failure.isEmpty())
            return failure;
    }
    return unless(editor->property("isDirty").toBool(), QStringLiteral("the change left the editor clean"));
}

QString JourneySteps::save(QPointer<QObject> editor)
{
    const QString failure = WindowDriver::clickItem(pageControl(editor, "okButton"));
    if (!failure.isEmpty())
        return failure;
    return unless(QTest::qWaitFor([&] { return editor.isNull(); }, m_waitMs),
                  QStringLiteral("the editor did not close on OK: ") + m_program.watchdog().texts().join('\n'));
}

QString JourneySteps::checkStored(const JourneyRow &row, const QString &id)
{
    const EditorRow &edit = savableEditor(row.editorUrl)->editor;
    const QVariant stored = id.isEmpty() ? m_program.query(edit.storedSql) : m_program.query(edit.storedSql, {id});
    return unless(stored.toString() == edit.value,
                  QStringLiteral("PostgreSQL holds \"%1\", not \"%2\"").arg(stored.toString(), edit.value));
}

QString JourneySteps::typeNew(QObject *page, const JourneyRow &row)
{
    if (page->property("state").toString() != QLatin1String("ADD"))
        return row.command + QStringLiteral(" is not making a new record");
    return WindowDriver::typeInto(pageControl(page, row.newField), row.newValue);
}

QString JourneySteps::checkNew(const JourneyRow &row)
{
    const int stored = m_program.query(row.newCountSql).toInt();
    return unless(stored == 1, QStringLiteral("%1 records stored with %2").arg(stored).arg(row.newValue));
}

void JourneySteps::closeAllFrames()
{
    Gui::Frames *frames = Gui::Global::currentFrames();
    if (!frames)
        return;
    for (const QPointer<QObject> frame : frames->list()) {
        if (auto *widget = qobject_cast<QWidget *>(frame))
            widget->close();
        else if (frame)
            m_program.closePage(frame);
    }
}

QString JourneySteps::openReport(const QString &command, QPointer<Gui::Report::AbstractReport> *frame)
{
    JourneyRow row;
    row.command = command;
    QPointer<QObject> opened;
    const QString failure = open(row, &opened);
    if (!failure.isEmpty())
        return failure;
    *frame = qobject_cast<Gui::Report::AbstractReport *>(opened.data());
    if (!*frame)
        return command + QStringLiteral(" opened no report frame");
    return unless(QTest::qWaitFor([&] { return *frame && (*frame)->isVisible() && (*frame)->isEnabled(); }, m_waitMs),
                  command + QStringLiteral(" was not shown enabled"));
}

QString JourneySteps::chooseReportInputs(Gui::Report::AbstractReport *frame)
{
    auto *owners = frame->findChild<Gui::InteractiveOwnerKeeperTable *>();
    auto *plus = owners ? owners->findChild<QPushButton *>("plusButton") : nullptr;
    auto *period = frame->findChild<Gui::StartEndDateTimeEdit *>();
    if (plus && plus->isVisible()) {
        // The first record of the owner chooser.
        const int frames = Gui::Global::currentFrames()->list().size();
        QString failure = WindowDriver::clickWidget(plus);
        if (!failure.isEmpty())
            return failure;
        QPointer<QObject> chooser = newestFrame(frames);
        if (!chooser)
            return QStringLiteral("no owner chooser opened");
        if (!QTest::qWaitFor([&] { return tableIdle(chooser) && shownRows(chooser)->rowCount() > 0; }, m_waitMs))
            return QStringLiteral("the owner chooser showed no rows");
        const QStringList drawn = m_checkDrawnCells ? DrawnCells::pageFaults(chooser, false) : QStringList();
        if (!drawn.isEmpty())
            return QStringLiteral("the owner chooser draws its cells wrong: ") + drawn.join('\n');
        QPoint at;
        if (!clickRow(chooser, 0, &at))
            return QStringLiteral("the chooser's first row could not be clicked");
        failure = WindowDriver::clickItem(pageControl(chooser, "selectButton"));
        if (!failure.isEmpty())
            return failure;
        if (!QTest::qWaitFor([&] { return chooser.isNull(); }, timeLimit(5000)))
            return QStringLiteral("the owner chooser stayed open");
        if (owners->ownerIdList().size() != 1)
            return QStringLiteral("%1 owners chosen").arg(owners->ownerIdList().size());
    } else if (owners && owners->isVisible() && period && period->applyButton()->isVisible()) {
        // The owners the server finds for the period.
        const QString failure = WindowDriver::clickWidget(period->applyButton());
        if (!failure.isEmpty())
            return failure;
        if (!QTest::qWaitFor([&] { return !owners->ownerIdList().isEmpty(); }, m_waitMs))
            return QStringLiteral("no owners found");
    }
    // Lists of choices left without one (balance groups and types) get their first row clicked.
    for (QTableWidget *choices : frame->findChildren<QTableWidget *>()) {
        if (!choices->isVisible() || choices->rowCount() == 0 || !choices->selectedItems().isEmpty()
            || qobject_cast<Gui::InteractiveOwnerKeeperTable *>(choices->parentWidget()))
            continue;
        QTest::mouseClick(choices->viewport(), Qt::LeftButton, Qt::NoModifier,
                          choices->visualRect(choices->model()->index(0, 0)).center());
        if (choices->selectedItems().isEmpty())
            return QStringLiteral("a click chose nothing in ") + choices->objectName();
    }
    return QString();
}

QString JourneySteps::runReport(Gui::Report::AbstractReport *frame)
{
    m_program.watchdog().reset();
    const QString failure = WindowDriver::clickWidget(frame->createButton());
    if (!failure.isEmpty())
        return failure;
    const bool answered = QTest::qWaitFor(
        [&] {
            return frame->isEnabled() && (!frame->writtenFiles().isEmpty() || !m_program.watchdog().boxes().isEmpty());
        },
        3 * m_waitMs);
    // Success shows as a toast or a box, never as another message.
    const QStringList said = m_program.watchdog().texts();
    m_program.watchdog().reset();
    if (!answered)
        return QStringLiteral("the report did not come");
    if (!said.isEmpty() && said != QStringList{SuccessText})
        return said.join('\n');
    return unless(!frame->writtenFiles().isEmpty(), QStringLiteral("no workbook written"));
}

QString JourneySteps::writeReport(Gui::Report::AbstractReport *frame)
{
    QString failure = chooseReportInputs(frame);
    if (failure.isEmpty())
        failure = runReport(frame);
    return failure.isEmpty() ? readWorkbooks(frame) : failure;
}

QString JourneySteps::readWorkbooks(Gui::Report::AbstractReport *frame)
{
    for (const QString &file : frame->writtenFiles()) {
        const QString sheets = readWorkbook(file);
        if (sheets.isEmpty() || sheets.startsWith(QLatin1String("unreadable")))
            return file + QStringLiteral(": ") + sheets;
    }
    return QString();
}
