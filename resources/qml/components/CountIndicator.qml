import QtQuick 2.15

// A red disc with a count, over the upper right part of its parent; hidden for 0.
Rectangle {
    property int count: 0

    width: 20
    height: 20
    radius: 10
    antialiasing: true
    color: "#ff2121"
    visible: count !== 0
    x: parent ? parent.width / 2 - width / 2 + 12 : 0
    y: parent ? parent.height / 2 - height / 2 - 7 : 0

    Text {
        anchors.centerIn: parent
        color: "white"
        textFormat: Text.PlainText
        text: parent.count
    }
}
