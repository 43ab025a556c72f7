import QtQuick 2.15
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// A list page as the application writes them: the cars, their tool bar and columns, and the
// editor it opens.
NtFrame {
    id: page

    property alias cars: cars
    property alias container: container
    property alias table: carTable
    property alias view: carView

    title: "Cars"

    KitCar {
        id: cars

        useTrGetList: true
    }

    TableContainer {
        id: container

        anchors.fill: parent
        frame: page
        objectsSettingName: "carContainer"
        tables: [carTable]

        Table {
            id: carTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonDuplicate { objectName: "duplicateButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: carView

                controller: cars
                editorUrl: "qrc:/qml/car/car/CarEditor.qml"

                TableViewColumnId {}
                TableViewColumnEx { role: "sign"; width: 80 }
                TableViewColumnEx { role: "brand_name"; width: 110 }
                TableViewColumnEx { role: "model"; width: 110 }
                TableViewColumnEx { role: "year"; title: "Made"; width: 60; delegate: TableCenterDelegate {} }
                TableViewColumnEx { role: "color_rgb_code"; width: 60; delegate: TableColorDelegate {} }
                TableViewColumnEx { role: "approved"; width: 70; delegate: TableYesIconDelegate {} }
                TableViewColumnLocked {}
                TableViewColumnInsertTime {}
                TableViewColumnUpdateTime {}
            }
        }
    }

    Component.onCompleted: {
        if (checkSecurity(cars))
            cars.trGetList();
    }
}
