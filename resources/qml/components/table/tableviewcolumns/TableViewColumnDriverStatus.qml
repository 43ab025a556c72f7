import QtQuick 2.15
import ".."
import "../delegates"

// A driver's status, coloured: free green, busy yellow, on an order red, SOS white.
TableViewColumnEx {
    role: "status_string"
    width: 60
    delegate: TableCenterDelegate {
        color: {
            switch (String(styleData.value)) {
            case qsTr("Free"):
                return GLOBAL.style.brightGreenColor;
            case qsTr("Busy"):
                return "yellow";
            case qsTr("On order"):
                return "red";
            case qsTr("SOS"):
                return "white";
            }
            return "gray";
        }
    }
}
