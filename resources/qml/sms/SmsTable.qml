import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The texts of the SMS that the platform sends.
NtFrame {
    id: root

    title: qsTr("SMS Control")

    Sms {
        id: sms

        useTrGetList: true
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "SmsTable"
        tables: [smsTable]
        frame: root

        Table {
            id: smsTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: smsView

                controller: sms
                editorUrl: "qrc:/qml/sms/SmsEditor.qml"

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: smsView.nameWidth }
                TableViewColumnEx { role: "use"; width: smsView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "code" }
                TableViewColumnEx { role: "value"; width: 150 }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
