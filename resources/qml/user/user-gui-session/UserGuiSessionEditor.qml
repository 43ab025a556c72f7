import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/dialog.js" as Dialog

// A saved GUI session of a user: its name, the arrangement of the open frames as JSON, a note and
// whether it saves itself. A new one starts with the arrangement of the running shell.
Editor {
    id: editor

    property string rst_id_owner: "1"

    // The arrangement must be a JSON object, or restoring the session would fail later.
    function isValidValue(text) {
        try {
            var parsed = JSON.parse(text);
            return parsed !== null && typeof parsed === "object" && !Array.isArray(parsed);
        } catch (error) {
            return false;
        }
    }

    form: sessionForm
    isDirty: sessionForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()

    UserGuiSession {
        id: guiSession
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: sessionForm

            function setDefaultFields() {
                setFieldDefaults();
                var arrangement = GLOBAL.guiSession.collect(["UserEditor", "UserGuiSessionEditor"]);
                value.legalText = JSON.stringify(arrangement);
            }

            function populateForm(mapParams) {
                populateFields(mapParams);
                var owner = mapParams["rst_id_owner"];
                if (owner !== undefined && owner !== null && String(owner) !== "")
                    editor.rst_id_owner = String(owner);
            }

            function getMapParams() {
                return { "id": id, "rst_id_owner": editor.rst_id_owner, "name": name.text, "value": value.wholeText,
                         "note": note.text, "auto_save": autoSave.checked ? "1" : "0" };
            }

            function runAction() {
                if (isBusy || !editor || watch.waitForReads())
                    return;
                var state = editorState();
                var sending = state === "ADD" || (state === "EDIT" && editor.isDirty);
                if (sending && !editor.isValidValue(value.wholeText)) {
                    editor.isCloseOnSa = false;
                    value.forceActiveFocus();
                    Dialog.error(qsTr("The value is not a valid JSON object"));
                    return;
                }
                // A new session takes the whole arrangement it starts with; an update leaves out a
                // stored value too long to edit here, which the server keeps.
                if (state === "ADD")
                    guiSession.trNew(getMapParams());
                else if (sending)
                    guiSession.trUpdate(withoutCutTexts(getMapParams()));
                else {
                    editor.closed();
                    return;
                }
                editor.startBusy();
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: guiSession
            defaultActiveField: name
            fields: [name, value, note, autoSave]
            shownFields: [isDefault]
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
                    TextFieldEx { id: name; objectName: "name"; Layout.fillWidth: true }
                    LabelEx { text: qsTr("Default:") }
                    LabelYes {
                        id: isDefault

                        property string legalText
                        property string type: "label"

                        objectName: "is_default"
                        text: legalText
                    }
                    LabelEx { text: qsTr("Value:") }
                    TextAreaEx {
                        id: value

                        objectName: "value"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 150
                    }
                    LabelEx { text: qsTr("Note:") }
                    TextAreaEx {
                        id: note

                        objectName: "note"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 70
                    }
                    Item { width: 1; height: 1 }
                    CheckBoxEx { id: autoSave; objectName: "auto_save"; text: qsTr("Auto save") }
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
