import QtQuick 2.15
import "../js/fontawesome.js" as FontAwesome

// A yes flag: a green tick when text is "1", nothing otherwise.
Item {
    property string text

    implicitWidth: tick.implicitWidth
    implicitHeight: tick.implicitHeight

    LabelEx {
        id: tick

        visible: parent.text === "1"
        text: FontAwesome.Ok
        font.family: "Font Awesome 6 Free"
        font.bold: true
        color: "lightgreen"
    }
}
