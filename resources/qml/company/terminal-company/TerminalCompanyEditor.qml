import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// A terminal company's account: its sign, the blocked flag, the inner note and its password,
// which is changed in a dialog of its own. A copy takes a sign of its own, one copy at a time.
Editor {
    id: editor

    property alias terminalCompany: terminalCompany
    property alias buttonBox: buttonBox
    property alias changePasswordButton: changePasswordButton

    isDirty: sign.modify || blocked.modify || innerNote.modify
    form: terminalForm
    onEnterPressed: buttonBox.enterPressed()

    TerminalCompany {
        id: terminalCompany
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Form {
            id: terminalForm

            function textOf(mapParams, key) {
                var value = mapParams[key];
                return value === undefined || value === null ? "" : String(value);
            }

            function defaultText(key) {
                var value = terminalCompany.defaultFieldValue(key);
                return value === undefined || value === null ? "" : String(value);
            }

            function setDefaultFields() {
                sign.setLegalValue(defaultText("sign"));
                blocked.setLegalValue(defaultText("blocked"));
                innerNote.legalText = defaultText("inner_note");
            }

            function getMapParams() {
                return { "id": editor.id, "sign": sign.text, "blocked": blocked.checked ? "1" : "0",
                         "inner_note": innerNote.text };
            }

            function populateForm(mapParams) {
                editor.editorTitle = textOf(mapParams, "sign");
                sign.setLegalValue(textOf(mapParams, "sign"));
                blocked.setLegalValue(textOf(mapParams, "blocked"));
                // The note area has no setter; its legal text shows.
                innerNote.legalText = textOf(mapParams, "inner_note");
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: terminalCompany
            defaultActiveField: sign
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
                        TextFieldId { id: idField; text: editor.id }
                        LabelEx { text: qsTr("Sign:") }
                        TextFieldEx { id: sign; Layout.fillWidth: true; errorCode: ["250", "251", "252", "140"] }
                        Item { Layout.preferredWidth: 1 }
                        CheckBoxEx { id: blocked; objectName: "blocked"; text: qsTr("Blocked") }
                        Item { Layout.preferredWidth: 1 }
                        ButtonEx {
                            id: changePasswordButton

                            objectName: "changePasswordButton"
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
            applyEnabled: editor.isDirty
            okDefault: !editor.isDirty
            onAccepted: {
                terminalForm.runAction();
                editor.isCloseOnSa = true;
            }
            onApply: terminalForm.runAction()
            onRejected: editor.closed()
        }
    }
}
