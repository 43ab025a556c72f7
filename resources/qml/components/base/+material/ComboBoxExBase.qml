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
    delegate: MenuItemExBase {
        width: control.popup.width
        text: control.textRole
              ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
              : modelData
        Material.foreground: control.currentIndex === index ? control.popup.Material.accent
                                                            : control.popup.Material.foreground
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
    }

    StyleHandler { id: styleHandler }
}
