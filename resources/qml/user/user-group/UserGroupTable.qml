import QtQuick 2.15
import QtQuick.Controls 1.4
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The user groups, from the shared list without its placeholder; also the group picker.
NtFrame {
    id: root

    property alias groupView: groupView

    function selectIds(view) {
        var ids = [];
        view.selection.forEach(function (row) { ids.push(String(view.model.data(row, "id"))); });
        if (ids.length === 0 && view.currentRow >= 0)
            ids.push(String(view.model.data(view.currentRow, "id")));
        if (ids.length === 0)
            return;
        select(ids);
        closed();
    }

    title: qsTr("User Groups")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" },
        State { name: "MULTI_SELECT" }
    ]
    state: "VIEW"

    UserGroup {
        id: userGroup
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "UserGroupTable"
        tables: [groupTable]
        frame: root

        Table {
            id: groupTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect {
                    objectName: "selectButton"
                    enabled: groupView.currentRow >= 0
                }
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: groupView

                function doubleClickAction() {
                    if (root.state === "MULTI_SELECT")
                        root.selectIds(groupView);
                    else if (isSelecting())
                        selectAndClose();
                    else
                        editAction();
                }

                controller: userGroup
                editorUrl: "qrc:/qml/user/user-group/UserGroupEditor.qml"
                hardFilters: [["id", "!=", "1"]]
                selectionMode: root.state === "VIEW" ? SelectionMode.SingleSelection : SelectionMode.ExtendedSelection
                selectionStates: ["SELECT"]
                multiSelectionStates: ["MULTI_SELECT"]
                selectionRoles: ({ "rst_id_group": "id" })

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: groupView.nameWidth }
                TableViewColumnEx { role: "is_system"; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "code" }
                TableViewColumnEx { role: "utc_offset"; width: 80; delegate: TableUTCDelegate {} }
                TableViewColumnEx { role: "description"; width: groupView.descriptionWidth }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
