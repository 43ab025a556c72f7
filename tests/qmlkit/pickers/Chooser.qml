import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/tableviewcolumns"

// A small chooser page standing for the application's list pages opened to pick records: the
// class-wide list of GLOBAL that its url names, and the choice in that page's own form.
NtFrame {
    id: chooser

    readonly property var kinds: ({
        "qrc:/qml/company/company/CompanyTable.qml": {
            "controller": GLOBAL.company, "role": "company_name",
            "result": function (row) { return { "rst_id_company": row.id, "company_name": row.company_name }; }
        },
        "qrc:/qml/address/city/CityTable.qml": {
            "controller": GLOBAL.city, "role": "name",
            "result": function (row) { return { "rst_id_city": row.id }; }
        },
        "qrc:/qml/user/user/UserTable.qml": {
            "controller": GLOBAL.user, "role": "sign",
            "result": function (row) { return [{ "id": row.id, "sign": row.sign }]; }
        },
        "qrc:/qml/user/user-group/UserGroupTable.qml": {
            "controller": GLOBAL.userGroup, "role": "name",
            "result": function (row) { return { "rst_id_group": row.id }; }
        }
    })
    readonly property var kind: kinds[url]
    property alias view: chooserView

    function rowOf(index) {
        return { "id": chooserView.model.data(index, "id"), "sign": chooserView.model.data(index, "sign"),
                 "company_name": chooserView.model.data(index, "company_name") };
    }

    function choose() {
        if (state === "MULTI_SELECT") {
            var ids = [];
            chooserView.selection.forEach(function (index) { ids.push(chooserView.model.data(index, "id")); });
            select(ids);
        } else {
            select(kind.result(rowOf(chooserView.currentRow)));
        }
        closed();
    }

    objectsSettingName: url
    states: [
        State { name: "SELECT" },
        State { name: "MULTI_SELECT" }
    ]

    TableContainer {
        anchors.fill: parent
        frame: chooser
        tables: [chooserTable]

        Table {
            id: chooserTable

            anchors.fill: parent
            tableView: TableViewBase {
                id: chooserView

                function doubleClickAction() {
                    chooser.choose();
                }

                controller: chooser.kind.controller
                selectionMode: chooser.state === "MULTI_SELECT" ? Controls1.SelectionMode.ExtendedSelection
                                                                : Controls1.SelectionMode.SingleSelection

                TableViewColumnId {}
                TableViewColumnEx { role: chooser.kind.role; width: 150 }
            }
        }
    }
}
