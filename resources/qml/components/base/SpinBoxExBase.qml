import QtQuick 2.15
import QtQuick.Controls 2.15

// A SpinBox sized from the screen height and the scale factor.
SpinBox {
    property alias style: styleHandler

    implicitHeight: styleHandler.screenHeight * 0.03 * styleHandler.innerScaleHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.35))

    StyleHandler { id: styleHandler }
}
