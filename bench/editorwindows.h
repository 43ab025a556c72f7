#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>

class PageProgram;

// Driver editors of a benchmark's program, each in a window of its own as the driver table opens
// them by default and each on a driver of its own (R1, R2 ... of seedDrivers()), read and locked
// by the operator.
class EditorWindows
{
public:
    // The seed statement of PageProgram::start() that makes the drivers R1 ... Rcount.
    static QString seedDrivers(int count);
    // The editor's form; null when there is none.
    static QObject *formOf(QObject *editor);
    // The editor shows its record, with no read of it on its way nor owed to a lost connection.
    static bool settled(QObject *editor);
    // --iterations=N (3) and --editors=ANCHOR,MOST (the anchor's count and the measure's beside
    // it), removed from the arguments; the iterations.
    static int readOptions(int *argc, char **argv, int *anchorEditors, int *mostEditors);

    // Over a program started with seedDrivers(count): reads the drivers' ids.
    EditorWindows(PageProgram *program, int count);

    const QList<QPointer<QObject>> &editors() const { return m_editors; }
    bool allSettled() const;
    // Opens editors up to count, each on the next driver; false when one did not show its record
    // read and locked.
    bool openUpTo(int count);
    // Closes the window of the editor opened last as the operator does (its close button) and
    // runs the event loop until the editor and its window are gone with nothing left to process;
    // false when they are still there after five seconds (stretched by the tests' factor).
    bool closeLast();

private:
    PageProgram *m_program;
    QStringList m_driverIds;
    QList<QPointer<QObject>> m_editors;
};
