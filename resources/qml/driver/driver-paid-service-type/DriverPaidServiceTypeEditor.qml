import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/driver/driver-paid-service"
import "essentials"

// A paid service type and the drivers it is connected to. The drivers' tab waits for a saved
// record.
Editor {
    id: editor

    property alias essentials: essentials
    property alias paidServices: paidServices
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

            DriverPaidServiceTypeEssentials {
                id: essentials
            }
        }

        TabButtonEx {
            objectName: "paidServicesTab"
            text: qsTr("Paid services")
            enabled: editor.id !== "0" && editor.id !== "" && editor.state !== "DUPLICATE"

            DriverPaidServiceContainer {
                id: paidServices

                rst_id_pst: editor.id
                pst_name: essentials.typeName
            }
        }
    }
}
