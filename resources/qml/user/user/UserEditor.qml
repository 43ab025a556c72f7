import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "essentials"
import "security-options"
import "../user-session"
import "../user-gui-session"

// An operator: the attributes, and once stored the user's sessions, saved GUI sessions and
// security options.
Editor {
    id: editor

    property string sign: qsTr("n/a")
    property alias essentials: essentials
    property alias tabView: tabView
    readonly property bool isStored: id !== "0" && id !== "" && state !== "DUPLICATE"

    editorTitle: qsTr("User")
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

            UserEssentials {
                id: essentials
            }
        }

        TabButtonEx {
            objectName: "sessionsTab"
            text: qsTr("User Sessions")
            enabled: editor.isStored

            UserSessionContainer {
                rst_id_owner: editor.id
                inEditor: true
            }
        }

        TabButtonEx {
            objectName: "guiSessionsTab"
            text: qsTr("User Gui Sessions")
            enabled: editor.isStored

            UserGuiSessionTable {
                rst_id_owner: editor.id
            }
        }

        TabButtonEx {
            objectName: "securityOptionsTab"
            text: qsTr("Security Options")
            enabled: editor.isStored

            UserSecurityOptions {
                ownerId: editor.id
            }
        }
    }
}
