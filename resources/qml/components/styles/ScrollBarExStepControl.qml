import QtQuick 2.15

// An arrow button of a table's scroll bar, on a vertical gradient.
Rectangle {
    property url arrow
    property bool isTransient: false

    visible: !isTransient
    implicitWidth: 12
    implicitHeight: 12
    gradient: Gradient {
        GradientStop {
            position: 0
            color: styleData.pressed ? GLOBAL.style.scrollBarControlPressedColor : GLOBAL.style.scrollBarControlGradient0
        }
        GradientStop {
            position: 1
            color: styleData.pressed ? GLOBAL.style.scrollBarControlPressedColor : GLOBAL.style.scrollBarControlGradient1
        }
    }

    Image {
        anchors.centerIn: parent
        source: parent.arrow
        opacity: parent.enabled ? 0.6 : 0.5
    }
}
