import QtQuick 2.15

// The handle of a table's scroll bar: the style's handle image, thinner and fading in for
// transient bars.
Item {
    id: handle

    property bool horizontal: styleData.horizontal
    property bool isTransient: false
    readonly property int thickness: isTransient ? 10 : metrics.height + 1

    implicitWidth: horizontal ? 20 : thickness
    implicitHeight: horizontal ? thickness : 20
    opacity: styleData.pressed && !isTransient ? 0.5 : styleData.hovered ? 1 : 0.8

    Behavior on implicitWidth {
        enabled: handle.isTransient
        NumberAnimation { duration: 100 }
    }

    Behavior on implicitHeight {
        enabled: handle.isTransient
        NumberAnimation { duration: 100 }
    }

    BorderImage {
        anchors.fill: parent
        anchors.margins: handle.isTransient ? 2 : 0
        source: handle.horizontal ? GLOBAL.style.scrollBarHandleHorizontal : GLOBAL.style.scrollBarHandleVertical
        border.left: handle.isTransient ? 5 : 2
        border.right: handle.isTransient ? 5 : 2
        border.top: handle.isTransient ? 5 : 2
        border.bottom: handle.isTransient ? 5 : 2
    }

    TextMetrics {
        id: metrics

        text: "M"
    }
}
