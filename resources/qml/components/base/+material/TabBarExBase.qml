import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A TabBar sized from the screen height and the scale factor, Material colours.
TabBar {
    property StyleHandler style: StyleHandler {}

    implicitHeight: style.screenHeight * 0.035 * style.innerScaleHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.3))
    Material.accent: style.innerAccent
    Material.foreground: style.innerForeground
    Material.background: style.innerBackground
}
