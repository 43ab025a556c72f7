import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"

// The rating changes of one driver, given by clients, by the system or both, in a period.
NtFrame {
    id: root

    property string rst_id_driver: "1"
    property alias ratingLog: ratingLog
    property alias tableView: logView
    property alias sourceBox: sourceBox
    property alias period: period

    title: qsTr("Driver Rating Log")

    DriverRatingLog {
        id: ratingLog

        useTrGetList: true
    }

    TableContainer {
        id: container

        function restoreFilters(settings) {
            var index = Number(settings["system"]);
            sourceBox.currentIndex = index >= 0 && index < sourceBox.count ? index : 0;
            if (root.isGuiSessionMode)
                period.restore(settings["time"]);
        }

        function storeFilters(settings) {
            settings["system"] = sourceBox.currentIndex;
            if (root.isGuiSessionMode)
                settings["time"] = period.settings();
        }

        anchors.fill: parent
        frame: root
        objectsSettingName: "driverRatingLogTable"
        tables: [logTable]

        Table {
            id: logTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonExcel { objectName: "excelButton" }
            }
            filterToolBar: RowFilterToolBar {
                ComboBoxEx {
                    id: sourceBox

                    objectName: "sourceBox"
                    width: 160
                    model: [qsTr("All"), qsTr("Client"), qsTr("System")]
                    onActivated: container.reload()
                }
                StartEndDateTime {
                    id: period

                    objectName: "period"
                    onChangeFinished: container.reload()
                }
            }
            tableView: TableViewBase {
                id: logView

                // "is_system": "0" for clients, "1" for the system, none for both.
                function listParams() {
                    var params = { "rst_id_driver": root.rst_id_driver };
                    if (sourceBox.currentIndex > 0)
                        params["is_system"] = sourceBox.currentIndex === 2 ? "1" : "0";
                    params["dt_utc_insert_start"] = period.startUtcMsec();
                    params["dt_utc_insert_end"] = period.endUtcMsec();
                    return params;
                }

                controller: ratingLog

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "sign"; width: 140 }
                TableViewColumnEx { role: "rating"; delegate: TableCenterDelegate {} }
                TableViewColumnEx { role: "average_rating"; delegate: TableNumDelegate {} }
                TableViewColumnEx { role: "delta"; delegate: TableNumDelegate {} }
                TableViewColumnEx { role: "identifier_client" }
                TableViewColumnEx { role: "company_name_client" }
                TableViewColumnEx { role: "note" }
                TableViewColumnEx { role: "is_system"; delegate: TableYesIconDelegate {} }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
