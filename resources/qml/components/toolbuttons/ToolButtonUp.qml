import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// The call button of the dispatcher client.
ToolButtonBase {
    name: qsTr("Call")
    fontIcon: FontAwesome.Phone
    fontBold: true
    iconColor: "#070"
}
