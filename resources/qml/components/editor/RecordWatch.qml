import QtQuick 2.15
import "../../js/dialog.js" as Dialog

// The editor's life with its stored record: the reads of the record by kind, what their answers
// are compared with, the one question about another user's change and what its answers keep, the
// save that waits for a read, and the record's lock and its holder. The form gives the fields
// and the requests; this decides when an answer may fill them.
Item {
    id: watch

    property var form: null
    readonly property var editor: form ? form.editor : null
    // Read by the dialog script.
    readonly property var parentWindow: editor ? editor.parentWindow : null

    // The open question about another user's change of the record, or about the stored values
    // after a lost save; null when none is open.
    property var changeQuestion: null
    property bool questionNamesAuthor: false
    // The user who changed the record last, named by the question; empty when no push named one
    // since the last question or the record last shown.
    property string changeAuthor
    // The reads of the record on their way, oldest first. Asked for, and dimming the page while
    // on their way: "opening", "asked" (Yes to another user's change), "stored" (Yes to the
    // stored values after a lost save) and "unasked" (another user's change of a clean form, as
    // the push asks). Never dimming, never costing a key: "saved" (a lost save found stored),
    // "check" (after a reconnection, or the system's change over edits) and "declined" (what No
    // kept out). Answers come in this order. Each is {"kind", "dims"}: whether it dimmed the page
    // when it was sent, whatever kind it was turned to since.
    property var pendingReads: []
    // Reads the connection took: the record is read again once the session is open, as the
    // operator asked for ("asked", "stored" or "saved") when one of them was such a read
    // (lostRead). Only the opening moves the focus: a lost opening read is made again as any other.
    property bool readsLost: false
    property string lostRead
    // The record as the form last showed it, or as No kept it out: a read nobody asked for
    // compares with it. lostSinceShown: the connection was lost since.
    property var shownRecord: null
    property bool lostSinceShown: false
    // The server's update time of the latest change No kept out: a record stored until then is
    // not asked about again. -1 when none is kept out.
    property real declinedUntil: -1
    // What the open question covers: the update time of its latest change as the server stored
    // it (-1 when no push or read gave one), and that record where a read brought it last (null
    // when a push came after it).
    property real askedUntil: -1
    property var askedRecord: null
    // The update time of the change No answered last, where its question knew it (-1 otherwise):
    // a record read for that No and stored later holds a change No never covered.
    property real declinedAt: -1
    // What the form held when Yes was answered: a field typed in after it keeps its text.
    property var askedParams: null
    // Return or OK came while a read of the record was on its way: the save follows its answer
    // (and its question), closing the editor after it when OK asked so.
    property bool saveWaits: false
    property bool saveWaitsToClose: false

    // The reads that dim the page while on their way: the operator asked for them, or the push
    // of another user's change of a clean form did.
    readonly property var dimmingReads: ["opening", "asked", "stored", "unasked"]

    // Reads the record (the page's initialRequest) as kind of read; nothing is counted when
    // nothing was sent. Without a session nothing is sent: the read is made once it is open.
    function read(kind) {
        if (editor.isOffline()) {
            loseReads([kind]);
            return;
        }
        if (form.initialRequest() === false)
            return;
        var dims = dimmingReads.indexOf(kind) >= 0;
        pendingReads = pendingReads.concat([{ "kind": kind, "dims": dims }]);
        if (dims)
            editor.startBusy();
    }

    // Which read of the record an own answer is for, "asked" for a read nobody counted. The page
    // stops dimming for a read that dimmed it, and a save waiting for the reads follows them.
    function takeRead() {
        var taken = { "kind": "asked", "dims": true };
        if (pendingReads.length > 0) {
            taken = pendingReads[0];
            pendingReads = pendingReads.slice(1);
        }
        if (taken.dims)
            editor.stopBusy();
        Qt.callLater(saveAfterReads);
        return taken.kind;
    }

    // The reads on their way become kind where they are one of kinds.
    function turnReads(kinds, kind) {
        pendingReads = pendingReads.map(function (pending) {
            return kinds.indexOf(pending.kind) >= 0 ? { "kind": kind, "dims": pending.dims } : pending;
        });
    }

    function hasDimmingReads() {
        return pendingReads.some(function (pending) { return pending.dims; });
    }

    function hasReads(kinds) {
        return pendingReads.some(function (pending) { return kinds.indexOf(pending.kind) >= 0; });
    }

    // Whether record holds a change the operator has not seen: stored after what No last kept
    // out, with other values than the form last showed in what it sends.
    function isNewChange(record) {
        if (!record || Number(record["dt_utc_last_update"]) <= declinedUntil)
            return false;
        if (!shownRecord)
            return true;
        var keys = form.changeKeys();
        for (var i = 0; i < keys.length; ++i) {
            if (form.answerText(record[keys[i]]) !== form.answerText(shownRecord[keys[i]]))
                return true;
        }
        return false;
    }

    // Whether the answer to a read may fill the form. One that nobody asked for is judged against
    // the form as it is when it lands: a clean form shows it; over edits, a change the operator
    // has not seen is asked about, once, and anything else leaves what was typed alone. record is
    // what the answer holds.
    function readFills(read, record) {
        if (read === "opening" || read === "asked" || read === "stored" || read === "saved" || !editor.isDirty)
            return true;
        if (read === "declined" && declinedAt >= 0 && Number(record["dt_utc_last_update"]) > declinedAt)
            read = "check";
        if (read !== "declined" && isNewChange(record)) {
            askAboutChange(record, record["dt_utc_last_update"]);
            return false;
        }
        if (read === "declined")
            keptOut(record);
        // What the form only shows (a driver's position) takes no key: it shows what is stored.
        for (var i = 0; i < form.shownFields.length; ++i)
            form.setFieldValue(form.shownFields[i], record[form.shownFields[i].objectName]);
        return false;
    }

    // The fields typed in since the request that brought the answer of read: they keep their text.
    function keptFields(read) {
        if (read === "asked")
            return form.typedSince(askedParams);
        if (read === "stored" || read === "saved")
            return form.typedSinceSave();
        return [];
    }

    // An own answer of a read that filled the form.
    function readShown(read) {
        if (read === "asked" && !hasReads(["asked"]))
            askedParams = null;
    }

    // The connection is gone, and with it the answers of reads (those on their way, or kinds
    // that could not be sent): they are made again once the session is open. True while such
    // reads wait for it.
    function loseReads(kinds) {
        var lost = kinds || pendingReads.map(function (pending) { return pending.kind; });
        for (var i = 0; i < lost.length; ++i) {
            if (lost[i] === "asked" || lost[i] === "stored" || lost[i] === "saved")
                lostRead = lost[i];
        }
        readsLost = readsLost || lost.length > 0;
        lostSinceShown = lostSinceShown || lost.length > 0;
        if (!kinds)
            pendingReads = [];
        return readsLost;
    }

    // The connection is gone: the reads on their way with it, and a save that waited for them is
    // not made. A change found once it is back, and that no push named, was made while it was lost.
    function connectionLost() {
        loseReads();
        form.isSaving = false;
        lostSinceShown = true;
        if (saveWaits) {
            saveWaits = false;
            editor.requestLost(false, true);
        }
    }

    // The session is open again: the record is read again, as the operator asked for, or to
    // find the changes made meanwhile. A save whose answer went with the connection is found
    // out by its own read instead.
    function readAfterReconnection() {
        var kind = lostRead !== "" ? lostRead : "check";
        readsLost = false;
        lostRead = "";
        if (form.id !== "" && form.id !== "0" && !editor.isSaveUnknown)
            read(kind);
    }

    // The record changed elsewhere: read again at once while nothing is unsaved; otherwise
    // asked, one question at a time that names the latest author, and Yes reads it again.
    // storedAt: when the server stored the change, where the push says. A read on its way to
    // find what No kept out may bring this change too: it is judged as any other.
    function rereadChanged(author, storedAt) {
        changeAuthor = author === undefined || author === null ? "" : String(author);
        turnReads(["declined"], "check");
        if (editor.isDirty)
            askAboutChange(null, storedAt);
        else
            read("unasked");
    }

    // The system changed the record (a driver's position, say): read again without dimming the
    // page, and over edits asked about only where what the form sends changed.
    function rereadBySystem(author) {
        if (!changeQuestion)
            changeAuthor = author;
        turnReads(["declined"], "check");
        read(editor.isDirty ? "check" : "unasked");
    }

    function changeText() {
        return Dialog.dataChangedText(changeAuthor, lostSinceShown);
    }

    // A change the operator has not seen, from a push (record null) or a read, stored at
    // storedAt: asked about, one question at a time that names the latest author.
    function askAboutChange(record, storedAt) {
        if (!changeQuestion)
            followQuestion(Dialog.safeQuestion(changeText()), true, "asked");
        else if (questionNamesAuthor)
            changeQuestion.text = changeText();
        cover(record, storedAt);
    }

    // The open question covers the change stored at storedAt (when known), and record when a
    // read brought it last.
    function cover(record, storedAt) {
        if (storedAt !== undefined && storedAt !== null && String(storedAt) !== "" && isFinite(Number(storedAt)))
            askedUntil = Math.max(askedUntil, Number(storedAt));
        askedRecord = record || null;
    }

    // The one question open about the stored record, in place of an earlier one (whose changes
    // it covers too): Yes reads the record as yesRead, and the reads on their way show it too;
    // No (or Escape) keeps the edits against the changes it covered, and nothing later.
    // namesAuthor: its text names the latest author.
    function followQuestion(question, namesAuthor, yesRead) {
        if (!question)
            return;
        var replaced = changeQuestion;
        if (!replaced) {
            askedUntil = -1;
            askedRecord = null;
        }
        changeQuestion = question;
        questionNamesAuthor = namesAuthor;
        if (replaced)
            replaced.close();
        var saidYes = false;
        question.yes.connect(function () {
            saidYes = true;
            if (yesRead === "asked")
                askedParams = form.getMapParams();
            turnReads(["unasked", "check", "declined"], yesRead);
            read(yesRead);
            // A save that waited for the question is not made over the record Yes asked for.
            if (saveWaits) {
                saveWaits = false;
                Qt.callLater(sayNotSavedAfterYes);
            }
        });
        var ended = function () {
            if (changeQuestion !== question)
                return;
            changeQuestion = null;
            changeAuthor = "";
            // A form left with no edits (its save answered meanwhile) shows the change instead.
            if (!saidYes && editor.isDirty)
                keepOut();
            else if (!saidYes)
                read("unasked");
            Qt.callLater(saveAfterReads);
        };
        // A widget question ends with finished, a page's message dialog with its answer.
        var ends = question.finished !== undefined ? [question.finished] : [question.accepted, question.rejected];
        ends.forEach(function (end) { end.connect(ended); });
    }

    // Once the question is gone, whose key might else reach the box.
    function sayNotSavedAfterYes() {
        Dialog.info(qsTr("The data was not saved: the form shows the stored record now."));
    }

    // No: the edits stay against the changes the question covered, and nothing later. A read on
    // its way brings that record (one stored later is judged as any read); without one, the
    // record the question last covered, or one read now (no push came after it, or it is turned
    // to be judged as any other).
    function keepOut() {
        declinedUntil = Math.max(declinedUntil, askedUntil);
        declinedAt = askedUntil;
        var onTheWay = hasReads(["unasked", "check", "declined"]);
        turnReads(["unasked", "check"], "declined");
        if (onTheWay)
            return;
        if (askedRecord)
            keptOut(askedRecord);
        else
            read("declined");
    }

    // The edits stay against record: a read nobody asked for is compared with it from now on.
    function keptOut(record) {
        shownRecord = record;
        lostSinceShown = false;
        var storedAt = Number(record["dt_utc_last_update"]);
        if (isFinite(storedAt))
            declinedUntil = Math.max(declinedUntil, storedAt);
    }

    // A form left with no edits closes a question about them: the change is shown.
    function closeStaleQuestion() {
        if (changeQuestion && editor && !editor.isDirty)
            changeQuestion.close();
    }

    // The form shows record: no change before it is left to ask about, nor an author to name
    // while no question names one.
    function recordShown(record) {
        shownRecord = record;
        lostSinceShown = false;
        declinedUntil = -1;
        declinedAt = -1;
        if (!changeQuestion)
            changeAuthor = "";
    }

    // Return or OK while a read of the record is on its way, or while the outcome of a lost save
    // is being found out: the save waits for them, so that it never crosses a change they bring.
    function waitForReads() {
        if (pendingReads.length === 0 && !editor.isSaveUnknown)
            return false;
        saveWaitsToClose = (saveWaits && saveWaitsToClose) || editor.isCloseOnSa;
        saveWaits = true;
        // No answer of a read closes the editor before its save.
        editor.isCloseOnSa = false;
        return true;
    }

    // The reads answered and no question open: the save that waited for them is made, where
    // anything is left to save or OK asked to close.
    function saveAfterReads() {
        if (!saveWaits || !editor || pendingReads.length > 0 || changeQuestion || editor.isSaveUnknown)
            return;
        saveWaits = false;
        if (!editor.isDirty && !saveWaitsToClose)
            return;
        editor.isCloseOnSa = saveWaitsToClose;
        form.runAction();
    }

    // The record's lock: taken, or refused with its error shown.
    function lockAnswered(mapParams) {
        if (form.answerResult(mapParams) === "10") {
            form.userLockedId = String(mapParams["rst_id_user_locked"]);
        } else if (form.isOwnAnswer(mapParams) && !editor.isDiscarded) {
            form.lockRequested = false;
            form.displayError(mapParams);
        }
    }

    // Another open editor of the same record, which keeps the lock when this one closes.
    function otherEditorOfRecord() {
        var frames = GLOBAL.frames;
        for (var i = 0; i < frames.count(); ++i) {
            var frame = frames.at(i);
            if (frame && frame !== editor && frame.objectsSettingName === editor.objectsSettingName
                    && String(frame.id) === String(form.id) && frame.form && frame.form.isLock)
                return frame;
        }
        return null;
    }

    function releaseLock() {
        if (!form.isLock || !form.lockRequested || !form.controller || form.editorState() === "ADD")
            return;
        form.lockRequested = false;
        var other = otherEditorOfRecord();
        if (other)
            other.form.lockRequested = true;
        else
            form.controller.trUnlock({ "id": form.id });
    }

    // The sign of a user, from the shared user list; the id itself when the list lacks it.
    function userSign(userId) {
        var users = typeof GLOBAL !== "undefined" && GLOBAL.user ? GLOBAL.user.originalModel : null;
        var found = users ? users.data("id", userId, "sign") : undefined;
        return found === undefined || found === null || String(found) === "" ? String(userId) : String(found);
    }

    // Another user holds the record's lock and this one may save over it: asked first, naming
    // the holder. send() makes the request; the busy state follows it.
    function confirmLockedSave(send) {
        var holder = form.userLockedId;
        var mayOverride = !!form.controller && GLOBAL.securityState(form.controller, "update_locked_record");
        if (holder === "" || holder === "1" || holder === String(USER_SESSION.rst_id_owner) || !mayOverride) {
            send();
            editor.startBusy();
            return;
        }
        var closeAfter = editor.isCloseOnSa;
        editor.isCloseOnSa = false;
        var question = Dialog.question(qsTr("The record is locked by user '%1'. Save over the lock?")
                                       .arg(userSign(holder)));
        if (!question)
            return;
        // The dialog may report one press more than once.
        var answered = false;
        question.yes.connect(function () {
            if (answered || form.isBusy || !form.isOnline())
                return;
            answered = true;
            editor.isCloseOnSa = closeAfter;
            send();
            editor.startBusy();
        });
    }

    visible: false
    // The question goes with the form, and its end reads nothing.
    Component.onDestruction: {
        var open = changeQuestion;
        changeQuestion = null;
        if (open)
            open.close();
    }

    Connections {
        target: watch.editor
        ignoreUnknownSignals: true

        function onIsDirtyChanged() {
            // Filling the form may clear the flag a moment before the kept keys set it again.
            Qt.callLater(watch.closeStaleQuestion);
        }
    }

    // A session opened again after a lost connection: the record is read again, and locked
    // again after the read, which finds out first whether it is still there.
    Connections {
        target: typeof USER_SESSION !== "undefined" ? USER_SESSION : null
        ignoreUnknownSignals: true

        function onIsOfflineChanged() {
            if (USER_SESSION.isOffline && watch.form)
                watch.connectionLost();
        }

        function onSaOpen(mapParams) {
            var form = watch.form;
            if (!form || !form.controller || !watch.editor || !watch.editor.isEditState(form.editorState()))
                return;
            watch.readAfterReconnection();
            form.relock();
        }
    }
}
