import QtQuick 2.15

// A cell that shows its value as a colour.
Item {
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0

    Rectangle {
        anchors.fill: parent
        anchors.margins: 3
        color: styleData.value ? styleData.value : "transparent"
    }
}
