import QtQuick 2.15
import "qrc:/qml/security-options"

// A user's security option values: what the user holds beside the group's, and whether in use.
SecurityOptionValues {
    isUser: true
    objectsSettingName: "UserSecurityOptions"
}
