import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"

// A car of a driver: its attributes, and its photos once it is stored.
Editor {
    id: editor

    // The car's driver; a new car is stored as this driver's.
    property string rst_id_driver: "1"
    property alias essentials: essentials
    property alias tabView: tabView

    editorTitle: qsTr("Car")
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

            CarEssentials {
                id: essentials

                rst_id_driver: editor.rst_id_driver
            }
        }

        TabButtonEx {
            objectName: "photoTab"
            text: qsTr("Photo")
            enabled: editor.id !== "0" && editor.id !== "" && editor.state !== "DUPLICATE"

            TabPageLoader {
                url: "qrc:/qml/driver/driver/photo/DriverPhoto.qml"
                pageOptions: function () {
                    return { "editor": editor, "rst_id_driver": essentials.rst_id_driver, "rst_id_car": editor.id };
                }
            }
        }
    }
}
