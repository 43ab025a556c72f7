import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"

// Money that drivers passed to one another over a period: who gave, who took, the amounts and
// how the transfer ended.
NtFrame {
    id: root

    title: qsTr("Driver Balance Transfers")

    DriverBalanceTransfer {
        id: transfers

        useTrGetList: true
    }

    TableContainer {
        id: container

        function restoreFilters(settings) {
            if (root.isGuiSessionMode)
                period.restore(settings["time"]);
        }

        function storeFilters(settings) {
            if (root.isGuiSessionMode)
                settings["time"] = period.settings();
        }

        anchors.fill: parent
        objectsSettingName: "DriverBalanceTransferTable"
        tables: [transferTable]
        frame: root

        Table {
            id: transferTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonEdit { objectName: "editButton"; isEditable: false }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            filterToolBar: RowFilterToolBar {
                StartEndDateTime {
                    id: period

                    objectName: "period"
                    onChangeFinished: container.reload()
                }
            }
            tableView: TableViewBase {
                id: transferView

                function listParams() {
                    return { "dt_utc_insert_start": period.startUtcMsec(), "dt_utc_insert_end": period.endUtcMsec() };
                }

                controller: transfers
                editorUrl: "qrc:/qml/driver/driver-balance-transfer/DriverBalanceTransferEditor.qml"

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "sign_contributor"; width: transferView.nameWidth }
                TableViewColumnEx { role: "sign_acceptor"; width: transferView.nameWidth }
                TableViewColumnEx { role: "trn_key"; width: 100 }
                TableViewColumnEx { role: "amount_credit"; width: 100; delegate: TablePriceDelegate { posNegColor: true } }
                TableViewColumnEx { role: "amount_debit"; width: 100; delegate: TablePriceDelegate { posNegColor: true } }
                TableViewColumnEx { role: "percent"; width: 80; delegate: TablePriceDelegate { posNegColor: true } }
                TableViewColumnEx { role: "dt_utc_timeout"; width: 80; delegate: TableDateDelegate {} }
                TableViewColumnEx { role: "amount_attempts"; width: 80 }
                TableViewColumnEx { role: "code_completed"; width: 80 }
                TableViewColumnEx { role: "is_completed"; width: 80 }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
