import QtQuick 2.15
import QtQuick.Controls 2.15
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
// The area holds at most ShownNoteLength characters and ShownNoteLineLength in a line, whichever
// way text comes in: typing stops there, and a longer paste (keys, the X11 middle click, an input
// method) is cut before the area lays it out, with a notice. A longer stored text stays whole in
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
    readonly property bool wraps: area.wrapMode !== TextEdit.NoWrap

    // A click beside the text (x, y of item: the padding, the notice, a box around) does what a
    // click on the text does: the focus, the cursor at the nearest place shown, nothing selected.
    // A read-only text takes the focus too, so the keys after it change nothing.
    function takeClick(item, x, y) {
        var view = textArea.contentItem;
        var inView = view.mapFromItem(item, x, y);
        var at = area.mapFromItem(view, Math.max(0, Math.min(inView.x, view.width - 1)),
                                  Math.max(0, Math.min(inView.y, view.height - 1)));
        area.forceActiveFocus(Qt.MouseFocusReason);
        area.cursorPosition = area.positionAt(at.x, at.y);
    }

    // The stored value, shown whatever was typed over it; the same value as before takes back
    // what was typed too.
    function setLegalValue(value) {
        area.legalText = value;
        area.showLegal();
    }

    height: 200
    // As tall as the owner makes it, whatever the text's height: a box around it stays that tall
    // and the text scrolls inside.
    implicitHeight: height
    // A wrapped text scrolls only down: no horizontal bar, shown or not, takes the clicks on the
    // strip below it. The width it asks for is still its text's.
    implicitWidth: area.implicitWidth + leftPadding + rightPadding
    contentWidth: wraps ? availableWidth : area.implicitWidth
    ScrollBar.horizontal.policy: wraps ? ScrollBar.AlwaysOff : ScrollBar.AsNeeded
    // A bar with nothing to scroll is not drawn, and takes no click from the text's right edge.
    ScrollBar.vertical.policy: contentHeight > availableHeight ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
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

        MouseArea {
            id: besideText

            anchors.fill: parent
            onPressed: textArea.takeClick(besideText, mouse.x, mouse.y)
        }
    }

    TextAreaExBase {
        id: area

        readonly property string type: "textArea"
        property string legalText
        // The stored text is longer than the area lays out.
        readonly property bool isCut: !fits(legalText)
        readonly property bool modify: !isCut && legalText !== text
        // The value the area stands for: what it shows, or the stored text while that is cut.
        readonly property string wholeText: isCut ? legalText : text
        property var errorCode: []
        property bool isMismatch: false
        property bool selectAllOnFocus: true
        // Keeps what comes in within the bounds (DesktopUtils::boundText).
        property QtObject bound: null

        // Whether a text keeps within the bounds; no text of fewer units than a line's bound of
        // characters can exceed them.
        function fits(value) {
            return value.length <= Enums.ShownNoteLineLength
                    || DESKTOP_UTILS.fittingEnd(value, Enums.ShownNoteLength, Enums.ShownNoteLineLength) === value.length;
        }

        // A text within the bounds as it is, a longer one's start and an ellipsis.
        function shownText(value) {
            if (fits(value))
                return value;
            var end = DESKTOP_UTILS.fittingEnd(value, Enums.ShownNoteLength - 1, Enums.ShownNoteLineLength - 1);
            return value.substring(0, end) + "\u2026";
        }

        // Puts as much of inserted in place of the selection as the bounds leave room for, and
        // returns the characters put in; -1 when all of it fits: the key then does its own work.
        function insertBounded(inserted) {
            return bound ? bound.insertCut(inserted) : -1;
        }

        // All of the text selected, the cursor at its start: the start stays in view.
        function selectWhole() {
            select(length, 0);
        }

        // The legal text shown as in the kit's line fields: the note that holds its scope's
        // focus keeps the cursor, another opens at its start.
        function showLegal() {
            FocusChain.showValue(area, shownText(legalText), textArea.focus && area.focus);
        }

        function noticeCut(nothingAdded) {
            var bounds = [Enums.ShownNoteLength, Enums.ShownNoteLineLength].map(function (bound) {
                return Number(bound).toLocaleString(Qt.locale(), "f", 0);
            });
            var notice = nothingAdded ? qsTr("Nothing was added: the text holds at most %1 characters, %2 in a line")
                                      : qsTr("The text was cut to %1 characters, %2 in a line");
            Dialog.toast(notice.arg(bounds[0]).arg(bounds[1]),
                         { "theme": Enums.ToastRed, "parentWindow": Window.window ? Window.window : mainWindow });
        }

        wrapMode: TextEdit.Wrap
        readOnly: textArea.readOnly || isCut
        // The selection stays while the focus is away by itself; a move out clears it below.
        persistentSelection: true
        // A loaded text opens at its start, however long.
        onLegalTextChanged: showLegal()
        // Qt moves the cursor to the end when an area turns read-only: a cut text opens at its
        // start too.
        onReadOnlyChanged: {
            if (isCut)
                cursorPosition = 0;
        }
        Component.onCompleted: bound = DESKTOP_UTILS.boundText(area, Enums.ShownNoteLength, Enums.ShownNoteLineLength)
        // Only Tab and Backtab into the text select it whole. Focus that comes any other way (a
        // click, the window or tab shown again, a dialog closed, the form giving it back) finds
        // the cursor where the operator left it; so does the window's coming back after it went,
        // and the page's after it was dimmed: only a move to another field takes the selection.
        onActiveFocusChanged: {
            if (!selectAllOnFocus)
                return;
            if (activeFocus) {
                if (focusReason === Qt.TabFocusReason || focusReason === Qt.BacktabFocusReason)
                    selectWhole();
            } else if (focusReason !== Qt.ActiveWindowFocusReason && focusReason !== Qt.PopupFocusReason
                       && !FocusChain.leftByItself(area)) {
                deselect();
            }
        }
        // Text that would not fit is stopped before the area lays it out.
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if ((event.modifiers & ~Qt.KeypadModifier) === Qt.ShiftModifier) {
                    event.accepted = !readOnly && insertBounded("\n") >= 0;
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
                var kept = insertBounded(DESKTOP_UTILS.getClipboardText());
                if (kept >= 0) {
                    event.accepted = true;
                    noticeCut(kept === 0);
                }
            } else if (event.text !== "" && !/[\u0000-\u001f\u007f]/.test(event.text)) {
                event.accepted = insertBounded(event.text) >= 0;
            }
        }

        Connections {
            target: area.bound
            function onCut(nothingAdded) { area.noticeCut(nothingAdded); }
        }

        Rectangle {
            anchors.fill: parent
            z: -1
            visible: area.isMismatch
            color: GLOBAL.style.dismatchApproveColor
        }
    }
}
