import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers

// A company's account with a payment provider: the keys, the defaults of a payment, the fees of
// the provider and of the platform, and the bank details. A stored account keeps its company.
Editor {
    id: editor

    property string rst_id_company: "1"
    property string company_name

    title: qsTr("Payment system account") + " (" + id + ")" + (isDirty ? "*" : "")
    form: accountForm
    isDirty: accountForm.isFieldsDirty || paymentSystemValue.modify
    onEnterPressed: buttonBox.enterPressed()

    PaymentSystemAccount {
        id: account
    }

    PropertyBox {
        id: paymentSystemValue
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: accountForm

            // The payment system's name as the record or the picker gives it.
            property string paymentSystemName

            function textOf(value) {
                return value === undefined || value === null ? "" : String(value);
            }

            function referenceOf(value) {
                var id = textOf(value);
                return id === "" ? "1" : id;
            }

            function setDefaultFields() {
                setFieldDefaults();
                paymentSystemValue.setLegalValue("1");
                paymentSystemName = qsTr("n/a");
            }

            function populateForm(mapParams) {
                populateFields(mapParams);
                paymentSystemValue.setLegalValue(referenceOf(mapParams["rst_id_payment_system"]));
                paymentSystemName = paymentSystemValue.value === "1" ? qsTr("n/a") : textOf(mapParams["ps_name"]);
                editor.rst_id_company = referenceOf(mapParams["rst_id_company"]);
                editor.company_name = textOf(mapParams["company_name"]);
                editor.editorTitle = textOf(mapParams["public_key"]);
            }

            function getMapParams() {
                var params = fieldsRequest();
                params["rst_id_company"] = editor.rst_id_company;
                params["rst_id_payment_system"] = paymentSystemValue.value;
                return params;
            }

            function openPaymentSystems() {
                return Pickers.openChooser("qrc:/qml/payment/payment-system/PaymentSystemTable.qml", "SELECT",
                                           function (result) {
                    var id = Pickers.resultId(result, "rst_id_payment_system");
                    if (id === undefined)
                        return;
                    paymentSystemValue.value = id;
                    paymentSystemName = textOf(result["payment_system_name"]);
                });
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: account
            defaultActiveField: publicKey
            fields: [enabled, isSandbox, saveClientData, publicKey, privateKey, defPaymentValue, currency, clientLang,
                weight, feePaymentSystemPercent, feePaymentSystemAbs, feeNtPercent, feeNtAbs, payee, bank, edrpou, mfo,
                bankAccount, paymentDetails, nds, innerNote, subproviderId]

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
                            id: companyBox

                            objectName: "companyBox"
                            Layout.columnSpan: 2
                            Layout.fillWidth: true
                            labelName: qsTr("Company")
                            readOnly: true

                            SubjectField {
                                objectName: "company_name"
                                legalText: editor.rst_id_company === "1" ? qsTr("n/a") : editor.company_name
                                onEditorRequested: Pickers.openEditor("qrc:/qml/company/company/CompanyEditor.qml",
                                                                      editor.rst_id_company, Pickers.pageFrame())
                            }
                        }

                        SubjectBox {
                            id: paymentSystemBox

                            objectName: "paymentSystemBox"
                            Layout.columnSpan: 2
                            Layout.fillWidth: true
                            labelName: qsTr("Payment system")
                            isBrowseButton: true
                            shortcut: "Ctrl+1"
                            onClicked: accountForm.openPaymentSystems()

                            SubjectField {
                                objectName: "ps_name"
                                legalText: accountForm.paymentSystemName
                                onBrowseRequested: paymentSystemBox.clicked()
                                onEditorRequested: Pickers.openEditor(
                                                       "qrc:/qml/payment/payment-system/PaymentSystemEditor.qml",
                                                       paymentSystemValue.value, Pickers.pageFrame())
                            }
                        }

                        LabelEx { text: qsTr("Public key") }
                        TextFieldEx {
                            id: publicKey

                            objectName: "public_key"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("Private key") }
                        TextFieldEx {
                            id: privateKey

                            objectName: "private_key"
                            Layout.fillWidth: true
                            echoMode: TextInput.Password
                        }
                        LabelEx { text: qsTr("Default value") }
                        TextFieldDouble {
                            id: defPaymentValue

                            objectName: "def_payment_value"
                        }
                        LabelEx { text: qsTr("Currency") }
                        TextFieldEx {
                            id: currency

                            objectName: "currency"
                        }
                        LabelEx { text: qsTr("Client language") }
                        TextFieldEx {
                            id: clientLang

                            objectName: "client_lang"
                        }
                        LabelEx { text: qsTr("Weight") }
                        TextFieldEx {
                            id: weight

                            objectName: "weight"
                            validator: IntValidator {}
                        }
                        LabelEx { text: qsTr("Subprovider Id") }
                        TextFieldEx {
                            id: subproviderId

                            objectName: "subprovider_id"
                            validator: IntValidator {}
                        }
                        Item { width: 1; height: 1 }
                        Row {
                            spacing: 10

                            CheckBoxEx {
                                id: enabled

                                objectName: "enabled"
                                text: qsTr("Enabled")
                            }
                            CheckBoxEx {
                                id: isSandbox

                                objectName: "is_sandbox"
                                text: qsTr("Sandbox mode")
                            }
                            CheckBoxEx {
                                id: saveClientData

                                objectName: "save_client_data"
                                text: qsTr("Save client data")
                            }
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Fee")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("Relative fee of payment system:") }
                        TextFieldDouble {
                            id: feePaymentSystemPercent

                            objectName: "fee_payment_system_percent"
                        }
                        LabelEx { text: qsTr("Absolute fee of payment system:") }
                        TextFieldDouble {
                            id: feePaymentSystemAbs

                            objectName: "fee_payment_system_abs"
                        }
                        LabelEx { text: qsTr("Relative fee of Koriv:") }
                        TextFieldDouble {
                            id: feeNtPercent

                            objectName: "fee_nt_percent"
                        }
                        LabelEx { text: qsTr("Absolute Fee of Koriv:") }
                        TextFieldDouble {
                            id: feeNtAbs

                            objectName: "fee_nt_abs"
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Bank details")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("Payee:") }
                        TextFieldEx {
                            id: payee

                            objectName: "payee"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("EDRPOU:") }
                        TextFieldEx {
                            id: edrpou

                            objectName: "edrpou"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("Bank:") }
                        TextFieldEx {
                            id: bank

                            objectName: "bank"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("MFO:") }
                        TextFieldEx {
                            id: mfo

                            objectName: "mfo"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("Account:") }
                        TextFieldEx {
                            id: bankAccount

                            objectName: "account"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("Payment details:") }
                        TextFieldEx {
                            id: paymentDetails

                            objectName: "payment_details"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("NDS:") }
                        TextFieldDouble {
                            id: nds

                            objectName: "nds"
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
                        height: 80
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: accountForm
        }
    }
}
