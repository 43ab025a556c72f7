import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// Opens the current record's editor; "View" when the update right is not granted.
ToolButtonBase {
    // A page whose editor only shows the record sets it false.
    property bool isEditable: table ? table.crud.crudupdate : true
    property bool catchEnter: true

    name: isEditable ? qsTr("Edit") : qsTr("View")
    shortcutName: "Ctrl+E"
    fontIcon: isEditable ? FontAwesome.Edit : FontAwesome.EyeOpen
    iconColor: "yellow"
    enabled: table ? table.crud.crudread && table.tableView.rowCount > 0 && table.tableView.currentRow >= 0
                   : false
    onClicked: {
        if (table)
            table.tableView.editAction();
    }
}
