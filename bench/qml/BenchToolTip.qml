import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/qml/components"

// The kit's tool tip of a cut cell beside the style's own tool tip; no fading, so that a frame
// shows each at once.
Item {
    property alias kitArea: area
    property alias styleTip: plain

    TooltipMouseArea {
        id: area

        x: 300
        y: 300
        width: 140
        height: 20
        Component.onCompleted: {
            toolTip.delay = 0;
            toolTip.enter = null;
            toolTip.exit = null;
        }
    }

    Item {
        x: 300
        y: 300
        width: 140
        height: 20

        ToolTip {
            id: plain

            delay: 0
            enter: null
            exit: null
        }
    }
}
