import QtQuick 2.15
import QtQuick.Window 2.15
import "../base"
import "focuschain.js" as FocusChain
import "../table"

// A text field with a drop-down list of matching records: typing opens the list (the owner
// filters its model on textFieldKeyPressed), Up and Down move in it, Enter or a double click
// takes the record, Escape closes the list or takes back the change.
FocusScope {
    id: completer

    // A list model answering data(row, role), or a ListModel.
    property var model
    property string role
    property int tableWidth: 0
    property string currentId: "1"
    property string legalCurrentId: "1"
    property alias text: field.text
    property alias legalText: field.legalText
    property alias textField: field
    property alias tableWindow: popup
    property alias readOnly: field.readOnly
    property alias currentRow: listView.currentRow
    readonly property bool modify: field.legalText !== field.text || currentId !== legalCurrentId
    property Item keyNavigationTab: null
    property Item keyNavigationBacktab: null
    property bool acceptEnterForever: false

    signal changeFinished()
    signal textFieldKeyPressed()
    signal dataConfirmed()

    function rowValue(row, role) {
        if (!model || row < 0)
            return "";
        var value = typeof model.get === "function" ? model.get(row)[role] : model.data(row, role);
        return value === undefined || value === null ? "" : String(value);
    }

    // The saved text, shown with the saved record whatever was typed or chosen over them.
    function setLegalValue(value) {
        field.legalText = value;
        field.showLegal();
        currentId = legalCurrentId;
    }

    // Takes the list's current record and closes the list.
    function choose() {
        popup.visible = false;
        var id = rowValue(listView.currentRow, "id");
        legalCurrentId = id === "" ? "1" : id;
        currentId = legalCurrentId;
        var shown = rowValue(listView.currentRow, role);
        if (shown !== "")
            field.text = shown;
        // The chosen record is the value now, its name as well as its id.
        field.legalText = field.text;
    }

    function handleKey(event) {
        if (field.readOnly) {
            event.accepted = false;
            return;
        }
        var key = event.key;
        event.accepted = true;
        if (key === Qt.Key_Escape) {
            if (event.isAutoRepeat) {
                event.accepted = true;
            } else if (popup.visible) {
                popup.visible = false;
            } else if (modify) {
                field.text = field.legalText;
                currentId = legalCurrentId;
            } else {
                event.accepted = false;
            }
        } else if (key === Qt.Key_Down || key === Qt.Key_Up) {
            if (!popup.visible) {
                event.accepted = false;
                return;
            }
            if (key === Qt.Key_Down)
                listView.incrementRow();
            else
                listView.decrementRow();
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter) {
            event.accepted = event.isAutoRepeat || popup.visible || acceptEnterForever;
            if (popup.visible)
                choose();
            dataConfirmed();
        } else if (key === Qt.Key_Tab && keyNavigationTab) {
            keyNavigationTab.forceActiveFocus();
        } else if (key === Qt.Key_Backtab && keyNavigationBacktab) {
            keyNavigationBacktab.forceActiveFocus();
        } else {
            event.accepted = false;
            if (event.text !== "" && key !== Qt.Key_Tab && key !== Qt.Key_Backtab) {
                popup.visible = true;
                currentId = "1";
                textFieldKeyPressed();
            }
        }
    }

    implicitWidth: field.implicitWidth
    implicitHeight: field.implicitHeight
    onLegalCurrentIdChanged: currentId = legalCurrentId
    onActiveFocusChanged: {
        if (activeFocus)
            field.forceActiveFocus();
    }

    TextFieldExBase {
        id: field

        property string legalText

        anchors.fill: parent
        focus: true
        // The selection stays while the focus is away by itself; a move to another field clears it.
        persistentSelection: true
        // The stored text shown, the cursor kept as in the kit's line fields.
        function showLegal() {
            FocusChain.showValue(field, legalText, completer.focus);
        }

        onLegalTextChanged: showLegal()
        onActiveFocusChanged: {
            if (activeFocus)
                return;
            popup.visible = false;
            if (focusReason !== Qt.ActiveWindowFocusReason && focusReason !== Qt.PopupFocusReason
                    && !FocusChain.leftByItself(field))
                deselect();
            if (completer.modify)
                completer.changeFinished();
        }
        Keys.onPressed: completer.handleKey(event)
    }

    Window {
        id: popup

        flags: Qt.ToolTip | Qt.FramelessWindowHint
        width: completer.tableWidth > 0 ? completer.tableWidth : completer.width
        height: 100
        visible: false
        onVisibleChanged: {
            if (!visible)
                return;
            var position = completer.mapToGlobal(0, completer.height);
            x = position.x;
            y = position.y;
        }

        TableViewBase {
            id: listView

            anchors.fill: parent
            model: completer.model
            headerVisible: false
            alternatingRowColors: false
            isSecurity: false
            isSortByHeader: false
            onDoubleClicked: {
                completer.choose();
                completer.dataConfirmed();
            }

            TableViewColumnEx {
                role: completer.role
                width: listView.width
            }
        }
    }
}
