import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."
import "../text"

// A group's low-balance warning: its switch and its threshold.
GroupBoxEx {
    property alias enabled_low_balance: enabledBox
    property alias low_balance: lowBalanceField

    title: qsTr("Balance items")

    GridLayout {
        columns: 2
        rowSpacing: 10
        columnSpacing: 10

        CheckBoxEx {
            id: enabledBox

            objectName: "enabled_low_balance"
            Layout.columnSpan: 2
            text: qsTr("Enable low balance")
        }

        LabelEx {
            text: qsTr("Low balance")
        }

        TextFieldDouble {
            id: lowBalanceField

            objectName: "low_balance"
            enabled: enabledBox.checked
        }
    }
}
