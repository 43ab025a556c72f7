import QtQuick 2.15
import QtQuick.Controls 2.15

// A mouse area that shows a tool tip with its text after one second inside.
MouseArea {
    id: area

    property string text

    hoverEnabled: true
    propagateComposedEvents: true
    ToolTip.visible: containsMouse && text !== ""
    ToolTip.delay: 1000
    ToolTip.text: text
}
