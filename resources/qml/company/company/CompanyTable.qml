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
    readonly property bool isSelecting: state === "SELECT" || state === "REPORT"

    function loadList() {
        if (!checkSecurity(company))
            return;
        company.proxyModel.beginPrepare();
        company.trGetList();
        startBusy();
    }

    function chosenCompanies() {
        var chosen = [];
        var proxy = company.proxyModel;
        companyView.selection.forEach(function (row) {
            chosen.push({ "id": proxy.data(row, "id"), "sign": proxy.data(row, "company_name") });
        });
        return chosen;
    }

    function choose() {
        var row = companyView.currentRow;
        if (state === "REPORT") {
            select(chosenCompanies());
        } else {
            if (row < 0)
                return;
            select({ "rst_id_company": company.proxyModel.data(row, "id"),
                     "company_name": company.proxyModel.data(row, "company_name") });
        }
        closed();
    }

    title: qsTr("Companies")
    state: "VIEW"
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" },
        State { name: "REPORT" }
    ]
    Component.onCompleted: loadList()

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
                ToolButtonBase {
                    objectName: "selectButton"
                    name: qsTr("Select")
                    shortcutName: "Enter"
                    visible: root.isSelecting
                    enabled: companyView.currentRow >= 0
                    onClicked: companyView.doubleClickAction()
                }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: companyView

                function doubleClickAction() {
                    if (root.isSelecting)
                        root.choose();
                    else
                        editAction();
                }

                function onSaGetList(mapParams) {
                    if (String(mapParams["STATE"]) === "end" && company.proxyModel.isPrepareMode)
                        company.proxyModel.endPrepare();
                }

                controller: company
                editorUrl: "qrc:/qml/company/company/CompanyEditor.qml"
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
