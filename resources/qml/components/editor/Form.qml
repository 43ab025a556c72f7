import QtQuick 2.15
import QtQml 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import ".."
import "../../js/dialog.js" as Dialog
import "../../js/errors.js" as Errors
import "../../js/formfields.js" as Fields
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
    // The editor's life with its stored record: reads, the question about another user's change,
    // the save that waits for a read, the lock's holder.
    property alias watch: recordWatch
    // The field that the editor gave the focus when it opened.
    property Item openingField: null
    // The window its messages and questions open over: the editor's. Read by the dialog script.
    readonly property var parentWindow: editor ? editor.parentWindow : null
    // What the last save sent.
    property var savedParams: null
    // A save of this form is on its way.
    property bool isSaving: false
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
        return Fields.fieldsModified(list);
    }

    function fieldValue(control) {
        return Fields.fieldValue(control);
    }

    // The text fields typed in since params (what a save sent, what the form held at Yes).
    function typedSince(params) {
        return Fields.typedSince(fields, params);
    }

    function typedSinceSave() {
        return typedSince(savedParams);
    }

    // Every control the operator edited, with what it holds.
    function editedValues() {
        return Fields.editedValues(contentArea);
    }

    function keepTyped(typed) {
        Fields.keepTyped(typed);
    }

    function withoutCutTexts(params) {
        return Fields.withoutCutTexts(params, contentArea);
    }

    function setFieldValue(control, value) {
        Fields.setFieldValue(control, value);
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
        return Fields.answerText(value);
    }

    // The lock's holder an answer names; "1", nobody, where it names none.
    function takeHolder(mapParams) {
        var holder = answerText(mapParams["rst_id_user_locked"]);
        userLockedId = holder === "" ? "1" : holder;
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

    // The values a change of the record is judged by: those the form sends. A column it only
    // shows, or neither shows nor sends, holds nothing the operator could lose. A form whose
    // request is not the record's columns overrides it.
    function changeKeys() {
        return Object.keys(getMapParams()).filter(function (key) { return key !== "id"; });
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
        var read = own ? recordWatch.takeRead() : "";
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
        if (!recordWatch.readFills(read, mapParams))
            return;
        // A record read again shows what is stored, also where a value did not change; a field
        // typed in since the request keeps its text.
        processData(mapParams, recordWatch.keptFields(read), true);
        recordWatch.readShown(read);
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
        recordWatch.tellAfterSave(code === "10" ? "saved" : "refused");
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
        if (isAnswerOfRecord(mapParams))
            recordWatch.lockAnswered(mapParams);
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
        recordWatch.rereadChanged(mapParams["sign"]);
    }

    // Requests ----------------------------------------------------------------------------------

    function lock() {
        controller.trLock({ "id": id });
        lockRequested = true;
    }

    // The session opened again: the server holds the locks this form had no more, and one
    // another user held may be free by now. A form that locks several records overrides it.
    function relock() {
        if (lockRequested || recordWatch.lockRefused)
            lock();
    }


    function runAction() {
        // Nothing while busy: a quick second Return, or a read the operator asked for on its way.
        if (!editor || isSaving || isBusy)
            return;
        var state = editorState();
        var saves = state === "ADD" || state === "DUPLICATE" || (editor.isEditState(state) && editor.isDirty);
        // A save never crosses a quiet read of the record on its way: it follows the answer, and
        // keys typed meanwhile are saved with it.
        if (saves && (!isOnline() || recordWatch.waitForReads()))
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
            recordWatch.confirmLockedSave(function () {
                isSaving = true;
                controller.trUpdate(params);
            });
            return;
        }
        editor.startBusy();
    }


    // Nothing is sent without a session to answer it: the operator is told at once, and what was
    // typed stays in the form.
    function isOnline() {
        if (!editor || typeof editor.isOffline !== "function" || !editor.isOffline())
            return true;
        editor.requestLost(false, true);
        return false;
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


    // typed: text fields that keep what was typed while the request was on its way; showStored:
    // every control shows its stored value, also where the answer left it as it was.
    function processData(mapParams, typed, showStored) {
        recordWatch.recordShown(mapParams);
        insertUpdateTime.dt_utc_last_update = answerText(mapParams["dt_utc_last_update"]);
        insertUpdateTime.dt_utc_insert = answerText(mapParams["dt_utc_insert"]);
        takeHolder(mapParams);
        id = answerText(mapParams["id"]);
        if (editor && editor.form === form)
            editor.id = id;
        populateForm(mapParams);
        if (showStored)
            Fields.showStoredValues(contentArea);
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
            form.watch.releaseLock();
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

    RecordWatch {
        id: recordWatch

        form: form
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
