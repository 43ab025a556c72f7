import QtQuick 2.15
import ".."

// An owner's own offset from UTC, used only when its box is checked.
GroupBoxEx {
    property alias use_utc_offset: useBox
    property alias utc_offset: offsetBox

    title: qsTr("Time zone")

    Column {
        spacing: 5

        CheckBoxEx {
            id: useBox

            objectName: "use_utc_offset"
            text: qsTr("Use UTC offset")
        }

        UTCComboBox {
            id: offsetBox

            objectName: "utc_offset"
            width: 160
            enabled: useBox.checked
        }
    }
}
