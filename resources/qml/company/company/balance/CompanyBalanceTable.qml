import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog

// A company's balance entries, filtered by balance group, balance type and period. Entries are
// added and viewed in the widget kit's balance-log dialog, which books a new entry itself.
BalanceLogContainer {
    id: container

    // The company, as its editor holds it.
    property string rst_id_company: "0"
    property alias dialogTypes: dialogTypes
    property alias tableView: logView

    function addEntry() {
        var group = groupId();
        if (group === "1") {
            Dialog.warning(qsTr("Company balance group can not be All"));
            return null;
        }
        var type = typeId();
        return QWIDGET_CREATOR.newBalanceLog(dialogTypes, logs, rst_id_company, group, type === "1" ? "0" : type,
                                             frameItem);
    }

    ownerId: rst_id_company
    groups: companyGroups
    types: companyTypes
    logs: companyLogs
    logView: logView
    listNeedsTypes: true
    objectsSettingName: "CompanyBalanceTable"
    tables: [logTable]
    Component.onCompleted: companyGroups.proxyModel.sortRows("id", Qt.AscendingOrder)

    CompanyBalanceGroup {
        id: companyGroups
    }

    CompanyBalanceType {
        id: companyTypes
    }

    // The new-entry dialog narrows a view of its own over the types.
    CompanyBalanceType {
        id: dialogTypes
    }

    CompanyBalanceLog {
        id: companyLogs

        useTrGetList: true
    }

    Table {
        id: logTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonAdd { objectName: "addButton" }
            ToolButtonEdit { objectName: "viewButton"; isEditable: false }
            ToolButtonExcel { objectName: "excelButton" }
        }
        filterToolBar: container.filterBar
        tableView: TableViewBase {
            id: logView

            function addAction() {
                return container.addEntry();
            }

            function editAction() {
                return container.viewEntry();
            }

            function doubleClickAction() {
                container.viewEntry();
            }

            function listParams() {
                return container.listParams();
            }

            controller: companyLogs

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "bt_name"; width: 180 }
            TableViewColumnEx {
                role: "value"
                width: 120
                delegate: TablePriceDelegate { posNegColor: true; highlightRole: "is_lost_profit" }
            }
            TableViewColumnEx { role: "sign_user_created"; width: 60 }
            TableViewColumnEx { role: "balance"; width: 120; delegate: TablePriceDelegate { posNegColor: true } }
            TableViewColumnEx { role: "lost_profit"; width: 120; delegate: TablePriceDelegate {} }
            TableViewColumnEx { role: "note"; width: 160; delegate: TableMultilineDelegate {} }
            TableViewColumnEx { role: "trn_key"; width: 80 }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
