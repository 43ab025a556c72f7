import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A ComboBox sized from the screen height and the scale factor, Material colours; the current
// entry of the pop-up is drawn in the pop-up's accent.
ComboBox {
    id: control

    property alias style: styleHandler

    implicitHeight: styleHandler.screenHeight * 0.035 * styleHandler.innerScaleHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.3))
    Material.accent: styleHandler.innerAccent
    Material.foreground: styleHandler.innerForeground
    Material.background: styleHandler.innerBackground
    // Entries are record values: drawn as they are.
    delegate: MenuItemExBase {
        id: entry

        width: control.popup.width
        text: control.textRole
              ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
              : modelData
        Material.foreground: control.currentIndex === index ? control.popup.Material.accent
                                                            : control.popup.Material.foreground
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
        contentItem: Text {
            text: entry.text
            textFormat: Text.PlainText
            font: entry.font
            color: entry.enabled ? entry.Material.foreground : entry.Material.hintTextColor
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    StyleHandler { id: styleHandler }
}
