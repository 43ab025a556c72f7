import QtQuick 2.15
import QtQuick.Dialogs 1.2
import QtTest 1.2
import Koriv.Test 1.0

// Editors over a real controller and a scripted network, read as the messages they send.
TestCase {
    id: testCase

    readonly property string editorUrl: "qrc:/qml/driver/driver/DriverEditor.qml"
    property var net: ScriptedNetwork

    name: "EditorSessions"
    when: windowShown

    function initTestCase() {
        GLOBAL.routeUrl(editorUrl, Qt.resolvedUrl("../pages/DriverEditor.qml"));
    }

    function init() {
        net.clear();
    }

    function cleanup() {
        for (var i = GLOBAL.frames.count() - 1; i >= 0; --i) {
            var frame = GLOBAL.frames.at(i);
            MessageBoxes.closeAllIn(frame);
            frame.isDirty = false;
            frame.closeFrame();
        }
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(2000), "every editor is gone");
        MessageBoxes.closeAllIn(mainWindow);
        GLOBAL.setRight("driver", "open_editor", true);
        GLOBAL.setRight("driver", "update", true);
    }

    function open(options) {
        var properties = { "isWindow": true, "isNewInstance": true };
        for (var key in options)
            properties[key] = options[key];
        var editor = GLOBAL.createQmlFrame(editorUrl, properties);
        verify(editor, "the editor opens");
        return editor;
    }

    function close(editor) {
        var count = GLOBAL.frames.count();
        editor.closed();
        tryVerify(function () { return GLOBAL.frames.count() === count - 1; }, TestTime.limit(2000), "the editor goes");
    }

    function record(editor, fields) {
        var answer = { "RES": "10", "id": editor.id, "RECEIVER": editor.controller.objectNumber,
                       "rst_id_user_locked": "1", "dt_utc_insert": "1710000000000",
                       "dt_utc_last_update": "1710000500000", "sign": "D105", "last_name": "Kovalenko",
                       "rating": "4.5", "inner_note": "Night shifts" };
        for (var key in fields)
            answer[key] = fields[key];
        return answer;
    }

    function field(editor, name) {
        return findChild(editor, name);
    }

    function typeInto(control, text) {
        control.forceActiveFocus();
        control.text = control.text + text;
    }

    function test_editOpensWithReadAndLock() {
        var editor = open({ "id": "5", "state": "EDIT" });
        compare(net.sentNames(), ["driver_trInfo", "driver_trLock"]);
        compare(net.sent()[0]["id"], "5");
        compare(net.sent()[1]["id"], "5");
        // The field given the focus at opening is selected once the record is shown, also while
        // the focus is elsewhere in its window and the field holds only its scope's.
        var sign = field(editor, "sign");
        editor.window.requestActivate();
        tryVerify(function () { return editor.window.active; }, TestTime.limit(2000), "offscreen activates at once");
        findChild(editor, "duplicateEditorButton").forceActiveFocus();
        verify(sign.focus && !sign.activeFocus);
        net.answer("driver", "saInfo", record(editor));
        compare(sign.selectedText, "D105");
        compare(field(editor, "lastName").text, "Kovalenko");
        compare(field(editor, "idField").text, "5", "the bound id stays");
        verify(!editor.isDirty);
        compare(editor.title, " Kovalenko (5)");
        net.answer("driver", "saLock", { "RES": "10", "id": "5", "rst_id_user_locked": "2",
                                      "RECEIVER": editor.controller.objectNumber });
        compare(editor.form.userLockedId, "2");
        net.clear();
        close(editor);
        compare(net.sentNames(), ["driver_trUnlock"]);
        compare(net.sent()[0]["id"], "5");
    }

    // The second editor of a record asks only for the record; the lock goes on to it when the
    // first one closes, and is released once, by the last of them.
    function test_secondEditorOfTheRecord() {
        var first = open({ "id": "5", "state": "EDIT" });
        net.clear();
        var second = open({ "id": "5", "state": "EDIT" });
        compare(net.sentNames(), ["driver_trInfo"]);
        close(first);
        compare(net.sentNames(), ["driver_trInfo"], "the lock stays with the editor still open");
        close(second);
        compare(net.sentNames(), ["driver_trInfo", "driver_trUnlock"]);
    }

    function test_newRecordThenLock() {
        var editor = open({ "state": "ADD" });
        compare(editor.id, "0");
        compare(net.sentNames(), [], "a new record asks for nothing");
        typeInto(field(editor, "sign"), "D777");
        verify(editor.isDirty);
        editor.buttons.accepted();
        compare(net.sentNames(), ["driver_trNew"]);
        compare(net.sent()[0]["sign"], "D777");
        verify(editor.form.isBusy, "busy at once");
        editor.buttons.accepted();
        compare(net.sentNames(), ["driver_trNew"], "a second OK while busy sends nothing");
        var count = GLOBAL.frames.count();
        net.answer("driver", "saNew", record(editor, { "id": "77", "sign": "D777" }));
        compare(editor.state, "EDIT");
        compare(net.sentNames(), ["driver_trNew", "driver_trLock"]);
        compare(net.sent()[1]["id"], "77");
        tryVerify(function () { return GLOBAL.frames.count() === count - 1; }, TestTime.limit(2000), "OK closes it after the save");
        compare(net.sentNames(), ["driver_trNew", "driver_trLock", "driver_trUnlock"]);
        compare(net.sent()[2]["id"], "77");
    }

    // Only "RES" "10" is success: any other answer to a new record is a failure and shows.
    function test_newRecordRefused_data() {
        return [{ tag: "RES 0", res: "0" }, { tag: "RES 20", res: "20" }];
    }

    function test_newRecordRefused(data) {
        var editor = open({ "state": "ADD" });
        typeInto(field(editor, "sign"), "D9");
        field(editor, "lastName").forceActiveFocus();
        editor.form.runAction();
        net.answer("driver", "saNew", { "RES": data.res, "ERRCODE": "250", "id": "0",
                                     "RECEIVER": editor.controller.objectNumber });
        compare(editor.state, "ADD");
        compare(net.sentNames(), ["driver_trNew"], "no lock");
        verify(!editor.form.isBusy);
        compare(MessageBoxes.textsIn(editor).length, 1);
        verify(field(editor, "sign").activeFocus, "the field of the error code takes the focus");
        verify(editor.isDirty, "the edits stay");
    }

    function test_duplicateCarriesItsOptions() {
        var editor = open({ "id": "5", "state": "DUPLICATE" });
        compare(net.sentNames(), ["driver_trInfo"], "a duplicating editor takes no lock");
        net.answer("driver", "saInfo", record(editor));
        verify(!editor.isDirty);
        editor.form.amount.value = 3;
        editor.form.removeSource.checked = true;
        compare(editor.buttons.roles, ["duplicate", "cancel"]);
        editor.buttons.accepted();
        compare(net.sentNames(), ["driver_trInfo", "driver_trDuplicate"]);
        compare(net.sent()[1]["amount"], 3);
        compare(net.sent()[1]["remove_src"], "1");
        var count = GLOBAL.frames.count();
        net.answer("driver", "saDuplicate", { "RES": "10", "id": "6", "RECEIVER": editor.controller.objectNumber });
        tryVerify(function () { return GLOBAL.frames.count() === count - 1; }, TestTime.limit(2000), "done, it closes");
        compare(net.sentNames(), ["driver_trInfo", "driver_trDuplicate"], "and unlocks nothing it never locked");
    }

    // A copy with typed values is a dirty editor: closing it asks, and Save makes the copy.
    function test_dirtyCopyAsksBeforeClosing() {
        var editor = open({ "id": "5", "state": "DUPLICATE" });
        net.answer("driver", "saInfo", record(editor));
        verify(!editor.isDirty);
        typeInto(field(editor, "lastName"), "!");
        verify(editor.isDirty, "the page's binding still follows the fields");
        compare(editor.title.slice(-1), "*");
        editor.closed();
        var question = MessageBoxes.openIn(editor)[0];
        compare(question.text, "Data not saved");
        question.click(StandardButton.Cancel);
        compare(GLOBAL.frames.count(), 1, "the typed values stay");
        editor.closed();
        net.clear();
        MessageBoxes.openIn(editor)[0].click(StandardButton.Save);
        compare(net.sentNames(), ["driver_trDuplicate"]);
        compare(net.sent()[0]["last_name"], "Kovalenko!");
        net.answer("driver", "saDuplicate", { "RES": "10", "id": "6", "RECEIVER": editor.controller.objectNumber });
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(2000), "copied, it closes");
    }

    function test_duplicateFromAnEditorOpensTheCopy() {
        // Editors of the page open where the last one was left.
        GLOBAL.guiSession.setFrameSettings(editorUrl, { "window": { "x": 100, "y": 80, "width": 500, "height": 400 } });
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        GLOBAL.clearCalls();
        findChild(editor, "duplicateEditorButton").clicked();
        compare(net.sentNames()[2], "driver_trDuplicate");
        net.answer("driver", "saDuplicate", { "RES": "10", "id": "6", "RECEIVER": editor.controller.objectNumber });
        var opened = GLOBAL.callsOf("createQmlFrame");
        compare(opened.length, 1);
        compare(opened[0][1]["id"], "6");
        compare(opened[0][1]["state"], "EDIT");
        var copy = GLOBAL.frames.at(GLOBAL.frames.count() - 1);
        compare(copy.id, "6");
        compare(copy.window.x, 100 + 20, "the copy stands 20 pixels to the right");
        compare(copy.window.y, 80 + 20, "and 20 lower");
        verify(!copy.isSaveWindowPosition, "the shift is not saved");
        close(copy);
        compare(GLOBAL.guiSession.frameSettings(editorUrl)["window"]["x"], 100);
    }

    // e: another page's read of the record does not overwrite unsaved edits.
    function test_dirtyEditorKeepsItsEdits() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        net.answer("driver", "saInfo", record(editor, { "RECEIVER": "999", "last_name": "Melnyk" }));
        compare(field(editor, "lastName").text, "Melnyk", "a clean editor follows other pages' reads");
        typeInto(field(editor, "lastName"), " RS");
        net.answer("driver", "saInfo", record(editor, { "RECEIVER": "999", "last_name": "Lysenko" }));
        compare(field(editor, "lastName").text, "Melnyk RS", "a dirty one keeps its edits");
        verify(editor.isDirty);
        net.answer("driver", "saInfo", { "RES": "0", "ERRCODE": "110", "id": "5", "RECEIVER": "999" });
        compare(MessageBoxes.textsIn(editor), [], "another page's failed read is not this editor's error");
        verify(!editor.isCloseOnSa);

        // A read that sent nothing is waited for by nobody: the answer of the next one, for a
        // change of a clean form, keeps what was typed while it was on its way, and asks.
        editor.isDirty = false;
        net.clear();
        editor = open({ "id": "6", "state": "EDIT", "readable": false });
        compare(net.sentNames(), ["driver_trLock"]);
        editor.readable = true;
        QWIDGET_CREATOR.clearCalls();
        net.answer("driver", "srUpdated", { "id": "6", "id_owner_modify": "9", "sign": "petro", "RECEIVER": "ALL" });
        compare(net.sentNames(), ["driver_trLock", "driver_trInfo"]);
        typeInto(field(editor, "lastName"), "Lys");
        net.answer("driver", "saInfo", record(editor));
        compare(field(editor, "lastName").text, "Lys");
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 1);
    }

    // f: a removal refused to another page neither clears the unsaved state nor ends a save.
    function test_refusedRemovalKeepsTheEdits() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        typeInto(field(editor, "lastName"), "!");
        editor.form.runAction();
        verify(editor.form.isBusy);
        net.answer("driver", "saRemove", { "RES": "0", "ERRCODE": "120", "id": "5", "RECEIVER": "999" });
        verify(editor.isDirty, "still unsaved");
        verify(editor.form.isBusy, "the save is still awaited");
        net.answer("driver", "saUpdate", record(editor, { "last_name": "Kovalenko!" }));
        verify(!editor.form.isBusy);
        verify(!editor.isDirty, "saved");

        // Keys typed while a save's answer is on its way stay where they were typed, over the
        // saved value, and are saved next.
        var sign = field(editor, "sign");
        typeInto(sign, "7");
        editor.form.runAction();
        sign.cursorPosition = 2;
        sign.insert(2, "x");
        net.answer("driver", "saUpdate", record(editor, { "last_name": "Kovalenko!", "sign": "D1057" }));
        compare(sign.text, "D1x057");
        compare(sign.cursorPosition, 3);
        compare(sign.legalText, "D1057");
        verify(editor.isDirty);
    }

    function test_removedByAnotherUser() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        typeInto(field(editor, "lastName"), "!");
        net.answer("driver", "saRemove", { "RES": "10", "id": "5", "RECEIVER": "ALL", "id_owner_modify": "9" });
        compare(MessageBoxes.textsIn(editor), ["Data removed by user with id = 9. Form will close!"]);
        verify(editor.isDiscarded, "the edits are dropped with the record");
        var count = GLOBAL.frames.count();
        MessageBoxes.closeAllIn(editor);
        tryVerify(function () { return GLOBAL.frames.count() === count - 1; }, TestTime.limit(2000), "it closes when read");
    }

    function test_closeQuestion() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        typeInto(field(editor, "lastName"), "!");
        editor.closed();
        var boxes = MessageBoxes.openIn(editor);
        compare(boxes.length, 1, "one question");
        var question = boxes[0];
        compare(question.text, "Data not saved");
        compare(question.standardButtons, StandardButton.Save | StandardButton.Discard | StandardButton.Cancel);
        question.click(StandardButton.Cancel);
        compare(GLOBAL.frames.count(), 1, "Cancel stays");
        // Nothing left unsaved while it is open: it goes, and the editor stays.
        editor.closed();
        compare(MessageBoxes.openIn(editor).length, 1);
        field(editor, "lastName").text = "Kovalenko";
        tryVerify(function () { return MessageBoxes.openIn(editor).length === 0; }, TestTime.limit(2000),
                  "the question about unsaved data goes with them");
        compare(GLOBAL.frames.count(), 1);
        typeInto(field(editor, "lastName"), "!");
        editor.closed();
        question = MessageBoxes.openIn(editor)[0];
        net.clear();
        question.click(StandardButton.Save);
        compare(net.sentNames(), ["driver_trUpdate"]);
        compare(GLOBAL.frames.count(), 1, "open until the save succeeds");
        net.answer("driver", "saUpdate", record(editor, { "last_name": "Kovalenko!" }));
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(2000), "saved, it closes");
    }

    function test_discardCloses() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        typeInto(field(editor, "lastName"), "!");
        editor.closed();
        net.clear();
        MessageBoxes.openIn(editor)[0].click(StandardButton.Discard);
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(2000));
        compare(net.sentNames(), ["driver_trUnlock"], "nothing saved");
    }

    function test_okWithoutChangesCloses() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        net.clear();
        editor.buttons.accepted();
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(2000));
        compare(net.sentNames(), ["driver_trUnlock"]);
    }

    function test_changesOfOthers_data() {
        return [
            { tag: "another user, clean", author: "9", dirty: false, reload: true, question: false },
            { tag: "another user, dirty", author: "9", dirty: true, reload: true, question: true },
            { tag: "the signed-in user", author: "2", dirty: false, reload: false, question: false },
            { tag: "the system", author: "1", dirty: false, reload: false, question: false }
        ];
    }

    function test_changesOfOthers(data) {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        if (data.dirty)
            typeInto(field(editor, "lastName"), "!");
        net.clear();
        QWIDGET_CREATOR.clearCalls();
        net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": data.author, "sign": "petro", "RECEIVER": "ALL" });
        compare(net.sentNames().indexOf("driver_trInfo") >= 0, data.reload);
        // Over edits the record is read without dimming the page: nobody asked for it.
        compare(editor.form.isBusy, data.reload && !data.dirty);
        var questions = QWIDGET_CREATOR.callsOf("safeQuestion");
        compare(questions.length > 0, data.question);
        if (data.question)
            compare(questions[0][0], "Data changed by user 'petro'. Apply?");
    }

    function test_oneQuestionThenTheStoredRecord() {
        // Twenty changes over unsaved edits ask once, naming the latest author.
        var editor = open({ "id": "5", "state": "EDIT" });
        var stored = { "utc_offset": "180", "shift": "1", "is_online": "0", "night_mode": "0", "badge_color": "#3b7dd8",
                       "dt_birth": "15.03.90", "shift_start": "08:30", "override_duty_amount": "1", "rst_id_city": "3",
                       "call_sign": "Lviv" };
        net.answer("driver", "saInfo", record(editor, stored));
        verify(!editor.isDirty, "loading edits nothing");
        typeInto(field(editor, "lastName"), "ko");
        typeInto(field(editor, "innerNote"), " and weekends");
        // Every other kind of control changed too, and what it shows of the stored value (a path
        // of properties).
        var changes = [
            { name: "utcOffset", change: function (c) { c.currentIndex = c.indexOfMinutes("60"); },
              shown: "currentMinutes", stored: "180" },
            { name: "shift", change: function (c) { c.currentIndex = 2; }, shown: "currentText", stored: "Night" },
            { name: "online", change: function (c) { c.toggle(); }, shown: "checked", stored: "false" },
            { name: "nightMode", change: function (c) { c.toggle(); }, shown: "checked", stored: "false" },
            { name: "badge", change: function (c) { c.color = "red"; }, shown: "color", stored: "#3b7dd8" },
            { name: "birthDate", change: function (c) { c.showCells(["07", "04", "91"]); }, shown: "text", stored: "15.03.90" },
            { name: "shiftStart", change: function (c) { c.hour.step(1); c.minute.step(-1); }, shown: "text", stored: "08:30" },
            { name: "dutyGroup", change: function (c) { c.label.toggle(); }, shown: "label.checked", stored: "true" },
            { name: "cityValue", change: function (c) { c.value = "4"; }, shown: "value", stored: "3" },
            { name: "callSign", change: function (c) { c.text = "Lviv-2"; }, shown: "text", stored: "Lviv" }
        ];
        changes.forEach(function (row) {
            row.change(field(editor, row.name));
            verify(field(editor, row.name).modify, row.name + " is changed");
        });
        net.clear();
        QWIDGET_CREATOR.clearCalls();
        for (var i = 0; i < 20; ++i)
            net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": i < 19 ? "petro" : "olena",
                                                "RECEIVER": "ALL" });
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 1);
        var question = QWIDGET_CREATOR.lastDialog();
        compare(question.text, "Data changed by user 'olena'. Apply?");
        compare(net.sentNames(), ["driver_trInfo"], "one read, without dimming, brings every change pushed on its way");
        verify(!editor.form.isBusy);
        // Yes reads the record again: every field shows what is stored, the note and the other
        // controls too although their stored values did not change, and nothing is left to save.
        question.answer(true);
        compare(net.sentNames(), ["driver_trInfo", "driver_trInfo"]);
        verify(editor.form.isBusy);
        stored["last_name"] = "Kovalenko-Bilyk";
        net.answer("driver", "saInfo", record(editor, stored));
        net.answer("driver", "saInfo", record(editor, stored));
        compare(field(editor, "lastName").text, "Kovalenko-Bilyk");
        compare(field(editor, "innerNote").text, "Night shifts");
        var shown = changes.map(function (row) {
            var control = field(editor, row.name);
            var value = row.shown.split(".").reduce(function (item, key) { return item[key]; }, control);
            return row.name + " " + String(value) + (control.modify ? " changed" : "");
        });
        compare(shown, changes.map(function (row) { return row.name + " " + row.stored; }));
        verify(!editor.isDirty);
        // Asked again once the question went. No covers the change it answered: the read it
        // makes brings that record, with what the platform stored meanwhile, and asks nothing;
        // a colleague's push after No is a change No never covered, asked about, naming them.
        typeInto(field(editor, "lastName"), "!");
        QWIDGET_CREATOR.clearCalls();
        var declined = function (sign) {
            net.clear();
            net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": sign, "RECEIVER": "ALL" });
            compare(net.sentNames(), ["driver_trInfo"]);
            QWIDGET_CREATOR.lastDialog().answer(false);
            compare(net.sentNames(), ["driver_trInfo"], "No waits for that read");
        };
        declined("petro");
        net.answer("driver", "saInfo", record(editor, { "last_name": "Kovalenko-Bilyk", "sign": "D106", "completed_order_seq": "4",
                                                        "dt_utc_last_update": "1710000600000" }));
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 1);
        compare(field(editor, "sign").text, "D106", "No shows the change where nothing was typed");
        declined("petro");
        net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": "olena", "RECEIVER": "ALL" });
        net.answer("driver", "saInfo", record(editor, { "last_name": "Kovalenko-Bilyk", "sign": "D107",
                                                        "dt_utc_last_update": "1710000900000" }));
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 3);
        compare(QWIDGET_CREATOR.lastDialog().text, "Data changed by user 'olena'. Apply?");
        compare(field(editor, "lastName").text, "Kovalenko-Bilyk!");
        compare(field(editor, "sign").text, "D106", "shown only once answered");
    }

    // No keeps what the operator edited and nothing else: every other field shows the stored
    // value, and the save sends it, not what the form showed before the colleague's change.
    function test_noKeepsOnlyWhatWasEdited() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor, { "is_online": "0", "night_mode": "0" }));
        var lastName = field(editor, "lastName");
        typeInto(lastName, "ko");
        lastName.cursorPosition = 3;
        field(editor, "online").toggle();
        QWIDGET_CREATOR.clearCalls();
        net.clear();
        net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": "petro", "RECEIVER": "ALL" });
        QWIDGET_CREATOR.lastDialog().answer(false);
        compare(net.sentNames(), ["driver_trInfo"], "the record No answered is read");
        net.answer("driver", "saInfo", record(editor, { "sign": "D106", "inner_note": "Day shifts", "rating": "4.0",
                                                        "last_name": "Melnyk", "is_online": "0", "night_mode": "1",
                                                        "dt_utc_last_update": "1710000600000" }));
        compare(lastName.text, "Kovalenkoko", "what was typed stays");
        compare(lastName.cursorPosition, 3);
        verify(field(editor, "online").checked, "what was switched stays");
        compare([field(editor, "sign").text, field(editor, "innerNote").text, field(editor, "rating").text],
                ["D106", "Day shifts", "4.0"]);
        verify(field(editor, "nightMode").checked);
        verify(editor.isDirty);
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 1);
        net.clear();
        editor.enterPressed();
        compare(net.sentNames(), ["driver_trUpdate"]);
        var sent = net.sent()[0];
        compare([sent["last_name"], sent["sign"], sent["inner_note"], sent["rating"]], ["Kovalenkoko", "D106", "Day shifts", "4.0"]);
    }

    function test_lockRefused() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saLock", { "RES": "0", "ERRCODE": "100", "id": "5", "RECEIVER": editor.controller.objectNumber });
        compare(MessageBoxes.textsIn(editor).length, 1);
        MessageBoxes.closeAllIn(editor);
        net.clear();
        close(editor);
        compare(net.sentNames(), [], "a lock it did not get is not released");
    }

    // A colleague's lock counts whenever it is learned: a read over edits after a reconnection
    // names the holder, the refused lock's box names them too, and a save asks before going over it.
    function test_lockHolderFromEveryRead() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        net.answer("driver", "saLock", { "RES": "10", "id": "5", "rst_id_user_locked": "2",
                                         "RECEIVER": editor.controller.objectNumber });
        typeInto(field(editor, "lastName"), "!");
        USER_SESSION.isOffline = true;
        USER_SESSION.isOffline = false;
        net.clear();
        USER_SESSION.saOpen({ "RES": "10" });
        compare(net.sentNames(), ["driver_trInfo", "driver_trLock"]);
        net.answer("driver", "saInfo", record(editor, { "rst_id_user_locked": "9" }));
        compare(editor.form.userLockedId, "9", "the read over edits names who holds the lock");
        net.answer("driver", "saLock", { "RES": "0", "ERRCODE": "100", "id": "5", "RECEIVER": editor.controller.objectNumber });
        var texts = MessageBoxes.textsIn(editor);
        compare(texts.length, 1);
        verify(texts[0].indexOf("Locked by user '9'.") >= 0, texts[0]);
        compare(editor.form.userLockedId, "9");
        MessageBoxes.closeAllIn(editor);
        net.clear();
        QWIDGET_CREATOR.clearCalls();
        editor.enterPressed();
        compare(net.sentNames(), [], "nothing is saved over the lock unasked");
        compare(MessageBoxes.textsIn(editor), []);
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 1, "asked by Return too, no key answers it");
        compare(QWIDGET_CREATOR.callsOf("safeQuestion")[0][0], "The record is locked by user '9'. Save over the lock?");
        QWIDGET_CREATOR.lastDialog().answer(false);
        compare(net.sentNames(), []);
    }

    function test_recordFreedWhileOpen() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.clear();
        net.answer("driver", "saUnlock", { "RES": "10", "id": "5", "RECEIVER": "999" });
        compare(net.sentNames(), ["driver_trLock"], "it locks the record again");
    }

    function test_sessionOpenedAgain() {
        // After a lost connection the server holds no lock: the editor that held one reads the
        // record again, then asks for the lock.
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        net.answer("driver", "saLock", { "RES": "10", "id": "5", "rst_id_user_locked": "2",
                                         "RECEIVER": editor.controller.objectNumber });
        typeInto(field(editor, "lastName"), "ko");
        net.clear();
        QWIDGET_CREATOR.clearCalls();
        USER_SESSION.saOpen({ "RES": "10" });
        compare(net.sentNames(), ["driver_trInfo", "driver_trLock"]);
        compare(net.sent()[0]["id"], "5");
        compare(net.sent()[1]["id"], "5");
        // Nobody asked for that read: the page never dims for it. Return meanwhile is not lost:
        // the save follows the read's answer.
        verify(!findChild(editor, "busyTimer").running, "no dimming for a read nobody asked for");
        editor.enterPressed();
        compare(net.sentNames(), ["driver_trInfo", "driver_trLock"], "the save waits for the read");
        // The values it showed, saved again meanwhile, and columns the form never sends changed by
        // the platform: nothing is said, the unsaved edit stays and is saved.
        net.answer("driver", "saInfo", record(editor, { "dt_utc_last_update": "1710000900000", "rst_id_user_locked": "2",
                                                        "status": "3", "completed_order_seq": "41" }));
        compare(field(editor, "lastName").text, "Kovalenkoko", "the unsaved edit stays");
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 0);
        compare(MessageBoxes.textsIn(editor), []);
        tryVerify(function () { return net.sentNames().length === 3; }, TestTime.limit(2000), "the save follows");
        compare(net.sentNames()[2], "driver_trUpdate");
        compare(net.sent()[2]["last_name"], "Kovalenkoko");
        net.answer("driver", "saUpdate", record(editor, { "last_name": "Kovalenkoko", "rst_id_user_locked": "2" }));
        verify(!editor.isDirty);
        typeInto(field(editor, "lastName"), "ko");

        // Removed meanwhile: the editor closes with the removal's warning alone, though the lock
        // is refused too.
        USER_SESSION.saOpen({ "RES": "10" });
        net.answer("driver", "saInfo", { "RES": "0", "ERRCODE": "110", "id": "5", "RECEIVER": editor.controller.objectNumber });
        net.answer("driver", "saLock", { "RES": "0", "ERRCODE": "100", "id": "5", "RECEIVER": editor.controller.objectNumber });
        compare(MessageBoxes.textsIn(editor), ["Data removed. Form will close!"]);
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 0);
        verify(editor.isDiscarded, "the edits go with the record");
        var count = GLOBAL.frames.count();
        MessageBoxes.closeAllIn(editor);
        tryVerify(function () { return GLOBAL.frames.count() === count - 1; }, TestTime.limit(2000), "it closes when read");

        editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        // A new record holds no lock to renew.
        var fresh = open({ "state": "ADD" });
        net.clear();
        USER_SESSION.saOpen({ "RES": "10" });
        compare(net.sentNames(), ["driver_trInfo", "driver_trLock"], "only the stored record's editor reads and locks");
        editor.isDirty = false;
    }

    // Another wait of the page ending (a table's list answered) leaves it dimmed while the
    // record's read is on its way: keys reach the form only once the record is shown.
    function test_readKeepsThePageDimmed() {
        var editor = open({ "id": "5", "state": "EDIT" });
        var timer = findChild(editor, "busyTimer");
        verify(editor.form.isBusy && timer.running);
        editor.stopBusy();
        verify(editor.form.isBusy, "the read still dims the form");
        verify(editor.isRequestPending && timer.running, "the overlay still comes");
        net.answer("driver", "saInfo", record(editor));
        verify(!editor.form.isBusy && !editor.isRequestPending && !timer.running);

        // Without a session the read is lost: the wait ends, and the read is made again later.
        var second = open({ "id": "6", "state": "EDIT" });
        verify(second.form.isBusy);
        USER_SESSION.isOffline = true;
        verify(!second.form.isBusy && !second.isRequestPending && !findChild(second, "busyTimer").running);
        USER_SESSION.isOffline = false;
    }

    function test_readsLostWithTheConnection() {
        // The opening read lost: made again once the session is open, it fills the form, selects
        // nothing and says nothing.
        var editor = open({ "id": "5", "state": "EDIT" });
        var sign = field(editor, "sign");
        QWIDGET_CREATOR.clearCalls();
        USER_SESSION.isOffline = true;
        USER_SESSION.isOffline = false;
        net.clear();
        USER_SESSION.saOpen({ "RES": "10" });
        compare(net.sentNames(), ["driver_trInfo", "driver_trLock"]);
        net.answer("driver", "saInfo", record(editor));
        compare(sign.text, "D105");
        compare(sign.selectedText, "");
        compare(MessageBoxes.textsIn(editor), []);

        // Yes, its read taken by the connection: made again and shown over the edits, asking nothing.
        var lastName = field(editor, "lastName");
        typeInto(lastName, "ko");
        net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": "petro", "RECEIVER": "ALL" });
        QWIDGET_CREATOR.lastDialog().answer(true);
        USER_SESSION.isOffline = true;
        compare(MessageBoxes.textsIn(editor), []);
        USER_SESSION.isOffline = false;
        USER_SESSION.saOpen({ "RES": "10" });
        net.answer("driver", "saInfo", record(editor, { "last_name": "Melnyk" }));
        compare(lastName.text, "Melnyk");
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 1);
        verify(!editor.isDirty);

        // No answered offline, no read of its question landed: the record read once back differs
        // from the base where the operator typed, and a stamp places nothing, so it is asked about
        // once more (the push's time too is a stamp of a store that may overlap another); No
        // keeps what was typed and shows the rest. A change stored after it is asked about, once.
        typeInto(lastName, "!");
        net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": "petro", "RECEIVER": "ALL",
                                            "dt_utc_last_update": String(USER_SESSION.utc_dt - 1000) });
        USER_SESSION.isOffline = true;
        QWIDGET_CREATOR.lastDialog().answer(false);
        USER_SESSION.isOffline = false;
        USER_SESSION.saOpen({ "RES": "10" });
        net.answer("driver", "saInfo", record(editor, { "last_name": "Lysenko", "inner_note": "Lysenko's",
                                                        "dt_utc_last_update": String(USER_SESSION.utc_dt - 1000) }));
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 3);
        compare(lastName.text, "Melnyk!");
        QWIDGET_CREATOR.lastDialog().answer(false);
        compare(field(editor, "innerNote").text, "Lysenko's");
        compare(lastName.text, "Melnyk!");
        // Stored after the change No kept out, though before the program's clock says No was
        // answered: asked.
        USER_SESSION.isOffline = true;
        USER_SESSION.isOffline = false;
        USER_SESSION.saOpen({ "RES": "10" });
        net.answer("driver", "saInfo", record(editor, { "last_name": "Tkachuk", "dt_utc_last_update": String(USER_SESSION.utc_dt - 500) }));
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 4);
        compare(QWIDGET_CREATOR.lastDialog().text, "Data changed while the connection was lost. Apply?");
        compare(lastName.text, "Melnyk!");
        QWIDGET_CREATOR.lastDialog().answer(false);

        // The same with a push that carries no time, whatever the clocks say: the record read once
        // back is asked about once more, and one stored later is asked about.
        USER_SESSION.setNow(USER_SESSION.utc_dt + 60000);
        net.answer("driver", "srUpdated", { "id": "5", "id_owner_modify": "9", "sign": "petro", "RECEIVER": "ALL" });
        USER_SESSION.isOffline = true;
        QWIDGET_CREATOR.lastDialog().answer(false);
        USER_SESSION.isOffline = false;
        USER_SESSION.saOpen({ "RES": "10" });
        net.answer("driver", "saInfo", record(editor, { "last_name": "Bondar", "dt_utc_last_update": String(USER_SESSION.utc_dt + 59000) }));
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 6);
        compare(lastName.text, "Melnyk!");
        QWIDGET_CREATOR.lastDialog().answer(false);
        USER_SESSION.isOffline = true;
        USER_SESSION.isOffline = false;
        USER_SESSION.saOpen({ "RES": "10" });
        net.answer("driver", "saInfo", record(editor, { "last_name": "Shevchuk", "dt_utc_last_update": String(USER_SESSION.utc_dt + 120000) }));
        compare(QWIDGET_CREATOR.callsOf("safeQuestion").length, 7);
        compare(QWIDGET_CREATOR.lastDialog().text, "Data changed while the connection was lost. Apply?");
        compare(lastName.text, "Melnyk!");
        QWIDGET_CREATOR.lastDialog().answer(false);
        USER_SESSION.setNow(-1);
    }

    function test_noRightToOpen() {
        GLOBAL.setRight("driver", "open_editor", false);
        var editor = open({ "id": "5", "state": "EDIT" });
        compare(editor.id, "0");
        compare(net.sentNames(), []);
        verify(!editor.contentArea.enabled);
        compare(MessageBoxes.textsIn(editor), ["You do not have permission to open editor"]);
    }

    function test_accessLettersFollowPushes() {
        var editor = open({ "id": "5", "state": "EDIT" });
        var letter = findChild(editor, "accessU");
        verify(letter);
        compare(String(letter.color), "#008000");
        GLOBAL.setRight("driver", "update", false);
        GLOBAL.soReceived("driver", "update");
        compare(String(letter.color), "#808080", "withdrawn at once");
    }

    function test_titleOfATab() {
        var editor = open({ "id": "5", "state": "EDIT", "isWindow": false });
        net.answer("driver", "saInfo", record(editor));
        typeInto(field(editor, "lastName"), "!");
        var titles = GLOBAL.callsOf("setTabTitle").map(function (call) { return call[1]; });
        compare(titles[titles.length - 1], " Kovalenko (5)*", "the tab shows the unsaved mark");
    }

    function test_focusedFieldComesBack() {
        var editor = open({ "id": "5", "state": "EDIT" });
        net.answer("driver", "saInfo", record(editor));
        field(editor, "lastName").forceActiveFocus();
        close(editor);
        compare(GLOBAL.guiSession.frameSettings(editorUrl)["formActiveControl"], "lastName");
        editor = open({ "id": "5", "state": "EDIT" });
        verify(field(editor, "lastName").activeFocus, "the field last used has the focus again");
    }

    function test_changeRequestShowsAsLegalValues() {
        var approve = { "context": "driver.update", "data": { "sign": "D999", "lastName": "Kovalenko" },
                        "isCompleted": false, "rst_id_nm": "44" };
        var editor = open({ "id": "5", "state": "EDIT", "approve": approve });
        net.answer("driver", "saInfo", record(editor));
        verify(editor.form.resolutionVisible);
        compare(field(editor, "sign").legalText, "D999", "the proposal is the value to save");
        verify(field(editor, "sign").isMismatch, "and marked where it differs");
        verify(!field(editor, "lastName").isMismatch);
        var approved = 0;
        editor.form.resolutionApprove.connect(function () { ++approved; });
        findChild(editor, "resolutionBox").visible;
        editor.form.resolutionApprove();
        compare(approved, 1);
    }
}
