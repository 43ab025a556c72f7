import QtQuick 2.15
import QtQml 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import ".."
import "../../js/dialog.js" as Dialog
import "../../js/errors.js" as Errors
import "../../js/utils.js" as Utils

// The engine of an editor: reads the record, takes and keeps its lock, creates, updates or
// duplicates it, follows removals and other users' changes, and releases the lock it took. It
// acts on its own answers only, so that another editor's answers never overwrite unsaved edits.
// The page gives populateForm (fill the fields from an answer) and getMapParams (the request).
FocusScope {
    id: form

    default property alias data: contentArea.data
    property Item toolBar: null
    property Item footer: null
    property Item duplicateBar: null
    property Item defaultActiveField: null
    property var editor: null
    property Item lastActiveControl: null
    property var controller: null
    property var approve
    property var resolutionContexts: []
    property string id
    property string userLockedId
    property bool isFooter: true
    property bool isLock: true
    property bool resolutionVisible: false
    property bool ignoreRemove: false
    // The form shows one record: its controller tells it of no other (a form of several says no).
    property bool isOneRecord: true
    // One copy at a time, for records whose sign or name is unique: the copy takes the one typed
    // in the duplicating editor, which two copies cannot share.
    property bool singleCopy: false
    property bool isBusy: false
    property int indent: 5
    // This editor asked for the record's lock (or another editor of the record handed it over),
    // so it releases it when it closes.
    property bool lockRequested: false
    // The open question about another user's change of the record, or about the stored values
    // after a lost save; null when none is open.
    property var changeQuestion: null
    property bool questionNamesAuthor: false
    // The user who changed the record last, named by the question; empty when no push named one
    // since the last question or the record last shown.
    property string changeAuthor
    // The field that the editor gave the focus when it opened.
    property Item openingField: null
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
    // The window its messages and questions open over: the editor's. Read by the dialog script.
    readonly property var parentWindow: editor ? editor.parentWindow : null
    // What the last save sent.
    property var savedParams: null
    // A save of this form is on its way.
    property bool isSaving: false
    // Return or OK came while a read of the record was on its way: the save follows its answer
    // (and its question), closing the editor after it when OK asked so.
    property bool saveWaits: false
    property bool saveWaitsToClose: false
    // The record's editable fields: controls whose object name is their column. They fill from
    // answers, take the catalogue defaults of a new record, make the request and the dirty flag.
    // shownFields fill from answers but are never sent.
    property var fields: []
    property var shownFields: []
    // The answer's column that titles the editor.
    property string titleRole
    readonly property bool isFieldsDirty: fieldsModified(fields)
    property alias crud: crud
    property alias toolBarArea: toolBarArea
    property alias footerArea: footerArea
    property alias groupBoxDuplicateArea: duplicateArea
    property alias utc_offset: insertUpdateTime.utc_offset
    property alias resolution: resolutionLoader.sourceComponent
    property alias amount: amountBox
    property alias removeSource: removeSourceBox

    signal resolutionApprove()
    signal resolutionReject()

    // Replaceable hooks -------------------------------------------------------------------------

    // Sends the read of the record; false when nothing was sent, as a page's own read may say.
    function initialRequest() {
        controller.trInfo({ "id": id });
        return true;
    }

    function setDefaultFields() {
        setFieldDefaults();
    }

    function updateProperties(properties) {
    }

    function getMapParams() {
        return fieldsRequest();
    }

    function populateForm(mapParams) {
        populateFields(mapParams);
    }

    function updateApproveData(data) {
    }

    function displayError(params) {
        return Errors.display(editor, params);
    }

    function onSaNew(mapParams) {
    }

    function onSaListInfo(mapParams) {
    }

    function onSaGetList(mapParams) {
    }

    // Fields ------------------------------------------------------------------------------------

    function fieldsModified(list) {
        for (var i = 0; i < list.length; ++i) {
            if (list[i] && list[i].modify)
                return true;
        }
        return false;
    }

    // A check box goes out as "1"/"0", every other field as its whole text.
    function fieldValue(control) {
        if (control.type === "checkBox")
            return control.checked ? "1" : "0";
        return control.wholeText !== undefined ? control.wholeText : control.text;
    }

    // The text fields whose value differs from what params held (what the last save sent, or
    // what the form held when Yes was answered): typed since. Each with its text, cursor and
    // selection, to be kept over the answer.
    function typedSince(params) {
        var typed = [];
        for (var i = 0; params && i < fields.length; ++i) {
            var control = fields[i];
            var input = control.textArea !== undefined ? control.textArea : control;
            var sent = params[control.objectName];
            if (sent !== undefined && typeof input.cursorPosition === "number" && fieldValue(control) !== String(sent))
                typed.push({ "input": input, "text": input.text, "cursor": input.cursorPosition,
                             "start": input.selectionStart, "end": input.selectionEnd });
        }
        return typed;
    }

    function typedSinceSave() {
        return typedSince(savedParams);
    }

    // What was typed stays where it was, over the saved value, which becomes the legal one.
    function keepTyped(typed) {
        for (var i = 0; i < typed.length; ++i) {
            var kept = typed[i];
            kept.input.text = kept.text;
            if (kept.start !== kept.end)
                kept.input.select(kept.cursor === kept.start ? kept.end : kept.start, kept.cursor);
            else
                kept.input.cursorPosition = kept.cursor;
        }
    }

    // A stored text too long for its field is shown cut and never edited there: it stays out of
    // the request, so that the server keeps it as it is.
    function withoutCutTexts(params, item) {
        var children = (item || contentArea).children;
        for (var i = 0; i < children.length; ++i) {
            if (children[i].isCut === true)
                delete params[children[i].objectName];
            withoutCutTexts(params, children[i]);
        }
        return params;
    }

    // The stored value, shown whatever was typed over it.
    function setFieldValue(control, value) {
        var valueText = answerText(value);
        if (typeof control.setLegalValue === "function")
            control.setLegalValue(valueText);
        else
            control.legalText = valueText;
    }

    // Every control below item shows its stored value: what was typed over a stored value that
    // an answer left as it was goes too. Each control takes back its own kind of legal value;
    // values without a control of their own (PropertyBox) are among an item's resources. Nothing
    // is typed over a read-only field, whose text may be bound (the id).
    function showStoredValues(item) {
        var legalNames = ["legalText", "legalChecked", "legalCurrentIndex", "legalColor", "legalValue"];
        var lists = [item.resources, item.children];
        for (var l = 0; l < lists.length; ++l) {
            var list = lists[l] || [];
            for (var i = 0; i < list.length; ++i) {
                var control = list[i];
                if (control.modify === true && control.readOnly !== true && typeof control.setLegalValue === "function") {
                    var legalName = legalNames.find(function (name) { return control[name] !== undefined; });
                    if (legalName)
                        control.setLegalValue(control[legalName]);
                }
                showStoredValues(control);
            }
        }
    }

    // "id" first, then every editable field.
    function fieldsRequest() {
        var params = { "id": id };
        for (var i = 0; i < fields.length; ++i)
            params[fields[i].objectName] = fieldValue(fields[i]);
        return params;
    }

    function populateFields(mapParams) {
        if (titleRole !== "" && editor)
            editor.editorTitle = answerText(mapParams[titleRole]);
        var all = fields.concat(shownFields);
        for (var i = 0; i < all.length; ++i)
            setFieldValue(all[i], mapParams[all[i].objectName]);
    }

    // A new record: each field takes its column's default where the catalogue has one.
    function setFieldDefaults() {
        for (var i = 0; i < fields.length; ++i) {
            var value = controller ? controller.defaultFieldValue(fields[i].objectName) : undefined;
            if (value !== undefined && value !== null)
                setFieldValue(fields[i], value);
        }
    }

    // Answers -----------------------------------------------------------------------------------

    function answerText(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function isOwnAnswer(mapParams) {
        return !!controller && String(mapParams["RECEIVER"]) === String(controller.objectNumber);
    }

    function isAnswerOfRecord(mapParams) {
        return id !== "" && String(mapParams["id"]) === String(id);
    }

    // Whether the form shows that record; a form of several records overrides it.
    function holdsRecord(recordId) {
        return id !== "" && String(recordId) === String(id);
    }

    function answerResult(mapParams) {
        return String(mapParams["RES"]);
    }

    function editorState() {
        return editor ? editor.state : "";
    }

    function showAnswerFailure(mapParams) {
        Errors.selectErrorControl(contentArea, mapParams["ERRCODE"]);
        displayError(mapParams);
    }

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
        if (initialRequest() === false)
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

    // The values a change of the record is judged by: those the form sends. A column it only
    // shows, or neither shows nor sends, holds nothing the operator could lose. A form whose
    // request is not the record's columns overrides it.
    function changeKeys() {
        return Object.keys(getMapParams()).filter(function (key) { return key !== "id"; });
    }

    // Whether record holds a change the operator has not seen: stored after what No last kept
    // out, with other values than the form last showed in what it sends.
    function isNewChange(record) {
        if (!record || Number(record["dt_utc_last_update"]) <= declinedUntil)
            return false;
        if (!shownRecord)
            return true;
        var keys = changeKeys();
        for (var i = 0; i < keys.length; ++i) {
            if (answerText(record[keys[i]]) !== answerText(shownRecord[keys[i]]))
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
        for (var i = 0; i < shownFields.length; ++i)
            setFieldValue(shownFields[i], record[shownFields[i].objectName]);
        return false;
    }

    // The fields typed in since the request that brought the answer of read: they keep their text.
    function keptFields(read) {
        if (read === "asked")
            return typedSince(askedParams);
        if (read === "stored" || read === "saved")
            return typedSince(savedParams);
        return [];
    }

    // After an answer filled the form: only the opening read moves the focus or selects.
    function focusAfterRead(read) {
        if (read !== "opening")
            return;
        if (editorState() === "DUPLICATE")
            amountBox.forceActiveFocus();
        else
            selectOpeningField();
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
        isSaving = false;
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
        if (id !== "" && id !== "0" && !editor.isSaveUnknown)
            read(kind);
    }

    // The record is gone from the server: the editor closes, naming who removed it when known.
    function closeRemoved(userId) {
        editor.isDiscarded = true;
        var notice = Dialog.warning(userId !== undefined ? qsTr("Data removed by user with id = %1. Form will close!").arg(userId)
                                                         : qsTr("Data removed. Form will close!"));
        // Read by the operator, it closes as the operator's own close does.
        if (notice)
            notice.accepted.connect(function () { editor.closeAsAsked(); });
        else
            editor.closed();
    }

    // The editor opens with the focus in field.
    function focusOnOpening(field) {
        field.forceActiveFocus();
        openingField = field;
        selectOpeningField();
    }

    // The field given the focus when the editor opens, selected whole as the operator finds it
    // there, also while the focus is still on its way (its window not active yet, a field enabled
    // by the read whose scope takes the focus later); not once the operator has gone to another.
    function selectOpeningField() {
        var field = openingField;
        if (field && field.type === "textField" && typeof field.selectAll === "function" && field.focus)
            field.selectAll();
    }

    // Another user's answer for the record refreshes the form only while it holds no unsaved
    // change; the own answer does unless it is for a read nobody asked for and the form took
    // edits meanwhile. Only the opening read moves the focus or selects.
    function onSaInfo(mapParams) {
        if (!isAnswerOfRecord(mapParams))
            return;
        var own = isOwnAnswer(mapParams);
        var read = own ? takeRead() : "";
        if (answerResult(mapParams) !== "10") {
            if (!own || editor.isDiscarded)
                return;
            if (read !== "opening" && String(mapParams["ERRCODE"]) === "110") {
                closeRemoved();
                return;
            }
            editor.isCloseOnSa = true;
            displayError(mapParams);
            return;
        }
        if (!own) {
            if (!editor.isDirty)
                processData(mapParams);
            return;
        }
        if (!readFills(read, mapParams))
            return;
        // A record read again shows what is stored, also where a value did not change; a field
        // typed in since the request keeps its text.
        processData(mapParams, keptFields(read), true);
        if (read === "asked" && !hasReads(["asked"]))
            askedParams = null;
        focusAfterRead(read);
    }

    function handleSaNew(mapParams) {
        if (!isOwnAnswer(mapParams))
            return;
        isSaving = false;
        editor.stopBusy();
        if (answerResult(mapParams) !== "10") {
            showAnswerFailure(mapParams);
            return;
        }
        editor.state = "EDIT";
        processData(mapParams, typedSinceSave());
        lock();
        onSaNew(mapParams);
    }

    function onSaUpdate(mapParams) {
        if (!isOwnAnswer(mapParams))
            return;
        isSaving = false;
        editor.stopBusy();
        var code = answerResult(mapParams);
        if (code === "10") {
            processData(mapParams, typedSinceSave());
        } else if (code === "0") {
            showAnswerFailure(mapParams);
        } else {
            editor.isCloseOnSa = true;
            displayError(mapParams);
        }
    }

    function onSaDuplicate(mapParams) {
        if (!isOwnAnswer(mapParams))
            return;
        isSaving = false;
        editor.stopBusy();
        if (answerResult(mapParams) !== "10")
            showAnswerFailure(mapParams);
        else if (editorState() === "DUPLICATE")
            editor.closeFrame();
        else
            openCopy(mapParams);
    }

    // Unsaved changes survive a refused removal: only a record that is gone ends them.
    function onSaRemove(mapParams) {
        var own = isOwnAnswer(mapParams);
        if (own)
            editor.stopBusy();
        if (!isAnswerOfRecord(mapParams) || ignoreRemove)
            return;
        if (answerResult(mapParams) === "10") {
            var byOther = String(mapParams["RECEIVER"]) === "ALL"
                    && String(mapParams["id_owner_modify"]) !== String(USER_SESSION.rst_id_owner);
            if (byOther) {
                closeRemoved(mapParams["id_owner_modify"]);
            } else {
                editor.isDiscarded = true;
                editor.closed();
            }
        } else if (own) {
            if (String(mapParams["ERRCODE"]) === "110") {
                editor.isDiscarded = true;
                editor.isCloseOnSa = true;
            }
            displayError(mapParams);
        }
    }

    function onSaLock(mapParams) {
        if (!isAnswerOfRecord(mapParams))
            return;
        if (answerResult(mapParams) === "10") {
            userLockedId = String(mapParams["rst_id_user_locked"]);
        } else if (isOwnAnswer(mapParams) && !editor.isDiscarded) {
            lockRequested = false;
            displayError(mapParams);
        }
    }

    // A record freed while its editor is open is locked again.
    function onSaUnlock(mapParams) {
        if (isLock && isAnswerOfRecord(mapParams) && answerResult(mapParams) === "10" && editor
                && editor.isEditState(editorState()))
            lock();
    }

    function onSrUpdated(mapParams) {
        if (!holdsRecord(mapParams["id"]))
            return;
        var author = String(mapParams["id_owner_modify"]);
        if (author === String(USER_SESSION.rst_id_owner) || author === "1")
            return;
        rereadChanged(mapParams["sign"], mapParams["dt_utc_last_update"]);
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
                askedParams = getMapParams();
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

    // Requests ----------------------------------------------------------------------------------

    function lock() {
        controller.trLock({ "id": id });
        lockRequested = true;
    }

    // The session opened again: the server holds the locks this form had no more. A form that
    // locks several records overrides it.
    function relock() {
        if (lockRequested)
            lock();
    }

    // Another open editor of the same record, which keeps the lock when this one closes.
    function otherEditorOfRecord() {
        var frames = GLOBAL.frames;
        for (var i = 0; i < frames.count(); ++i) {
            var frame = frames.at(i);
            if (frame && frame !== editor && frame.objectsSettingName === editor.objectsSettingName
                    && String(frame.id) === String(id) && frame.form && frame.form.isLock)
                return frame;
        }
        return null;
    }

    function releaseLock() {
        if (!isLock || !lockRequested || !controller || editorState() === "ADD")
            return;
        lockRequested = false;
        var other = otherEditorOfRecord();
        if (other)
            other.form.lockRequested = true;
        else
            controller.trUnlock({ "id": id });
    }

    function runAction() {
        if (!editor || isSaving)
            return;
        var state = editorState();
        var saves = state === "ADD" || state === "DUPLICATE" || (editor.isEditState(state) && editor.isDirty);
        // A save never crosses a read of the record on its way, asked for or not: it follows the
        // answer, and keys typed meanwhile are saved with it.
        if (saves && (!isOnline() || waitForReads()))
            return;
        if (isBusy)
            return;
        if (!saves) {
            editor.closed();
            return;
        }
        var params = withoutCutTexts(getMapParams());
        savedParams = params;
        if (state === "ADD") {
            isSaving = true;
            controller.trNew(params);
        } else if (state === "DUPLICATE") {
            params["amount"] = amountBox.value;
            params["remove_src"] = removeSourceBox.checked ? "1" : "0";
            isSaving = true;
            controller.trDuplicate(params);
        } else {
            confirmLockedSave(function () {
                isSaving = true;
                controller.trUpdate(params);
            });
            return;
        }
        editor.startBusy();
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
        runAction();
    }

    // Nothing is sent without a session to answer it: the operator is told at once, and what was
    // typed stays in the form.
    function isOnline() {
        if (!editor || typeof editor.isOffline !== "function" || !editor.isOffline())
            return true;
        editor.requestLost(false, true);
        return false;
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
        var holder = userLockedId;
        var mayOverride = !!controller && GLOBAL.securityState(controller, "update_locked_record");
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
            if (answered || isBusy || !isOnline())
                return;
            answered = true;
            editor.isCloseOnSa = closeAfter;
            send();
            editor.startBusy();
        });
    }

    function openCopy(mapParams) {
        var options = { "id": mapParams["id"], "isWindow": editor.isWindow, "isNewInstance": true, "state": "EDIT" };
        updateProperties(options);
        var copy = GLOBAL.createQmlFrame(editor.url, options);
        if (copy && options["isWindow"] && copy.window) {
            copy.isSaveWindowPosition = false;
            copy.window.x += 20;
            copy.window.y += 20;
        }
        return copy;
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

    // typed: text fields that keep what was typed while the request was on its way; showStored:
    // every control shows its stored value, also where the answer left it as it was.
    function processData(mapParams, typed, showStored) {
        recordShown(mapParams);
        insertUpdateTime.dt_utc_last_update = answerText(mapParams["dt_utc_last_update"]);
        insertUpdateTime.dt_utc_insert = answerText(mapParams["dt_utc_insert"]);
        var holder = answerText(mapParams["rst_id_user_locked"]);
        userLockedId = holder === "" ? "1" : holder;
        id = answerText(mapParams["id"]);
        if (editor && editor.form === form)
            editor.id = id;
        populateForm(mapParams);
        if (showStored)
            showStoredValues(contentArea);
        keepTyped(typed || []);
        if (approve && !approve["isCompleted"] && resolutionContexts.indexOf(approve["context"]) >= 0) {
            updateApproveData(approve["data"]);
            applyApproveData(approve["data"]);
            resolutionVisible = true;
        }
        if (editor && editor.isCloseOnSa)
            editor.closed();
    }

    // Shows a pending change request as the legal values, marking the ones it changes.
    function applyApproveData(data) {
        for (var role in data) {
            var control = Utils.findChild(contentArea, role);
            if (!control)
                continue;
            var proposed = answerText(data[role]);
            if (control.type === "textField" || control.type === "textArea") {
                control.isMismatch = proposed !== control.legalText;
                control.legalText = proposed;
            } else if (control.type === "checkBox") {
                var checked = proposed === "1";
                control.isMismatch = checked !== control.legalChecked;
                control.legalChecked = checked;
            }
        }
    }

    function getStateObject(name) {
        return editor ? editor.getStateObject(name) : null;
    }

    // The focused control of the form, remembered for the editor's settings.
    function followFocus(item) {
        if (!item || item.objectName === "" || typeof DESKTOP_UTILS === "undefined")
            return;
        var found = DESKTOP_UTILS.findChildrenByName(form, item.objectName);
        for (var i = 0; i < found.length; ++i) {
            if (found[i].activeFocus) {
                lastActiveControl = found[i];
                return;
            }
        }
    }

    clip: true
    // The question goes with the form, and its end reads nothing.
    Component.onDestruction: {
        var open = changeQuestion;
        changeQuestion = null;
        if (open)
            open.close();
    }
    onToolBarChanged: {
        if (!toolBar)
            return;
        toolBar.parent = toolBarArea;
        toolBar.width = Qt.binding(function () { return toolBarArea.width; });
        var content = toolBar.contentArea ? toolBar.contentArea : toolBar;
        for (var i = 0; i < content.children.length; ++i) {
            if ("form" in content.children[i])
                content.children[i].form = form;
        }
    }
    onFooterChanged: {
        if (footer)
            footer.parent = footerExtra;
    }
    onDuplicateBarChanged: {
        if (duplicateBar)
            duplicateBar.parent = duplicateArea;
    }

    Binding {
        target: form.controller
        property: "recordId"
        value: form.id
        when: form.isOneRecord && !!form.controller && !!form.editor
              && form.editor.form === form
        restoreMode: Binding.RestoreBindingOrValue
    }

    Crud {
        id: crud

        controller: form.controller
    }

    Connections {
        target: form.editor
        ignoreUnknownSignals: true

        function onStartBusy() {
            form.isBusy = true;
        }

        function onStopBusy() {
            form.isBusy = form.editor.holdsBusy();
        }

        function onStartDestroy() {
            form.releaseLock();
        }

        function onIsDirtyChanged() {
            // Filling the form may clear the flag a moment before the kept keys set it again.
            Qt.callLater(form.closeStaleQuestion);
        }
    }

    Connections {
        target: form.editor && form.editor.isStarted ? form.controller : null
        ignoreUnknownSignals: true

        function onSaInfo(mapParams) { form.onSaInfo(mapParams); }
        function onSaNew(mapParams) { form.handleSaNew(mapParams); }
        function onSaUpdate(mapParams) { form.onSaUpdate(mapParams); }
        function onSaDuplicate(mapParams) { form.onSaDuplicate(mapParams); }
        function onSaRemove(mapParams) { form.onSaRemove(mapParams); }
        function onSaLock(mapParams) { form.onSaLock(mapParams); }
        function onSaUnlock(mapParams) { form.onSaUnlock(mapParams); }
        function onSrUpdated(mapParams) { form.onSrUpdated(mapParams); }
        function onSaListInfo(mapParams) { form.onSaListInfo(mapParams); }
        function onSaGetList(mapParams) { form.onSaGetList(mapParams); }
    }

    // A session opened again after a lost connection: the record is read again, and locked
    // again after the read, which finds out first whether it is still there.
    Connections {
        target: typeof USER_SESSION !== "undefined" ? USER_SESSION : null
        ignoreUnknownSignals: true

        function onIsOfflineChanged() {
            if (USER_SESSION.isOffline)
                form.connectionLost();
        }

        function onSaOpen(mapParams) {
            if (!form.controller || !form.editor || !form.editor.isEditState(form.editorState()))
                return;
            form.readAfterReconnection();
            form.relock();
        }
    }

    Connections {
        target: form.Window.window
        ignoreUnknownSignals: true

        function onActiveFocusItemChanged() {
            form.followFocus(form.Window.window.activeFocusItem);
        }
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: form.indent
        color: "transparent"
        border.color: "#333"
        clip: true

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 1
            spacing: 0

            Item {
                id: toolBarArea

                Layout.fillWidth: true
                Layout.preferredHeight: form.toolBar ? 40 : 0
            }

            ScrollViewEx {
                id: scrollView

                Layout.fillWidth: true
                Layout.fillHeight: true
                contentWidth: availableWidth
                clip: true
                // Nothing to scroll sideways: no hidden bar takes the clicks on the fields at the bottom.
                ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
                // The bar lies beside the fields, never over their right edge.
                rightPadding: ScrollBar.vertical.size < 1 ? ScrollBar.vertical.width : 0
                // A key never edits a field scrolled out of sight: the field comes into view first.
                Component.onCompleted: {
                    if (typeof DESKTOP_UTILS !== "undefined")
                        DESKTOP_UTILS.keepFocusInView(contentItem);
                }

                ColumnLayout {
                    width: scrollView.availableWidth
                    spacing: 5

                    GridLayout {
                        objectName: "duplicateBox"
                        Layout.fillWidth: true
                        Layout.margins: 5
                        visible: form.editorState() === "DUPLICATE"
                        columns: 2
                        rowSpacing: 10
                        columnSpacing: 10

                        LabelEx {
                            text: qsTr("Amount:")
                        }

                        SpinBoxEx {
                            id: amountBox

                            property var errorCode: ["150", "160"]

                            objectName: "amount"
                            from: 1
                            to: form.singleCopy ? 1 : 100
                            value: 1
                            editable: !form.singleCopy
                            enabled: !form.singleCopy
                        }

                        CheckBoxEx {
                            id: removeSourceBox

                            objectName: "remove_src"
                            Layout.columnSpan: 2
                            text: qsTr("Remove source record")
                        }

                        Row {
                            id: duplicateArea

                            Layout.columnSpan: 2
                            spacing: 10
                        }

                        Rectangle {
                            Layout.columnSpan: 2
                            Layout.fillWidth: true
                            Layout.preferredHeight: 1
                            color: "gray"
                        }
                    }

                    GroupBoxEx {
                        objectName: "resolutionBox"
                        Layout.fillWidth: true
                        visible: form.resolutionVisible
                        title: qsTr("Resolution")

                        Loader {
                            id: resolutionLoader

                            sourceComponent: Row {
                                spacing: 10

                                ShortcutButton {
                                    name: qsTr("Approve")
                                    shortcut: "F5"
                                    checkable: false
                                    onClicked: form.resolutionApprove()
                                }

                                ShortcutButton {
                                    name: qsTr("Reject")
                                    shortcut: "F6"
                                    checkable: false
                                    onClicked: form.resolutionReject()
                                }
                            }
                        }
                    }

                    Item {
                        id: contentArea

                        Layout.fillWidth: true
                        Layout.preferredHeight: childrenRect.height
                    }

                    ColumnLayout {
                        id: footerArea

                        Layout.fillWidth: true
                        visible: form.isFooter
                        spacing: 0

                        Item {
                            Layout.preferredHeight: 5
                        }

                        Row {
                            spacing: 10

                            InsertUpdateTime {
                                id: insertUpdateTime
                            }

                            Column {
                                UserLocked {
                                    rst_id_user_locked: form.userLockedId
                                }

                                UserAccess {
                                    crud: crud
                                }
                            }

                            Item {
                                id: footerExtra

                                width: childrenRect.width
                                height: childrenRect.height
                            }
                        }
                    }
                }
            }
        }
    }
}
