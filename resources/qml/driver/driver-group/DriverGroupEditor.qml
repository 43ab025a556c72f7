import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// A driver group: the defaults of its drivers (offset from UTC, low balance, additional payment,
// distance penalty). Its name is unique, so a copy is made one at a time under a name of its own.
Editor {
    id: editor

    property alias driverGroup: driverGroup
    property alias buttonBox: buttonBox

    form: groupForm
    isDirty: groupForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    DriverGroup {
        id: driverGroup
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Form {
            id: groupForm

            // The switches go out as numbers.
            function getMapParams() {
                var params = fieldsRequest();
                var flags = ["enabled_low_balance", "enabled_additional_payment", "enabled_distance_penalty"];
                for (var i = 0; i < flags.length; ++i)
                    params[flags[i]] = params[flags[i]] === "1" ? 1 : 0;
                return params;
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: driverGroup
            defaultActiveField: nameField
            fields: [nameField, description, offset.utc_offset, balanceItems.enabled_low_balance,
                balanceItems.low_balance, additionalPayment, additionalPercent, additionalAbs, distancePenalty,
                distancePenaltyValue, cancelPerDay]
            titleRole: "name"
            singleCopy: true

            ColumnLayout {
                width: parent.width
                spacing: 5

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Attributes")

                    ColumnLayout {
                        width: parent.width
                        spacing: 5

                        GridLayout {
                            Layout.fillWidth: true
                            columns: 2
                            columnSpacing: 10

                            LabelEx { text: qsTr("Id:") }
                            TextFieldId { text: editor.id }
                            LabelEx { text: qsTr("Name:") }
                            TextFieldEx {
                                id: nameField

                                objectName: "name"
                                Layout.fillWidth: true
                                errorCode: ["250", "251", "140"]
                            }
                        }

                        GroupUtcOffset {
                            id: offset

                            Layout.fillWidth: true
                            utc_offset.errorCode: ["450", "451"]
                        }

                        GroupBalanceItems {
                            id: balanceItems

                            Layout.fillWidth: true
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Description")

                    TextAreaEx {
                        id: description

                        objectName: "description"
                        width: parent.width
                        height: 80
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Additional payment")

                    GridLayout {
                        columns: 2
                        columnSpacing: 10

                        CheckBoxEx {
                            id: additionalPayment

                            objectName: "enabled_additional_payment"
                            Layout.columnSpan: 2
                            text: qsTr("Enable additional payment")
                        }
                        LabelEx { text: qsTr("Percent:") }
                        TextFieldDouble {
                            id: additionalPercent

                            objectName: "additional_percent"
                            enabled: additionalPayment.checked
                        }
                        LabelEx { text: qsTr("Absolute values:") }
                        TextFieldEx {
                            id: additionalAbs

                            objectName: "additional_abs"
                            Layout.preferredWidth: 200
                            enabled: additionalPayment.checked
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Distance penalty")

                    GridLayout {
                        columns: 2
                        columnSpacing: 10

                        CheckBoxEx {
                            id: distancePenalty

                            objectName: "enabled_distance_penalty"
                            Layout.columnSpan: 2
                            text: qsTr("Enable distance penalty")
                        }
                        LabelEx { text: qsTr("Distance - Penalty:") }
                        TextFieldEx {
                            id: distancePenaltyValue

                            objectName: "distance_penalty"
                            Layout.preferredWidth: 200
                            enabled: distancePenalty.checked
                        }
                        LabelEx { text: qsTr("Cancel per day:") }
                        TextFieldEx {
                            id: cancelPerDay

                            objectName: "cancel_per_day"
                            Layout.preferredWidth: 200
                            enabled: distancePenalty.checked
                        }
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 5
            form: groupForm
        }
    }
}
