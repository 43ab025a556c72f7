import QtQuick 2.15
import QtQuick.Controls 2.15

// A row of the kit's list view: as wide as the view, as high as a base control's font row.
Control {
    property alias style: styleHandler
    property color highlightedTextColor: "white"

    width: ListView.view ? ListView.view.width : implicitWidth
    height: styleHandler.screenHeight * 0.030 * styleHandler.innerScaleHeight
    leftPadding: 5
    rightPadding: 5
    topPadding: 0
    bottomPadding: 0

    StyleHandler { id: styleHandler }
}
