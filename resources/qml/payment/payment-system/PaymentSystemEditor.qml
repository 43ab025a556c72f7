import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/hardcode.js" as Hardcode

// One payment provider: which provider it is (chosen when it is added or copied), the credentials
// the platform signs in with, the commissions and the addresses of the provider and of the
// platform. The credit key belongs to Fondy only.
Editor {
    id: editor

    readonly property bool isFondy: code.text === "fondy"

    form: paymentSystemForm
    isDirty: paymentSystemForm.isFieldsDirty || nameBox.modify
    onEnterPressed: buttonBox.enterPressed()

    PaymentSystem {
        id: paymentSystem
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: paymentSystemForm

            // The name last read, sent back while it is no provider of the list.
            property string storedName

            // The provider's row of the list, by name; -1 for a name it does not hold.
            function providerIndex(name) {
                for (var i = 0; i < Hardcode.paymentSystems.length; ++i) {
                    if (Hardcode.paymentSystems[i].name === name)
                        return i;
                }
                return -1;
            }

            // The provider's code and addresses; as the start values of a new record.
            function applyProvider(index, asStart) {
                var provider = Hardcode.paymentSystems[index];
                if (!provider)
                    return;
                var values = [[code, provider.code], [apiUrl, provider.api_url],
                              [checkoutAddress, provider.checkout_url]];
                for (var i = 0; i < values.length; ++i) {
                    if (asStart)
                        values[i][0].legalText = values[i][1];
                    values[i][0].text = values[i][1];
                }
            }

            // The catalogue's defaults, then the first provider.
            function setDefaultFields() {
                setFieldDefaults();
                nameBox.legalCurrentIndex = 0;
                applyProvider(0, true);
            }

            function populateForm(mapParams) {
                populateFields(mapParams);
                storedName = answerText(mapParams["name"]);
                editor.editorTitle = storedName;
                nameBox.legalCurrentIndex = providerIndex(storedName);
            }

            function getMapParams() {
                var chosen = Hardcode.paymentSystems[nameBox.currentIndex];
                var params = fieldsRequest();
                params["name"] = chosen ? chosen.name : storedName;
                return params;
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: paymentSystem
            defaultActiveField: login
            // The name and code are unique: each copy takes another provider.
            singleCopy: true
            fields: [code, login, password, creditKey, incomingCommiss, outgoingCommiss, checkoutAddress, enabled,
                serverUrl, resultUrl, apiUrl]

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
                        ComboBoxEx {
                            id: nameBox

                            objectName: "name"
                            Layout.fillWidth: true
                            enabled: editor.state === "ADD" || editor.state === "DUPLICATE"
                            model: Hardcode.paymentSystems
                            textRole: "name"
                            onActivated: paymentSystemForm.applyProvider(index, false)
                        }
                        LabelEx { text: qsTr("Code:") }
                        TextFieldEx {
                            id: code

                            objectName: "code"
                            Layout.fillWidth: true
                            readOnly: true
                        }
                        LabelEx { text: qsTr("Login:") }
                        TextFieldEx {
                            id: login

                            objectName: "login"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("Password:") }
                        TextFieldEx {
                            id: password

                            objectName: "password"
                            Layout.fillWidth: true
                            echoMode: TextInput.Password
                        }
                        LabelEx {
                            visible: editor.isFondy
                            text: qsTr("Credit key:")
                        }
                        TextFieldEx {
                            id: creditKey

                            objectName: "fondy_credit_key"
                            Layout.fillWidth: true
                            visible: editor.isFondy
                            echoMode: TextInput.Password
                        }
                        LabelEx { text: qsTr("Incoming commission %:") }
                        TextFieldDouble {
                            id: incomingCommiss

                            objectName: "incoming_commiss"
                        }
                        LabelEx { text: qsTr("Outgoing commission %:") }
                        TextFieldDouble {
                            id: outgoingCommiss

                            objectName: "outgoing_commiss"
                        }
                        Item { width: 1; height: 1 }
                        CheckBoxEx {
                            id: enabled

                            objectName: "enabled"
                            text: qsTr("Enabled")
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Url")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("API URL:") }
                        TextFieldEx {
                            id: apiUrl

                            objectName: "api_url"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("HTTP checkout address:") }
                        TextFieldEx {
                            id: checkoutAddress

                            objectName: "http_checkout_address"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("URL for status track:") }
                        TextFieldEx {
                            id: serverUrl

                            objectName: "server_url"
                            Layout.fillWidth: true
                        }
                        LabelEx { text: qsTr("URL after pay:") }
                        TextFieldEx {
                            id: resultUrl

                            objectName: "result_url"
                            Layout.fillWidth: true
                        }
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: paymentSystemForm
        }
    }
}
