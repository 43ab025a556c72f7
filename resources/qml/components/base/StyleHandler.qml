import QtQuick 2.15
import QtQuick.Window 2.15

// Scale and colours of one base control: every size of the kit is proportional to the screen
// height and the user's scale factor, and the Material variants pass on the colours.
Item {
    property var innerAccent: "darkorange"
    property var innerBackground: undefined
    property var innerForeground: undefined
    property real innerScaleHeight: typeof GLOBAL !== "undefined" && GLOBAL ? GLOBAL.scaleFactor : 1.0
    property real additionalScaleHeight: 1.0
    // Height in pixels of the screen the control is on.
    property real screenHeight: Screen.height

    visible: false
}
