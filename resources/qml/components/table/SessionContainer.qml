import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/text"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/utils.js" as Utils

// Sessions over a period, all of them or only the closed or the open ones, of every owner or of
// one (the owner editor's tab); an owner's open session can be closed from here. A session that
// no longer matches the closed/open choice leaves the list. The page gives the controller
// (sessions), its view (sessionView, whose listParams and onSaListInfo call condition(true) and
// listInfo here) and its table with filterToolBar: filterBar.
TableContainer {
    id: container

    // The owner whose sessions show; "1": every owner.
    property string rst_id_owner: "1"
    property bool inEditor: false
    property var sessions: null
    property var sessionView: null
    property alias filterBar: filterBar
    property alias closedButton: closedButton
    property alias unclosedButton: unclosedButton
    property alias period: period
    isShown: !inEditor
    readonly property bool hasOwner: rst_id_owner !== "1" && rst_id_owner !== ""
    readonly property bool hasCurrentRow: sessionView !== null && sessionView.rowCount > 0 && sessionView.currentRow >= 0

    // First show in the owner's editor: the page starts then, without saved settings.
    function loadData() {
        startShown(sessionView);
    }

    // The list's conditions: the owner, the period and, with the toggles, closed or open.
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

    // Rows of this list only, and only those of the chosen kind.
    function listInfo(mapParams) {
        if (String(mapParams["RECEIVER"]) !== String(sessions.objectNumber))
            return;
        if (isShownRow(mapParams))
            sessions.originalModel.addRow(mapParams);
        else
            sessions.originalModel.delRow(String(mapParams["id"]));
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

    // The current row's owner in its editor (url).
    function openOwner(url) {
        var owner = currentOwner();
        if (owner === "" || owner === "1" || owner === "undefined")
            return null;
        var properties = sessionView.prepareProperties();
        properties["id"] = owner;
        properties["state"] = "EDIT";
        return GLOBAL.createQmlFrame(url, properties);
    }

    function restoreFilters(settings) {
        if (typeof frameItem !== "undefined" && frameItem && frameItem.isGuiSessionMode)
            period.restore(settings["time"]);
    }

    function storeFilters(settings) {
        if (typeof frameItem !== "undefined" && frameItem && frameItem.isGuiSessionMode)
            settings["time"] = period.settings();
    }

    Connections {
        target: container.sessions

        function onSaClose(mapParams) {
            if (String(mapParams["RECEIVER"]) !== String(container.sessions.objectNumber))
                return;
            if (typeof frameItem !== "undefined" && frameItem)
                frameItem.stopBusy();
            // The sessions closed show as closed: the server tells only the other clients.
            if (String(mapParams["RES"]) === "10")
                container.reload();
            else
                Errors.display(container.sessionView, mapParams);
        }
    }

    RowFilterToolBar {
        id: filterBar

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
}
