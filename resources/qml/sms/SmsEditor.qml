import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// One SMS text: its name, its text with the variables it may hold, and whether it is used. The
// code is the server's and is only shown.
Editor {
    id: editor

    form: smsForm
    isDirty: smsForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    Sms {
        id: sms
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: smsForm

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: sms
            defaultActiveField: name
            fields: [name, value, use]
            shownFields: [code]
            titleRole: "name"
            toolBar: ToolBarEx {
                ToolButtonBase {
                    objectName: "variablesButton"
                    name: qsTr("Variables")
                    fontIcon: FontAwesome.InfoSign
                    onClicked: QWIDGET_CREATOR.smsVariables({ "{SIGN}": qsTr("Driver sign") }, editor)
                }
            }

            GroupBoxEx {
                width: parent.width
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
                        errorCode: ["200", "210"]
                    }
                    LabelEx { text: qsTr("Code:") }
                    TextFieldEx {
                        id: code

                        objectName: "code"
                        Layout.fillWidth: true
                        readOnly: true
                    }
                    LabelEx { text: qsTr("Value:") }
                    TextAreaEx {
                        id: value

                        objectName: "value"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 120
                    }
                    Item { width: 1; height: 1 }
                    CheckBoxEx {
                        id: use

                        objectName: "use"
                        text: qsTr("Use")
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: smsForm
        }
    }
}
