import QtQuick 2.15
import "base"

// A check box with the legal-value pattern: modify tells whether it differs from legalChecked.
CheckBoxExBase {
    id: checkBox

    property string type: "checkBox"
    property bool legalChecked: false
    readonly property bool modify: checked !== legalChecked
    property var errorCode: []
    property bool isMismatch: false

    // The saved value: both the legal and the shown state.
    function setLegalValue(value) {
        legalChecked = value === true || value === "1" || value === 1;
        checked = legalChecked;
    }

    focusPolicy: Qt.StrongFocus
    onLegalCheckedChanged: checked = legalChecked

    Rectangle {
        anchors.fill: parent
        z: -1
        visible: checkBox.isMismatch
        color: GLOBAL.style.dismatchApproveColor
    }
}
