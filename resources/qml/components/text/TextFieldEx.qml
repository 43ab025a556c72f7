import QtQuick 2.15
import "../base"

// A single-line text field with the legal-value pattern: legalText is the value last loaded or
// saved, text what is shown, and modify tells whether they differ. Its object name is its id, the
// record field it shows. Escape takes back an unsaved change before it lets the frame close.
TextFieldExBase {
    id: field

    property string type: "textField"
    property string legalText
    readonly property bool modify: legalText !== text
    property var errorCode: []
    property bool isMismatch: false
    property bool inTable: true
    // The last text change came from typing, not from an assignment.
    property bool isHandEdit: false

    signal changeFinished()

    function setLegalValue(value) {
        legalText = value;
        text = value;
    }

    onLegalTextChanged: text = legalText
    // textEdited comes before textChanged: a change that was not typed selects all while the
    // field has focus.
    onTextEdited: isHandEdit = true
    onTextChanged: {
        if (activeFocus && !isHandEdit)
            selectAll();
        isHandEdit = false;
    }
    onEditingFinished: {
        if (modify)
            changeFinished();
    }
    onActiveFocusChanged: {
        if (activeFocus)
            selectAll();
        else
            cursorPosition = 0;
    }
    Keys.onEscapePressed: {
        if (event.isAutoRepeat)
            return;
        if (modify && !readOnly) {
            text = legalText;
            selectAll();
        } else {
            event.accepted = false;
        }
    }
    Component.onCompleted: {
        var wasSelected = selectedText !== "";
        cursorPosition = 0;
        if (wasSelected)
            selectAll();
        if (objectName === "" && typeof DESKTOP_UTILS !== "undefined")
            objectName = DESKTOP_UTILS.idToString(field);
    }

    Rectangle {
        anchors.fill: parent
        z: -1
        visible: field.isMismatch
        color: GLOBAL.style.dismatchApproveColor
    }
}
