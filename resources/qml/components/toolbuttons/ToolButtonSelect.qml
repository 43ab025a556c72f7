import QtQuick 2.15
import "../../js/fontawesome.js" as FontAwesome

// Hands the current row (or the selected rows) to the page's opener: shown while the page is
// open for selection.
ToolButtonBase {
    readonly property var page: typeof frameItem !== "undefined" ? frameItem : null
    readonly property var view: table ? table.tableView : null

    name: qsTr("Select")
    shortcutName: "Enter"
    fontIcon: FontAwesome.Check
    iconColor: "lightgreen"
    visible: !!page && !!view && (view.selectionStates.indexOf(page.state) >= 0
                                  || view.multiSelectionStates.indexOf(page.state) >= 0)
    enabled: !!view && view.rowCount > 0 && view.currentRow >= 0
    onClicked: view.doubleClickAction()
}
