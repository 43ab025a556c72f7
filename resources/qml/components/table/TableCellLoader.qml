import QtQuick 2.15

// One cell of the kit's table view, in place of the view's own cell. Qt's cell makes its style
// data and the column's delegate for every column of every row, shown or not; this one makes
// them only while its column is shown and lies within the view's visible width, so a row costs
// what its visible columns cost. The names the view's rows set (__rowItem, __column) and those
// the delegates read (styleData, model, modelData) stay Qt's.
Loader {
    id: cell

    // The kit's table view the cell belongs to.
    property Item tableView: null
    // Set by the view's row.
    property Item __rowItem: null
    property var __column: null

    width: __column ? __column.width : 0
    height: parent ? parent.height : 0
    visible: __column ? __column.visible : false
    // A row taken back for reuse has no row index until it is placed again; its cells keep what
    // they made, as Qt's do.
    active: !!__column && __column.visible && index >= tableView.firstShownColumn && index <= tableView.lastShownColumn
            && !!__rowItem && (__rowItem.rowIndex >= 0 || item !== null)
    sourceComponent: content

    Component {
        id: content

        Loader {
            id: styled

            // What the delegates read.
            readonly property var model: cell.__rowItem ? cell.__rowItem.itemModel : undefined
            readonly property var modelData: cell.__rowItem ? cell.__rowItem.itemModelData : undefined
            // Qt's style data of a cell, made afresh whenever one of its values changes.
            readonly property var styleData: {
                var row = cell.__rowItem;
                var column = cell.__column;
                var area = cell.tableView ? cell.tableView.__mouseArea : null;
                var rowIndex = row ? row.rowIndex : -1;
                var role = column ? column.role : "";
                var value = model && model.hasOwnProperty(role) ? model[role]
                          : modelData && modelData.hasOwnProperty(role) ? modelData[role]
                          : modelData !== undefined && modelData !== null ? modelData : "";
                return {
                    "row": rowIndex,
                    "column": index,
                    "elideMode": column ? column.elideMode : Text.ElideLeft,
                    "textAlignment": column ? column.horizontalAlignment : Text.AlignLeft,
                    "selected": row ? row.itemSelected : false,
                    "hasActiveFocus": row ? row.activeFocus : false,
                    "pressed": !!area && rowIndex === area.pressedRow && index === area.pressedColumn,
                    "textColor": row ? row.itemTextColor : "black",
                    "role": role,
                    "value": value
                };
            }

            sourceComponent: cell.__column && cell.__column.delegate ? cell.__column.delegate
                                                                     : (cell.tableView ? cell.tableView.itemDelegate : null)
        }
    }
}
