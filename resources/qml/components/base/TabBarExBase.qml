import QtQuick 2.15
import QtQuick.Controls 2.15

// A TabBar sized from the screen height and the scale factor.
TabBar {
    property StyleHandler style: StyleHandler {}

    implicitHeight: style.screenHeight * 0.03 * style.innerScaleHeight
    font.pixelSize: Math.max(1, Math.floor(height * 0.35))
}
