import QtQuick 2.15
import "qrc:/qml/components"

// The sessions of every user, as the main menu opens them.
NtFrame {
    id: root

    property alias container: container

    title: qsTr("User Sessions")

    UserSessionContainer {
        id: container

        anchors.fill: parent
        frame: root
    }
}
