import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."

// An order's driver, or automatic assignment (the dispatcher client's orders).
SubjectBox {
    property string rst_id_driver: "1"
    property alias driver_name: nameField
    property alias auto_assign: autoAssignBox

    labelName: qsTr("Driver")
    isBrowseButton: true

    SubjectField {
        id: nameField

        objectName: "driver_name"
    }

    CheckBoxEx {
        id: autoAssignBox

        objectName: "auto_assign"
        text: qsTr("Auto assign")
    }
}
