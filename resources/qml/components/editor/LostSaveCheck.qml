import QtQuick 2.15
import "../../js/dialog.js" as Dialog
import "../../js/lostsave.js" as LostSave

// A save of the editor whose answer was lost with the connection: its outcome is unknown, so no
// second save is advised. Once the session is open again the server is asked what it holds (the
// record read back as the editor reads it after an update; after a create or a copy, the records
// like it that this send stored), and the operator is told whether the data was saved. "Saved"
// is said only when every sent value was compared, on a record tied to the send; "not saved" only
// where the records show that nothing was stored since the send (the record as the save found
// it, no record like it but those stored before the send), never by a clock, and never where the
// request stopped, since the server may have refused it.
Item {
    id: check

    property var owner: null
    // The save without answer: DesktopController::unansweredEdit; null while none is unknown.
    property var edit: null
    property bool isChecking: false
    // The colleagues' pushes and the records landed counted when the check's read was sent: the
    // changes its record holds.
    property int checkPushes: 0
    property int checkAfter: 0
    readonly property bool isUnknown: edit !== null
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

    // The newest stamp the program held when the save was sent: a record stamped earlier was
    // stored before it. NaN when none was held.
    function seenStamp(save) {
        var stamp = Number(save["seenStamp"]);
        return stamp > 0 ? stamp : NaN;
    }

    function start() {
        var c = controller();
        if (!edit || !c || isChecking)
            return;
        // The controller noted the loss of the connection on the save after it was taken.
        var noted = c.unansweredEdit();
        if (noted && noted["action"] === edit["action"] && Number(noted["sentAt"]) === Number(edit["sentAt"]))
            edit = noted;
        // Found out without dimming the page: nobody asked for it, and keys typed meanwhile stay.
        isChecking = true;
        checkPushes = form().watch.colleaguePushes;
        checkAfter = form().watch.landedCount;
        if (edit["action"] === "trUpdate")
            c.readRecord({ "id": String(edit["params"]["id"]) });
        else
            c.findRecords(isNaN(seenStamp(edit)) ? {} : { "dt_utc_insert_start": String(seenStamp(edit)) });
    }

    function conclude(rows, answer) {
        if (!isChecking)
            return;
        isChecking = false;
        owner.closeUnknownOutcomeBox();
        // A save asked for meanwhile follows the outcome, and the read that shows it; so does the
        // lock.
        Qt.callLater(form().watch.saveAfterReads);
        Qt.callLater(form().watch.checkConcluded);
        var lost = edit;
        edit = null;
        controller().forgetUnansweredEdit();
        var refused = answer["RES"] !== undefined && String(answer["RES"]) !== "10";
        // A record that does not exist is refused with 110.
        var gone = refused ? String(answer["ERRCODE"]) === "110" : rows.length === 0;
        if (lost["action"] === "trUpdate" && gone) {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: the record is no longer on the server."));
            return;
        }
        if (refused) {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: the server refused to show it. Check the list before saving it again."));
            return;
        }
        if (lost["action"] === "trUpdate") {
            concludeUpdate(rows[0], lost);
            return;
        }
        var stored = LostSave.stored(rows, lost, seenStamp(lost), USER_SESSION.rst_id_owner);
        if (lost["action"] === "trNew")
            concludeNew(stored);
        else
            concludeCopies(stored, Number(lost["params"]["amount"]));
    }

    // The record as its editor reads it: a value the answer lacks is never taken for saved.
    // It speaks of what the save sent: "saved" only while the form holds nothing more.
    function concludeUpdate(record, lost) {
        var watch = form().watch;
        var compared = LostSave.compare(record, lost["params"]);
        if (compared === "same") {
            var typedSince = form().typedSince(lost["params"]).length > 0;
            watch.read("saved");
            if (!typedSince)
                Dialog.info(qsTr("The data was saved: the server holds what was typed."));
            else if (watch.saveWaits)
                // What was typed after it is saved now: told once that save is answered.
                watch.owedAfterSave = sayReached;
            else
                sayReached("none");
            return;
        }
        var unchanged = LostSave.sameRecord(record, watch.saveBase);
        if (compared === "unknown" && !unchanged) {
            Dialog.error(qsTr("Whether the data was saved is not known: the record was changed after it was sent, and the server does not show every value that was sent. What was typed stays in the form: save it again to be sure."));
            // The change after it is judged as any found once connected.
            watch.read("check");
            return;
        }
        watch.checked(record, checkPushes, checkAfter);
        if (unchanged) {
            Dialog.error(qsTr("The data was not saved: the record has not changed since it was sent. It stays in the form: save it again."));
        } else if (!owner.isDirty) {
            // Nothing typed is left to keep: the stored values show.
            watch.read("stored");
            Dialog.info(qsTr("Whether the data was saved is not known: the record was changed on the server after it was sent. The form shows the stored values."));
        } else {
            // The question about the stored values, one with another user's change: either asks,
            // and no key typed for the form answers Yes. Yes keeps what was typed since the save;
            // No keeps what the operator edited and shows the rest as stored.
            watch.followQuestion(Dialog.safeQuestion(qsTr("Whether the data was saved is not known: the record was changed on the server after it was sent and holds other values now. Show the stored values? No keeps what was typed.")),
                                 false, "stored");
            watch.cover(record, checkPushes);
        }
    }

    // The last save reached the server; outcome: what became of the save of what was typed after
    // it, which waited for the check (RecordWatch.tellAfterSave), "none" where none was made.
    function sayReached(outcome) {
        if (outcome === "saved")
            Dialog.info(qsTr("The last save reached the server, and so did the save that waited for it."));
        else if (outcome === "refused")
            Dialog.info(qsTr("The last save reached the server: it holds what that save sent. The save that waited for it was refused: what was typed after it stays in the form."));
        else if (outcome === "none" && owner.isDirty)
            Dialog.info(qsTr("The last save reached the server: it holds what that save sent. What was typed after it is not on the server yet: it stays in the form."));
        else
            Dialog.info(qsTr("The last save reached the server: it holds what that save sent."));
    }

    // The record found is the one saved: the editor goes on with it as after its own answer.
    // A record like it that may be a colleague's is never taken.
    function concludeNew(found) {
        var count = found["stored"].length + found["unknown"].length;
        if (count === 0) {
            Dialog.error(qsTr("The data was not saved: the server holds no record stored by this send. It stays in the form: save it again."));
        } else if (count === 1 && found["unknown"].length === 1) {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: a record like it was stored after the program last heard from the server, and whose it is cannot be told. Check the list before saving it again."));
        } else if (count === 1) {
            var id = String(found["stored"][0]["id"]);
            owner.state = "EDIT";
            form().id = id;
            owner.id = id;
            form().watch.read("saved");
            form().lock();
            Dialog.info(qsTr("The data was saved: the server holds the new record."));
        } else {
            Dialog.error(qsTr("Whether the data was saved cannot be found out: %1 records like it were stored meanwhile. Check the list before saving it again.").arg(count));
        }
    }

    function concludeCopies(found, amount) {
        var count = found["stored"].length + found["unknown"].length;
        if (count === 0)
            Dialog.error(qsTr("No copy was made: the server holds none stored by this send."));
        else if (count === 1 && found["unknown"].length === 1)
            Dialog.error(qsTr("Whether the copies were made cannot be found out: a record like them was stored after the program last heard from the server, and whose it is cannot be told. Check the list before duplicating again."));
        else if (count === amount && found["unknown"].length === 0)
            Dialog.info(qsTr("The copies were made: the server holds them."));
        else
            Dialog.error(qsTr("Whether the copies were made cannot be found out: %1 records like them were stored meanwhile. Check the list before duplicating again.").arg(count));
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

        // The check's answer went with the connection: it asks again once the session is open.
        function onIsOfflineChanged() {
            if (USER_SESSION.isOffline)
                check.isChecking = false;
        }
    }
}
