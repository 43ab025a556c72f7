import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// User sessions (connections), of every user or of one (the user editor's tab). Once the first
// list has arrived it follows the server every ten seconds.
SessionContainer {
    id: container

    property alias tableView: sessionList
    property bool firstListArrived: false

    function openUser() {
        return openOwner("qrc:/qml/user/user/UserEditor.qml");
    }

    sessions: userSessions
    sessionView: sessionList
    objectsSettingName: "UserSessionTable"
    tables: [sessionTable]

    UserSession {
        id: userSessions

        useTrGetList: true
        autoUpdate: container.firstListArrived
        autoUpdateInterval: 10
        onSaGetList: {
            if (String(mapParams["RECEIVER"]) === String(objectNumber) && String(mapParams["STATE"]) === "end")
                container.firstListArrived = true;
        }
    }

    Table {
        id: sessionTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonRemove { objectName: "removeButton" }
            ToolButtonExcel { objectName: "excelButton" }
            ToolButtonBase {
                objectName: "closeSessionButton"
                name: qsTr("Close session")
                fontIcon: FontAwesome.Remove
                enabled: container.hasCurrentRow
                onClicked: container.closeSession()
            }
            ToolButtonBase {
                objectName: "userButton"
                name: qsTr("User")
                fontIcon: FontAwesome.User
                visible: !container.hasOwner
                enabled: container.hasCurrentRow
                onClicked: container.openUser()
            }
        }
        filterToolBar: container.filterBar
        tableView: TableViewBase {
            id: sessionList

            function listParams() {
                return container.condition(true);
            }

            function onSaListInfo(mapParams) {
                container.listInfo(mapParams);
            }

            controller: userSessions
            isConditionList: true
            editorUrl: "qrc:/qml/user/user-session/UserSessionEditor.qml"

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "sign"; width: 80 }
            TableViewColumnEx { role: "dt_start"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "dt_end"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "duration"; width: 80; delegate: TableDurationDelegate {} }
            TableViewColumnEx { role: "version"; width: 80 }
            TableViewColumnEx { role: "os"; width: 90 }
            TableViewColumnEx { role: "build_abi"; width: 90 }
            TableViewColumnEx { role: "ip"; width: 80 }
            TableViewColumnEx { role: "port"; width: 80 }
            TableViewColumnEx { role: "type_close_string"; width: 160 }
            TableViewColumnEx { role: "note"; width: 160 }
            TableViewColumnEx { role: "dt_last_sync"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
