#pragma once

#include <QPointer>
#include <QString>

class PageProgram;

// The period a page's list shows, read from its period control (object name "period"): by
// default the operator's day on the program's clock when the page opened, fixed from then on. The
// test judges it against the operator's day on its own clock before it dates rows into it. A day
// may end between a test's seed and the page's list, or between the list and a row the program
// adds: the test keeps the rows it expects inside the period the page shows.
class ShownPeriod
{
public:
    // The period of the first period control under the page item or in its window, and the
    // table its list reads; invalid when there is none. openedMs: the test's clock before the
    // page opened; by default a minute before now, a day that ended within it taken as well.
    explicit ShownPeriod(QObject *page, qint64 openedMs = -1);

    bool isValid() const { return !m_control.isNull() && !m_table.isEmpty(); }
    qint64 start() const { return m_start; }
    // The first millisecond after the period.
    qint64 end() const { return m_end; }
    // The database table of the list, as the stand-in maps its controller
    // (tools/standin-server/controllers.json).
    QString table() const { return m_table; }

    // Empty when the period is the operator's day at the program's offset on the test's clock,
    // at some moment from the page's opening to now; otherwise what the page shows instead. A
    // check that depends on the date (DayEnd::noteCheck()).
    QString dayFault(const PageProgram &program) const;
    // Moves the rows of the list's table that condition picks and that are dated (dt_utc_insert)
    // outside the period to its nearest end; how many moved, -1 when it could not or the period
    // is not the operator's day (warned).
    int holdRows(PageProgram &program, const QString &condition) const;
    // holdRows(), and when rows moved, the list asked again as a change of the period asks it,
    // once a list on its way has come (a list not asked yet reads them anyway), and awaited;
    // false when it could not.
    bool keepRows(PageProgram &program, const QString &condition) const;

private:
    QPointer<QObject> m_page;
    QPointer<QObject> m_control;
    QPointer<QObject> m_view;
    QPointer<QObject> m_controller;
    QString m_table;
    qint64 m_start = 0;
    qint64 m_end = 0;
    qint64 m_openedMs = 0;
};
