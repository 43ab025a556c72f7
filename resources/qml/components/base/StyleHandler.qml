import QtQuick 2.15
// Registers the type of Qt.application.screens before it is first read: read before, the list
// reads as nothing for the rest of the process.
import QtQuick.Window 2.15

// Scale and colours of one base control: every size of the kit is proportional to the screen
// height and the user's scale factor, and the Material variants pass on the colours.
Item {
    property var innerAccent: "darkorange"
    property var innerBackground: undefined
    property var innerForeground: undefined
    property real innerScaleHeight: typeof GLOBAL !== "undefined" && GLOBAL ? GLOBAL.scaleFactor : 1.0
    property real additionalScaleHeight: 1.0
    // Height in pixels of the primary screen, from the engine's one list of screens, which
    // follows a change of its geometry. An attached Screen in each control would connect every
    // control to the screen's signals, and closing one would cost in proportion to those open.
    property real screenHeight: Qt.application.screens[0].height

    visible: false
}
