import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"

// One kind of notification: whether it is sent, and the user groups and users that receive it.
// Its name and code are the server's and are only shown.
Editor {
    id: editor

    form: typeForm
    isDirty: typeForm.isFieldsDirty || owners.groups.owners.modify || owners.users.owners.modify
    onEnterPressed: buttonBox.enterPressed()

    NotificationType {
        id: notificationType
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: typeForm

            function populateForm(mapParams) {
                populateFields(mapParams);
                owners.groups.appendOwnersValue(answerText(mapParams["groups"]));
                owners.users.appendOwnersValue(answerText(mapParams["users"]));
            }

            function getMapParams() {
                var params = fieldsRequest();
                params["groups"] = owners.groups.owners.value;
                params["users"] = owners.users.owners.value;
                return params;
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: notificationType
            defaultActiveField: enabledBox
            fields: [enabledBox]
            shownFields: [nameField, codeField]
            titleRole: "name"

            ColumnLayout {
                width: parent.width
                spacing: 5

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
                            id: nameField

                            objectName: "name"
                            Layout.fillWidth: true
                            readOnly: true
                        }
                        LabelEx { text: qsTr("Code:") }
                        TextFieldEx {
                            id: codeField

                            objectName: "code"
                            Layout.fillWidth: true
                            readOnly: true
                        }
                        Item { width: 1; height: 1 }
                        CheckBoxEx {
                            id: enabledBox

                            objectName: "enabled"
                            text: qsTr("Enabled")
                        }
                    }
                }

                DoubleOwnerTables {
                    id: owners

                    objectName: "owners"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 400
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: typeForm
        }
    }
}
