import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// The saved GUI sessions of one user (a tab of the user editor); "Apply" makes the shell
// switch to the chosen one.
TableContainer {
    id: container

    property string rst_id_owner: "1"
    isShown: false
    property alias sessionView: sessionView

    function loadData() {
        startShown(null);
    }

    function loadLists() {
        if (isShown)
            sessionView.getNewList();
    }

    objectsSettingName: "UserGuiSessionTable"
    tables: [sessionTable]
    onRst_id_ownerChanged: reload()

    UserGuiSession {
        id: guiSessions

        useTrGetList: true
    }

    Table {
        id: sessionTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonAdd { objectName: "addButton" }
            ToolButtonEdit { objectName: "editButton" }
            ToolButtonRemove { objectName: "removeButton" }
            ToolButtonDuplicate { objectName: "duplicateButton" }
            ToolButtonBase {
                objectName: "applyButton"
                name: qsTr("Apply")
                fontIcon: FontAwesome.Check
                enabled: sessionView.rowCount > 0 && sessionView.currentRow >= 0
                onClicked: GLOBAL.guiSession.switchCurrent(Number(sessionView.rowId(sessionView.currentRow)))
            }
            ToolButtonExcel { objectName: "excelButton" }
        }
        tableView: TableViewBase {
            id: sessionView

            function listParams() {
                return { "rst_id_owner": container.rst_id_owner };
            }

            function updateProperties(properties) {
                properties["rst_id_owner"] = container.rst_id_owner;
            }

            controller: guiSessions
            editorUrl: "qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml"

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "name"; width: 80 }
            TableViewColumnEx { role: "is_default"; width: 60; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "auto_save"; width: 60; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "note"; width: sessionView.descriptionWidth }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
