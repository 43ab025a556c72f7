// What the table view and its list variant do alike: rows by id, selection keeping, the
// editor and record actions, the read-right check, and the answers of the controller. Imported
// per view: the importing view's root has the id "view" and the properties both views declare.
.import "../../js/dialog.js" as Dialog
.import "../../js/errors.js" as Errors
.import "rowfilter.js" as RowFilter

// Rows -----------------------------------------------------------------------------------------

function rowId(row) {
    var model = view.model;
    if (!model || row < 0 || row >= view.rowCount)
        return undefined;
    if (typeof model.get === "function") {
        var item = model.get(row);
        return item ? item.id : undefined;
    }
    return model.data(row, "id");
}

function isRecordRow(row) {
    var id = rowId(row);
    return id !== undefined && id !== null && String(id) !== "";
}

function rowById(id) {
    var model = view.model;
    if (!model || id === undefined || id === null)
        return -1;
    var wanted = String(id);
    if (typeof model.checkValueByRole === "function")
        return model.checkValueByRole("id", wanted);
    for (var row = 0; row < view.rowCount; ++row) {
        if (String(rowId(row)) === wanted)
            return row;
    }
    return -1;
}

function saveCurrentId() {
    if (view.currentRow < 0)
        return;
    var id = rowId(view.currentRow);
    if (Number(id) > 0)
        view.currentId = id;
}

function incrementRow() {
    if (view.currentRow < view.rowCount - 1)
        view.selectRow(view.currentRow + 1);
}

function decrementRow() {
    if (view.currentRow > 0)
        view.selectRow(view.currentRow - 1);
}

// Id 1 is the platform's placeholder for no record and is never selected.
function selectRowById(id) {
    if (!(Number(id) > 1))
        return;
    var row = rowById(id);
    if (row >= 0)
        view.selectRow(row);
}

function resetCurrentId() {
    view.selectRow(-1);
    view.clearSelection();
    view.currentId = undefined;
}

// The proxy the page's list is prepared in: the one the view shows or, before a shared list
// shows (see isListPrepared), its controller's.
function listProxy() {
    if (view.proxy)
        return view.proxy;
    var controller = view.controller;
    return controller && controller.isStaticModel && controller.proxyModel ? controller.proxyModel : null;
}

// While the proxy prepares rows it notes the order and sorts them once at the end.
function sortRows() {
    var proxy = listProxy();
    if (view.isInited && proxy)
        proxy.sortRows(view.sortRole, view.sortIndicatorOrder);
}

// After a sort, a filter, a load or a foreign removal: the record of currentId while tracking
// it, else the same position, else the nearest record above.
function makeSelection() {
    if (!view.autoSelection)
        return;
    sortRows();
    // Rows being prepared, or a shared list not prepared yet, are not shown: the selection waits
    // for the end of the preparation.
    if (view.isPrepareMode || !view.proxy)
        return;
    if (view.trackCurrentId) {
        if (view.currentId !== undefined && rowById(view.currentId) >= 0)
            selectRowById(view.currentId);
        else
            resetCurrentId();
    } else if (isRecordRow(view.currentRow)) {
        view.selectRow(view.currentRow);
    } else if (view.currentRow >= 0) {
        for (var row = Math.min(view.currentRow - 1, view.rowCount - 1); row >= 0; --row) {
            if (isRecordRow(row)) {
                selectRowById(rowId(row));
                return;
            }
        }
        view.clearSelection();
        view.currentRow = -1;
    } else {
        view.selectRow(view.rowCount > 0 ? 0 : -1);
    }
    view.makeSelectionEnded();
}

// Once the controller, the first list and the settings are there: the settings apply, then the
// selection is kept. The settings touch no filter, so the rows are not filtered again; a page
// that sets filters of its own batches them in the proxy's prepare mode.
function start() {
    view.applySettings();
    view.isInited = true;
    makeSelection();
}

// Editor and record actions -------------------------------------------------------------------

function enclosingFrame() {
    return typeof frameItem !== "undefined" ? frameItem : null;
}

function startBusy() {
    var frame = enclosingFrame();
    if (frame)
        frame.startBusy();
}

function stopBusy() {
    var frame = enclosingFrame();
    if (frame)
        frame.stopBusy();
}

function isAltHeld() {
    var alt = DESKTOP_UTILS.isAltPressed;
    return typeof alt === "function" ? alt.call(DESKTOP_UTILS) : !!alt;
}

