import QtQuick 2.15
import QtQuick.Layouts 1.15

// An order type (the dispatcher client's orders).
SubjectBox {
    property string rst_id_schedule: "1"
    property alias schedule_name: nameField

    labelName: qsTr("Order type")
    isBrowseButton: true

    SubjectField {
        id: nameField

        objectName: "schedule_name"
    }
}
