import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/enums.js" as Enums

// One payment, read only: what was sent to the provider and what it answered. Nothing here is
// changed, so the record is not locked.
Editor {
    id: editor

    form: logForm
    onEnterPressed: editor.closed()

    PaymentSystemLog {
        id: log
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: logForm

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: log
            isLock: false
            shownFields: [sign, amount, trnKey, isSuccessfully, isCompleted, data, response]
            titleRole: "sign"

            GroupBoxEx {
                width: parent.width
                title: qsTr("Attributes")

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Id:") }
                    TextFieldId { text: editor.id }
                    LabelEx { text: qsTr("Sign:") }
                    TextFieldEx {
                        id: sign

                        objectName: "sign"
                        Layout.fillWidth: true
                        readOnly: true
                    }
                    LabelEx { text: qsTr("Amount:") }
                    TextFieldEx {
                        id: amount

                        objectName: "amount"
                        Layout.fillWidth: true
                        readOnly: true
                    }
                    LabelEx { text: qsTr("Transaction key:") }
                    TextFieldEx {
                        id: trnKey

                        objectName: "trn_key"
                        Layout.fillWidth: true
                        readOnly: true
                    }
                    Item { width: 1; height: 1 }
                    Row {
                        spacing: 10

                        CheckBoxEx {
                            id: isSuccessfully

                            objectName: "is_successfully"
                            text: qsTr("Is successfully")
                            enabled: false
                        }
                        CheckBoxEx {
                            id: isCompleted

                            objectName: "is_completed"
                            text: qsTr("Is completed")
                            enabled: false
                        }
                    }
                    LabelEx { text: qsTr("Data:") }
                    TextAreaEx {
                        id: data

                        objectName: "data"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 120
                        readOnly: true
                    }
                    LabelEx { text: qsTr("Response:") }
                    TextAreaEx {
                        id: response

                        objectName: "response"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 120
                        readOnly: true
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: logForm
            roles: [Enums.ButtonClose]
        }
    }
}
