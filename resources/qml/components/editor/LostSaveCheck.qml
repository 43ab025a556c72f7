import QtQuick 2.15
import "../../js/dialog.js" as Dialog
import "../../js/lostsave.js" as LostSave

// A save of the editor whose answer was lost with the connection: its outcome is unknown, so no
// second save is advised. Once the session is open again the server is asked what it holds (the
// record read back for an update, records stored since the send looked for after a create or a
// copy), and the operator is told whether the data was saved.
Item {
    id: check

    property var owner: null
    // The save without answer: "action", "params", "sentAt"; null while none is unknown.
    property var edit: null
    property bool isChecking: false
    readonly property bool isUnknown: edit !== null
    // How long before the send a record found may have been stored (the clocks' differences).
    property int insertMargin: 60000
    // Read by the dialog script.
    readonly property var parentWindow: owner ? owner.parentWindow : null

    function form() {
        return owner ? owner.form : null;
    }

    function controller() {
        return form() ? form().controller : null;
    }

    // Takes the editor's save that has no answer; false when there is none.
    function take() {
        var c = controller();
        var found = c ? c.unansweredEdit() : null;
        if (!found || ["trNew", "trUpdate", "trDuplicate"].indexOf(found["action"]) < 0)
            return false;
        edit = found;
        isChecking = false;
        return true;
    }

    // The send time of the save on the server's clock.
    function serverSentAt(save) {
        return Math.floor(Number(save["sentAt"]) + (USER_SESSION.currentMSecsSinceEpoch() - Date.now()));
    }

    function start() {
        var c = controller();
        if (!edit || !c || isChecking)
            return;
        isChecking = true;
        owner.startBusy();
        if (edit["action"] === "trUpdate")
            c.findRecords({ "id": String(edit["params"]["id"]) });
        else
            c.findRecords({ "dt_utc_insert_start": String(serverSentAt(edit) - insertMargin) });
    }

    function conclude(rows, answer) {
        if (!isChecking)
            return;
        isChecking = false;
        owner.stopBusy();
        var lost = edit;
        edit = null;
        controller().forgetUnansweredEdit();
        if (answer["RES"] !== undefined && String(answer["RES"]) !== "10") {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: the server refused to show it. Check the list before saving it again."));
            return;
        }
        if (lost["action"] === "trUpdate")
            concludeUpdate(rows, lost);
        else if (lost["action"] === "trNew")
            concludeNew(LostSave.matching(rows, lost["params"]));
        else
            concludeCopies(LostSave.matching(rows, lost["params"]), Number(lost["params"]["amount"]));
    }

    function concludeUpdate(rows, lost) {
        if (rows.length === 0) {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: the record is no longer on the server."));
            return;
        }
        if (LostSave.matches(rows[0], lost["params"])) {
            form().initialRequest();
            Dialog.info(qsTr("The data was saved: the server holds what was typed."));
        } else if (Number(rows[0]["dt_utc_last_update"]) < serverSentAt(lost)) {
            Dialog.error(qsTr("The data did not reach the server: it was not saved. It stays in the form: save it again."));
        } else {
            var question = Dialog.question(qsTr("Whether the data was saved is not known: the record was changed on the server after it was sent and holds other values now. Show the stored values? No keeps what was typed."));
            if (question)
                question.yes.connect(function () { form().initialRequest(); });
        }
    }

    // The record found is the one saved: the editor goes on with it as after its own answer.
    function concludeNew(found) {
        if (found.length === 0) {
            Dialog.error(qsTr("The data did not reach the server: it was not saved. It stays in the form: save it again."));
        } else if (found.length === 1) {
            var id = String(found[0]["id"]);
            owner.state = "EDIT";
            form().id = id;
            owner.id = id;
            form().initialRequest();
            form().lock();
            Dialog.info(qsTr("The data was saved: the server holds the new record."));
        } else {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: %1 records like it were stored meanwhile. Check the list before saving it again.").arg(found.length));
        }
    }

    function concludeCopies(found, amount) {
        if (found.length === 0)
            Dialog.error(qsTr("The copies did not reach the server: none was made."));
        else if (found.length === amount)
            Dialog.info(qsTr("The copies were made: the server holds them."));
        else
            Dialog.error(qsTr("Whether the copies were made cannot be found out: %1 records like them were stored meanwhile. Check the list before duplicating again.").arg(found.length));
    }

    visible: false

    Connections {
        target: check.controller()
        ignoreUnknownSignals: true

        function onRecordsFound(rows, answer) {
            check.conclude(rows, answer);
        }
    }

    Connections {
        target: typeof USER_SESSION !== "undefined" ? USER_SESSION : null
        ignoreUnknownSignals: true

        function onSaOpen(mapParams) {
            check.start();
        }
    }
}
