import QtQuick 2.15
import QtQuick.Window 2.15
import "../base"
import "../../js/dialog.js" as Dialog
import "../../js/enums.js" as Enums

// A single-line text field with the legal-value pattern: legalText is the value last loaded or
// saved, text what is shown, and modify tells whether they differ. Its object name is its id, the
// record field it shows. Escape takes back an unsaved change before it lets the frame close.
// Record texts may be long: the field holds far more than a text input's 32,767 characters, and
// a text cut to its maximumLength, pasted or loaded, is said in a notice.
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

    function noticeCut() {
        Dialog.toast(qsTr("The text was cut to %1 characters").arg(maximumLength),
                     { "theme": Enums.ToastRed, "parentWindow": Window.window ? Window.window : mainWindow });
    }

    maximumLength: 1000000
    onLegalTextChanged: {
        if (legalText.length > maximumLength)
            noticeCut();
        text = legalText;
    }
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
    // A paste that does not fit is cut by the input itself, so it is said beforehand.
    Keys.onPressed: {
        if (!event.matches(StandardKey.Paste) || readOnly)
            return;
        var pasted = DESKTOP_UTILS.getClipboardText().length;
        if (length - selectedText.length + pasted > maximumLength)
            noticeCut();
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
