import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// The working drivers, from the shared list, by group and city; archived drivers never show.
// Opened for selection it hands back the chosen driver (SELECT) or the chosen drivers (REPORT).
NtFrame {
    id: root

    property alias driver: driver
    property alias driverGroup: driverGroup
    property alias tableView: driverView
    property alias container: container
    property alias groupBox: filterBar.groupBox
    property alias cityBox: filterBar.cityBox

    // The drivers of the chosen group and city that are not archived.
    function applyFilter() {
        var group = filterBar.groupId();
        var city = filterBar.cityId();
        filterBar.showColumns(driverView);
        var filters = [];
        if (group !== "1")
            filters.push(["rst_id_group", "=", group]);
        if (city !== "1")
            filters.push(["rst_id_city", "=", city]);
        filters.push(["is_archived", "=", "0"]);
        driverView.hardFilters = filters;
        driverView.getNewList();
    }

    title: qsTr("Drivers")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" },
        State { name: "REPORT" }
    ]
    state: "VIEW"

    Driver {
        id: driver
    }

    DriverGroup {
        id: driverGroup
    }

    TableContainer {
        id: container

        // Without the read right on driver groups the table does not start: it shows no driver
        // and says why.
        function loadLists() {
            if (root.checkSecurity(driverGroup)) {
                root.applyFilter();
                return;
            }
            var proxy = driver.proxyModel;
            proxy.beginPrepare();
            proxy.clearHardFilter();
            proxy.appendHardFilterRole("rst_id_group", "=", "-1");
            proxy.endPrepare();
        }

        function restoreFilters(settings) {
            filterBar.restore(settings);
        }

        function storeFilters(settings) {
            filterBar.store(settings);
        }

        anchors.fill: parent
        frame: root
        objectsSettingName: "DriverTable"
        tables: [driverTable]
        catalogues: [GLOBAL.driverGroup, GLOBAL.city]

        Table {
            id: driverTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonDuplicate { objectName: "duplicateButton" }
                ToolButtonExcel { objectName: "excelButton" }
                ToolButtonBase {
                    objectName: "updateDriversButton"
                    name: qsTr("Update drivers")
                    fontIcon: FontAwesome.Refresh
                    onClicked: GLOBAL.driver.onAutoUpdateTimerTimeout()
                }
            }
            filterToolBar: DriverFilterBar {
                id: filterBar

                onFilterChosen: container.reload()
            }
            tableView: DriverTableView {
                id: driverView

                controller: driver
                duplicateInEditor: true
                selectionStates: ["SELECT"]
                multiSelectionStates: ["REPORT"]
                selectionRoles: ({ "id": "id", "sign": "sign" })
                selectionMode: root.state === "REPORT" ? Controls1.SelectionMode.ExtendedSelection
                                                       : Controls1.SelectionMode.SingleSelection
            }
        }
    }
}
