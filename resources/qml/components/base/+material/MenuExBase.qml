import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A Menu whose font follows the screen height and the scale factor, Material colours.
Menu {
    property StyleHandler style: StyleHandler {}

    font.pixelSize: Math.max(1, Math.floor(style.screenHeight * 0.03 * style.innerScaleHeight * 0.35))
    Material.accent: style.innerAccent
    Material.foreground: style.innerForeground
    Material.background: style.innerBackground
}
