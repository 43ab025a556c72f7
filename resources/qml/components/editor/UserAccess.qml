import QtQuick 2.15
import ".."

// The user's rights on the record as letters: create, read, update, delete; green when granted.
Row {
    id: access

    property var crud
    property color crudEnableColor: "green"
    property color crudDisableColor: "gray"

    spacing: 10

    LabelEx {
        text: qsTr("Access:")
    }

    Repeater {
        model: [["C", "crudcreate"], ["R", "crudread"], ["U", "crudupdate"], ["D", "cruddelete"]]

        LabelEx {
            objectName: "access" + modelData[0]
            text: modelData[0]
            font.bold: true
            color: access.crud && access.crud[modelData[1]] ? access.crudEnableColor : access.crudDisableColor
        }
    }
}
