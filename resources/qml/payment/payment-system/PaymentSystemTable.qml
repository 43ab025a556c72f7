import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The payment providers the platform takes payments through; also the payment system picker.
// Credentials never come with the list: the editor reads them.
NtFrame {
    id: root

    title: qsTr("Payment Systems")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" }
    ]
    state: "VIEW"

    PaymentSystem {
        id: paymentSystem

        useTrGetList: true
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "paymentSystemTable"
        tables: [paymentSystemTable]
        frame: root

        Table {
            id: paymentSystemTable

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
                id: paymentSystemView

                controller: paymentSystem
                duplicateInEditor: true
                editorUrl: "qrc:/qml/payment/payment-system/PaymentSystemEditor.qml"
                selectionRoles: ({ "rst_id_payment_system": "id", "payment_system_name": "name" })

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: paymentSystemView.nameWidth }
                TableViewColumnEx { role: "code"; width: 80 }
                TableViewColumnEx { role: "incoming_commiss"; width: 100; delegate: TableNumDelegate {} }
                TableViewColumnEx { role: "outgoing_commiss"; width: 100; delegate: TableNumDelegate {} }
                TableViewColumnEx { role: "enabled"; width: paymentSystemView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "api_url"; width: 160 }
                TableViewColumnEx { role: "http_checkout_address"; width: 160 }
                TableViewColumnEx { role: "server_url"; width: 160 }
                TableViewColumnEx { role: "result_url"; width: 160 }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
