import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The sample list page of the benchmark: a driver list over the controller it is given.
NtFrame {
    id: page

    property alias view: benchView

    objectsSettingName: "qrc:/qml/driver/driver/DriverTable.qml"

    TableContainer {
        anchors.fill: parent
        frame: page
        objectsSettingName: "driverContainer"
        tables: [benchTable]

        Table {
            id: benchTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonAdd {}
                ToolButtonEdit {}
                ToolButtonRemove {}
                ToolButtonExcel {}
            }
            tableView: TableViewBase {
                id: benchView

                controller: page.controller

                TableViewColumnId {}
                TableViewColumnEx { role: "sign"; width: 80 }
                TableViewColumnEx { role: "last_name"; width: 110 }
                TableViewColumnEx { role: "phone"; width: 110 }
                TableViewColumnEx { role: "brand_name"; width: 90 }
                TableViewColumnEx { role: "rating"; width: 60; delegate: TableNumDelegate { precision: 1 } }
                TableViewColumnEx { role: "color_rgb_code"; width: 60; delegate: TableColorDelegate {} }
                TableViewColumnEx { role: "is_archived"; width: 70; delegate: TableYesIconDelegate {} }
                TableViewColumnLocked {}
                TableViewColumnInsertTime {}
                TableViewColumnUpdateTime {}
            }
        }
    }
}
