import QtQuick 2.15
import "base"

// A combo box with the legal-value pattern. When its list empties the choice is cleared; when a
// new list arrives its first entry is chosen, unless a legal index was set for it meanwhile.
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

    function resetCurrentIndex() {
        currentIndex = -1;
        currentIndex = 0;
    }

    // The page frame around the combo box, found by name as pages see it.
    function enclosingFrame() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    focusPolicy: Qt.NoFocus
    onLegalCurrentIndexChanged: {
        currentIndex = legalCurrentIndex;
        legalPending = legalCurrentIndex >= count;
    }
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
}
