import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// One user session: where and with what it connected, how long it lasted; only its sign is
// editable.
Editor {
    id: editor

    // The session's times, at the signed-in user's offset as on every page.
    readonly property string timeFormat: "dd.MM.yyyy hh:mm:ss"

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    form: sessionForm
    isDirty: sessionForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    UserSession {
        id: userSession
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: sessionForm

            function populateForm(mapParams) {
                populateFields(mapParams);
                duration.text = DESKTOP_UTILS.formatDuration(Number(editor.textOf(mapParams["duration"])));
                lastSync.value = editor.textOf(mapParams["dt_last_sync"]);
                startDate.value = editor.textOf(mapParams["dt_start"]);
                endDate.value = editor.textOf(mapParams["dt_end"]);
            }

            function getMapParams() {
                return { "id": id, "sign": sign.text };
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: userSession
            defaultActiveField: sign
            fields: [sign]
            shownFields: [ip, port, buildAbi, os, version, note]
            titleRole: "sign"

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
                        LabelEx { text: qsTr("Sign:") }
                        TextFieldEx { id: sign; objectName: "sign"; Layout.fillWidth: true }
                        LabelEx { text: qsTr("IP:") }
                        TextFieldEx { id: ip; objectName: "ip"; readOnly: true; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Port:") }
                        TextFieldEx { id: port; objectName: "port"; readOnly: true; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Build ABI:") }
                        TextFieldEx { id: buildAbi; objectName: "build_abi"; readOnly: true; Layout.fillWidth: true }
                        LabelEx { text: qsTr("OS name:") }
                        TextFieldEx { id: os; objectName: "os"; readOnly: true; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Version:") }
                        TextFieldEx { id: version; objectName: "version"; readOnly: true; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Duration:") }
                        LabelEx { id: duration; objectName: "duration" }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Other")

                    GridLayout {
                        width: parent.width
                        columns: 2

                        LabelEx { text: qsTr("Last sync time:") }
                        LabelDate { id: lastSync; objectName: "dt_last_sync"; format: editor.timeFormat }
                        LabelEx { text: qsTr("Start date:") }
                        LabelDate { id: startDate; objectName: "dt_start"; format: editor.timeFormat }
                        LabelEx { text: qsTr("End date:") }
                        LabelDate { id: endDate; objectName: "dt_end"; format: editor.timeFormat }
                        LabelEx { text: qsTr("Note:") }
                        TextAreaEx {
                            id: note

                            objectName: "note"
                            readOnly: true
                            Layout.fillWidth: true
                            Layout.preferredHeight: 60
                        }
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: sessionForm
        }
    }
}
