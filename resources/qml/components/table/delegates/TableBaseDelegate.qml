import QtQuick 2.15
import "../.."
import "../../text"
import "../../../js/enums.js" as Enums

// The text of one table cell in the row's text colour; while the text is cut short, hovering
// shows it whole. A cell is one line of a column: it shows at most maximumLength characters of
// its text, and an ellipsis (laying out a text costs more than its length).
TextEx {
    id: cell

    // The cell's value; delegates replace it with their own text of it.
    property var value: styleData.value
    property bool resizeToParent: true
    property int maximumLength: Enums.ShownTextLength
    // The hover area of the tool tip, made while the text is cut: most cells' texts fit.
    property Item tipArea: null

    function followTruncation() {
        if (truncated && !tipArea) {
            tipArea = Qt.createComponent("../../TooltipMouseArea.qml").createObject(cell, {
                "acceptedButtons": Qt.NoButton,
                "text": Qt.binding(function () { return cell.text; })
            });
            tipArea.anchors.fill = cell;
        } else if (!truncated && tipArea) {
            tipArea.destroy();
            tipArea = null;
        }
    }

    text: {
        var whole = value === undefined || value === null ? "" : String(value);
        return whole.length > maximumLength ? whole.substring(0, maximumLength) + "\u2026" : whole;
    }
    color: styleData.textColor
    leftPadding: 7
    horizontalAlignment: Text.AlignLeft
    verticalAlignment: Text.AlignBottom
    width: resizeToParent && parent ? parent.width : implicitWidth
    height: parent ? parent.height : implicitHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.65))
    clip: true
    antialiasing: false

    onTruncatedChanged: followTruncation()
    Component.onCompleted: followTruncation()
}
