import QtQuick 2.15
import "../base"
import "../../js/utils.js" as Utils

// One numeric cell of a date or a time (hours, minutes, day, month or year). Digits complete an
// entry when they fill the cell within a second; a lone digit is zero-filled a second later. The
// cell never shows a rejected keystroke: it shows newText only.
Rectangle {
    id: cell

    readonly property bool modify: input.legalText !== input.text
    property alias text: input.text
    property alias legalText: input.legalText
    property alias input: input
    property int bottomLimit: 0
    property int topLimit: 23
    property bool readOnly: false
    // Delay after which a pending digit counts as a whole entry.
    property int entryDelay: 1000
    // Where Tab and Backtab go from this cell; unset leaves them to the focus chain.
    property Item tabItem: null
    property Item backtabItem: null

    signal swap()
    signal leftJump()
    signal rightJump()
    signal keyF3Pressed()
    signal dataConfirmed()

    // The shown number, raised to the lower limit, zero-filled to the cell's width.
    function normalized() {
        var value = parseInt(input.newText, 10);
        if (isNaN(value) || value < bottomLimit)
            value = bottomLimit;
        return Utils.zeroFill(value, input.dim);
    }

    function typeDigit(digit) {
        if (input.isNew) {
            input.newText = digit;
            input.isNew = false;
            entryTimer.restart();
            return;
        }
        var candidate = String(parseInt(input.newText, 10)) + digit;
        if (parseInt(candidate, 10) > topLimit) {
            entryTimer.restart();
        } else if (candidate.length === input.dim) {
            input.newText = candidate;
            input.isNew = true;
            entryTimer.stop();
        } else if (candidate.length < input.dim) {
            // Wide cells (a four-digit year) take further digits.
            input.newText = candidate;
            entryTimer.restart();
        } else {
            entryTimer.restart();
        }
    }

    // The legal number shown, a digit still pending dropped.
    function showLegal() {
        entryTimer.stop();
        input.isNew = true;
        input.newText = input.legalText;
    }

    function step(delta) {
        var value = parseInt(input.newText, 10);
        if (isNaN(value))
            value = bottomLimit;
        var next = value + delta;
        if (next >= bottomLimit && next <= topLimit)
            input.newText = Utils.zeroFill(next, input.dim);
    }

    function handleKey(event) {
        var isDigit = event.text.length === 1 && event.text >= "0" && event.text <= "9";
        var passesReadOnly = event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                || event.key === Qt.Key_Left || event.key === Qt.Key_Right
                || event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab;
        // Keys.onPressed leaves an event unaccepted unless told.
        event.accepted = !readOnly || passesReadOnly;
        if (!event.accepted)
            return;
        if (event.key === Qt.Key_Tab && tabItem) {
            tabItem.forceActiveFocus();
        } else if (event.key === Qt.Key_Backtab && backtabItem) {
            backtabItem.forceActiveFocus();
        } else if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab) {
            event.accepted = false;
        } else if (event.key === Qt.Key_F3) {
            keyF3Pressed();
        } else if (isDigit) {
            typeDigit(event.text);
        } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            // The frame sees Enter too, but not an auto-repeated one.
            if (!event.isAutoRepeat) {
                input.newText = normalized();
                dataConfirmed();
                event.accepted = false;
            }
        } else if (event.key === Qt.Key_Right) {
            swap();
            rightJump();
        } else if (event.key === Qt.Key_Left) {
            swap();
            leftJump();
        } else if (event.key === Qt.Key_Down) {
            step(-1);
        } else if (event.key === Qt.Key_Up) {
            step(1);
        } else {
            event.accepted = false;
        }
    }

    implicitWidth: input.implicitWidth + 2
    implicitHeight: input.implicitHeight
    width: implicitWidth
    height: implicitHeight
    color: input.activeFocus ? "#6c9c89" : "transparent"
    radius: 2
    antialiasing: true

    Timer {
        id: entryTimer

        objectName: "entryTimer"
        interval: cell.entryDelay
        onTriggered: {
            input.isNew = true;
            input.newText = cell.normalized();
        }
    }

    TextInputBase {
        id: input

        readonly property int dim: String(cell.topLimit).length
        readonly property string zeros: Utils.zeroFill(0, dim)
        property string legalText: zeros
        property string newText: zeros
        property bool isNew: true
        property var errorCode: []

        anchors.centerIn: parent
        horizontalAlignment: TextInput.AlignRight
        cursorDelegate: Item {}
        selectionColor: cell.color
        font.bold: cell.modify
        color: cell.enabled ? textColor : Qt.lighter(textColor, 0.4)
        text: zeros
        readOnly: cell.readOnly
        onTextChanged: {
            if (text !== newText)
                text = newText;
        }
        onNewTextChanged: text = newText
        onLegalTextChanged: newText = legalText
        Keys.onPressed: cell.handleKey(event)
    }
}
