import QtQuick 2.15
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// A list page as the application writes them: the drivers, their tool bar and columns, and
// the editor it opens; the kit asks for the list once the settings are there.
NtFrame {
    id: page

    property alias drivers: drivers
    property alias container: container
    property alias table: driverTable
    property alias view: driverView

    title: "Drivers"

    KitDriver {
        id: drivers

        useTrGetList: true
    }

    TableContainer {
        id: container

        anchors.fill: parent
        frame: page
        objectsSettingName: "driverContainer"
        tables: [driverTable]

        Table {
            id: driverTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonDuplicate { objectName: "duplicateButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: driverView

                controller: drivers
                editorUrl: "qrc:/qml/driver/driver/DriverEditor.qml"

                TableViewColumnId {}
                TableViewColumnEx { role: "sign"; width: 80 }
                TableViewColumnEx { role: "last_name"; width: 110 }
                TableViewColumnEx { role: "phone"; width: 110 }
                TableViewColumnEx { role: "brand_name"; width: 90 }
                TableViewColumnEx { role: "rating"; title: "Stars"; width: 60; delegate: TableNumDelegate { precision: 1 } }
                TableViewColumnEx { role: "color_rgb_code"; width: 60; delegate: TableColorDelegate {} }
                TableViewColumnEx { role: "is_archived"; width: 70; delegate: TableYesIconDelegate {} }
                TableViewColumnLocked {}
                TableViewColumnInsertTime {}
                TableViewColumnUpdateTime {}
            }
        }
    }
}
