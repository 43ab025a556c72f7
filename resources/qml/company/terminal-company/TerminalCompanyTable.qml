import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The accounts of payment terminals. Their signs are unique, so a copy is made in the editor,
// where it gets a sign of its own.
NtFrame {
    id: root

    property alias terminalCompany: terminalCompany
    property alias tableView: terminalView

    title: qsTr("Terminal Companies")

    TerminalCompany {
        id: terminalCompany

        useTrGetList: true
    }

    TableContainer {
        anchors.fill: parent
        frame: root
        objectsSettingName: "terminalCompanyTable"
        tables: [terminalTable]

        Table {
            id: terminalTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonDuplicate { objectName: "duplicateButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: terminalView

                controller: terminalCompany
                editorUrl: "qrc:/qml/company/terminal-company/TerminalCompanyEditor.qml"
                duplicateInEditor: true

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "sign"; width: 140 }
                TableViewColumnEx { role: "blocked"; width: 60; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "inner_note"; width: 160; delegate: TableMultilineDelegate {} }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
