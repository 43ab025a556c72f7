import QtQuick 2.15
import QtQuick.Controls 2.15

// A ComboBox sized from the screen height and the scale factor; the current entry of the
// pop-up is drawn demi-bold.
ComboBox {
    id: control

    property alias style: styleHandler

    implicitHeight: styleHandler.screenHeight * 0.03 * styleHandler.innerScaleHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.35))
    // Entries are record values: drawn as they are.
    delegate: ItemDelegate {
        id: entry

        width: control.popup.width
        implicitHeight: styleHandler.screenHeight * 0.03 * styleHandler.innerScaleHeight
        font.pixelSize: Math.max(1, Math.floor(height * 0.35))
        font.weight: control.currentIndex === index ? Font.DemiBold : Font.Normal
        text: control.textRole
              ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
              : modelData
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
        contentItem: Text {
            text: entry.text
            textFormat: Text.PlainText
            font: entry.font
            color: entry.highlighted ? entry.palette.highlightedText : entry.palette.text
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    StyleHandler { id: styleHandler }
}
