import QtQuick 2.15
import QtQuick.Controls 2.15

// A TextArea whose font follows the screen height and the scale factor.
TextArea {
    property alias style: styleHandler

    textFormat: TextEdit.PlainText
    font.pixelSize: Math.max(1, Math.floor(styleHandler.screenHeight * 0.04 * styleHandler.innerScaleHeight * 0.3))

    StyleHandler { id: styleHandler }
}
