import QtQuick 2.15
import QtQuick.Layouts 1.15
import "pickers.js" as Pickers

// A user of a record, picked from the user list (which hands back a list of {"id", "sign"}
// maps; the first is taken).
SubjectBox {
    id: box

    property string rst_id_user: "1"
    property var parentItem: null
    property alias name: nameField

    function openChooser() {
        return Pickers.openChooser("qrc:/qml/user/user/UserTable.qml", "SELECT", function (result) {
            var id = Pickers.resultId(result, "id");
            if (id !== undefined)
                box.rst_id_user = id;
        });
    }

    function openEditor() {
        return Pickers.openEditor("qrc:/qml/user/user/UserEditor.qml", rst_id_user, parentItem);
    }

    labelName: qsTr("User")
    isBrowseButton: true
    onClicked: openChooser()

    RecordName {
        id: recordName

        model: GLOBAL.user ? GLOBAL.user.originalModel : null
        recordId: box.rst_id_user
        role: "sign"
    }

    SubjectField {
        id: nameField

        objectName: "name"
        legalText: recordName.text
        onBrowseRequested: box.clicked()
        onEditorRequested: box.openEditor()
    }
}
