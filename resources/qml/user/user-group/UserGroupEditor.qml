import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "essentials"
import "security-options"

// A user group: its attributes, and once stored its security options.
Editor {
    id: editor

    property alias essentials: essentials
    property alias tabView: tabView

    editorTitle: qsTr("User Group")
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

            UserGroupEssentials {
                id: essentials
            }
        }

        TabButtonEx {
            objectName: "securityOptionsTab"
            text: qsTr("Security Options")
            enabled: editor.id !== "0" && editor.id !== "" && editor.state !== "DUPLICATE"

            UserGroupSecurityOptions {
                ownerId: editor.id
            }
        }
    }
}
