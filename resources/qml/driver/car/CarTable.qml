import QtQuick 2.15
import "qrc:/qml/components"

// The cars of every driver, as the main menu opens them; also the car picker (SELECT) and the
// sibling client's choice of several cars (TSS).
NtFrame {
    id: root

    property string rst_id_tss: "1"
    property alias container: container

    title: qsTr("Cars")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" },
        State { name: "TSS" }
    ]
    state: "VIEW"

    CarContainer {
        id: container

        anchors.fill: parent
        frame: root
        rst_id_tss: root.rst_id_tss
    }
}
