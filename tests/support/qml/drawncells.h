#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QQuickItem;

// What a table view draws, cell by cell: every cell in sight is read from the text items drawn
// at its place and compared with the texts its column's delegate makes, in an instance of its
// own, of the row's value in the view's model. QML singleton "DrawnCells" of "Koriv.Test".
class DrawnCells : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        // One line per cell that draws other texts than its delegate makes: where and what.
        QStringList faults;
        int rowCount = 0;
        int rowsInSight = 0;
        int columnsInSight = 0;
        // The roles of the columns in sight, left to right.
        QStringList columns;
        // The cells in sight whose delegate makes a text (the cells the check could fault).
        int cellsWithText = 0;
    };

    explicit DrawnCells(QObject *parent = nullptr) : QObject(parent) {}

    static Result check(QQuickItem *view);
    // check() once the view's layout has settled: repeated, as QTRY does, until the rows in sight
    // draw their values or timeoutMs passed; the last result.
    static Result settled(QQuickItem *view, int timeoutMs = 3000);
    // The settled faults of every table shown under the page, one line per table that draws a
    // cell wrong, has rows but none in sight, or (moreRowsThanFit) shows all its rows; empty when
    // none does.
    static QStringList pageFaults(QObject *page, bool moreRowsThanFit);
    // The table views under a page item and in its window, in the order of the item tree; those
    // shown.
    static QList<QQuickItem *> views(QObject *page);
    static QList<QQuickItem *> shownViews(QObject *page);
    // A one-line summary of a result for a test's message.
    static QString describe(const Result &result);

    // settled() for QML tests: "faults", "rowCount", "rowsInSight", "columnsInSight", "cellsWithText".
    Q_INVOKABLE QVariantMap settledCheck(QQuickItem *view) const;
};
