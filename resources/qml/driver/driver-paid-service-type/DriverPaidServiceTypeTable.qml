import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/enums.js" as Enums
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/fontawesome.js" as FontAwesome
import "qrc:/qml/js/inner-codes/driver-paid-service-type/code.js" as InnerCode

// The services the platform charges drivers for, from the shared list without its placeholder;
// also the paid service type picker. Applying a type charges its price to every driver who uses
// it.
NtFrame {
    id: root

    // Charges the current type's price to its drivers, once the operator confirms.
    function applyService() {
        var row = typeView.currentRow;
        if (row < 0)
            return null;
        var id = String(typeView.rowId(row));
        var question = Dialog.question(qsTr("Are you sure to change balance?"));
        if (question) {
            question.yes.connect(function () {
                types.trImplementPaidService({ "id": id });
                root.startBusy();
            });
        }
        return question;
    }

    title: qsTr("Driver Paid Service Types")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" }
    ]
    state: "VIEW"

    DriverPaidServiceType {
        id: types

        onSaImplementPaidService: {
            if (String(mapParams["RECEIVER"]) !== String(objectNumber))
                return;
            root.stopBusy();
            if (String(mapParams["RES"]) === "10")
                Dialog.toast(qsTr("Implement service successfully"), { "theme": Enums.ToastGreen });
            else
                Errors.display(root, mapParams, InnerCode.code);
        }
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "DriverPaidServiceTypeTable"
        tables: [typeTable]
        frame: root

        Table {
            id: typeTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
                ToolButtonBase {
                    objectName: "applyButton"
                    name: qsTr("Apply paid service")
                    fontIcon: FontAwesome.Check
                    enabled: typeView.rowCount > 0 && typeView.currentRow >= 0
                    onClicked: root.applyService()
                }
            }
            tableView: TableViewBase {
                id: typeView

                controller: types
                editorUrl: "qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml"
                hardFilters: [["id", "!=", "1"]]
                selectionRoles: ({ "rst_id_pst": "id" })

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "company_name"; width: 120 }
                TableViewColumnEx { role: "name"; width: typeView.nameWidth }
                TableViewColumnEx { role: "price"; width: 120; delegate: TablePriceDelegate {} }
                TableViewColumnEx { role: "enabled"; width: typeView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "inner_note"; width: typeView.descriptionWidth }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
