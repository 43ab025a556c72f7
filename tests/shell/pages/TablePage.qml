import QtQuick 2.15
import "qrc:/qml/components"
import Koriv.Shell 1.0

// A list page as the status bar sees it: its table container names the table whose rows are
// counted, and that table's view its controller.
NtFrame {
    id: page

    property alias view: tableView
    // Where the operator types besides the table: a filter, say.
    property alias filter: container

    title: "Rows"
    tableContainer: container

    Item {
        id: container

        property QtObject tableForRowCount: QtObject {
            property Item tableView: tableView
        }
    }

    Item {
        id: tableView

        property var controller: rows
        property int rowCount: 3

        signal tableRowCountChanged(int rowCount)

        anchors.fill: parent
    }

    TestRows {
        id: rows
    }
}
