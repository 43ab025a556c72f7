import QtQuick 2.15
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"

// A shared catalogue's list page: the class-wide companies, there before the page is.
NtFrame {
    id: frame

    property alias view: companyView

    objectsSettingName: "companyCells"

    KitCompany {
        id: companies
    }

    TableContainer {
        anchors.fill: parent
        frame: frame
        objectsSettingName: "companyContainer"
        tables: [companyTable]

        Table {
            id: companyTable

            anchors.fill: parent
            tableView: TableViewBase {
                id: companyView

                controller: companies

                TableViewColumnId {}
                TableViewColumnEx { role: "company_name"; width: 160 }
                TableViewColumnEx { role: "sign"; width: 100 }
                TableViewColumnEx { role: "company_code"; width: 100 }
                TableViewColumnEx { role: "inner_note"; width: 200 }
                TableViewColumnEx { role: "balance"; width: 100; delegate: TableNumDelegate { precision: 2 } }
                TableViewColumnInsertTime {}
            }
        }
    }
}
