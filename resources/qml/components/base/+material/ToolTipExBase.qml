import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// A tool tip that draws its text as it is and breaks it at words, or anywhere inside a word
// longer than a line, within maximumWidth; Material colours.
ToolTip {
    id: tip

    property real maximumWidth: 600

    x: parent ? (parent.width - width) / 2 : 0
    width: Math.min(implicitWidth, maximumWidth)
    contentItem: Text {
        text: tip.text
        textFormat: Text.PlainText
        font: tip.font
        wrapMode: Text.Wrap
        color: tip.Material.foreground
    }
}
