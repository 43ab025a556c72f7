import QtQuick 2.15
import "../../js/dialog.js" as Dialog
import "../../js/lostsave.js" as LostSave

// The editor's life with its stored record, beside the form's fields and its save:
// - Reads of the record go by kind. The operator's own ("opening", "asked" by Yes, "stored" by
//   Yes after a lost save) and "unasked" (a push's read of a clean form) dim the page until
//   their answer; "saved", "check" and "declined" never dim and never cost a key.
// - The base is the stored record the edits stand on. Every own read's answer is compared with
//   it on the values the form sends: a clean form shows the answer; over edits a change of those
//   values is asked about, and anything else (a column only shown, one neither shown nor sent)
//   is shown or left alone without a word. A read or lock answer names the lock's holder.
// - One question at a time, safe from the keys, covering every change pushed or read while it is
//   open. It names the latest colleague whose push came since the base; a change no push named
//   is one "while the connection was lost" when a loss came before the read that found it, the
//   system's where only the system pushed, otherwise one "on the server".
// - Which of two records is newer is told by the order the reads were sent, never by the
//   records' stamps (the platform stamps a store when its transaction starts, so overlapping
//   stores land in another order): an answer to a read sent after the newest record landed is
//   newer whatever its stamp. One the server may have given out of order (its read was sent
//   before the newest record landed) is taken only where it is that record: else a read sent
//   then decides.
// - Yes reads the record and shows it; a field typed in after Yes keeps its text. No moves the
//   base to the record No answered: the fields the operator edited keep their text, every other
//   field shows the stored value, so that no save writes back what the operator never touched.
// - A change answered No is not asked again. A colleague's push over edits is read at once without
//   dimming, so No mostly knows its record. A read holds the pushes that came before it was sent,
//   none that came while it was on its way (once it lands, another one brings those over edits): a
//   read on its way when No was answered brings the record No answered when it was sent after the
//   last push, unless a colleague pushed after No (the platform's own stores count as answered); an
//   answer older than a push No answered is never taken for that record, and one sent later
//   decides. Where the connection took that read, the one made once connected is the record No
//   answered when it equals, where the operator edited, the record the question's own read brought;
//   where no such read landed, when it differs from the base nowhere the operator edited, whenever
//   it was stored: a stamp is never compared with a clock.
// - While a read the operator asked for dims the page, Return and OK do nothing. Otherwise a save
//   waits for the quiet reads on their way and for a lost save's check, and a question it then
//   opens keeps the edits by default, out of the keys' reach. A save that waited when the
//   connection goes is said not made.
Item {
    id: watch

    property var form: null
    readonly property var editor: form ? form.editor : null
    // Read by the dialog script.
    readonly property var parentWindow: editor ? editor.parentWindow : null

    // The reads of the record on their way, oldest first; an answer is taken for the oldest (a
    // server may answer out of order: see placed()). Each is {"kind", "dims", "pushes", "after"}:
    // whether it dimmed the page when it was sent, whatever kind it is now, the colleagues' pushes
    // counted when it was sent (the changes its record holds) and the records landed by then.
    property var pendingReads: []
    // The pushes and the records landed counted when the read whose answer is taken was sent.
    property int answeredPushes: 0
    property int answeredAfter: 0
    // The own answers taken as the newest record so far.
    property int landedCount: 0
    // Reads the connection took: the record is read again once the session is open, as the
    // operator asked for ("asked", "stored" or "saved") when one of them was such a read
    // (lostRead). Only the opening moves the focus: a lost opening read is made again as any other.
    property bool readsLost: false
    property string lostRead
    // The stored record the edits stand on; the record of the last own read that landed, and the
    // colleagues' pushes counted when it was sent (it holds their changes).
    property var baseRecord: null
    property var latestRecord: null
    property int latestPushes: 0
    // The connection was lost and no read of the record has landed since.
    property bool lossUnread: false
    // The latest colleague whose push came since the base, and the system's name where it pushed.
    property string changeAuthor
    property string systemAuthor
    // Colleagues' pushes of the record counted: a read answered after No holds a change No never
    // covered when one came after it.
    property int colleaguePushes: 0

    // The open question about another user's change of the record, or about the stored values
    // after a lost save; null when none is open.
    property var changeQuestion: null
    property bool questionNamesAuthor: false
    // Whether the connection went since the open question last covered a change (changes made
    // meanwhile came with no push).
    property bool lostSinceCover: false
    // The latest record a read of the open question brought, and the colleagues' pushes counted
    // then: the record No answers, where no push came since.
    property var coveredRecord: null
    property int coveredPushes: 0
    // No answered while the record it answered is still on its way: {"pushes", "lost", "record"},
    // the colleagues' pushes counted then, whether the connection went since, and the record the
    // question's read brought (null where none did). null otherwise.
    property var declined: null
    // What the form held when Yes was answered: a field typed in after it keeps its text.
    property var askedParams: null
    // The base a save on its way was made over: a lost save's check tells by it whether the record
    // was stored since.
    property var saveBase: null
    // Return or OK came while a quiet read of the record was on its way: the save follows its
    // answer (and its question), closing the editor after it when OK asked so.
    property bool saveWaits: false
    property bool saveWaitsToClose: false
    // The save being made is the one that waited: a question it opens is unasked.
    property bool saveWaited: false
    // The holder whose lock the operator agreed to save over, for the save that waits for reads.
    property string lockConsent
    // What a lost save's check owes the operator once the save that waited for it is answered or
    // given up: a function of that save's outcome, "saved", "refused", "lost" or "none".
    property var owedAfterSave: null
    // The question a save asks before it is sent, while open, and whether OK asked to close.
    property var saveQuestion: null
    property bool saveQuestionCloses: false
    // The record's lock was refused (another user holds it): asked again once connected again;
    // once connected, it waits for a lost save's check.
    property bool lockRefused: false
    property bool relockDeferred: false

    readonly property var dimmingReads: ["opening", "asked", "stored", "unasked"]

    // Reads ---------------------------------------------------------------------------------------

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
        pendingReads = pendingReads.concat([{ "kind": kind, "dims": dims, "pushes": colleaguePushes,
                                              "after": landedCount }]);
        if (dims)
            editor.startBusy();
    }

    // Which read of the record an own answer is for, "asked" for a read nobody counted (taken to
    // hold no push). The page stops dimming for a read that dimmed it, and a save waiting for the
    // reads follows them.
    function takeRead() {
        var taken = { "kind": "asked", "dims": true, "pushes": 0, "after": -1 };
        if (pendingReads.length > 0) {
            taken = pendingReads[0];
            pendingReads = pendingReads.slice(1);
        }
        answeredPushes = taken.pushes;
        answeredAfter = taken.after;
        if (taken.dims)
            editor.stopBusy();
        Qt.callLater(saveAfterReads);
        return taken.kind;
    }

    // The reads on their way become kind where they are one of kinds.
    function turnReads(kinds, kind) {
        pendingReads = pendingReads.map(function (pending) {
            if (kinds.indexOf(pending.kind) < 0)
                return pending;
            return { "kind": kind, "dims": pending.dims, "pushes": pending.pushes, "after": pending.after };
        });
    }

    function hasDimmingReads() {
        return pendingReads.some(function (pending) { return pending.dims; });
    }

    function hasReads(kinds) {
        return pendingReads.some(function (pending) { return kinds.indexOf(pending.kind) >= 0; });
    }

    // Whether record holds another value than the base in what the form sends.
    function isNewChange(record) {
        if (!record)
            return false;
        if (!baseRecord)
            return true;
        var keys = form.changeKeys();
        for (var i = 0; i < keys.length; ++i) {
            if (form.answerText(record[keys[i]]) !== form.answerText(baseRecord[keys[i]]))
                return true;
        }
        return false;
    }

    // Whether record holds another value than reference (the base where none is given) where the
    // operator edited the form too. After a lost connection a change stored later than what No
    // answered may be the platform's alone: only one that meets the edits is asked about.
    function touchesEdits(record, reference) {
        var params = form.getMapParams();
        var keys = form.changeKeys();
        for (var i = 0; i < keys.length; ++i) {
            var base = form.answerText(baseRecord ? baseRecord[keys[i]] : undefined);
            var against = reference ? form.answerText(reference[keys[i]]) : base;
            if (form.answerText(record[keys[i]]) !== against && form.answerText(params[keys[i]]) !== base)
                return true;
        }
        return false;
    }

    // Whether record, read after No by a read sent once pushes were counted, is the record No
    // answered (see the rules above); null where it is older than a push No answered.
    function answeredBy(answered, record, pushes) {
        if (!answered || !record || answered.pushes !== colleaguePushes)
            return false;
        if (pushes < answered.pushes)
            return null;
        if (!answered.lost)
            return true;
        if (answered.record)
            return !touchesEdits(record, answered.record);
        return !touchesEdits(record);
    }

    // An own read's answer landed, for a read sent once pushes were counted and after records
    // had landed: the newest record, which names the lock's holder, unless it cannot be placed
    // after the newest one (false: a read sent now decides). The newest record holds what every
    // landed one holds, so at least the most pushes counted for any of them.
    function landed(record, pushes, after) {
        if (!record)
            return true;
        if (!placed(record, after))
            return false;
        latestRecord = record;
        ++landedCount;
        form.takeHolder(record);
        latestPushes = Math.max(latestPushes, pushes);
        return true;
    }

    // Whether record, read once after records had landed, is newer than the newest record: so is
    // any answer to a read sent since that record landed. One sent before it may have been
    // answered out of order, and the stamps cannot tell (overlapping stores are stamped in
    // another order than they land): only the same record is placed.
    function placed(record, after) {
        return !latestRecord || after >= landedCount || LostSave.sameRecord(record, latestRecord);
    }

    // The connection was lost and the answer landed is the first read since: true once.
    function takeLoss() {
        var afterLoss = lossUnread;
        lossUnread = false;
        return afterLoss;
    }

    // An answer of a read of kind that could not be placed: a read of that kind sent now, unless
    // one is on its way already, brings the record to judge.
    function readAgain(kind) {
        if (!pendingReads.some(function (pending) { return pending.kind === kind && pending.after === landedCount; }))
            read(kind);
    }

    // Whether the answer to an own read of kind read fills the form. One the operator asked for,
    // or one landing on a clean form, does, unless it cannot be placed after the newest record
    // landed (a read sent then decides); over edits the newest record landed is judged (see the
    // rules above).
    function readFills(read, answer) {
        if (!landed(answer, answeredPushes, answeredAfter)) {
            readAgain(read);
            return false;
        }
        var afterLoss = takeLoss();
        var record = answer ? latestRecord : null;
        if (read === "opening" || read === "asked" || read === "stored" || read === "saved" || !editor.isDirty) {
            // A record that fills the form is the base: what No answered against the old one is
            // gone with it, and a read of No's on its way is judged as any.
            if ((read === "declined" && !hasReads(["declined"])) || record === answer)
                declined = null;
            return record === answer;
        }
        if (read === "declined") {
            var covers = answeredBy(declined, record, latestPushes);
            if (covers === null) {
                // Older than a push No answered: a read sent after it brings the record No
                // answered, and tells of a loss before it.
                lossUnread = afterLoss;
                readPushed("declined");
                return false;
            }
            if (!covers || !hasReads(["declined"]))
                declined = null;
            if (covers) {
                keepEdits(record);
                return false;
            }
        }
        if (isNewChange(record))
            askAboutChange(record, afterLoss, latestPushes);
        else
            showShownFields(record);
        readPushed("check");
        return false;
    }

    // A push came while the reads landed so far were on their way: one read as kind brings its
    // change, unless one sent since is on its way.
    function readPushed(kind) {
        if (latestPushes < colleaguePushes && !pendingReads.some(function (pending) { return pending.pushes === colleaguePushes; }))
            read(kind);
    }

    // What the form only shows (a driver's position) takes no key: it shows what is stored.
    function showShownFields(record) {
        for (var i = 0; record && i < form.shownFields.length; ++i)
            form.setFieldValue(form.shownFields[i], record[form.shownFields[i].objectName]);
    }

    // The fields typed in since the request that brought the answer of read: they keep their text.
    function keptFields(read) {
        if (read === "asked")
            return form.typedSince(askedParams);
        if (read === "stored" || read === "saved")
            return form.typedSinceSave();
        return [];
    }

    // An own read's answer filled the form.
    function readShown(read) {
        if (read === "asked" && !hasReads(["asked"]))
            askedParams = null;
    }

    // The form shows record: it is the base, and no author is left to name while no question is
    // open.
    function recordShown(record) {
        baseRecord = record;
        if (!changeQuestion) {
            changeAuthor = "";
            systemAuthor = "";
        }
    }

    // The record becomes the base and shows, but for the fields the operator edited. The lock's
    // holder stays as the latest answer named it.
    function keepEdits(record) {
        var holder = form.userLockedId;
        form.processData(record, form.editedValues(), true);
        form.userLockedId = holder;
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
        if (!kinds)
            pendingReads = [];
        return readsLost;
    }

    // The connection is gone: the reads on their way with it, and a save that waited for them is
    // not made, which the operator is told apart from a save whose answer it took.
    function connectionLost() {
        tellAfterSave(form.isSaving ? "lost" : "none");
        lockConsent = "";
        loseReads();
        form.isSaving = false;
        lossUnread = true;
        lostSinceCover = true;
        if (declined)
            declined.lost = true;
        if (saveWaits) {
            saveWaits = false;
            editor.isCloseOnSa = false;
            Dialog.error(qsTr("The connection to the server was lost while the save waited for the record: the data was not saved. It stays in the form: save it once the program is connected again."));
        }
    }

    // The session is open again: the record is read again, as the operator asked for, or to
    // find the changes made meanwhile. A save whose answer went with the connection is found
    // out by its own read instead.
    function readAfterReconnection() {
        var kind = lostRead !== "" ? lostRead : declined ? "declined" : "check";
        readsLost = false;
        lostRead = "";
        if (form.id !== "" && form.id !== "0" && !editor.isSaveUnknown)
            read(kind);
    }

    // Changes of others ----------------------------------------------------------------------------

    // A colleague changed the record: read again at once while nothing is unsaved; over edits
    // asked about, one question at a time that names the latest author, and read without dimming
    // for what No keeps the edits against (a read on its way was sent before the push and may not
    // hold the change: once it lands, another follows). Yes reads it again.
    function rereadChanged(author) {
        changeAuthor = author === undefined || author === null ? "" : String(author);
        ++colleaguePushes;
        if (!editor.isDirty) {
            read("unasked");
            return;
        }
        askAboutChange(null, false);
        lostSinceCover = false;
        if (pendingReads.length === 0)
            read("check");
    }

    // The system changed the record (a driver's position, say): read again without dimming the
    // page, and over edits asked about only where what the form sends changed. While No waits for
    // its record, this read brings it: the platform's own stores count as answered.
    function rereadBySystem(author) {
        systemAuthor = author;
        read(!editor.isDirty ? "unasked" : declined ? "declined" : "check");
    }

    function changeText(afterLoss) {
        if (changeAuthor !== "")
            return Dialog.dataChangedText(changeAuthor, false);
        if (afterLoss)
            return Dialog.dataChangedText("", true);
        return Dialog.dataChangedText(systemAuthor, false);
    }

    // A change the operator has not seen, from a push (record null) or a read sent once pushes
    // were counted: asked about, one question at a time that names the latest author. A question
    // a save asked is gone with its premise: the save waits for this one.
    function askAboutChange(record, afterLoss, pushes) {
        if (saveQuestion) {
            var superseded = saveQuestion;
            saveQuestion = null;
            saveWaits = true;
            saveWaitsToClose = saveQuestionCloses;
            superseded.close();
        }
        if (!changeQuestion)
            followQuestion(Dialog.safeQuestion(changeText(afterLoss)), true, "asked");
        else if (questionNamesAuthor && (changeAuthor !== "" || !afterLoss))
            changeQuestion.text = changeText(afterLoss);
        if (record)
            cover(record, pushes);
    }

    // The open question covers record, read once pushes were counted.
    function cover(record, pushes) {
        lostSinceCover = false;
        coveredRecord = record;
        coveredPushes = pushes;
    }

    // The lost save's check read the record, once pushes were counted and after records had
    // landed: it names the holder and is what No keeps against. One that cannot be placed after
    // the newest record is judged by a read sent now.
    function checked(record, pushes, after) {
        var placedHere = landed(record, pushes, after);
        takeLoss();
        if (!placedHere) {
            readAgain("check");
            return;
        }
        showShownFields(latestRecord);
    }

    // The lost save's outcome is told: the lock goes after the reads it made.
    function checkConcluded() {
        if (!relockDeferred)
            return;
        relockDeferred = false;
        form.relock();
    }

    // The one question open about the stored record, in place of an earlier one (whose changes
    // it covers too): Yes reads the record as yesRead, and the reads on their way show it too;
    // No (or Escape) keeps the edits against the changes it covered. namesAuthor: its text names
    // the latest author.
    function followQuestion(question, namesAuthor, yesRead) {
        if (!question)
            return;
        var replaced = changeQuestion;
        if (!replaced)
            coveredRecord = null;
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
            declined = null;
            read(yesRead);
            // A save that waited for the question is not made over the record Yes asked for.
            if (saveWaits) {
                saveWaits = false;
                lockConsent = "";
                tellAfterSave("none");
                Qt.callLater(sayNotSavedAfterYes);
            }
        });
        var ended = function () {
            if (changeQuestion !== question)
                return;
            changeQuestion = null;
            // A form left with no edits (its save answered meanwhile) shows the change instead.
            if (!saidYes && editor.isDirty)
                keepOut();
            else if (!saidYes)
                read("unasked");
            changeAuthor = "";
            systemAuthor = "";
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

    // No: the record the question answered becomes the base, keeping the edits. A read on its
    // way brings it, or the latest read where it was sent after every push; otherwise one read
    // now (once connected, where the connection is gone).
    function keepOut() {
        var answered = { "pushes": colleaguePushes, "lost": readsLost || editor.isOffline() || lostSinceCover,
                         "record": coveredPushes === colleaguePushes ? coveredRecord : null };
        if (hasReads(["unasked", "check", "declined"])) {
            turnReads(["unasked", "check"], "declined");
            declined = answered;
        } else if (latestRecord && latestPushes === colleaguePushes) {
            keepEdits(latestRecord);
        } else {
            declined = answered;
            if (!readsLost)
                read("declined");
        }
    }

    // A form left with no edits closes a question about them: the change is shown.
    function closeStaleQuestion() {
        if (changeQuestion && editor && !editor.isDirty)
            changeQuestion.close();
    }

    // The save ---------------------------------------------------------------------------------------

    // Return or OK while a quiet read of the record is on its way, or while the outcome of a lost
    // save is being found out: the save waits for them, so that it never crosses a change they
    // bring. (While a read the operator asked for dims the page, the save does nothing.)
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
        // The record is gone: its editor closes, and nothing is saved.
        if (editor.isDiscarded || (!editor.isDirty && !saveWaitsToClose)) {
            lockConsent = "";
            tellAfterSave("none");
            return;
        }
        editor.isCloseOnSa = saveWaitsToClose;
        saveWaited = true;
        form.runAction();
        saveWaited = false;
        lockConsent = "";
        if (!form.isSaving && !saveQuestion)
            tellAfterSave("none");
    }

    // The save that waited was answered (saved or refused), went with the connection or was not
    // made: what is owed for it is said.
    function tellAfterSave(outcome) {
        var owed = owedAfterSave;
        owedAfterSave = null;
        if (owed)
            owed(outcome);
    }

    // A question a save asks before it is sent: yes() sends, notYes() keeps the edits. After a
    // wait the operator did not open it at that moment, and one that guards a colleague's work
    // (safe) is never answered by keys: both are safe questions, No by default.
    function askBeforeSave(text, yes, notYes, safe) {
        var question = saveWaited || safe ? Dialog.safeQuestion(text) : Dialog.question(text);
        if (!question)
            return;
        saveQuestion = question;
        saveQuestionCloses = editor.isCloseOnSa;
        // A dialog may report one press more than once; one closed for a change asks nothing.
        question.yes.connect(function () {
            if (saveQuestion !== question)
                return;
            saveQuestion = null;
            yes();
        });
        var others = question.finished !== undefined ? [question.finished] : [question.no, question.rejected];
        others.forEach(function (other) {
            other.connect(function () {
                if (saveQuestion !== question)
                    return;
                saveQuestion = null;
                tellAfterSave("none");
                if (notYes)
                    notYes();
            });
        });
    }

    // Another user holds the record's lock and this one may save over it: asked first, naming
    // the holder. send() makes the request; the busy state follows it. Yes while a read of the
    // record is on its way waits for it, as Return does: the save follows its answer (and any
    // question it brings) over the same holder's lock without asking again.
    function confirmLockedSave(send) {
        var sendOverBase = function () {
            saveBase = baseRecord;
            send();
        };
        var holder = form.userLockedId;
        var mayOverride = !!form.controller && GLOBAL.securityState(form.controller, "update_locked_record");
        var consented = lockConsent === holder;
        lockConsent = "";
        if (holder === "" || holder === "1" || holder === String(USER_SESSION.rst_id_owner) || !mayOverride
                || consented) {
            sendOverBase();
            editor.startBusy();
            return;
        }
        var closeAfter = editor.isCloseOnSa;
        askBeforeSave(qsTr("The record is locked by user '%1'. Save over the lock?").arg(userSign(holder)), function () {
            if (!form.isOnline())
                return;
            editor.isCloseOnSa = closeAfter;
            if (waitForReads()) {
                lockConsent = holder;
                return;
            }
            if (form.isBusy)
                return;
            sendOverBase();
            editor.startBusy();
        }, undefined, true);
        editor.isCloseOnSa = false;
    }

    // The lock -----------------------------------------------------------------------------------------

    // The sign of a user, from the shared user list; the id itself when the list lacks it.
    function userSign(userId) {
        var users = typeof GLOBAL !== "undefined" && GLOBAL.user ? GLOBAL.user.originalModel : null;
        var found = users ? users.data("id", userId, "sign") : undefined;
        return found === undefined || found === null || String(found) === "" ? String(userId) : String(found);
    }

    // The record's lock taken, or refused: the refusal's box names the holder, as the refusal or
    // the record's read (made before the lock is asked for) tells it.
    function lockAnswered(mapParams) {
        if (form.answerResult(mapParams) === "10") {
            form.userLockedId = String(mapParams["rst_id_user_locked"]);
            if (form.isOwnAnswer(mapParams))
                lockRefused = false;
            return;
        }
        if (!form.isOwnAnswer(mapParams) || editor.isDiscarded)
            return;
        form.lockRequested = false;
        lockRefused = true;
        if (form.answerText(mapParams["rst_id_user_locked"]) !== "")
            form.takeHolder(mapParams);
        var holder = form.userLockedId;
        if (holder === "" || holder === "1" || holder === String(USER_SESSION.rst_id_owner)) {
            form.displayError(mapParams);
            return;
        }
        var named = Object.assign({}, mapParams);
        named["exception_description"] = [qsTr("Locked by user '%1'.").arg(userSign(holder)),
                                          form.answerText(mapParams["exception_description"])].join("\n").trim();
        form.displayError(named);
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

    visible: false
    // The question goes with the form, and its end reads nothing.
    Component.onDestruction: {
        var open = [changeQuestion, saveQuestion];
        changeQuestion = null;
        saveQuestion = null;
        open.forEach(function (question) {
            if (question)
                question.close();
        });
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
            // A lost save's check reads the record instead: the lock is asked for after it, so that
            // a refusal knows who holds it.
            if (watch.editor.isSaveUnknown)
                watch.relockDeferred = true;
            else
                form.relock();
        }
    }
}
