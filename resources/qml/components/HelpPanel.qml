import QtQuick 2.15

// A bordered panel with a help text, black on white.
Rectangle {
    property alias text: label.text
    property var parentItem

    width: label.implicitWidth + 30
    height: label.implicitHeight + 30
    border.color: "gray"

    LabelEx {
        id: label

        anchors.centerIn: parent
        style.innerForeground: "black"
        color: "black"
    }
}
