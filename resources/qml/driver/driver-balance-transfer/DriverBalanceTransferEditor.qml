import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers
import "qrc:/qml/js/enums.js" as Enums

// One balance transfer between two drivers, read only; F2 on a driver opens the driver. Nothing
// here is changed, so the record is not locked.
Editor {
    id: editor

    property string contributorId: "1"
    property string acceptorId: "1"

    form: transferForm
    onEnterPressed: editor.closed()

    DriverBalanceTransfer {
        id: transfer
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: transferForm

            function referenceOf(value) {
                var id = answerText(value);
                return id === "" ? "1" : id;
            }

            // The timeout as the date at the user's offset.
            function dateOf(epoch) {
                var text = answerText(epoch);
                if (text === "" || text === "0")
                    return "";
                return DESKTOP_UTILS.utcmsecText2LocalDateTime(text, "dd.MM.yyyy", Number(USER_SESSION.utc_offset));
            }

            function populateForm(mapParams) {
                populateFields(mapParams);
                editor.contributorId = referenceOf(mapParams["rst_id_owner_contributor"]);
                editor.acceptorId = referenceOf(mapParams["rst_id_owner_acceptor"]);
                timeout.legalText = dateOf(mapParams["dt_utc_timeout"]);
                editor.editorTitle = answerText(mapParams["trn_key"]);
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: transfer
            isLock: false
            shownFields: [contributor, acceptor, trnKey, amountCredit, amountDebit, percent, amountAttempts]

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

                        SubjectBox {
                            Layout.columnSpan: 2
                            Layout.fillWidth: true
                            labelName: qsTr("Sign contributor")
                            readOnly: true

                            SubjectField {
                                id: contributor

                                objectName: "sign_contributor"
                                onEditorRequested: Pickers.openEditor("qrc:/qml/driver/driver/DriverEditor.qml",
                                                                      editor.contributorId, Pickers.pageFrame())
                            }
                        }

                        SubjectBox {
                            Layout.columnSpan: 2
                            Layout.fillWidth: true
                            labelName: qsTr("Sign acceptor")
                            readOnly: true

                            SubjectField {
                                id: acceptor

                                objectName: "sign_acceptor"
                                onEditorRequested: Pickers.openEditor("qrc:/qml/driver/driver/DriverEditor.qml",
                                                                      editor.acceptorId, Pickers.pageFrame())
                            }
                        }

                        LabelEx { text: qsTr("Transaction key:") }
                        TextFieldEx {
                            id: trnKey

                            objectName: "trn_key"
                            Layout.fillWidth: true
                            readOnly: true
                        }
                        LabelEx { text: qsTr("Amount to credit:") }
                        TextFieldEx {
                            id: amountCredit

                            objectName: "amount_credit"
                            readOnly: true
                        }
                        LabelEx { text: qsTr("Amount to debit:") }
                        TextFieldEx {
                            id: amountDebit

                            objectName: "amount_debit"
                            readOnly: true
                        }
                        LabelEx { text: qsTr("%:") }
                        TextFieldEx {
                            id: percent

                            objectName: "percent"
                            readOnly: true
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Result")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("Operation timeout:") }
                        TextFieldEx {
                            id: timeout

                            objectName: "dt_utc_timeout"
                            readOnly: true
                        }
                        LabelEx { text: qsTr("Amount attempts:") }
                        TextFieldEx {
                            id: amountAttempts

                            objectName: "amount_attempts"
                            readOnly: true
                        }
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: transferForm
            roles: [Enums.ButtonClose]
        }
    }
}
