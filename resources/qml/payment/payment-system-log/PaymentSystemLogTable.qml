import QtQuick 2.15
import "qrc:/qml/components"

// The payment log as a page of its own.
NtFrame {
    id: root

    title: qsTr("Payment System Logs")

    PaymentSystemLogContainer {
        anchors.fill: parent
        frame: root
    }
}
