import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
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
import "qrc:/qml/js/inner-codes/notification/code.js" as NotificationCodes

// The operator's notifications, from the shared list: opened from the tool bar's bell. Several
// may be marked read or removed at once.
NtFrame {
    id: root

    // Notifications being marked read: id -> "lock" while the lock is asked, "update" while the
    // read mark is on its way.
    property var marking: ({})
    // The ids of the removal on its way; empty when none is.
    property var removing: []

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function isOwn(mapParams) {
        return textOf(mapParams["RECEIVER"]) === String(notification.objectNumber);
    }

    // The selected rows (the current one when none is selected) as {id, isReaded}.
    function selectedRows() {
        var rows = [];
        notificationView.selection.forEach(function (row) { rows.push(row); });
        if (rows.length === 0 && notificationView.currentRow >= 0)
            rows.push(notificationView.currentRow);
        var result = [];
        for (var i = 0; i < rows.length; ++i) {
            var id = textOf(notificationView.model.data(rows[i], "id"));
            if (/^\d+$/.test(id))
                result.push({ "id": id, "isReaded": textOf(notificationView.model.data(rows[i], "is_readed")) === "1" });
        }
        return result;
    }

    // Each unread notification of the selection: lock, then the read mark once the lock is
    // granted, then unlock once the mark is answered.
    function markRead() {
        var rows = selectedRows();
        var pending = marking;
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].isReaded || pending[rows[i].id] !== undefined)
                continue;
            pending[rows[i].id] = "lock";
            notification.trLock({ "id": rows[i].id });
        }
        marking = pending;
    }

    function finishMark(id) {
        var pending = marking;
        delete pending[id];
        marking = pending;
    }

    function onMarkLock(mapParams) {
        var id = textOf(mapParams["id"]);
        if (!isOwn(mapParams) || marking[id] !== "lock")
            return;
        if (textOf(mapParams["RES"]) !== "10") {
            finishMark(id);
            Errors.display(root, mapParams);
            return;
        }
        var pending = marking;
        pending[id] = "update";
        marking = pending;
        notification.trUpdate({ "id": id, "is_readed": "1" });
    }

    function onMarkUpdate(mapParams) {
        var id = textOf(mapParams["id"]);
        if (!isOwn(mapParams) || marking[id] !== "update")
            return;
        finishMark(id);
        notification.trUnlock({ "id": id });
        if (textOf(mapParams["RES"]) !== "10") {
            Errors.display(root, mapParams);
            return;
        }
        notification.originalModel.updateValue(id, "is_readed", "1");
        GLOBAL.notification.updateUnreadCounter();
    }

    // The selection goes in one request; only the ids sent leave the list, once it is done.
    function removeSelected() {
        if (removing.length > 0)
            return;
        var rows = selectedRows();
        if (rows.length === 0)
            return;
        var ids = [];
        for (var i = 0; i < rows.length; ++i)
            ids.push(rows[i].id);
        var question = ids.length > 1 ? Dialog.deleteRows() : Dialog.deleteRow();
        if (!question)
            return;
        question.yes.connect(function () {
            if (removing.length > 0)
                return;
            removing = ids;
            // The ids as JSON numbers, written out: a 64-bit id would lose digits as a number here.
            notification.trBatchRemove({ "id": "[" + ids.join(",") + "]" });
            root.startBusy();
        });
    }

    function onBatchRemove(mapParams) {
        if (!isOwn(mapParams) || removing.length === 0)
            return;
        var ids = removing;
        removing = [];
        root.stopBusy();
        if (textOf(mapParams["RES"]) !== "10") {
            Errors.display(root, mapParams, NotificationCodes.code);
            return;
        }
        for (var i = 0; i < ids.length; ++i)
            notification.originalModel.delRow(ids[i]);
        GLOBAL.notification.updateUnreadCounter();
        Dialog.toast(qsTr("Notifications successfully deleted"), { "theme": Enums.ToastGreen });
    }

    title: qsTr("Notifications")

    Notification {
        id: notification

        onSaLock: root.onMarkLock(mapParams)
        onSaUpdate: root.onMarkUpdate(mapParams)
        onSaBatchRemove: root.onBatchRemove(mapParams)
    }

    TableContainer {
        anchors.fill: parent
        objectsSettingName: "NotificationTable"
        tables: [notificationTable]
        frame: root

        Table {
            id: notificationTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonEdit { objectName: "editButton"; isEditable: false }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
                ToolButtonBase {
                    objectName: "markReadButton"
                    name: qsTr("Mark As Readed")
                    fontIcon: FontAwesome.Check
                    iconColor: "lightgreen"
                    enabled: notificationTable.crud.crudupdate && notificationView.rowCount > 0
                             && notificationView.currentRow >= 0
                    onClicked: root.markRead()
                }
            }
            tableView: TableViewBase {
                id: notificationView

                function deleteAction() {
                    root.removeSelected();
                }

                controller: notification
                editorUrl: "qrc:/qml/notification/NotificationEditor-%1.qml".arg(APP_HOST)
                selectionMode: Controls1.SelectionMode.ExtendedSelection

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "name"; width: notificationView.nameWidth }
                TableViewColumnEx { role: "context"; width: 120 }
                TableViewColumnEx { role: "value"; width: 250 }
                TableViewColumnEx { role: "is_readed"; width: notificationView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "is_completed"; width: notificationView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
