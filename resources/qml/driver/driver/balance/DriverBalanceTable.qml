import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// A driver's balance entries by balance group, balance type and period; an entry opens in the
// widget kit's read-only balance-log dialog.
BalanceLogContainer {
    id: container

    // The driver, as its editor holds it.
    property string rst_id_owner: "0"
    property alias tableView: logView

    ownerId: rst_id_owner
    groups: GLOBAL ? GLOBAL.driverBalanceGroup : null
    types: driverTypes
    logs: driverLogs
    logView: logView
    typeTextRole: "name_string"
    typeSortRole: "code"
    objectsSettingName: "DriverBalanceTable"
    tables: [logTable]

    DriverBalanceType {
        id: driverTypes
    }

    DriverBalanceLog {
        id: driverLogs

        useTrGetList: true
    }

    Table {
        id: logTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonEdit { objectName: "viewButton"; isEditable: false }
            ToolButtonExcel { objectName: "excelButton" }
        }
        filterToolBar: container.filterBar
        tableView: TableViewBase {
            id: logView

            function editAction() {
                return container.viewEntry();
            }

            function doubleClickAction() {
                container.viewEntry();
            }

            function listParams() {
                return container.listParams();
            }

            controller: driverLogs

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "sign_user_created"; width: 80 }
            TableViewColumnEx { role: "bt_name"; width: 180 }
            TableViewColumnEx { role: "value"; width: 120; delegate: TablePriceDelegate { posNegColor: true } }
            TableViewColumnEx { role: "balance"; width: 120; delegate: TablePriceDelegate { posNegColor: true } }
            TableViewColumnEx { role: "note"; width: 160; delegate: TableMultilineDelegate {} }
            TableViewColumnInsertTime {}
        }
    }
}
