import QtQuick 2.15
import QtQuick.Dialogs 1.2
import ".."
import "../../js/dialog.js" as Dialog

// The frame of an editor page: the record id, the state ("ADD", "EDIT", "DUPLICATE"), the
// unsaved-data flag that the title, the close question and the quit check read, and the right to
// open it. Setting its form starts the conversation with the server (Form).
NtFrame {
    id: editor

    property alias editorItem: editor
    property string editorTitle
    property string id
    property var form: null
    property var approve
    // Pages bind it to their fields; nothing assigns over that binding.
    property bool isDirty: false
    // The record is gone: its unsaved changes close without the question.
    property bool isDiscarded: false
    property bool isCloseOnSa: false
    property bool isStarted: false
    property bool isFrameCompleted: false
    // The control focused when the editor was last closed took the focus back.
    property bool isFocusRestored: false
    // A save's answer went with the connection, and what it stored is not found out yet.
    readonly property bool isSaveUnknown: lostSave.isUnknown
    // The question about closing with unsaved data; it goes when the data is no longer unsaved,
    // or, asked while a save's outcome is unknown, once that is told.
    property QtObject closeQuestion: null
    property bool closeQuestionAboutUnknown: false

    function checkSecurityForOpen() {
        return !controller || GLOBAL.securityState(controller, "open_editor");
    }

    function getStateObject(name) {
        for (var i = 0; i < states.length; ++i) {
            if (states[i].name === name)
                return states[i];
        }
        return null;
    }

    // "EDIT", or a page state that extends "EDIT" directly or through one more state.
    function isEditState(name) {
        if (name === "EDIT")
            return true;
        var object = getStateObject(name);
        if (!object || !object.extend)
            return false;
        if (object.extend === "EDIT")
            return true;
        var base = getStateObject(object.extend);
        return !!base && base.extend === "EDIT";
    }

    // A read of the record that dims the page keeps it dimmed until its own answer; without a
    // session the reads are lost and made again later.
    function holdsBusy() {
        return !!form && !isOffline() && form.watch.hasDimmingReads();
    }

    function startEditor() {
        if (!form || isStarted || !checkSecurityForOpen())
            return;
        isStarted = true;
        // The form follows other users' changes of the record, which a controller that never
        // asked for a list would drop.
        if (form.controller)
            form.controller.ignoreSrUpdated = false;
        form.id = id;
        form.editor = editor;
        form.approve = approve;
        if (state === "ADD") {
            form.setDefaultFields();
        } else {
            form.watch.read("opening");
            if (state !== "DUPLICATE" && form.isLock && !GLOBAL.frames.sameEditorExists(editor))
                form.lock();
        }
        if (form.defaultActiveField && !isFocusRestored)
            form.focusOnOpening(form.defaultActiveField);
    }

    // A request that cannot be answered neither closes the editor later nor takes what was
    // typed; wasSent is false when there was no connection to send it on, isSave when it was
    // the operator's save. A save sent without answer may have been stored: it is never advised
    // again before the server has said. Reads of the record are made again once connected:
    // there is nothing to say of them.
    function requestLost(wasSent, isSave) {
        isCloseOnSa = false;
        var readsLost = !!form && form.watch.loseReads();
        if (wasSent && lostSave.take())
            sayOutcomeUnknown(qsTr("The connection to the server was lost before the answer came: whether the data was saved is not known. Once the program is connected again, it asks the server and tells you."));
        else if (lostSave.isUnknown)
            sayOutcomeUnknown(qsTr("There is no connection to the server: whether the last save reached it is not known yet. Once the program is connected again, it asks the server and tells you."));
        else if (isSave)
            Dialog.error(qsTr("There is no connection to the server: the data was not saved. It stays in the form: save it once the program is connected again."));
        else if (!readsLost)
            Dialog.error(wasSent ? qsTr("The connection to the server was lost before the answer came")
                                 : qsTr("There is no connection to the server: the request was not sent"));
    }

    // Unsaved data is never dropped silently: the user saves, discards or stays.
    function closeAction() {
        if (!isDirty || isDiscarded) {
            closeFrame();
            return;
        }
        if (isCloseOnSa) {
            isCloseOnSa = false;
            return;
        }
        if (closeQuestion && closeQuestion.visible)
            return;
        if (lostSave.isUnknown) {
            var unknown = Dialog.question(qsTr("Whether the data was saved is not known yet. Close the editor anyway?"));
            if (unknown)
                unknown.yes.connect(function () { closeAsAsked(); });
            closeQuestion = unknown || null;
            closeQuestionAboutUnknown = true;
            return;
        }
        var question = Dialog.warning(qsTr("Data not saved"), {
            "standardButtons": StandardButton.Save | StandardButton.Discard | StandardButton.Cancel
        });
        if (!question)
            return;
        closeQuestion = question;
        closeQuestionAboutUnknown = false;
        // The dialog may report one press more than once.
        var answered = false;
        question.accepted.connect(function () {
            if (!form || answered)
                return;
            answered = true;
            // While a read the operator asked for dims the page, Save does nothing, as OK does;
            // a save on its way closes the editor once answered.
            if (form.isBusy && !form.isSaving)
                return;
            // Set first: a save that is refused or asked about clears it.
            isCloseOnSa = true;
            form.runAction();
        });
        question.discard.connect(function () {
            closeAsAsked();
        });
    }

    // A close question about data that is saved by now goes, and so does the one about a save's
    // unknown outcome once the outcome is told.
    function closeStaleQuestion() {
        var unknownTold = closeQuestionAboutUnknown && !isSaveUnknown;
        if (closeQuestion && closeQuestion.visible && (!isDirty || isDiscarded || unknownTold))
            closeQuestion.close();
    }

    title: (editorTitle !== "" ? " " + editorTitle : "") + " (" + id + ")" + (isDirty ? "*" : "")
    controller: form ? form.controller : null
    state: "ADD"
    states: [
        State { name: "ADD" },
        State { name: "EDIT" },
        State { name: "DUPLICATE" }
    ]
    onTitleChanged: {
        if (!isWindow && isStarted)
            GLOBAL.setTabTitle(editor, title);
    }
    onFormChanged: {
        if (isFrameCompleted)
            startEditor();
    }
    // Filling the form may clear the flag a moment before the kept keys set it again.
    onIsDirtyChanged: Qt.callLater(closeStaleQuestion)
    onIsSaveUnknownChanged: closeStaleQuestion()
    // A removed record leaves nothing to save: its close question goes before the notice is read.
    onIsDiscardedChanged: closeStaleQuestion()
    onGetSettings: {
        if (!objectSettings)
            objectSettings = {};
        var control = form ? form.lastActiveControl : null;
        objectSettings["formActiveControl"] = control ? control.objectName : "";
    }
    onReadySettings: {
        var name = objectSettings ? objectSettings["formActiveControl"] : "";
        if (state === "ADD" || !name || !form)
            return;
        var found = DESKTOP_UTILS.findChildrenByName(form, name);
        for (var i = 0; i < found.length; ++i) {
            if (found[i].type !== "label") {
                form.focusOnOpening(found[i]);
                isFocusRestored = true;
                return;
            }
        }
    }
    window.width: 900
    window.height: 600
    Component.onCompleted: {
        if (state === "ADD")
            id = "0";
        if (!checkSecurityForOpen()) {
            id = "0";
            contentArea.enabled = false;
            Dialog.error(qsTr("You do not have permission to open editor"));
        } else {
            startEditor();
        }
        isFrameCompleted = true;
    }

    LostSaveCheck {
        id: lostSave

        owner: editor
    }
}
