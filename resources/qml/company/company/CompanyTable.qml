import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The companies with their balances, kept current by the timer. Opened for selection it hands
// back the chosen company (SELECT) or the chosen companies of a report (REPORT).
NtFrame {
    id: root

    property alias company: company
    property alias tableView: companyView

    title: qsTr("Companies")
    state: "VIEW"
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" },
        State { name: "REPORT" }
    ]

    Company {
        id: company

        useTrGetList: true
        autoUpdate: true
        autoUpdateInterval: 10
    }

    TableContainer {
        anchors.fill: parent
        frame: root
        objectsSettingName: "CompanyTable"
        tables: [companyTable]

        Table {
            id: companyTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: companyView

                controller: company
                editorUrl: "qrc:/qml/company/company/CompanyEditor.qml"
                selectionStates: ["SELECT"]
                multiSelectionStates: ["REPORT"]
                selectionRoles: root.state === "REPORT" ? ({ "id": "id", "sign": "company_name" })
                                                        : ({ "rst_id_company": "id", "company_name": "company_name" })
                selectionMode: root.state === "REPORT" ? Controls1.SelectionMode.ExtendedSelection
                                                       : Controls1.SelectionMode.SingleSelection

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "company_name"; width: 140 }
                TableViewColumnEx { role: "balance"; width: 100; delegate: TablePriceDelegate { posNegColor: true } }
                TableViewColumnEx { role: "lost_profit"; delegate: TablePriceDelegate {} }
                TableViewColumnEx { role: "is_system"; delegate: TableYesIconDelegate {} }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
