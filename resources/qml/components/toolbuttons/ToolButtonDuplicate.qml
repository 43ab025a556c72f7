import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// Duplicates the current record; a click with Alt alone opens the duplicating editor instead.
ToolButtonBase {
    function runAction() {
        table.tableView.duplicateAction();
    }

    function runMultiAction() {
        table.tableView.duplicateMultiAction();
    }

    name: qsTr("Duplicate")
    shortcutName: "Ctrl+D"
    shortcutName2: "Ctrl+Alt+D"
    fontIcon: FontAwesome.Copy
    iconColor: "orange"
    enabled: table ? table.crud.crudduplicate && table.tableView.rowCount > 0 && table.tableView.currentRow >= 0
                   : false
    onClicked: {
        if (!table)
            return;
        if (DESKTOP_UTILS.modifiers === Qt.AltModifier)
            runMultiAction();
        else
            runAction();
    }
}
