import QtQuick 2.15

// A black strip with a bold label, for grouped rows.
Rectangle {
    property alias text: label.text

    height: label.implicitHeight + 4
    color: "black"

    Text {
        id: label

        anchors.verticalCenter: parent.verticalCenter
        x: 5
        font.bold: true
        color: GLOBAL.style.textColor
        textFormat: Text.PlainText
    }
}
