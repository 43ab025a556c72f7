import QtQuick 2.15
import "../../js/dialog.js" as Dialog
import "../../js/enums.js" as Enums
import "../../js/fontawesome.js" as FontAwesome
import "../../js/utils.js" as Utils

// Exports the table's visible columns to a workbook, and says where it went or why it did not.
ToolButtonBase {
    id: button

    // The notice of DESKTOP_UTILS.writeToExcel's answer: a green toast naming the file it opened;
    // a warning whose path can be copied when the system could not open it or texts were cut to
    // what a cell holds; the reason when it was not written.
    function tell(result) {
        var cut = result && result.cut > 0
                ? "\n\n" + qsTr("Cells whose text was longer than a workbook cell holds, cut to 32,767 characters ending in \"…\": %1").arg(result.cut)
                : "";
        if (!result || !result.written) {
            QWIDGET_CREATOR.message(2, qsTr("The table could not be exported:\n%1")
                                       .arg(result ? result.error : ""), table);
        } else if (!result.opened) {
            QWIDGET_CREATOR.message(1, qsTr("The table was exported to:\n%1\n\nThe system could not open it: open the file from that folder.")
                                       .arg(result.path) + cut, table);
        } else if (cut !== "") {
            QWIDGET_CREATOR.message(1, qsTr("The table was exported to:\n%1").arg(result.path) + cut, table);
        } else {
            var window = typeof parentWindow !== "undefined" && parentWindow ? parentWindow : mainWindow;
            Dialog.toast(qsTr("The table was exported to:\n%1").arg(result.path),
                         { "theme": Enums.ToastGreen, "parentWindow": window });
        }
    }

    name: qsTr("Export to Excel")
    fontIcon: FontAwesome.Table
    fontBold: true
    iconColor: "lightblue"
    enabled: table ? table.tableView.rowCount > 0 : false
    onClicked: {
        if (table)
            tell(DESKTOP_UTILS.writeToExcel(Utils.prepareExportData(table)));
    }
}
