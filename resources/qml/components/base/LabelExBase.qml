import QtQuick 2.15
import QtQuick.Controls 2.15

// A Label whose font follows the screen height, the scale factor and the label's own factor.
Label {
    property alias style: styleHandler

    // Labels show record values: markup in them is text. A label the program writes as rich
    // text says so.
    textFormat: Text.PlainText
    font.pixelSize: Math.max(1, Math.floor(styleHandler.screenHeight * 0.035 * styleHandler.innerScaleHeight
                                           * 0.3 * styleHandler.additionalScaleHeight))

    StyleHandler { id: styleHandler }
}
