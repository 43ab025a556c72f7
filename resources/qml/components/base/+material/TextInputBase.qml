import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A plain TextInput whose font follows the screen height and the scale factor; its text takes
// the Material foreground unless the style sets one.
TextInput {
    property alias style: styleHandler
    property color textColor: styleHandler.innerForeground !== undefined ? styleHandler.innerForeground
                                                                        : Material.foreground

    color: textColor
    font.pixelSize: Math.max(1, Math.floor(styleHandler.screenHeight * 0.03 * styleHandler.innerScaleHeight * 0.35))
    Material.accent: styleHandler.innerAccent
    Material.foreground: styleHandler.innerForeground
    Material.background: styleHandler.innerBackground

    StyleHandler { id: styleHandler }
}
