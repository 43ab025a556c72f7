import QtQuick 2.15
import ".."
import "../delegates"
import "../../../js/status-code.js" as StatusCode

// An order's status code on the colour of its status.
TableViewColumnEx {
    role: "order_status"
    width: 60
    delegate: Rectangle {
        readonly property var status: StatusCode.code[String(styleData.value)]

        width: parent ? parent.width : 0
        height: parent ? parent.height : 0
        color: status ? status.bg_color : "transparent"

        TableCenterDelegate {
            anchors.fill: parent
            color: "white"
        }
    }
}
