import QtQuick 2.15
import QtQuick.Layouts 1.15
import "pickers.js" as Pickers

// A user's salary schedule: the page sets the name; F2 opens the schedule's editor.
SubjectBox {
    id: box

    property string rst_id_slt: "1"
    property var parentItem: null
    property alias ust_name: nameField

    function openEditor() {
        return Pickers.openEditor("qrc:/qml/user/user-salary-tariff/UserSalaryTariffEditor.qml", rst_id_slt,
                                  parentItem);
    }

    labelName: qsTr("Schedule name")

    SubjectField {
        id: nameField

        objectName: "ust_name"
        onEditorRequested: box.openEditor()
    }
}
