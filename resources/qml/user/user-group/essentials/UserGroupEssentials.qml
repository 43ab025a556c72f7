import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog

// A user group: its name, its offset from UTC and its description. A changed offset closes the
// group's connections on the server, so saving it asks first.
ColumnLayout {
    id: essentials

    property alias form: groupForm
    property alias buttonBox: buttonBox
    property alias userGroup: userGroup
    property string storedOffset: ""
    readonly property bool isDirty: groupForm.isFieldsDirty || groupOffset.utc_offset.modify
    readonly property string formState: typeof editorItem !== "undefined" && editorItem ? editorItem.state : ""

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    // The stored offset goes out as it is unless the operator chose another.
    function offsetToSend() {
        var box = groupOffset.utc_offset;
        return box.modify || storedOffset === "" ? box.currentMinutes : storedOffset;
    }

    function send() {
        var editor = groupForm.editor;
        var params = groupForm.withoutCutTexts(groupForm.getMapParams());
        var state = groupForm.editorState();
        if (state === "ADD") {
            userGroup.trNew(params);
        } else if (state === "DUPLICATE") {
            params["amount"] = groupForm.amount.value;
            params["remove_src"] = groupForm.removeSource.checked ? "1" : "0";
            userGroup.trDuplicate(params);
        } else if (state === "EDIT" && editor.isDirty) {
            userGroup.trUpdate(params);
        } else {
            editor.closed();
            return;
        }
        editor.startBusy();
    }

    spacing: 0

    UserGroup {
        id: userGroup
    }

    Form {
        id: groupForm

        function populateForm(mapParams) {
            populateFields(mapParams);
            essentials.storedOffset = essentials.textOf(mapParams["utc_offset"]);
            groupOffset.utc_offset.setLegalValue(essentials.storedOffset);
            isSystem.text = essentials.textOf(mapParams["is_system"]);
        }

        function setDefaultFields() {
            setFieldDefaults();
            var offset = userGroup.defaultFieldValue("utc_offset");
            essentials.storedOffset = "";
            groupOffset.utc_offset.setLegalValue(offset === undefined || offset === null ? "0" : String(offset));
        }

        function getMapParams() {
            var params = { "id": id, "name": name.text, "utc_offset": essentials.offsetToSend(),
                           "description": description.text };
            if (editorState() === "DUPLICATE")
                params["copySecurityRights"] = copyRights.checked ? "1" : "0";
            return params;
        }

        // A changed offset in a stored group is sent only when the operator agrees.
        function runAction() {
            if (isBusy || !editor || watch.waitForReads())
                return;
            if (editorState() !== "EDIT" || !groupOffset.utc_offset.modify) {
                essentials.send();
                return;
            }
            // OK has asked to close on the answer by now; "no" takes that back.
            watch.askBeforeSave(qsTr("After update current connections of group will be closed. Do you want to update?"),
                                function () { essentials.send(); },
                                function () { editor.isCloseOnSa = false; });
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: userGroup
        defaultActiveField: name
        fields: [name, description]
        titleRole: "name"
        toolBar: ToolBarEx {
            // A group's name is unique: a copy needs its own, so the copy is made in an editor.
            ToolButtonDuplicateEditor {
                function duplicate() {
                    var editor = groupForm.editor;
                    if (!editor)
                        return null;
                    var properties = { "id": groupForm.id, "state": "DUPLICATE", "isWindow": true,
                                       "isNewInstance": true, "parentItem": editor };
                    return GLOBAL.createQmlFrame(editor.url, properties);
                }

                objectName: "duplicateToolButton"
            }
        }
        duplicateBar: CheckBoxEx {
            id: copyRights

            objectName: "copySecurityRights"
            text: qsTr("Copy security right")
            checked: true
        }

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
                    TextFieldId { text: groupForm.id }
                    LabelEx { text: qsTr("Name:") }
                    TextFieldEx {
                        id: name

                        objectName: "name"
                        Layout.fillWidth: true
                        errorCode: ["200", "510", "700", "701"]
                    }
                    LabelEx { text: qsTr("Is system:") }
                    LabelYes { id: isSystem; objectName: "is_system" }
                }
            }

            GroupUtcOffset {
                id: groupOffset

                objectName: "groupUtcOffset"
                Layout.fillWidth: true
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
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        form: groupForm
    }

    ItemSeparator {
        Layout.fillWidth: true
    }
}
