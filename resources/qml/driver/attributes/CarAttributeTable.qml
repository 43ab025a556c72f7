import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// A car catalogue (brands, body types or colours) from its shared list; also its picker, which
// hands back the chosen row's id. The catalogue is kept by the server: no editor here.
NtFrame {
    id: root

    // The catalogue's controller and the settings key of its table.
    property var catalogue: null
    property string tableSettingName
    // Colours show their swatch.
    property bool hasColor: false
    property alias tableView: attributeView

    states: [
        State { name: "VIEW" },
        State { name: "SELECT" }
    ]
    state: "VIEW"

    TableContainer {
        anchors.fill: parent
        objectsSettingName: root.tableSettingName
        tables: [attributeTable]
        frame: root

        Table {
            id: attributeTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: attributeView

                controller: root.catalogue

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: attributeView.nameWidth }
                TableViewColumnEx { role: "code"; width: 120 }
                TableViewColumnEx {
                    role: "rgb_code"
                    width: 120
                    visible: root.hasColor
                    delegate: TableColorDelegate {}
                }
                TableViewColumnEx { role: "order_index"; delegate: TableCenterDelegate {} }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
