import QtQuick 2.15
import "base"

// A tool button of the kit; it never takes the focus.
ToolButtonExBase {
    property bool activeFocusOnPress: false

    focusPolicy: Qt.NoFocus
}
