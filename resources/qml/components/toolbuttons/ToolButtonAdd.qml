import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// Adds a record through the table's view; follows the create right.
ToolButtonBase {
    name: qsTr("Add")
    shortcutName: "Ctrl+N"
    fontIcon: FontAwesome.Plus
    fontBold: true
    iconColor: "green"
    enabled: table ? table.crud.crudcreate : true
    onClicked: {
        if (table)
            table.tableView.addAction();
    }
}
