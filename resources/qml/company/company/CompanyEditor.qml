import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "essentials"
import "balance"

// A company: its attributes and its balance entries. The balance tab waits for a saved record.
Editor {
    id: editor

    property alias essentials: essentials
    property alias balance: balance
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
    }
}
