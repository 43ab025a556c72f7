import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// The track of a table's scroll bar.
Item {
    property bool horizontal: styleData.horizontal

    implicitWidth: 12
    implicitHeight: 12

    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: parent.horizontal ? -1 : -2
        anchors.topMargin: parent.horizontal ? -2 : -1
        color: Material.background
        border.color: GLOBAL.style.borderColor
    }
}
