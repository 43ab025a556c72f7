import QtQuick 2.15
import ".."

// The user's rights on the record as letters: create, read, update, delete; green when granted.
Row {
    id: access

    property var crud
    property color crudEnableColor: "green"
    property color crudDisableColor: "gray"

    function letterColor(granted) {
        return granted ? crudEnableColor : crudDisableColor;
    }

    spacing: 10

    LabelEx {
        text: qsTr("Access:")
    }

    LabelEx {
        objectName: "accessC"
        text: "C"
        font.bold: true
        color: access.letterColor(access.crud && access.crud.crudcreate)
    }

    LabelEx {
        objectName: "accessR"
        text: "R"
        font.bold: true
        color: access.letterColor(access.crud && access.crud.crudread)
    }

    LabelEx {
        objectName: "accessU"
        text: "U"
        font.bold: true
        color: access.letterColor(access.crud && access.crud.crudupdate)
    }

    LabelEx {
        objectName: "accessD"
        text: "D"
        font.bold: true
        color: access.letterColor(access.crud && access.crud.cruddelete)
    }
}
