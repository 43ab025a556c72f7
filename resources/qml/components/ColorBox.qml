import QtQuick 2.15
import QtQuick.Dialogs 1.2

// A colour swatch with the legal-value pattern; a click opens the colour dialog.
Rectangle {
    id: box

    property color legalColor: "#ccc"
    readonly property bool modify: !Qt.colorEqual(color, legalColor)
    property bool readOnly: false

    // The saved colour: both the legal and the shown one.
    function setLegalValue(value) {
        legalColor = value;
        color = legalColor;
    }

    width: 30
    height: 30
    color: "#ccc"
    border.color: "black"
    onLegalColorChanged: color = legalColor

    MouseArea {
        anchors.fill: parent
        enabled: !box.readOnly
        onClicked: {
            colorDialog.color = box.color;
            colorDialog.open();
        }
    }

    ColorDialog {
        id: colorDialog

        title: qsTr("Color:")
        onAccepted: box.color = color
    }
}