// An editor opened from a table in a window opens in a window; from a tab as the open-in-window
// button says, Alt swapping the choice.
function prepareProperties() {
    var editor = typeof editorItem !== "undefined" && editorItem ? editorItem : null;
    var frame = enclosingFrame();
    var isWindow = editor ? editor.isWindow : (frame ? frame.isWindow : false);
    if (!isWindow)
        isWindow = isAltHeld() ? !view.frameInWindow : view.frameInWindow;
    return { "isWindow": isWindow, "ignoreAlt": true, "isNewInstance": true, "parentItem": view.parentItem };
}

function openEditor(state, withId) {
    var properties = prepareProperties();
    if (withId)
        properties["id"] = rowId(view.currentRow);
    properties["state"] = state;
    view.updateProperties(properties);
    return GLOBAL.createQmlFrame(view.editorUrl, properties);
}

// The record removed is the one the question was about, whatever reloads meanwhile.
function deleteEntry() {
    if (!view.controller || view.currentRow < 0)
        return;
    var id = rowId(view.currentRow);
    var question = Dialog.deleteRow();
    if (!question)
        return;
    question.yes.connect(function () {
        view.controller.trRemove({ "id": id });
        startBusy();
    });
}

function duplicateEntry() {
    if (!view.controller || view.currentRow < 0)
        return;
    if (view.duplicateInEditor) {
        duplicateMultiAction();
        return;
    }
    view.controller.trDuplicate({ "id": rowId(view.currentRow) });
    startBusy();
}

function duplicateMultiAction() {
    var properties = prepareProperties();
    properties["id"] = rowId(view.currentRow);
    properties["state"] = "DUPLICATE";
    properties["isWindow"] = true;
    return GLOBAL.createQmlFrame(view.editorUrl, properties);
}

// A double click or Enter: the editor opens only with the read right.
function handleDoubleClick() {
    if (!view.isInited || view.isPrepareMode)
        return;
    if (!view.isSecurity || GLOBAL.securityState(view.controller, "read"))
        view.doubleClickAction();
    else
        Errors.display(view.parentItem, { "FN": view.controller.name + "_saInfo", "ERRCODE": "50" });
}

// Answers --------------------------------------------------------------------------------------

function isOwn(mapParams) {
    return !!view.controller && String(mapParams["RECEIVER"]) === String(view.controller.objectNumber);
}

function addOwnRow(mapParams) {
    if (view.controller && !view.controller.isStaticModel && isOwn(mapParams))
        view.controller.originalModel.addRow(mapParams);
}

// The own answer to a removal or duplicate ends the wait; a refusal shows.
function showOwnFailure(mapParams) {
    if (!isOwn(mapParams))
        return false;
    stopBusy();
    if (String(mapParams["RES"]) !== "0")
        return false;
    Errors.display(view, mapParams);
    return true;
}

// Credentials come with a record's answers to its editor; a list never keeps them.
var credentials = ["pwd", "password", "fondy_credit_key", "private_key"];

function withoutCredentials(mapParams) {
    var record = {};
    for (var key in mapParams) {
        if (credentials.indexOf(key) < 0)
            record[key] = mapParams[key];
    }
    return record;
}

// A record created anywhere joins this list only when the list's request would have brought it;
// then it becomes the current record.
function acceptNewRecord(mapParams) {
    var rows = view.controller.originalModel;
    if (!rows || !RowFilter.passes(mapParams, view.controller.getMapParamsFromTrGetList()))
        return;
    rows.addRow(withoutCredentials(mapParams));
    var row = rowById(mapParams["id"]);
    if (row < 0)
        return;
    view.currentRow = row;
    saveCurrentId();
    var tracking = view.trackCurrentId;
    view.trackCurrentId = true;
    makeSelection();
    view.trackCurrentId = tracking;
}

function handleSaNew(mapParams) {
    if (isOwn(mapParams))
        stopBusy();
    if (String(mapParams["RES"]) === "10")
        acceptNewRecord(mapParams);
    view.onSaNew(mapParams);
}

function handleSaRemove(mapParams) {
    if (String(mapParams["RECEIVER"]) === "ALL" && String(mapParams["RES"]) === "10"
            && String(mapParams["id_owner_modify"]) !== String(USER_SESSION.rst_id_owner)
            && view.currentId !== undefined && String(mapParams["id"]) === String(view.currentId))
        makeSelection();
    view.onSaRemove(mapParams);
}

