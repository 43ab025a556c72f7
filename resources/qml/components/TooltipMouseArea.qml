import QtQuick 2.15
import "base"
import "../js/enums.js" as Enums

// A mouse area that shows a tool tip with its text after one second inside. A long text shows
// its first maximumLength characters and an ellipsis: laying out a text costs more than its
// length, and a tool tip shows no more than a screen can hold.
MouseArea {
    id: area

    property string text
    property int maximumLength: Enums.ShownTextLength
    property alias toolTip: tip

    hoverEnabled: true
    propagateComposedEvents: true

    ToolTipExBase {
        id: tip

        visible: area.containsMouse && area.text !== ""
        delay: 1000
        text: area.text.length > area.maximumLength ? area.text.substring(0, area.maximumLength) + "\u2026"
                                                    : area.text
    }
}
