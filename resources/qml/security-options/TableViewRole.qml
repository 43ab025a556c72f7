import QtQuick 2.15
import QtQuick.Controls 1.4
import "qrc:/qml/components/styles"

// The roles of a "list" security option: each column's title and its role name.
TableView {
    id: view

    property alias roles: roleModel

    // The role names in list order.
    function roleList() {
        var list = [];
        for (var i = 0; i < roleModel.count; ++i)
            list.push(roleModel.get(i).role);
        return list;
    }

    function selectedRows() {
        var rows = [];
        selection.forEach(function (row) { rows.push(row); });
        if (rows.length === 0 && currentRow >= 0)
            rows.push(currentRow);
        return rows.sort(function (a, b) { return a - b; });
    }

    selectionMode: SelectionMode.ExtendedSelection
    sortIndicatorVisible: false
    frameVisible: false
    model: roleModel
    style: TableViewExStyle {}

    ListModel {
        id: roleModel
    }

    TableViewColumn { role: "title"; title: qsTr("Title"); width: 250 }
    TableViewColumn { role: "role"; title: qsTr("Role"); width: 200 }
}
