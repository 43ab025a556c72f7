import QtQuick 2.15
import "qrc:/qml/components"

// The sessions of every driver, as the main menu opens them.
NtFrame {
    id: root

    property alias container: container

    title: qsTr("Driver Sessions")

    DriverSessionContainer {
        id: container

        anchors.fill: parent
        frame: root
    }
}
