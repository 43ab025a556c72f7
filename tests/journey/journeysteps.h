#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>

class PageProgram;
class QAbstractItemModel;
class QMainWindow;
class QQuickItem;
struct JourneyRow;
namespace Gui::Dialog {
class Login;
}
namespace Gui::Report {
class AbstractReport;
}

// The operator's steps through the signed-in program, done with the mouse and keyboard through
// the window driver, for the journey test and its benchmark alike. Each step returns what stood
// in the way, empty when it worked; waits for lists and answers last up to waitMs (reports three
// times as long), stretched by timeLimit().
class JourneySteps
{
public:
    explicit JourneySteps(PageProgram &program, int waitMs = 10000);

    // Whether the steps that show a list read back its drawn cells too (the owner chooser).
    void setCheckDrawnCells(bool check) { m_checkDrawnCells = check; }

    // As an operator signs in: the password typed into the dialog, OK clicked.
    static QString signIn(Gui::Dialog::Login *dialog, const QString &password);

    static QMainWindow *mainWindow();

    // Opens an entry (or a report frame, by command name) with the mouse; the new frame once listed.
    QString open(const JourneyRow &row, QPointer<QObject> *page);
    // Waits until a table shows its list, or an editor its record, with nothing pending.
    QString waitShown(QObject *page, const JourneyRow &row);
    // The record the entry's editor opens; empty when it opens none.
    QString recordId(const JourneyRow &row);
    // A table whose period shows the record only within it: the period judged against the
    // operator's day on the test's clock since open() clicked, then the record, dated outside it (a
    // day ended since it was made), moved into it and the list shown again.
    QString keepRecordShown(QObject *table, const JourneyRow &row);
    // Each tab of an editor after its first, shown with a click: a tab whose list shows a period
    // judged against the operator's day on the test's clock since the click; then the first tab
    // clicked again.
    QString checkPeriodTabs(QObject *editor);
    // Makes the record current with a click on its row and opens it with the Edit button.
    QString openRecord(QObject *table, const QString &id, QPointer<QObject> *editor);
    // A read-only editor closed with its Close (or Cancel) button.
    QString closeEditor(QPointer<QObject> editor);
    // The editor's one field changed by typing or a click, which leaves the editor dirty.
    QString changeField(QObject *editor, const JourneyRow &row);
    // OK clicked until the editor closes; then the stored value checked in PostgreSQL.
    QString save(QPointer<QObject> editor);
    QString checkStored(const JourneyRow &row, const QString &id);
    // A page that makes a new record: its field typed (then save() it), and the record stored once.
    QString typeNew(QObject *page, const JourneyRow &row);
    QString checkNew(const JourneyRow &row);
    // Closes every frame left open, as after a failed step.
    void closeAllFrames();

    // A report frame opened through its command, shown and enabled.
    QString openReport(const QString &command, QPointer<Gui::Report::AbstractReport> *frame);
    // The owners and choices it asks for: the first of each.
    QString chooseReportInputs(Gui::Report::AbstractReport *frame);
    // Create clicked until the workbooks are written and the success said; then each read back.
    QString runReport(Gui::Report::AbstractReport *frame);
    QString readWorkbooks(Gui::Report::AbstractReport *frame);
    // The three above in a row: inputs chosen, the report run and its workbooks read.
    QString writeReport(Gui::Report::AbstractReport *frame);

    // A page's state as the steps read it.
    static QAbstractItemModel *shownRows(QObject *page);
    static bool tableIdle(QObject *page);
    static bool editorIdle(QObject *editor);
    // The first item of a page made from the QML type.
    static QQuickItem *itemOfType(QObject *page, const char *type);
    // Scrolls a row of a table into sight and clicks it where it is shown; false when it did not
    // come into sight or become current. at: where the click went, in the view's window.
    static bool clickRow(QObject *table, int row, QPoint *at);

private:
    QObject *newestFrame(int before) const;

    PageProgram &m_program;
    int m_waitMs;
    bool m_checkDrawnCells = false;
    // The test's clock when open() last clicked.
    qint64 m_openedMs = -1;
};
