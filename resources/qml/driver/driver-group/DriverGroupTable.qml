import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The driver groups, from the shared list without its placeholder; also the group picker of
// the driver editor. Group names are unique, so a copy is made in the editor.
NtFrame {
    id: root

    property alias driverGroup: driverGroup
    property alias tableView: groupView

    title: qsTr("Driver Groups")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" }
    ]
    state: "VIEW"

    DriverGroup {
        id: driverGroup
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "DriverGroupTable"
        tables: [groupTable]
        frame: root

        Table {
            id: groupTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonDuplicate { objectName: "duplicateButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: groupView

                controller: driverGroup
                editorUrl: "qrc:/qml/driver/driver-group/DriverGroupEditor.qml"
                duplicateInEditor: true
                hardFilters: [["id", "!=", "1"]]
                selectionRoles: ({ "rst_id_group": "id" })

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: groupView.nameWidth }
                TableViewColumnEx { role: "description"; width: groupView.descriptionWidth }
                TableViewColumnEx { role: "utc_offset"; width: 80; delegate: TableUTCDelegate {} }
                TableViewColumnEx { role: "enabled_low_balance"; width: 80; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "low_balance"; width: 80 }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
