import QtQuick 2.15
import ".."
import "../../js/fontawesome.js" as FontAwesome

// A bell with the number of notifications.
ToolButtonBase {
    property int notifications: 0

    fontIcon: FontAwesome.Bell
    iconSize: 25
    iconColor: "#ffdf5e"
    width: 50

    CountIndicator {
        count: parent.notifications
    }
}
