import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import ".."
import "../text"

// The editor of one notification: its fields read-only, marked read once it has loaded and its
// lock is granted, and reloaded when the system changes it (a resolved change request). The
// notification pages of the application derive from it.
Editor {
    id: editor

    property bool isReaded: false
    property bool isCompleted: false
    property bool showMoreButton: false
    readonly property string context: contextField.legalText
    readonly property string value: valueField.legalText
    property string rst_id_nm: "1"
    // The read mark is sent once, when the record has loaded and the editor holds its lock.
    property bool readMarked: false
    property bool isLoaded: false
    property bool isLockGranted: false

    // Replaceable: the "More..." button.
    function moreAction() {
    }

    function markRead() {
        if (isReaded || readMarked || !isLoaded || !isLockGranted)
            return;
        readMarked = true;
        notification.trUpdate(notificationForm.getMapParams());
    }

    form: notificationForm

    Form {
        id: notificationForm

        function getMapParams() {
            return { "id": editor.id, "is_readed": "1" };
        }

        function populateForm(mapParams) {
            editor.editorTitle = mapParams["name"] === undefined ? "" : String(mapParams["name"]);
            idField.legalText = mapParams["id"] === undefined ? "" : String(mapParams["id"]);
            nameField.legalText = editor.editorTitle;
            contextField.legalText = mapParams["context"] === undefined ? "" : String(mapParams["context"]);
            valueField.legalText = mapParams["value"] === undefined ? "" : String(mapParams["value"]);
            editor.isReaded = String(mapParams["is_readed"]) === "1";
            editor.isCompleted = String(mapParams["is_completed"]) === "1";
            editor.rst_id_nm = mapParams["rst_id_nm"] === undefined ? "1" : String(mapParams["rst_id_nm"]);
            editor.isLoaded = true;
            editor.markRead();
        }

        anchors.fill: parent
        controller: notification

        GridLayout {
            width: parent.width
            columns: 2
            rowSpacing: 5
            columnSpacing: 10

            LabelEx { text: qsTr("Id:") }
            TextFieldId { id: idField; objectName: "id" }
            LabelEx { text: qsTr("Name:") }
            TextFieldEx { id: nameField; objectName: "name"; readOnly: true; Layout.fillWidth: true }
            LabelEx { text: qsTr("Context:") }
            TextFieldEx { id: contextField; objectName: "context"; readOnly: true; Layout.fillWidth: true }
            LabelEx { text: qsTr("Value:") }
            TextFieldEx { id: valueField; objectName: "value"; readOnly: true; Layout.fillWidth: true }
            LabelEx { text: qsTr("Completed") }
            LabelYes { objectName: "completedMark"; text: editor.isCompleted ? "1" : "0" }

            ButtonEx {
                objectName: "moreButton"
                Layout.columnSpan: 2
                visible: editor.showMoreButton
                text: qsTr("More...")
                onClicked: editor.moreAction()
            }

            ButtonBox {
                Layout.columnSpan: 2
                Layout.alignment: Qt.AlignHCenter
                roles: ["close"]
                onRejected: editor.closed()
            }
        }
    }

    Notification {
        id: notification

        ignoreSrUpdated: false
        onSaLock: {
            if (String(mapParams["RECEIVER"]) === String(objectNumber) && String(mapParams["id"]) === String(editor.id)
                    && String(mapParams["RES"]) === "10") {
                editor.isLockGranted = true;
                editor.markRead();
            }
        }
        onSrUpdated: {
            if (String(mapParams["id"]) === String(editor.id) && String(mapParams["id_owner_modify"]) === "1") {
                trInfo({ "id": editor.id });
                editor.startBusy();
            }
        }
    }
}
