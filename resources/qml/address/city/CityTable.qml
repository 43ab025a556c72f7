import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The cities, from the shared list without its placeholder; also the city picker.
NtFrame {
    id: root

    title: qsTr("Cities")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" }
    ]
    state: "VIEW"

    City {
        id: city
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "CityTable"
        tables: [cityTable]
        frame: root

        Table {
            id: cityTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: cityView

                controller: city
                editorUrl: "qrc:/qml/address/city/CityEditor.qml"
                hardFilters: [["id", "!=", "1"]]
                selectionRoles: ({ "rst_id_city": "id" })

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: cityView.nameWidth }
                TableViewColumnEx { role: "coords_vertex"; width: 140 }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
