import QtQuick 2.15
import QtQuick.Window 2.15
import ".."
import "../base"
import "../../js/dialog.js" as Dialog
import "../../js/enums.js" as Enums
import "focuschain.js" as FocusChain
import "longtext.js" as LongText

// A multi-line text with the legal-value pattern, scrolled. Enter goes to the frame (so that it
// saves); Shift+Enter makes a new line; Tab leaves the text. The inner area carries the record
// field's name as its object name.
// The area holds at most ShownNoteLength characters and ShownNoteLineLength in a line: typing
// stops there, and a longer paste is cut, with a notice. A longer stored text stays whole in
// legalText and wholeText while the area shows its start, says so below it and takes no typing:
// it is never saved cut.
ScrollViewEx {
    id: textArea

    property alias textArea: area
    property alias text: area.text
    property alias legalText: area.legalText
    readonly property alias modify: area.modify
    readonly property alias isCut: area.isCut
    readonly property alias wholeText: area.wholeText
    // The owner's wish: a cut text takes no typing whatever it says.
    property bool readOnly: false
    property alias wrapMode: area.wrapMode
    property alias horizontalAlignment: area.horizontalAlignment
    property alias isMismatch: area.isMismatch
    property alias errorCode: area.errorCode
    property alias selectAllOnFocus: area.selectAllOnFocus
    property string help

    height: 200
    bottomPadding: area.isCut ? cutNotice.height + 2 : padding
    // The error display focuses the control that lists a code; the text inside takes it.
    onActiveFocusChanged: {
        if (activeFocus)
            area.forceActiveFocus();
    }
    Component.onCompleted: {
        if (area.objectName === "" && typeof DESKTOP_UTILS !== "undefined")
            area.objectName = DESKTOP_UTILS.idToString(textArea);
    }

    // Why the text ends in an ellipsis and takes no typing, below the scrolled text; the count is
    // in the number format of the interface language.
    background: Item {
        Text {
            id: cutNotice

            objectName: "cutNotice"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            visible: area.isCut
            text: area.isCut ? qsTr("Too long to edit here: %1 characters").arg(LongText.countText(area.legalText)) : ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: Math.max(1, Math.round(area.font.pixelSize * 0.85))
            font.italic: true
            color: area.placeholderTextColor
        }
    }

    TextAreaExBase {
        id: area

        readonly property string type: "textArea"
        property string legalText
        // The stored text is longer than the area lays out.
        readonly property bool isCut: LongText.fittingEnd(legalText, Enums.ShownNoteLength, Enums.ShownNoteLineLength)
                                      < legalText.length
        readonly property bool modify: !isCut && legalText !== text
        // The value the area stands for: what it shows, or the stored text while that is cut.
        readonly property string wholeText: isCut ? legalText : text
        property var errorCode: []
        property bool isMismatch: false
        property bool selectAllOnFocus: true

        // A text within the bounds as it is, a longer one's start and an ellipsis.
        function shownText(value) {
            var end = LongText.fittingEnd(value, Enums.ShownNoteLength, Enums.ShownNoteLineLength);
            if (end === value.length)
                return value;
            end = LongText.fittingEnd(value, Enums.ShownNoteLength - 1, Enums.ShownNoteLineLength - 1);
            return value.substring(0, LongText.wholeEnd(value, end)) + "\u2026";
        }

        // Puts as much of inserted in place of the selection as the bounds leave room for. False
        // when all of it fits: the key then does its own work.
        function insertBounded(inserted) {
            var value = text;
            var start = selectionStart;
            var end = selectionEnd;
            var kept = LongText.fittingInsert(value.substring(0, start), inserted, value.substring(end),
                                              Enums.ShownNoteLength, Enums.ShownNoteLineLength);
            if (kept.length === inserted.length)
                return false;
            if (kept !== "") {
                remove(start, end);
                insert(start, kept);
            }
            return true;
        }

        function noticeCut() {
            var bounds = [Enums.ShownNoteLength, Enums.ShownNoteLineLength].map(function (bound) {
                return Number(bound).toLocaleString(Qt.locale(), "f", 0);
            });
            Dialog.toast(qsTr("The text was cut to %1 characters, %2 in a line").arg(bounds[0]).arg(bounds[1]),
                         { "theme": Enums.ToastRed, "parentWindow": Window.window ? Window.window : mainWindow });
        }

        wrapMode: TextEdit.Wrap
        readOnly: textArea.readOnly || isCut
        onLegalTextChanged: {
            text = shownText(legalText);
            if (selectAllOnFocus && activeFocus)
                selectAll();
        }
        onActiveFocusChanged: {
            if (!selectAllOnFocus)
                return;
            if (activeFocus)
                selectAll();
            else
                deselect();
        }
        // Text that would not fit is stopped before the area lays it out.
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if ((event.modifiers & ~Qt.KeypadModifier) === Qt.ShiftModifier) {
                    event.accepted = !readOnly && insertBounded("\n");
                    return;
                }
                event.accepted = true;
                if (typeof frameItem !== "undefined" && frameItem)
                    frameItem.enterPressed();
            } else if (event.key === Qt.Key_Tab) {
                event.accepted = true;
                FocusChain.next(area.Window.contentItem, area, true).forceActiveFocus(Qt.TabFocusReason);
            } else if (event.key === Qt.Key_Backtab) {
                event.accepted = true;
                FocusChain.next(area.Window.contentItem, area, false).forceActiveFocus(Qt.BacktabFocusReason);
            } else if (readOnly) {
                return;
            } else if (event.matches(StandardKey.Paste)) {
                if (insertBounded(DESKTOP_UTILS.getClipboardText())) {
                    event.accepted = true;
                    noticeCut();
                }
            } else if (event.text !== "" && !/[\u0000-\u001f\u007f]/.test(event.text)) {
                event.accepted = insertBounded(event.text);
            }
        }

        Rectangle {
            anchors.fill: parent
            z: -1
            visible: area.isMismatch
            color: GLOBAL.style.dismatchApproveColor
        }
    }
}
