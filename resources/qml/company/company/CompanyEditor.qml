import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "essentials"
import "balance"
import "qrc:/qml/payment/payment-system-account"

// A company: its attributes, its balance entries and its payment system accounts. Those tabs
// wait for a saved record.
Editor {
    id: editor

    property alias essentials: essentials
    property alias balance: balance
    property alias accounts: accounts
    property alias tabView: tabView

    form: essentials.form
    isDirty: essentials.isDirty
    onEnterPressed: essentials.buttonBox.enterPressed()

    TabViewEx {
        id: tabView

        anchors.fill: parent
        targetEditor: editor

        TabButtonEx {
            objectName: "essentialsTab"
            text: qsTr("Essentials")

            CompanyEssentials {
                id: essentials
            }
        }

        TabButtonEx {
            objectName: "balanceTab"
            text: qsTr("Balance")
            enabled: editor.id !== "0" && editor.id !== "" && editor.state !== "DUPLICATE"

            CompanyBalanceTable {
                id: balance

                rst_id_company: editor.id
            }
        }

        TabButtonEx {
            objectName: "accountsTab"
            text: qsTr("Payment system accounts")
            enabled: editor.id !== "0" && editor.id !== "" && editor.state !== "DUPLICATE"

            PaymentSystemAccountContainer {
                id: accounts

                rst_id_company: editor.id
                company_name: essentials.companyName
            }
        }
    }
}
