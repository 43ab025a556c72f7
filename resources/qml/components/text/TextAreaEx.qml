import QtQuick 2.15
import QtQuick.Window 2.15
import ".."
import "../base"
import "focuschain.js" as FocusChain

// A multi-line text with the legal-value pattern, scrolled. Enter goes to the frame (so that it
// saves); Shift+Enter makes a new line; Tab leaves the text. The inner area carries the record
// field's name as its object name.
ScrollViewEx {
    id: textArea

    property alias textArea: area
    property alias text: area.text
    property alias legalText: area.legalText
    readonly property alias modify: area.modify
    property alias readOnly: area.readOnly
    property alias wrapMode: area.wrapMode
    property alias horizontalAlignment: area.horizontalAlignment
    property alias isMismatch: area.isMismatch
    property alias errorCode: area.errorCode
    property alias selectAllOnFocus: area.selectAllOnFocus
    property string help

    height: 200
    // The error display focuses the control that lists a code; the text inside takes it.
    onActiveFocusChanged: {
        if (activeFocus)
            area.forceActiveFocus();
    }
    Component.onCompleted: {
        if (area.objectName === "" && typeof DESKTOP_UTILS !== "undefined")
            area.objectName = DESKTOP_UTILS.idToString(textArea);
    }

    TextAreaExBase {
        id: area

        readonly property string type: "textArea"
        property string legalText
        readonly property bool modify: legalText !== text
        property var errorCode: []
        property bool isMismatch: false
        property bool selectAllOnFocus: true

        wrapMode: TextEdit.Wrap
        onLegalTextChanged: {
            text = legalText;
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
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if ((event.modifiers & ~Qt.KeypadModifier) === Qt.ShiftModifier)
                    return;
                event.accepted = true;
                if (typeof frameItem !== "undefined" && frameItem)
                    frameItem.enterPressed();
            } else if (event.key === Qt.Key_Tab) {
                event.accepted = true;
                FocusChain.next(area.Window.contentItem, area, true).forceActiveFocus(Qt.TabFocusReason);
            } else if (event.key === Qt.Key_Backtab) {
                event.accepted = true;
                FocusChain.next(area.Window.contentItem, area, false).forceActiveFocus(Qt.BacktabFocusReason);
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
