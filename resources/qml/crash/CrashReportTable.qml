import QtQuick 2.15
import QtQuick.Dialogs 1.2
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// The crash reports that drivers' programs uploaded, over a period; the database of one of them
// can be saved as a file.
NtFrame {
    id: root

    // The database being saved, between its answer and the file dialog.
    property var database: null

    function downloadDatabase() {
        var row = crashView.currentRow;
        if (row < 0)
            return;
        crashReport.trGetDb({ "id": crashView.rowId(row) });
        startBusy();
    }

    // The chosen file gets the ending ".db"; a failed write says so.
    function saveDatabase(url) {
        var path = DESKTOP_UTILS.urlToPath(url);
        if (!path.endsWith(".db"))
            path += ".db";
        var saved = DESKTOP_UTILS.saveBinaryFile(path, database);
        database = null;
        if (!saved)
            Dialog.error(qsTr("Failed to save the database file %1").arg(path));
        return saved;
    }

    title: qsTr("Crash Reports")

    CrashReport {
        id: crashReport

        useTrGetList: true
        onSaGetDb: {
            if (String(mapParams["RECEIVER"]) !== String(objectNumber))
                return;
            root.stopBusy();
            if (String(mapParams["RES"]) === "0") {
                Errors.display(root, mapParams);
                return;
            }
            var bytes = DESKTOP_UTILS.fromBase64(String(mapParams["db"] || ""));
            if (bytes.byteLength === 0) {
                Dialog.info(qsTr("Database is absent or corrupted"));
                return;
            }
            root.database = bytes;
            saveDialog.open();
        }
    }

    FileDialog {
        id: saveDialog

        title: qsTr("Save Database File")
        nameFilters: [qsTr("Database files (*.db)")]
        selectExisting: false
        onAccepted: root.saveDatabase(fileUrl)
        onRejected: root.database = null
    }

    TableContainer {
        id: container

        function restoreFilters(settings) {
            if (root.isGuiSessionMode)
                period.restore(settings["time"]);
        }

        function storeFilters(settings) {
            if (root.isGuiSessionMode)
                settings["time"] = period.settings();
        }

        anchors.fill: parent
        objectsSettingName: "crashReportTable"
        tables: [crashTable]
        frame: root

        Table {
            id: crashTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonExcel { objectName: "excelButton" }
                ToolButtonBase {
                    objectName: "downloadButton"
                    name: qsTr("Download Database")
                    fontIcon: FontAwesome.Download
                    enabled: crashView.rowCount > 0 && crashView.currentRow >= 0
                    onClicked: root.downloadDatabase()
                }
            }
            filterToolBar: RowFilterToolBar {
                StartEndDateTime {
                    id: period

                    objectName: "period"
                    onChangeFinished: container.reload()
                }
            }
            tableView: TableViewBase {
                id: crashView

                function listParams() {
                    return { "dt_utc_insert_start": period.startUtcMsec(), "dt_utc_insert_end": period.endUtcMsec() };
                }

                controller: crashReport

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "sign"; width: crashView.nameWidth }
                TableViewColumnEx { role: "last_name"; width: crashView.nameWidth }
                TableViewColumnEx { role: "first_name"; width: crashView.nameWidth }
                TableViewColumnEx { role: "middle_name"; width: crashView.nameWidth }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
