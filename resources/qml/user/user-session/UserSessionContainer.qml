import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/fontawesome.js" as FontAwesome
import "qrc:/qml/js/utils.js" as Utils

// User sessions (connections) over a period, all of them or only the closed or the open ones, of
// every user or of one (the user editor's tab). A user's open sessions can be closed from here.
// Once the first list has arrived it follows the server every ten seconds; a session that no
// longer matches the closed/open choice leaves the list.
TableContainer {
    id: container

    // The user whose sessions show; "1": every user.
    property string rst_id_owner: "1"
    property bool inEditor: false
    property alias sessions: sessions
    property alias tableView: sessionView
    property alias closedButton: closedButton
    property alias unclosedButton: unclosedButton
    property alias period: period
    property bool isShown: !inEditor
    property bool firstListArrived: false
    readonly property bool hasOwner: rst_id_owner !== "1" && rst_id_owner !== ""

    // First show in the user editor: the page starts then, without saved settings.
    function loadData() {
        isShown = true;
        sessionView.forceActiveFocus();
        if (!isSettingsReady && !frame)
            readySettings({});
        else if (isInited)
            loadLists();
    }

    // The list's conditions: the user, the period and, with the toggles, closed or open.
    function condition(withToggles) {
        var request = Utils.createJSONRequest();
        if (hasOwner)
            request.addExpr("rst_id_owner", "=", rst_id_owner);
        if (withToggles && unclosedButton.checked)
            request.addExpr("dt_end", "=", "0");
        else if (withToggles && closedButton.checked)
            request.addExpr("dt_end", "!=", "0");
        request.addExpr("dt_utc_insert", ">=", period.startUtcMsec());
        request.addExpr("dt_utc_insert", "<=", period.endUtcMsec());
        return request.commit();
    }

    // The timer and the pushes reload without the toggles: a session closed meanwhile comes
    // back and is dropped by isShownRow.
    function loadLists() {
        if (isShown && sessionView.getNewList())
            sessions.setTrGetListParams(condition(false));
    }

    // Closed and unclosed exclude each other; the list loads once for each choice.
    function toggled(button, other) {
        if (button.checked && other.checked)
            other.checked = false;
        else
            reload();
    }

    function isShownRow(row) {
        var open = String(row["dt_end"]) === "0";
        return !(closedButton.checked && open) && !(unclosedButton.checked && !open);
    }

    function currentOwner() {
        return sessionView.currentRow < 0 ? "" : String(sessionView.model.data(sessionView.currentRow, "rst_id_owner"));
    }

    function closeSession() {
        var owner = currentOwner();
        if (owner === "" || owner === "undefined")
            return;
        var question = Dialog.question(qsTr("Confirm closing session"));
        if (!question)
            return;
        question.yes.connect(function () {
            if (sessions.trClose({ "rst_id_owner": owner }) && typeof frameItem !== "undefined" && frameItem)
                frameItem.startBusy();
        });
    }

    function openUser() {
        var owner = currentOwner();
        if (owner === "" || owner === "1" || owner === "undefined")
            return null;
        var properties = sessionView.prepareProperties();
        properties["id"] = owner;
        properties["state"] = "EDIT";
        return GLOBAL.createQmlFrame("qrc:/qml/user/user/UserEditor.qml", properties);
    }

    function restoreFilters(settings) {
        if (typeof frameItem !== "undefined" && frameItem && frameItem.isGuiSessionMode)
            period.restore(settings["time"]);
    }

    function storeFilters(settings) {
        if (typeof frameItem !== "undefined" && frameItem && frameItem.isGuiSessionMode)
            settings["time"] = period.settings();
    }

    objectsSettingName: "UserSessionTable"
    tables: [sessionTable]

    UserSession {
        id: sessions

        useTrGetList: true
        autoUpdate: container.firstListArrived
        autoUpdateInterval: 10
        onSaGetList: {
            if (String(mapParams["RECEIVER"]) === String(objectNumber) && String(mapParams["STATE"]) === "end")
                container.firstListArrived = true;
        }
        onSaClose: {
            if (String(mapParams["RECEIVER"]) !== String(objectNumber))
                return;
            if (typeof frameItem !== "undefined" && frameItem)
                frameItem.stopBusy();
            // The sessions closed show as closed: the server tells only the other clients.
            if (String(mapParams["RES"]) === "10")
                container.reload();
            else
                Errors.display(sessionView, mapParams);
        }
    }

    Table {
        id: sessionTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonRemove { objectName: "removeButton" }
            ToolButtonExcel { objectName: "excelButton" }
            ToolButtonBase {
                objectName: "closeSessionButton"
                name: qsTr("Close session")
                fontIcon: FontAwesome.Remove
                enabled: sessionView.rowCount > 0 && sessionView.currentRow >= 0
                onClicked: container.closeSession()
            }
            ToolButtonBase {
                objectName: "userButton"
                name: qsTr("User")
                fontIcon: FontAwesome.User
                visible: !container.hasOwner
                enabled: sessionView.rowCount > 0 && sessionView.currentRow >= 0
                onClicked: container.openUser()
            }
        }
        filterToolBar: RowFilterToolBar {
            ShortcutButton {
                id: closedButton

                objectName: "closedButton"
                name: qsTr("Closed")
                shortcut: "Ctrl+1"
                settingsName: "closed"
                onCheckedChanged: container.toggled(closedButton, unclosedButton)
            }
            ShortcutButton {
                id: unclosedButton

                objectName: "unclosedButton"
                name: qsTr("Unclosed")
                shortcut: "Ctrl+2"
                settingsName: "unclosed"
                onCheckedChanged: container.toggled(unclosedButton, closedButton)
            }
            StartEndDateTime {
                id: period

                objectName: "period"
                onChangeFinished: container.reload()
            }
        }
        tableView: TableViewBase {
            id: sessionView

            function listParams() {
                return container.condition(true);
            }

            // Rows of this list only, and only those of the chosen kind.
            function onSaListInfo(mapParams) {
                if (String(mapParams["RECEIVER"]) !== String(sessions.objectNumber))
                    return;
                if (container.isShownRow(mapParams))
                    sessions.originalModel.addRow(mapParams);
                else
                    sessions.originalModel.delRow(String(mapParams["id"]));
            }

            controller: sessions
            isConditionList: true
            editorUrl: "qrc:/qml/user/user-session/UserSessionEditor.qml"

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "sign"; width: 80 }
            TableViewColumnEx { role: "dt_start"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "dt_end"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "duration"; width: 80; delegate: TableDurationDelegate {} }
            TableViewColumnEx { role: "version"; width: 80 }
            TableViewColumnEx { role: "os"; width: 90 }
            TableViewColumnEx { role: "build_abi"; width: 90 }
            TableViewColumnEx { role: "ip"; width: 80 }
            TableViewColumnEx { role: "port"; width: 80 }
            TableViewColumnEx { role: "type_close_string"; width: 160 }
            TableViewColumnEx { role: "note"; width: 160 }
            TableViewColumnEx { role: "dt_last_sync"; width: 120; delegate: TableDateDelegate {} }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
