import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// One city: its name and the coordinates of its area.
Editor {
    id: editor

    form: cityForm
    isDirty: cityForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    City {
        id: city
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: cityForm

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: city
            defaultActiveField: name
            fields: [name, coordsVertex]
            titleRole: "name"

            ColumnLayout {
                width: parent.width

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Attributes")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("Id:") }
                        TextFieldId { text: editor.id }
                        LabelEx { text: qsTr("Name:") }
                        TextFieldEx {
                            id: name

                            objectName: "name"
                            Layout.fillWidth: true
                            errorCode: ["210", "500"]
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Location")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("Coordinates:") }
                        TextAreaEx {
                            id: coordsVertex

                            objectName: "coords_vertex"
                            Layout.fillWidth: true
                            Layout.preferredHeight: 120
                        }
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: cityForm
        }
    }
}
