import QtQuick 2.15
import "../.."
import "../../text"

// The text of one table cell in the row's text colour; while the text is cut short, hovering
// shows it whole.
TextEx {
    id: cell

    // The cell's value; delegates replace it with their own text of it.
    property var value: styleData.value
    property bool resizeToParent: true

    text: value === undefined || value === null ? "" : String(value)
    color: styleData.textColor
    leftPadding: 7
    horizontalAlignment: Text.AlignLeft
    verticalAlignment: Text.AlignBottom
    width: resizeToParent && parent ? parent.width : implicitWidth
    height: parent ? parent.height : implicitHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.65))
    clip: true
    antialiasing: false

    Loader {
        anchors.fill: parent
        active: cell.truncated

        sourceComponent: TooltipMouseArea {
            acceptedButtons: Qt.NoButton
            text: cell.text
        }
    }
}
