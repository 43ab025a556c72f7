import QtQuick 2.15
import QtQuick.Layouts 1.15
import "pickers.js" as Pickers

// The user groups and the users a record goes to, side by side, each filled from its chooser
// opened for several records.
RowLayout {
    id: tables

    property alias groups: groupsTable
    property alias users: usersTable

    function addFrom(url, ownerTable) {
        var frame = Pickers.pageFrame();
        return Pickers.openChooser(url, "MULTI_SELECT", function (result) {
            ownerTable.appendOwners(Array.isArray(result) ? result : [result]);
        }, { "isWindow": frame ? frame.isWindow : true });
    }

    Layout.fillWidth: true
    spacing: 10

    OwnerTable {
        id: groupsTable

        title: qsTr("Groups")
        controller: GLOBAL.userGroup
        nameRole: "name"
        onAddClicked: tables.addFrom("qrc:/qml/user/user-group/UserGroupTable.qml", groupsTable)
    }

    OwnerTable {
        id: usersTable

        title: qsTr("Users")
        controller: GLOBAL.user
        nameRole: "sign"
        onAddClicked: tables.addFrom("qrc:/qml/user/user/UserTable.qml", usersTable)
    }
}
