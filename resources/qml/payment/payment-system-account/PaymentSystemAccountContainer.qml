import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// A company's accounts with the payment providers; a tab of the company editor. The private keys
// never come with the list: the editor reads them.
TableContainer {
    id: container

    property string rst_id_company: "1"
    property string company_name
    property alias accounts: accounts
    property alias tableView: accountView
    // The tab was shown: its list loads from then on.
    isShown: false

    // First show: the list loads once the page has started (now, or when the settings come).
    function loadData() {
        startShown(accountView, objectSettings ? objectSettings : {});
    }

    function loadLists() {
        if (isShown)
            accountView.getNewList();
    }

    objectsSettingName: "PaymentSystemAccountTable"
    tables: [accountTable]

    PaymentSystemAccount {
        id: accounts

        useTrGetList: true
    }

    Table {
        id: accountTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonAdd { objectName: "addButton" }
            ToolButtonEdit { objectName: "editButton" }
            ToolButtonRemove { objectName: "removeButton" }
            ToolButtonExcel { objectName: "excelButton" }
        }
        tableView: TableViewBase {
            id: accountView

            function listParams() {
                return { "rst_id_company": container.rst_id_company };
            }

            function updateProperties(properties) {
                properties["rst_id_company"] = container.rst_id_company;
                properties["company_name"] = container.company_name;
            }

            controller: accounts
            editorUrl: "qrc:/qml/payment/payment-system-account/PaymentSystemAccountEditor.qml"

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "public_key"; width: 160 }
            TableViewColumnEx { role: "enabled"; width: accountView.enabledWidth; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "subprovider_id"; width: 100 }
            TableViewColumnEx { role: "currency"; width: 80 }
            TableViewColumnEx { role: "fee_payment_system_percent"; width: 100; delegate: TableNumDelegate {} }
            TableViewColumnEx { role: "fee_payment_system_abs"; width: 100; delegate: TableNumDelegate {} }
            TableViewColumnEx { role: "fee_nt_percent"; width: 100; delegate: TableNumDelegate {} }
            TableViewColumnEx { role: "fee_nt_abs"; width: 100; delegate: TableNumDelegate {} }
            TableViewColumnEx { role: "client_lang"; width: 80 }
            TableViewColumnEx { role: "is_sandbox"; width: 60; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "save_client_data"; width: 60; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "weight"; width: 80 }
            TableViewColumnEx { role: "payee"; width: 140 }
            TableViewColumnEx { role: "edrpou"; width: 100 }
            TableViewColumnEx { role: "bank"; width: 140 }
            TableViewColumnEx { role: "mfo"; width: 80 }
            TableViewColumnEx { role: "account"; width: 140 }
            TableViewColumnEx { role: "payment_details"; width: 160 }
            TableViewColumnEx { role: "nds"; width: 80 }
            TableViewColumnEx { role: "inner_note"; width: 160 }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
