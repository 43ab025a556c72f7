import QtQuick 2.15
import QtQuick.Controls 2.15

// A Label whose font follows the screen height, the scale factor and the label's own factor.
Label {
    property alias style: styleHandler

    font.pixelSize: Math.max(1, Math.floor(styleHandler.screenHeight * 0.035 * styleHandler.innerScaleHeight
                                           * 0.3 * styleHandler.additionalScaleHeight))

    StyleHandler { id: styleHandler }
}
