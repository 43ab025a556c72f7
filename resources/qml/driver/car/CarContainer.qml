import QtQuick 2.15
import QtQuick.Controls 1.4
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// Cars: of every driver (the car table, also the car picker) or of one driver (the driver
// editor's tab, where a car added belongs to that driver). The page state of the frame says
// what a selection returns: SELECT one car, TSS several with their drivers.
TableContainer {
    id: container

    // The driver whose cars show; "1": every driver.
    property string rst_id_driver: "1"
    // The terminal of the sibling client's connection list.
    property string rst_id_tss: "1"
    property bool inEditor: false
    property alias cars: cars
    property alias tableView: carView
    isShown: !inEditor
    readonly property string pageState: frame ? String(frame.state) : "VIEW"

    // First show in the driver editor: the page starts then, without saved settings.
    function loadData() {
        startShown(carView);
    }

    // The connection list of TSS only where the controller offers it.
    function loadLists() {
        if (!isShown)
            return;
        if (pageState !== "TSS") {
            carView.getNewList();
        } else if (typeof cars.trGetListConn === "function" && (!frame || frame.checkSecurity(cars))) {
            carView.proxy.beginPrepare();
            cars.trGetListConn({ "rst_id_tss": rst_id_tss });
        }
    }

    objectsSettingName: "CarTable"
    tables: [carTable]

    Car {
        id: cars

        useTrGetList: true
    }

    Table {
        id: carTable

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
            id: carView

            function listParams() {
                return filterParams({ "rst_id_driver": container.rst_id_driver });
            }

            // A new car belongs to the container's driver; an open one to its own.
            function updateProperties(properties) {
                var driver = container.rst_id_driver;
                if (properties["state"] !== "ADD" && currentRow >= 0) {
                    var own = model.data(currentRow, "rst_id_driver");
                    driver = own === undefined || own === null || String(own) === "" ? "1" : String(own);
                }
                properties["rst_id_driver"] = driver;
            }

            controller: cars
            editorUrl: "qrc:/qml/driver/car/CarEditor.qml"
            selectionStates: ["SELECT"]
            multiSelectionStates: ["TSS"]
            selectionMode: container.pageState === "TSS" ? SelectionMode.ExtendedSelection : SelectionMode.SingleSelection
            selectionRoles: container.pageState === "TSS" ? { "id": "id", "rst_id_driver": "rst_id_driver",
                                                              "identifier": "identifier" }
                                                          : { "id": "id", "identifier": "identifier" }

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "sign"; width: 60; visible: !container.inEditor }
            TableViewColumnEx { role: "identifier"; width: 90 }
            TableViewColumnEx { role: "approved"; width: carView.enabledWidth; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "is_selected"; width: carView.enabledWidth; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "body_type_name"; width: 120 }
            TableViewColumnEx { role: "brand_name"; width: 120 }
            TableViewColumnEx { role: "car_model"; width: 100 }
            TableViewColumnEx { role: "year"; width: 50 }
            TableViewColumnEx { role: "place_amount"; width: 50; delegate: TableCenterDelegate {} }
            TableViewColumnEx { role: "color_rgb_code"; width: 40; delegate: TableColorDelegate {} }
            TableViewColumnEx { role: "color_name"; width: 120 }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
