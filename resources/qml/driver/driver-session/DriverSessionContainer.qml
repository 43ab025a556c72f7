import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// Driver sessions, of every driver or of one (the driver editor's tab). Outside the driver
// editor the list follows the server every ten seconds.
SessionContainer {
    id: container

    property alias tableView: sessionList

    function openDriver() {
        return openOwner("qrc:/qml/driver/driver/DriverEditor.qml");
    }

    sessions: driverSessions
    sessionView: sessionList
    objectsSettingName: "DriverSessionTable"
    tables: [sessionTable]

    DriverSession {
        id: driverSessions

        useTrGetList: true
        // From the first list on: before it the timer would know no filter.
        autoUpdate: !container.inEditor && container.isInited
        autoUpdateInterval: 10
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
                objectName: "driverButton"
                name: qsTr("Driver")
                fontIcon: FontAwesome.User
                visible: !container.hasOwner
                enabled: container.hasCurrentRow
                onClicked: container.openDriver()
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

            controller: driverSessions
            isConditionList: true

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "sign"; width: 50 }
            TableViewColumnEx { role: "dt_start"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "dt_end"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "duration"; width: 80; delegate: TableDurationDelegate {} }
            TableViewColumnEx { role: "version"; width: 60 }
            TableViewColumnEx { role: "os"; width: 170; delegate: TableBaseDelegate { elide: Text.ElideMiddle } }
            TableViewColumnEx { role: "build_abi"; width: 40 }
            TableViewColumnEx { role: "ip"; width: 140 }
            TableViewColumnEx { role: "port"; width: 60 }
            TableViewColumnEx { role: "type_close_string"; width: 60 }
            TableViewColumnEx { role: "note"; width: 40 }
            TableViewColumnEx { role: "dt_last_sync"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
