import QtQuick 2.15

// One cell of a table row (TableRow): the column's delegate, or the view's, with the names Qt
// gives a cell's delegate (model, modelData, styleData). The cell's slot holds one of the shown
// columns (TableViewBase.slotColumn); when they shift, the cell takes its next column and that
// column's delegate together (bind()).
Loader {
    id: cell

    property Item tableView: null
    property Item rowItem: null
    property int slot: -1
    // The column the cell shows, its index; set by bind() alone.
    property var __column: null
    property int column: -1
    readonly property var shownColumns: tableView ? tableView.shownColumns : null
    readonly property var model: rowItem ? rowItem.rowModel : undefined
    readonly property var modelData: rowItem ? rowItem.rowModelData : undefined
    // Made afresh whenever one of its values changes; a press and the focus are read when a
    // delegate asks for them, so that a click does not make every cell's data again.
    readonly property var styleData: {
        var row = rowItem ? rowItem.rowStyle : null;
        var area = tableView ? tableView.__mouseArea : null;
        var style = tableView ? tableView.__style : null;
        var rowIndex = row ? row.row : -1;
        var selected = row ? row.selected : false;
        var role = __column ? __column.role : "";
        var value = model && model.hasOwnProperty(role) ? model[role]
                  : modelData && modelData.hasOwnProperty(role) ? modelData[role]
                  : modelData !== undefined && modelData !== null ? modelData : "";
        return {
            "row": rowIndex,
            "column": column,
            "elideMode": __column ? __column.elideMode : Text.ElideLeft,
            "textAlignment": __column ? __column.horizontalAlignment : Text.AlignLeft,
            "selected": selected,
            get hasActiveFocus() { return !!row && row.hasActiveFocus; },
            get pressed() { return !!area && rowIndex === area.pressedRow && cell.column === area.pressedColumn; },
            "textColor": !style ? "black" : selected ? style.highlightedTextColor : style.textColor,
            "role": role,
            "value": value
        };
    }

    // The cell's column as the shown columns now place it. A delegate goes before its column
    // does, and the next column's delegate is made once the cell holds that column's value: no
    // delegate is given another column's value, not even between two bindings.
    function bind() {
        var index = tableView ? tableView.slotColumn(slot) : -1;
        var next = index >= 0 ? tableView.getColumn(index) : null;
        if (next && !next.visible) {
            next = null;
            index = -1;
        }
        var delegate = next ? shownColumns.delegates[index] : null;
        if (next !== __column || delegate !== sourceComponent) {
            sourceComponent = null;
            __column = next;
        }
        column = index;
        sourceComponent = delegate;
    }

    x: column >= 0 && shownColumns ? shownColumns.offsets[column] : 0
    width: __column ? __column.width : 0
    height: rowItem ? rowItem.height : 0
    visible: !!__column

    onShownColumnsChanged: bind()
    Component.onCompleted: bind()
}
