import QtQuick 2.15
import QtQuick.Layouts 1.15

// A tool bar that scrolls sideways when its buttons do not fit: the wheel scrolls by 20 pixels
// and a ">" shows while more buttons lie to the right.
RowLayout {
    id: toolBar

    default property alias data: row.data
    property alias contentArea: row
    property alias flickable: flickable

    // New position after one wheel step of the given vertical delta, within the content.
    function wheelPosition(angleDeltaY) {
        var position = flickable.contentX - Math.sign(angleDeltaY) * 20;
        return Math.max(0, Math.min(position, flickable.contentWidth - flickable.width));
    }

    spacing: 5

    Flickable {
        id: flickable

        readonly property bool overflows: contentWidth > width

        Layout.fillWidth: true
        Layout.preferredHeight: row.height
        contentWidth: row.width
        contentHeight: row.height
        flickableDirection: Flickable.HorizontalFlick
        interactive: overflows
        clip: true

        Row {
            id: row

            spacing: 5
        }

        MouseArea {
            width: flickable.contentWidth
            height: flickable.height
            enabled: flickable.overflows
            propagateComposedEvents: true
            onPressed: mouse.accepted = false
            onWheel: flickable.contentX = toolBar.wheelPosition(wheel.angleDelta.y)
        }
    }

    LabelEx {
        visible: flickable.overflows && flickable.contentX < flickable.contentWidth - flickable.width
        text: ">"
    }
}
