import QtQuick 2.15

// One cell of a table row (TableRow): the column's delegate, or the view's, with the names Qt
// gives a cell's delegate (model, modelData, styleData).
Loader {
    id: cell

    property Item tableView: null
    property Item rowItem: null
    property int slot: -1
    // The shown column of the slot; -1 for none.
    readonly property int column: tableView ? tableView.slotColumn(slot) : -1
    readonly property var __column: column >= 0 && tableView.columnOrder >= 0 ? tableView.getColumn(column) : null
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

    x: column >= 0 ? tableView.columnOffsets[column] : 0
    width: __column ? __column.width : 0
    height: rowItem ? rowItem.height : 0
    visible: active
    active: !!__column && __column.visible
    sourceComponent: !__column ? null : __column.delegate ? __column.delegate : tableView.itemDelegate
}
