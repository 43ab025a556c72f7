import QtQuick 2.15
import "../js/fontawesome.js" as FontAwesome

// A yes flag: a green tick when text is "1", nothing otherwise.
Item {
    property string text

    implicitWidth: tick.implicitWidth
    implicitHeight: tick.implicitHeight

    LabelIcon {
        id: tick

        visible: parent.text === "1"
        glyph: FontAwesome.Ok
        bold: true
        color: "lightgreen"
    }
}
