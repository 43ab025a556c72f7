import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// Removes the current record through the table's view; follows the delete right.
ToolButtonBase {
    name: qsTr("Remove")
    shortcutName: "Ctrl+R"
    fontIcon: FontAwesome.Remove
    fontBold: true
    iconColor: "red"
    enabled: table ? table.crud.cruddelete && table.tableView.rowCount > 0 && table.tableView.currentRow >= 0
                   : true
    onClicked: {
        if (table)
            table.tableView.deleteAction();
    }
}
