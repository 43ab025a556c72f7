import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The paid services connected to drivers: those of one driver (a tab of the driver editor) or of
// one paid service type (a tab of its editor).
TableContainer {
    id: container

    property string rst_id_owner: "1"
    property string drv_sign: "n/a"
    property string rst_id_pst: "1"
    property string pst_name: "n/a"
    property alias paidServices: paidServices
    property alias tableView: serviceView
    // The tab was shown: its list loads from then on.
    isShown: false

    // First show: the list loads once the page has started (now, or when the settings come).
    function loadData() {
        startShown(serviceView, objectSettings ? objectSettings : {});
    }

    function loadLists() {
        if (isShown)
            serviceView.getNewList();
    }

    objectsSettingName: "DriverPaidServiceTable"
    tables: [serviceTable]

    DriverPaidService {
        id: paidServices

        useTrGetList: true
    }

    Table {
        id: serviceTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonAdd { objectName: "addButton" }
            ToolButtonEdit { objectName: "editButton" }
            ToolButtonRemove { objectName: "removeButton" }
            ToolButtonExcel { objectName: "excelButton" }
        }
        tableView: TableViewBase {
            id: serviceView

            function listParams() {
                return filterParams({ "rst_id_owner": container.rst_id_owner, "rst_id_pst": container.rst_id_pst });
            }

            function updateProperties(properties) {
                properties["rst_id_owner"] = container.rst_id_owner;
                properties["drv_sign"] = container.drv_sign;
                properties["rst_id_pst"] = container.rst_id_pst;
                properties["pst_name"] = container.pst_name;
            }

            controller: paidServices
            editorUrl: "qrc:/qml/driver/driver-paid-service/DriverPaidServiceEditor.qml"

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "pst_name"; width: serviceView.nameWidth }
            TableViewColumnEx { role: "drv_sign"; width: serviceView.nameWidth }
            TableViewColumnEx { role: "enabled"; width: serviceView.enabledWidth; delegate: TableYesIconDelegate {} }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
