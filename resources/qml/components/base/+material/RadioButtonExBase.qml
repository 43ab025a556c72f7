import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A RadioButton sized from the screen height and the scale factor, Material colours.
RadioButton {
    property alias style: styleHandler

    implicitHeight: styleHandler.screenHeight * 0.035 * styleHandler.innerScaleHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.3))
    Material.accent: styleHandler.innerAccent
    Material.foreground: styleHandler.innerForeground
    Material.background: styleHandler.innerBackground

    StyleHandler { id: styleHandler }
}
