import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."
import "../text"

// An owner's low-balance warning, overriding its group's when asked to.
GroupBoxEx {
    property alias override_group_low_balance: overrideBox
    property alias enabled_low_balance: enabledBox
    property alias low_balance: lowBalanceField

    title: qsTr("Balance items")

    GridLayout {
        columns: 2
        rowSpacing: 10
        columnSpacing: 10

        CheckBoxEx {
            id: overrideBox

            objectName: "override_group_low_balance"
            Layout.columnSpan: 2
            text: qsTr("Override group low balance")
        }

        CheckBoxEx {
            id: enabledBox

            objectName: "enabled_low_balance"
            Layout.columnSpan: 2
            enabled: overrideBox.checked
            text: qsTr("Enable low balance")
        }

        LabelEx {
            text: qsTr("Low balance")
        }

        TextFieldDouble {
            id: lowBalanceField

            objectName: "low_balance"
            enabled: overrideBox.checked && enabledBox.checked
        }
    }
}
