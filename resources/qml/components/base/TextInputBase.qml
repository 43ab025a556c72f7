import QtQuick 2.15

// A plain TextInput whose font follows the screen height and the scale factor.
TextInput {
    property alias style: styleHandler
    property color textColor: styleHandler.innerForeground !== undefined ? styleHandler.innerForeground : "black"

    color: textColor
    font.pixelSize: Math.max(1, Math.floor(styleHandler.screenHeight * 0.03 * styleHandler.innerScaleHeight * 0.35))

    StyleHandler { id: styleHandler }
}
