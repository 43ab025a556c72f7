import QtQuick 2.15
import Koriv.Gui 1.0

// Scale and colours of one base control: every size of the kit is proportional to the height of
// the control's screen and the user's scale factor, and the Material variants pass on the colours.
Item {
    property var innerAccent: "darkorange"
    property var innerBackground: undefined
    property var innerForeground: undefined
    property real innerScaleHeight: typeof GLOBAL !== "undefined" && GLOBAL ? GLOBAL.scaleFactor : 1.0
    property real additionalScaleHeight: 1.0
    // Height in pixels of the screen the control's window is on (the primary screen's until the
    // control is in a window), read once per window: an attached Screen in each control would
    // connect every control to the window's and the screen's signals, and closing one would cost
    // in proportion to those open.
    property real screenHeight: WindowScreen.height

    visible: false
}
