import QtQuick 2.15
import QtQuick.Layouts 1.15

// A telephony server (the dispatcher client's settings).
SubjectBox {
    property string rst_id_ast_srv: "1"
    property alias ast_srv_name: nameField

    labelName: qsTr("Asterisk Server")
    isBrowseButton: true

    SubjectField {
        id: nameField

        objectName: "ast_srv_name"
    }
}
