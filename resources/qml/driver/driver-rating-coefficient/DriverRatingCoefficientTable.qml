import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The coefficients that move a driver's rating: how many orders in sequence count and by how
// much. The list is shared by the class but asked for by this page.
NtFrame {
    id: root

    title: qsTr("Driver Rating Coefficients")

    DriverRatingCoefficient {
        id: coefficients

        useTrGetList: true
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "DriverRatingCoefficientTable"
        tables: [coefficientTable]
        frame: root

        Table {
            id: coefficientTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: coefficientView

                // The page's own request, with the read right, although the rows are shared.
                function getNewList() {
                    var proxy = coefficients.proxyModel;
                    if (!proxy || !root.checkSecurity(coefficients))
                        return false;
                    proxy.beginPrepare();
                    isListPending = true;
                    if (coefficients.trGetList({})) {
                        root.startBusy();
                        return true;
                    }
                    isListPending = false;
                    proxy.endPrepare();
                    return false;
                }

                function onSaListInfo(mapParams) {
                    if (String(mapParams["RECEIVER"]) === String(coefficients.objectNumber))
                        coefficients.originalModel.addRow(mapParams);
                }

                controller: coefficients
                editorUrl: "qrc:/qml/driver/driver-rating-coefficient/DriverRatingCoefficientEditor.qml"

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: coefficientView.nameWidth }
                TableViewColumnEx { role: "code"; width: 80 }
                TableViewColumnEx { role: "sequence"; width: 80; delegate: TableCenterDelegate {} }
                TableViewColumnEx { role: "value"; width: 80; delegate: TableNumDelegate {} }
                TableViewColumnEx { role: "description"; width: coefficientView.descriptionWidth }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
