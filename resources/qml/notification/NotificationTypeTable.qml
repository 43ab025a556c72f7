import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The kinds of notification, from the shared list: which are sent, and to which user groups and
// users.
NtFrame {
    id: root

    title: qsTr("Notification Types")

    NotificationType {
        id: notificationType
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "NotificationTypeTable"
        tables: [notificationTypeTable]
        frame: root

        Table {
            id: notificationTypeTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: notificationTypeView

                controller: notificationType
                editorUrl: "qrc:/qml/notification/NotificationTypeEditor.qml"

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: notificationTypeView.nameWidth }
                TableViewColumnEx { role: "code"; width: 160 }
                TableViewColumnEx { role: "enabled"; width: notificationTypeView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "groups"; width: 140 }
                TableViewColumnEx { role: "users"; width: 140 }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