// A list answer that is neither the start nor the end of a list: a refusal (a missing right, a
// filter the server rejects).
function isListRefusal(mapParams) {
    var result = mapParams["RES"];
    if (result !== undefined && result !== null && String(result) !== "")
        return String(result) !== "10";
    var state = String(mapParams["STATE"]);
    return state !== "start" && state !== "end";
}

// The own list is complete or refused: the rows show and the wait ends.
function finishOwnList() {
    view.isListPending = false;
    var proxy = listProxy();
    if (proxy && proxy.isPrepareMode)
        proxy.endPrepare();
    stopBusy();
}

function handleSaGetList(mapParams) {
    var own = isOwn(mapParams);
    var end = String(mapParams["STATE"]) === "end";
    if (own && isListRefusal(mapParams)) {
        finishOwnList();
        Errors.display(view, mapParams);
        view.onSaGetList(mapParams);
        return;
    }
    if (own && end)
        finishOwnList();
    if (end && view.isInited && (own || view.controller.isStaticModel))
        makeSelection();
    if (own)
        view.onSaGetList(mapParams);
}

// Lists ----------------------------------------------------------------------------------------

// A shared catalogue: nothing is requested, the page's hard filters narrow the class-wide rows;
// without the read right no row shows. An own list: the page's request, with the read right.
function loadList() {
    var controller = view.controller;
    var proxy = listProxy();
    if (!controller || !proxy)
        return false;
    var frame = enclosingFrame();
    var allowed = frame ? frame.checkSecurity(controller) : GLOBAL.securityState(controller, "read");
    if (controller.isStaticModel) {
        proxy.beginPrepare();
        proxy.clearHardFilter();
        var filters = allowed ? view.hardFilters : [["id", "=", "-1"]];
        for (var i = 0; i < filters.length; ++i)
            proxy.appendHardFilterRole(filters[i][0], filters[i][1], filters[i][2]);
        proxy.endPrepare();
        return allowed;
    }
    if (!allowed)
        return false;
    proxy.beginPrepare();
    view.isListPending = true;
    var sent = view.isConditionList ? controller.trGetList(view.listParams(), true)
                                    : controller.trGetList(view.listParams());
    if (sent) {
        startBusy();
    } else {
        view.isListPending = false;
        proxy.endPrepare();
    }
    return sent;
}

// A filter value "1" (the placeholder) or an empty one means all: no condition is sent for it.
function filterParams(filters) {
    var params = {};
    for (var key in filters) {
        var value = filters[key];
        if (value !== undefined && value !== null && String(value) !== "" && String(value) !== "1")
            params[key] = String(value);
    }
    return params;
}

// Selection ------------------------------------------------------------------------------------

function pageState() {
    var frame = enclosingFrame();
    return frame ? String(frame.state) : "";
}

function isSelecting() {
    var state = pageState();
    return view.selectionStates.indexOf(state) >= 0 || view.multiSelectionStates.indexOf(state) >= 0;
}

function resultOf(row) {
    var result = {};
    for (var key in view.selectionRoles)
        result[key] = String(view.model.data(row, view.selectionRoles[key]));
    return result;
}

// The current row's result (SELECT) or those of every selected row (REPORT, MULTI_SELECT),
// handed to the opener; then the page closes.
function selectAndClose() {
    var frame = enclosingFrame();
    if (!frame || !view.model || view.currentRow < 0)
        return false;
    var result;
    if (view.multiSelectionStates.indexOf(pageState()) >= 0) {
        result = [];
        view.selection.forEach(function (row) { result.push(resultOf(row)); });
        if (result.length === 0)
            result.push(resultOf(view.currentRow));
    } else {
        result = resultOf(view.currentRow);
    }
    frame.select(result);
    frame.closed();
    return true;
}

// Another editor's saved record: the row shown here takes its new values.
function followUpdate(mapParams) {
    var rows = view.controller ? view.controller.originalModel : null;
    if (!rows || String(mapParams["RES"]) !== "10" || rows.checkValueByRole("id", String(mapParams["id"])) < 0)
        return;
    var record = {};
    for (var key in mapParams) {
        if (["FN", "RECEIVER", "RES", "ERRCODE", "id_owner_modify", "SIGN"].indexOf(key) < 0)
            record[key] = mapParams[key];
    }
    rows.addRow(withoutCredentials(record));
}
