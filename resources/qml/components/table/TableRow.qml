import QtQuick 2.15

// A row of the kit's table view under Qt's row: the style's row background and the cells of the
// shown columns within the visible width, with the style data Qt gives its cells. A cell slot
// keeps its column while the visible columns shift (column c lies in slot c % cellSlots), so a
// horizontal scroll makes only the cells that come into sight.
Item {
    id: row

    // The kit's table view the row belongs to, and the style's row background.
    property Item tableView: null
    property Component background: null
    // Qt's row data; the filler rows below the last row have no row number.
    readonly property var rowStyle: typeof styleData === "undefined" ? null : styleData
    readonly property var rowModel: typeof model === "undefined" ? undefined : model
    readonly property var rowModelData: typeof modelData === "undefined" ? undefined : modelData
    readonly property bool isRecord: !!rowStyle && rowStyle.row !== undefined && rowStyle.row >= 0
                                     && rowModel !== undefined && rowModel !== null
    // The cells made (TableRowCell).
    property alias cells: holder.children

    implicitWidth: backdrop.implicitWidth
    implicitHeight: backdrop.implicitHeight
    height: backdrop.height

    Loader {
        id: backdrop

        // What the style's row background reads.
        readonly property var styleData: row.rowStyle
        readonly property var model: row.rowModel

        width: row.width
        sourceComponent: row.background
    }

    // The cells in the view's content coordinates: the row itself stays in the viewport.
    Item {
        id: holder

        x: row.tableView ? -row.tableView.__listView.contentX : 0

        Repeater {
            model: row.isRecord && row.tableView ? row.tableView.cellSlots : 0

            delegate: TableRowCell {
                tableView: row.tableView
                rowItem: row
                slot: index
            }
        }
    }
}
