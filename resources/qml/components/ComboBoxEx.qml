import QtQuick 2.15
import "base"

// A combo box with the legal-value pattern. When its list empties the choice is cleared; when a
// new list arrives its first entry is chosen, unless a legal index was set for it meanwhile.
// With a keyRole it holds on to the chosen record, not to its place: rows that come, go or move
// in the list (a record added in another page) leave the same record shown.
ComboBoxExBase {
    id: comboBox

    property string type: "comboBox"
    property int legalCurrentIndex: -1
    readonly property bool modify: currentIndex !== legalCurrentIndex
    property var errorCode: []
    property bool isEmpty: true
    property bool ignoreUpdateModel: false
    // A legal index set before its entry arrived; chosen once the entry is there.
    property bool legalPending: false
    // The role that names a record (such as "id"), and the chosen record's value of it, as text;
    // undefined while nothing is chosen. A chosen record that leaves the list shows no entry.
    property string keyRole: ""
    property var chosenKey: undefined
    // The list is changing: index changes meanwhile are the list's, not a choice.
    property bool isListChanging: false

    function keyAt(index) {
        if (keyRole === "" || !model || index < 0 || index >= count || typeof model.data !== "function")
            return undefined;
        var key = model.data(index, keyRole);
        return key === undefined || key === null ? undefined : String(key);
    }

    function beginListChange() {
        isListChanging = true;
    }

    // After the list changed, the chosen record is shown where it is now.
    function endListChange() {
        isListChanging = false;
        if (keyRole === "" || chosenKey === undefined || typeof model.checkValueByRole !== "function")
            return;
        var row = model.checkValueByRole(keyRole, chosenKey);
        if (row !== currentIndex) {
            isListChanging = true;
            currentIndex = row;
            isListChanging = false;
        }
    }

    // The legal entry shown; one not in the list yet is chosen once it arrives.
    function showLegalIndex() {
        currentIndex = legalCurrentIndex;
        legalPending = legalCurrentIndex >= count;
    }

    // The saved choice: both the legal and the shown one.
    function setLegalValue(value) {
        legalCurrentIndex = value;
        showLegalIndex();
    }

    function resetCurrentIndex() {
        currentIndex = -1;
        currentIndex = 0;
    }

    // The page frame around the combo box, found by name as pages see it.
    function enclosingFrame() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    focusPolicy: Qt.NoFocus
    onCurrentIndexChanged: {
        if (keyRole !== "" && !isListChanging)
            chosenKey = keyAt(currentIndex);
    }
    onLegalCurrentIndexChanged: showLegalIndex()
    onCountChanged: {
        if (ignoreUpdateModel)
            return;
        if (count === 0) {
            legalCurrentIndex = -1;
            isEmpty = true;
            return;
        }
        if (isEmpty) {
            isEmpty = false;
            if (legalCurrentIndex < 0)
                legalCurrentIndex = 0;
        }
        if (legalPending && legalCurrentIndex < count) {
            legalPending = false;
            currentIndex = legalCurrentIndex;
        }
    }
    Keys.onPressed: {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            var frame = enclosingFrame();
            if (frame)
                frame.enterPressed();
            event.accepted = false;
        }
    }

    Connections {
        target: comboBox.keyRole !== "" ? comboBox.model : null
        ignoreUnknownSignals: true

        function onRowsAboutToBeInserted() { comboBox.beginListChange(); }
        function onRowsInserted() { comboBox.endListChange(); }
        function onRowsAboutToBeRemoved() { comboBox.beginListChange(); }
        function onRowsRemoved() { comboBox.endListChange(); }
        function onRowsAboutToBeMoved() { comboBox.beginListChange(); }
        function onRowsMoved() { comboBox.endListChange(); }
        function onLayoutAboutToBeChanged() { comboBox.beginListChange(); }
        function onLayoutChanged() { comboBox.endListChange(); }
        function onModelAboutToBeReset() { comboBox.beginListChange(); }
        function onModelReset() { comboBox.endListChange(); }
    }
}
