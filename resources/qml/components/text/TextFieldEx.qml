import QtQuick 2.15
import QtQuick.Window 2.15
import "../base"
import "../../js/dialog.js" as Dialog
import "../../js/enums.js" as Enums
import "focuschain.js" as FocusChain
import "longtext.js" as LongText

// A single-line text field with the legal-value pattern: legalText is the value last loaded or
// saved, text what is shown, and modify tells whether they differ. Its object name is its id, the
// record field it shows. Escape takes back an unsaved change before it lets the frame close.
// A line is laid out whole, so the field holds at most maximumLength characters: a longer paste
// is cut, with a notice. A longer stored text stays whole in legalText and wholeText, while the
// field shows its start, says so and takes no typing: it is never saved cut.
// The operator's own move into the field (Tab, Backtab, a shortcut, a click) selects it whole,
// and the focus going to another field shows its start. Focus that goes and comes back by itself
// (the window, a dialog, a tab, a busy page dimmed and back) and a value shown anew leave the
// cursor and the selection as they were.
TextFieldExBase {
    id: field

    property string type: "textField"
    property string legalText
    // The stored text is longer than the field shows.
    readonly property bool isCut: legalText.length > maximumLength
    readonly property bool modify: !isCut && legalText !== text
    // The value the field stands for: what it shows, or the stored text while that is cut.
    readonly property string wholeText: isCut ? legalText : text
    property var errorCode: []
    property bool isMismatch: false
    property bool inTable: true
    // The last text change came from typing, not from an assignment.
    property bool isHandEdit: false

    signal changeFinished()

    function setLegalValue(value) {
        legalText = value;
        showLegalText();
    }

    // A stored value is shown, never edited: where the field holds its scope's focus, whatever
    // its window, the cursor stays; elsewhere it shows its beginning.
    function showLegalText() {
        FocusChain.showValue(field, shownText(legalText), focus);
    }

    // The start of a text that does not fit and an ellipsis, within maximumLength.
    function shownText(value) {
        if (value.length <= maximumLength)
            return value;
        return value.substring(0, LongText.wholeEnd(value, maximumLength - 1)) + "\u2026";
    }

    // Whether focus came or went by the operator's own move, not by itself.
    function isOperatorsMove(reason) {
        return reason === Qt.TabFocusReason || reason === Qt.BacktabFocusReason
                || reason === Qt.ShortcutFocusReason || reason === Qt.MouseFocusReason;
    }

    function noticeCut() {
        Dialog.toast(qsTr("The text was cut to %1 characters").arg(maximumLength),
                     { "theme": Enums.ToastRed, "parentWindow": Window.window ? Window.window : mainWindow });
    }

    maximumLength: Enums.ShownTextLength
    readOnly: isCut
    // The selection stays while the focus is away by itself; a move out clears it below.
    persistentSelection: true
    rightPadding: padding + (isCut ? cutNotice.width + 6 : 0)
    onLegalTextChanged: showLegalText()
    // textEdited comes before textChanged.
    onTextEdited: isHandEdit = true
    onTextChanged: isHandEdit = false
    onEditingFinished: {
        if (modify)
            changeFinished();
    }
    // The place is kept while the window is away, a popup or menu is open, or the field or its
    // page is disabled or hidden; the focus going to another field shows the start.
    onActiveFocusChanged: {
        if (activeFocus) {
            if (isOperatorsMove(focusReason))
                selectAll();
        } else if ((isOperatorsMove(focusReason) || focusReason === Qt.OtherFocusReason)
                   && !FocusChain.leftByItself(field)) {
            cursorPosition = 0;
        }
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

    // Why the text ends in an ellipsis and takes no typing, beside the start of the value, which
    // keeps room for ten characters: the sentence where it fits, else the count alone. The count
    // is in the number format of the interface language.
    Text {
        id: cutNotice

        readonly property string countText: field.isCut ? LongText.countText(field.legalText) : ""
        readonly property string sentence: field.isCut ? qsTr("Too long to edit here: %1 characters").arg(countText) : ""
        readonly property real room: Math.max(0, field.width - field.leftPadding - field.padding
                                                 - 10 * valueMetrics.averageCharacterWidth - 6)

        objectName: "cutNotice"
        anchors.right: parent.right
        anchors.rightMargin: field.padding + 3
        y: field.topPadding + (field.height - field.topPadding - field.bottomPadding - height) / 2
        width: Math.min(implicitWidth, room)
        visible: field.isCut
        text: !field.isCut ? "" : sentenceMetrics.advanceWidth <= room ? sentence : qsTr("%1 characters").arg(countText)
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.pixelSize: Math.max(1, Math.round(field.font.pixelSize * 0.85))
        font.italic: true
        color: field.placeholderTextColor

        FontMetrics {
            id: valueMetrics

            font: field.font
        }

        TextMetrics {
            id: sentenceMetrics

            font: cutNotice.font
            text: cutNotice.sentence
        }
    }
}
