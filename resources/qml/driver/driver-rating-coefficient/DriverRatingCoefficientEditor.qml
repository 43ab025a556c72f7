import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// One rating coefficient: how many orders in sequence it takes and what it adds to the rating.
// Its name, code and description are the server's.
Editor {
    id: editor

    form: coefficientForm
    isDirty: coefficientForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    DriverRatingCoefficient {
        id: coefficient
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: coefficientForm

            // The sequence is a count: a stored "5.0" shows as "5".
            function populateForm(mapParams) {
                populateFields(mapParams);
                var count = Number(answerText(mapParams["sequence"]));
                sequence.legalText = isFinite(count) ? String(Math.round(count)) : answerText(mapParams["sequence"]);
                description.text = answerText(mapParams["description"]);
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: coefficient
            defaultActiveField: sequence
            fields: [sequence, value]
            shownFields: [name, code]
            titleRole: "name"

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
                        readOnly: true
                    }
                    LabelEx { text: qsTr("Code:") }
                    TextFieldEx {
                        id: code

                        objectName: "code"
                        Layout.fillWidth: true
                        readOnly: true
                    }
                    LabelEx { text: qsTr("Sequence:") }
                    TextFieldEx {
                        id: sequence

                        objectName: "sequence"
                        validator: IntValidator { bottom: 0 }
                    }
                    LabelEx { text: qsTr("Value:") }
                    TextFieldDouble {
                        id: value

                        objectName: "value"
                        horizontalAlignment: TextInput.AlignLeft
                    }
                    LabelEx { text: qsTr("Description:") }
                    LabelEx {
                        id: description

                        objectName: "description"
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: coefficientForm
        }
    }
}
