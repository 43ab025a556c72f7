import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A row of the kit's list view: as wide as the view, as high as a base control's font row;
// highlighted text in the accent colour.
Control {
    property alias style: styleHandler
    property color highlightedTextColor: styleHandler.innerAccent !== undefined ? styleHandler.innerAccent
                                                                               : Material.accent

    width: ListView.view ? ListView.view.width : implicitWidth
    height: styleHandler.screenHeight * 0.030 * styleHandler.innerScaleHeight
    leftPadding: 5
    rightPadding: 5
    topPadding: 2
    bottomPadding: 2
    Material.accent: styleHandler.innerAccent
    Material.foreground: styleHandler.innerForeground
    Material.background: styleHandler.innerBackground

    StyleHandler { id: styleHandler }
}
