import QtQuick 2.15
import ".."

// The offset from UTC of a group.
GroupBoxEx {
    property alias utc_offset: offsetBox

    title: qsTr("Time zone")

    UTCComboBox {
        id: offsetBox

        objectName: "utc_offset"
        width: 160
    }
}
