import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome
import "../../js/utils.js" as Utils

// Exports the table's visible columns to a workbook.
ToolButtonBase {
    name: qsTr("Export to Excel")
    fontIcon: FontAwesome.Table
    fontBold: true
    iconColor: "lightblue"
    enabled: table ? table.tableView.rowCount > 0 : false
    onClicked: {
        if (table)
            DESKTOP_UTILS.writeToExcel(Utils.prepareExportData(table));
    }
}
