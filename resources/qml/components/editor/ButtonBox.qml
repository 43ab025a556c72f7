import QtQuick 2.15
import ".."
import "../../js/enums.js" as Enums

// The row of an editor's OK, Duplicate, Apply, Cancel and Close buttons; the roles say which
// show. Enter presses OK while nothing is changed and Apply while something is. Given the
// editor's form, the buttons run it: OK saves and closes on the answer, Apply saves, Cancel and
// Close close; Apply is enabled while the editor is dirty.
Row {
    id: buttonBox

    property var roles: typeof editorItem !== "undefined" && editorItem && editorItem.state === "DUPLICATE"
                        ? [Enums.ButtonDuplicate, Enums.ButtonCancel]
                        : [Enums.ButtonOk, Enums.ButtonApply, Enums.ButtonCancel]
    property alias applyEnabled: applyButton.enabled
    property alias okEnabled: okButton.enabled
    property bool okDefault: true
    property var form: null
    readonly property var editorOfForm: form && typeof editorItem !== "undefined" ? editorItem : null

    signal accepted()
    signal apply()
    signal rejected()

    function findButton(role) {
        return roles.indexOf(role) >= 0;
    }

    function enterPressed() {
        if (okDefault)
            accepted();
        else
            apply();
    }

    spacing: 10
    onAccepted: {
        if (!editorOfForm)
            return;
        // Set first: a save that is refused or asked about clears it.
        editorOfForm.isCloseOnSa = true;
        form.runAction();
    }
    onApply: {
        if (editorOfForm)
            form.runAction();
    }
    onRejected: {
        if (editorOfForm)
            editorOfForm.closed();
    }
    Binding on applyEnabled {
        when: buttonBox.editorOfForm !== null
        value: buttonBox.editorOfForm ? buttonBox.editorOfForm.isDirty : false
    }
    Binding on okDefault {
        when: buttonBox.editorOfForm !== null
        value: buttonBox.editorOfForm ? !buttonBox.editorOfForm.isDirty : true
    }

    ButtonEx {
        id: okButton

        objectName: "okButton"
        visible: buttonBox.findButton(Enums.ButtonOk)
        text: qsTr("OK")
        isDefault: buttonBox.okDefault
        highlighted: buttonBox.okDefault
        onClicked: buttonBox.accepted()
    }

    ButtonEx {
        objectName: "duplicateButton"
        visible: buttonBox.findButton(Enums.ButtonDuplicate)
        text: qsTr("Duplicate")
        isDefault: buttonBox.okDefault
        highlighted: buttonBox.okDefault
        onClicked: buttonBox.accepted()
    }

    ButtonEx {
        id: applyButton

        objectName: "applyButton"
        visible: buttonBox.findButton(Enums.ButtonApply)
        text: qsTr("Apply")
        isDefault: !buttonBox.okDefault
        highlighted: !buttonBox.okDefault
        background: Rectangle {
            implicitWidth: 80
            implicitHeight: applyButton.implicitHeight
            radius: 2
            color: applyButton.enabled ? "green" : "#2a4a2a"
        }
        onClicked: buttonBox.apply()
    }

    ButtonEx {
        objectName: "cancelButton"
        visible: buttonBox.findButton(Enums.ButtonCancel)
        text: qsTr("Cancel")
        onClicked: buttonBox.rejected()
    }

    ButtonEx {
        objectName: "closeButton"
        visible: buttonBox.findButton(Enums.ButtonClose)
        text: qsTr("Close")
        onClicked: buttonBox.rejected()
    }
}
