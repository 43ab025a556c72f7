#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

class QAbstractItemModel;
class QObject;
class QQuickItem;

// Reaching into an open page from a test: its items, the rows its table view shows, its buttons.
namespace PageControls {

// The first item below the page or its window that has the property; null when there is none.
QObject *itemWithProperty(QObject *page, const char *property);
// The table view of a page: the item that takes hard filters.
QObject *tableViewOf(QObject *page);
// The rows an item (a table view) shows; null for no item.
QAbstractItemModel *rowsOf(QObject *item);
// The value of a role in a row of the rows.
QVariant cell(QAbstractItemModel *rows, int row, const QString &role);
// The row showing the record; -1 when it is not shown.
int rowOf(QAbstractItemModel *rows, const QString &id);
// The same through the page's table view, and a role's value there (empty when not shown).
int shownRow(QObject *page, const QString &id);
QString shownValue(QObject *page, const QString &id, const QString &role);
// The form of an editor page; null for no editor.
QObject *formOf(QObject *editor);
// Clicks the page's control of that object name; a test failure when there is none.
void press(QObject *page, const QString &name);
// In a table page opened to choose records: waits for it to show rows, selects the records (the
// first current) and presses its Select button.
void chooseRecords(QObject *chooser, int rows, const QStringList &ids);
// The frame opened last in the program; null when none is open.
QObject *lastFrame();
// Saves the page's window as name (see saveScreenshot) once it has drawn a frame; false when it
// has no window, draws nothing or cannot be saved.
bool saveDrawnWindow(QObject *page, const QString &name);
// Scrolls the nearest scrolled view around the item so that the item shows.
void scrollTo(QQuickItem *item);
// The longest line of a text, in characters.
int longestLine(const QString &text);

} // namespace PageControls
