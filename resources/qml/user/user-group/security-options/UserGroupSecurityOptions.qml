import QtQuick 2.15
import "qrc:/qml/security-options"

// A user group's security option values, which its users hold unless their own are in use.
SecurityOptionValues {
    isUser: false
    objectsSettingName: "UserGroupSecurityOptions"
}
