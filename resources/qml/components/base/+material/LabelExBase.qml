import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A Label whose font follows the screen height, the scale factor and the label's own factor;
// Material colours.
Label {
    property alias style: styleHandler

    // Labels show record values: markup in them is text. A label the program writes as rich
    // text says so.
    textFormat: Text.PlainText
    font.pixelSize: Math.max(1, Math.floor(styleHandler.screenHeight * 0.035 * styleHandler.innerScaleHeight
                                           * 0.3 * styleHandler.additionalScaleHeight))
    Material.accent: styleHandler.innerAccent
    Material.foreground: styleHandler.innerForeground
    Material.background: styleHandler.innerBackground

    StyleHandler { id: styleHandler }
}
