import QtQuick 2.15

// A column's place in a row of the kit's table view, in place of the view's own cell. Qt's row
// makes one for every column, shown or not, so it holds only the column's width (none while the
// column is hidden: the row skips items without size); the row's background (TableRow) makes
// the cells of the columns within the visible width.
Item {
    // Set by the view's row.
    property Item __rowItem: null
    property var __column: null

    width: __column && __column.visible ? __column.width : 0
    height: 1
}
