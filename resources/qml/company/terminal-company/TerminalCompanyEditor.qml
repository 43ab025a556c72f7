import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// A terminal company's account: its sign, the blocked flag and the inner note; its password is
// changed in a dialog of its own. A copy needs a sign of its own, so it is made one at a time.
Editor {
    id: editor

    property alias terminalCompany: terminalCompany
    property alias buttonBox: buttonBox
    property alias changePasswordButton: changePasswordButton

    form: terminalForm
    isDirty: terminalForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    TerminalCompany {
        id: terminalCompany
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Form {
            id: terminalForm

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: terminalCompany
            defaultActiveField: sign
            fields: [sign, blocked, innerNote]
            titleRole: "sign"
            singleCopy: true

            ColumnLayout {
                width: parent.width
                spacing: 5

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Attributes")

                    GridLayout {
                        width: parent.width
                        columns: 2
                        columnSpacing: 10

                        LabelEx { text: qsTr("Id:") }
                        TextFieldId { text: editor.id }
                        LabelEx { text: qsTr("Sign:") }
                        TextFieldEx {
                            id: sign

                            objectName: "sign"
                            Layout.fillWidth: true
                            errorCode: ["250", "251", "252", "140"]
                        }
                        Item { width: 1; height: 1 }
                        CheckBoxEx {
                            id: blocked

                            objectName: "blocked"
                            text: qsTr("Blocked")
                        }
                        Item { width: 1; height: 1 }
                        ButtonEx {
                            id: changePasswordButton

                            objectName: "changePasswordButton"
                            // A record that is not saved yet, or a copy, has no password to change.
                            visible: editor.state !== "ADD" && editor.state !== "DUPLICATE"
                            text: qsTr("Change password...")
                            onClicked: QWIDGET_CREATOR.terminalCompanyChangePassword(editor.id, editor)
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Inner note")

                    TextAreaEx {
                        id: innerNote

                        objectName: "inner_note"
                        width: parent.width
                        height: 120
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 5
            form: terminalForm
        }
    }
}
