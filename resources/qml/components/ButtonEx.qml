import QtQuick 2.15
import QtQuick.Controls 2.15
import "base"

// A push button of the kit; with fontIcon its content is the glyph followed by the text.
ButtonExBase {
    id: button

    property string fontIcon
    property string fontFamily: "Font Awesome 6 Free"
    property real fontScale: 1.0
    property bool fontBold: false
    property string tooltip
    property bool isDefault: false
    property bool activeFocusOnPress: true
    readonly property alias iconLabel: iconLabel

    focusPolicy: Qt.NoFocus
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Component.onCompleted: {
        if (fontIcon !== "")
            contentItem = iconLabel;
    }

    LabelIcon {
        id: iconLabel

        visible: button.fontIcon !== "" && button.contentItem === iconLabel
        glyph: button.fontIcon
        bold: button.fontBold
        family: button.fontFamily
        text: button.fontIcon + (button.text !== "" ? " " + button.text : "")
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        style.additionalScaleHeight: button.fontScale
    }
}
