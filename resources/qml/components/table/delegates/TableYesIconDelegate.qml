import QtQuick 2.15
import "../.."
import "../../../js/fontawesome.js" as FontAwesome

// A cell of a yes flag: a green tick for "1", nothing otherwise. The tick is made only while the
// flag is set: most rows of a flag column have none.
Item {
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0

    Loader {
        anchors.centerIn: parent
        width: Math.max(1, parent.height - 4)
        height: width
        active: String(styleData.value) === "1"
        visible: active

        sourceComponent: LabelIcon {
            glyph: FontAwesome.Ok
            bold: true
            font.pixelSize: height
            color: "lightgreen"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
