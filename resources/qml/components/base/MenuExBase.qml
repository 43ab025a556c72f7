import QtQuick 2.15
import QtQuick.Controls 2.15

// A Menu whose font follows the screen height and the scale factor. Its items are its
// children, so the style handler is held without a parent.
Menu {
    property StyleHandler style: StyleHandler {}

    font.pixelSize: Math.max(1, Math.floor(style.screenHeight * 0.03 * style.innerScaleHeight * 0.35))
}
