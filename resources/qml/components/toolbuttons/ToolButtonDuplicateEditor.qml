import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// Duplicates the editor's record; a click with Alt alone, or any click on a form of single
// copies, opens a duplicating editor in a window.
ToolButtonBase {
    function editor() {
        return typeof editorItem !== "undefined" ? editorItem : null;
    }

    function recordId() {
        return form ? String(form["id"]) : "";
    }

    function duplicate() {
        var editorFrame = editor();
        if (!form || !editorFrame)
            return;
        var properties;
        if (DESKTOP_UTILS.modifiers === Qt.AltModifier || form.singleCopy) {
            properties = { "id": recordId(), "state": "DUPLICATE", "isWindow": true, "isNewInstance": true };
            form.updateProperties(properties);
            GLOBAL.createQmlFrame(editorFrame.url, properties);
        } else {
            properties = { "id": recordId() };
            form.updateProperties(properties);
            editorFrame.controller.trDuplicate(properties);
            editorFrame.startBusy();
        }
    }

    name: qsTr("Duplicate")
    shortcutName: "Ctrl+D"
    shortcutName2: "Ctrl+Alt+D"
    fontIcon: FontAwesome.Copy
    iconColor: "orange"
    enabled: form ? form.crud.crudduplicate && recordId() !== "0" && recordId() !== "" : false
    visible: !editor() || editor().state !== "DUPLICATE"
    onClicked: duplicate()
}
