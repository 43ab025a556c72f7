import QtQuick 2.15
import QtQuick.Controls 1.4
import "../styles"
import "../../js/dialog.js" as Dialog
import "../../js/errors.js" as Errors
import "rowfilter.js" as RowFilter

// The list view of every table page, over the proxy model of the page's controller. It names
// untitled columns from the catalogue, hides the columns the user's "table_mapping" withholds,
// keeps the current record selected across reloads, filters and sorts, sorts by header clicks,
// saves and restores the columns, opens the editor on a double click or Enter (with the read
// right), and offers the add, edit, remove and duplicate actions of the tool buttons. A page may
// replace any of the functions marked replaceable.
TableView {
    id: view

    property var controller: null
    property string editorUrl
    // The Table around the view; set by it.
    property var table
    property bool trackCurrentId: false
    property bool isSecurity: true
    property bool isSortByHeader: true
    property bool autoSelection: true
    property bool frameInWindow: true
    property string sortRole
    property var currentId
    property var initObjectSettings
    property bool isCompleted: false
    property bool isInited: false
    readonly property bool isReadyForStartInit: !!controller && isCompleted && !!controller.originalModel
                                                && controller.originalModel.dataAtLeastLoaded
                                                && initObjectSettings !== undefined
    property var parentItem: typeof frameItem !== "undefined" ? frameItem : null
    readonly property int idWidth: 60
    readonly property int userLockedWidth: 90
    readonly property int nameWidth: 140
    readonly property int enabledWidth: 60
    readonly property int latLonWidth: 100
    readonly property int descriptionWidth: 160
    readonly property int timeWidth: 120
    // The controller's proxy model while the view shows it.
    readonly property var proxy: controller && controller.proxyModel && model === controller.proxyModel
                                 ? controller.proxyModel : null
    readonly property bool isPrepareMode: proxy ? proxy.isPrepareMode : false
    readonly property int headerHeight: headerVisible ? 38 : 0

    signal makeSelectionEnded()
    signal rightPressed(var row, var insideRows)
    signal enterPressed()
    signal columnTitleSetted()
    signal tableRowCountChanged(int count)
    signal getSettings(var objectSettings)
    signal readySettings(var objectSettings)

    // Rows ------------------------------------------------------------------------------------

    function rowId(row) {
        if (!model || row < 0 || row >= rowCount)
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
        if (!model || id === undefined || id === null)
            return -1;
        var wanted = String(id);
        if (typeof model.checkValueByRole === "function")
            return model.checkValueByRole("id", wanted);
        for (var row = 0; row < rowCount; ++row) {
            if (String(rowId(row)) === wanted)
                return row;
        }
        return -1;
    }

    function saveCurrentId() {
        if (currentRow < 0)
            return;
        var id = rowId(currentRow);
        if (Number(id) > 0)
            currentId = id;
    }

    function selectRow(row) {
        currentRow = row;
        if (rowCount <= 0)
            return;
        selection.clear();
        if (row >= 0) {
            selection.select(row);
            positionViewAtRow(row, ListView.Contain);
        }
        saveCurrentId();
    }

    function selectBeginRow() {
        selectRow(rowCount > 0 ? 0 : -1);
    }

    function selectEndRow() {
        selectRow(rowCount - 1);
    }

    function incrementRow() {
        if (currentRow < rowCount - 1)
            selectRow(currentRow + 1);
    }

    function decrementRow() {
        if (currentRow > 0)
            selectRow(currentRow - 1);
    }

    // Id 1 is the platform's placeholder for no record and is never selected.
    function selectRowById(id) {
        if (!(Number(id) > 1))
            return;
        var row = rowById(id);
        if (row >= 0)
            selectRow(row);
    }

    function resetCurrentId() {
        selectRow(-1);
        selection.clear();
        currentId = undefined;
    }

    function findColumnIndex(name) {
        for (var i = 0; i < columnCount; ++i) {
            if (getColumn(i).role === name)
                return i;
        }
        return undefined;
    }

    function findColumn(name) {
        var index = findColumnIndex(name);
        return index === undefined ? undefined : getColumn(index);
    }

    function sortRows() {
        if (isInited && proxy && !proxy.isPrepareMode)
            proxy.sortRows(sortRole, sortIndicatorOrder);
    }

    // Keeps the selection after a sort, a filter, a load or a foreign removal: the record of
    // currentId while tracking it, else the same position, else the nearest record above.
    function makeSelection() {
        if (!autoSelection)
            return;
        sortRows();
        if (trackCurrentId) {
            if (currentId !== undefined && rowById(currentId) >= 0)
                selectRowById(currentId);
            else
                resetCurrentId();
        } else if (isRecordRow(currentRow)) {
            selectRow(currentRow);
        } else if (currentRow >= 0) {
            for (var row = Math.min(currentRow - 1, rowCount - 1); row >= 0; --row) {
                if (isRecordRow(row)) {
                    selectRowById(rowId(row));
                    return;
                }
            }
            selection.clear();
            currentRow = -1;
        } else {
            selectBeginRow();
        }
        makeSelectionEnded();
    }

    // Start and settings ----------------------------------------------------------------------

    function hideSecureColumns() {
        if (!controller)
            return;
        var value = GLOBAL.securityValue(controller, "table_mapping");
        if (!value)
            return;
        var hidden;
        try {
            hidden = JSON.parse(value);
        } catch (error) {
            console.warn("table_mapping of " + controller.name + " is not a list: " + value);
            return;
        }
        if (!Array.isArray(hidden)) {
            console.warn("table_mapping of " + controller.name + " is not a list: " + value);
            return;
        }
        for (var i = 0; i < columnCount; ++i) {
            var column = getColumn(i);
            if (hidden.indexOf(column.role) >= 0)
                column.visible = false;
        }
    }

    function setColumnTitle() {
        if (!controller)
            return;
        var rows = controller.originalModel;
        for (var i = 0; i < columnCount; ++i) {
            var column = getColumn(i);
            if (column.title !== "")
                continue;
            var title = rows ? rows.roleTitle(column.role) : "";
            column.title = title ? title : column.role;
        }
        columnTitleSetted();
    }

    function applySettings() {
        var settings = initObjectSettings ? initObjectSettings : {};
        var ids = settings["currentId"];
        if (controller && ids && ids[controller.name] !== undefined)
            currentId = ids[controller.name];
        var columns = settings["columns"];
        if (!columns)
            return;
        var widths = columns["width"] || {};
        for (var name in widths) {
            for (var i = 0; i < columnCount; ++i) {
                if (getColumn(i).role === name && widths[name])
                    getColumn(i).width = widths[name];
            }
        }
        var positions = columns["position"];
        if (positions && Object.keys(positions).length === columnCount) {
            var order = Object.keys(positions).sort(function (a, b) { return positions[a] - positions[b]; });
            for (var k = 0; k < order.length; ++k) {
                var from = findColumnIndex(order[k]);
                var to = positions[order[k]];
                if (from !== undefined && from !== to && to >= 0 && to < columnCount)
                    moveColumn(from, to);
            }
        }
        var sort = columns["sort"];
        if (isSortByHeader && sort) {
            var sortColumn = findColumnIndex(sort["role"]);
            if (sortColumn !== undefined) {
                sortRole = sort["role"];
                sortIndicatorColumn = sortColumn;
            }
            if (sort["order"] !== undefined)
                sortIndicatorOrder = sort["order"];
        }
    }

    // Once the controller, the first list and the settings are there: the settings apply in
    // prepare mode, and its end keeps the selection.
    function start() {
        if (proxy)
            proxy.beginPrepare();
        applySettings();
        isInited = true;
        if (proxy)
            proxy.endPrepare();
    }

    function collectSettings(objectSettings) {
        if (!objectSettings)
            return;
        if (controller && controller.name && currentId !== undefined) {
            var ids = objectSettings["currentId"] ? objectSettings["currentId"] : {};
            ids[controller.name] = currentId;
            objectSettings["currentId"] = ids;
        }
        if (columnCount === 0)
            return;
        var columns = {};
        if (isSortByHeader)
            columns["sort"] = { "role": sortRole, "order": sortIndicatorOrder };
        var widths = {};
        var positions = {};
        for (var i = 0; i < columnCount; ++i) {
            widths[getColumn(i).role] = getColumn(i).width;
            positions[getColumn(i).role] = i;
        }
        columns["width"] = widths;
        columns["position"] = positions;
        objectSettings["columns"] = columns;
    }

    function onHeaderSort(columnChanged) {
        if (!isInited || isPrepareMode || !isSortByHeader)
            return;
        if (columnChanged) {
            var column = getColumn(sortIndicatorColumn);
            if (!column)
                return;
            sortRole = column.role;
        }
        if (!autoSelection)
            sortRows();
        makeSelection();
    }

    // Editor and record actions ---------------------------------------------------------------

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

    // An editor opened from a table in a window opens in a window; from a tab as the
    // open-in-window button says, Alt swapping the choice.
    function prepareProperties() {
        var editor = typeof editorItem !== "undefined" && editorItem ? editorItem : null;
        var frame = enclosingFrame();
        var isWindow = editor ? editor.isWindow : (frame ? frame.isWindow : false);
        if (!isWindow)
            isWindow = isAltHeld() ? !frameInWindow : frameInWindow;
        return { "isWindow": isWindow, "ignoreAlt": true, "isNewInstance": true, "parentItem": parentItem };
    }

    // Replaceable: adds a page's own options to those of add and edit.
    function updateProperties(properties) {
    }

    function addEntry() {
        var properties = prepareProperties();
        properties["state"] = "ADD";
        updateProperties(properties);
        return GLOBAL.createQmlFrame(editorUrl, properties);
    }

    function editEntry() {
        var properties = prepareProperties();
        properties["id"] = rowId(currentRow);
        properties["state"] = "EDIT";
        updateProperties(properties);
        return GLOBAL.createQmlFrame(editorUrl, properties);
    }

    // The record removed is the one the question was about, whatever reloads meanwhile.
    function deleteEntry() {
        if (!controller || currentRow < 0)
            return;
        var id = rowId(currentRow);
        var question = Dialog.deleteRow();
        if (!question)
            return;
        question.yes.connect(function () {
            controller.trRemove({ "id": id });
            startBusy();
        });
    }

    function duplicateEntry() {
        if (!controller || currentRow < 0)
            return;
        controller.trDuplicate({ "id": rowId(currentRow) });
        startBusy();
    }

    function addAction() { return addEntry(); }
    function editAction() { return editEntry(); }
    function deleteAction() { deleteEntry(); }
    function duplicateAction() { duplicateEntry(); }

    function duplicateMultiAction() {
        var properties = prepareProperties();
        properties["id"] = rowId(currentRow);
        properties["state"] = "DUPLICATE";
        properties["isWindow"] = true;
        return GLOBAL.createQmlFrame(editorUrl, properties);
    }

    function doubleClickAction() {
        if (editorUrl !== "")
            editAction();
    }

    function addMenuAction() { addAction(); }
    function editMenuAction() { editAction(); }
    function deleteMenuAction() { deleteAction(); }

    // Replaceable: the page sends its list request or sets its hard filters here.
    function getNewList() {
    }

    // The double click and Enter: the editor opens only with the read right.
    function handleDoubleClick() {
        if (!isInited || isPrepareMode)
            return;
        if (!isSecurity || GLOBAL.securityState(controller, "read"))
            doubleClickAction();
        else
            Errors.display(parentItem, { "FN": controller.name + "_saInfo", "ERRCODE": "50" });
    }

    // Answers ---------------------------------------------------------------------------------

    function isOwn(mapParams) {
        return !!controller && String(mapParams["RECEIVER"]) === String(controller.objectNumber);
    }

    // Replaceable answer operations.
    function onSaListInfo(mapParams) {
        if (controller && !controller.isStaticModel && isOwn(mapParams))
            controller.originalModel.addRow(mapParams);
    }

    function onSaNew(mapParams) {
    }

    function onSaUpdate(mapParams) {
    }

    function onSaGetList(mapParams) {
    }

    function onSrUpdated(mapParams) {
    }

    function onSrInserted(mapParams) {
    }

    function onSaRemove(mapParams) {
        showOwnFailure(mapParams);
    }

    function onSaDuplicate(mapParams) {
        showOwnFailure(mapParams);
    }

    function showOwnFailure(mapParams) {
        if (!isOwn(mapParams))
            return;
        stopBusy();
        if (String(mapParams["RES"]) === "0")
            Errors.display(view, mapParams);
    }

    // A record created anywhere joins this list only when the list's request would have
    // brought it; then it becomes the current record.
    function acceptNewRecord(mapParams) {
        var rows = controller.originalModel;
        if (!rows || !RowFilter.passes(mapParams, controller.getMapParamsFromTrGetList()))
            return;
        rows.addRow(mapParams);
        var row = rowById(mapParams["id"]);
        if (row < 0)
            return;
        currentRow = row;
        saveCurrentId();
        var tracking = trackCurrentId;
        trackCurrentId = true;
        makeSelection();
        trackCurrentId = tracking;
    }

    frameVisible: false
    antialiasing: true
    sortIndicatorVisible: isSortByHeader
    model: controller && controller.proxyModel ? controller.proxyModel : null
    style: TableViewExStyle {}
    headerDelegate: Component {
        HeaderTableStyle {
            tableView: view
        }
    }
    onRowCountChanged: tableRowCountChanged(rowCount)
    onCurrentRowChanged: {
        if (isInited && !isPrepareMode)
            saveCurrentId();
    }
    onIsReadyForStartInitChanged: {
        if (isReadyForStartInit && !isInited)
            start();
    }
    onControllerChanged: {
        if (isCompleted)
            setColumnTitle();
    }
    onSortIndicatorColumnChanged: onHeaderSort(true)
    onSortIndicatorOrderChanged: onHeaderSort(false)
    onDoubleClicked: handleDoubleClick()
    onGetSettings: collectSettings(objectSettings)
    onReadySettings: initObjectSettings = objectSettings ? objectSettings : {}
    Keys.onReturnPressed: {
        if (rowCount > 0 && currentRow >= 0)
            handleDoubleClick();
        enterPressed();
    }
    Keys.onEnterPressed: {
        if (rowCount > 0 && currentRow >= 0)
            handleDoubleClick();
        enterPressed();
    }
    Component.onCompleted: {
        hideSecureColumns();
        setColumnTitle();
        if (columnCount > 0 && sortRole === "")
            sortRole = getColumn(0).role;
        isCompleted = true;
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onPressed: {
            if (mouse.y < view.headerHeight) {
                mouse.accepted = false;
                return;
            }
            view.forceActiveFocus();
            var row = view.rowAt(mouse.x, mouse.y);
            if (row >= 0)
                view.selectRow(row);
            view.rightPressed(row, row >= 0);
        }
    }

    Item {
        Connections {
            target: view.controller
            ignoreUnknownSignals: true

            function onSaListInfo(mapParams) {
                view.onSaListInfo(mapParams);
            }

            function onSaNew(mapParams) {
                if (view.isOwn(mapParams))
                    view.stopBusy();
                if (String(mapParams["RES"]) === "10")
                    view.acceptNewRecord(mapParams);
                view.onSaNew(mapParams);
            }

            function onSaUpdate(mapParams) {
                if (String(mapParams["RES"]) === "10")
                    view.onSaUpdate(mapParams);
            }

            function onSaRemove(mapParams) {
                if (String(mapParams["RECEIVER"]) === "ALL" && String(mapParams["RES"]) === "10"
                        && String(mapParams["id_owner_modify"]) !== String(USER_SESSION.rst_id_owner)
                        && view.currentId !== undefined && String(mapParams["id"]) === String(view.currentId))
                    view.makeSelection();
                view.onSaRemove(mapParams);
            }

            function onSaDuplicate(mapParams) {
                view.onSaDuplicate(mapParams);
            }

            function onSaGetList(mapParams) {
                var own = view.isOwn(mapParams);
                var end = String(mapParams["STATE"]) === "end";
                if (own && end)
                    view.stopBusy();
                if (own && String(mapParams["RES"]) === "0") {
                    Errors.display(view, mapParams);
                    return;
                }
                if (end && view.isInited && (own || view.controller.isStaticModel))
                    view.makeSelection();
                if (own)
                    view.onSaGetList(mapParams);
            }

            function onSrUpdated(mapParams) {
                view.onSrUpdated(mapParams);
            }

            function onSrInserted(mapParams) {
                view.onSrInserted(mapParams);
            }
        }

        Connections {
            target: view.proxy
            ignoreUnknownSignals: true

            function onIsPrepareModeChanged(isPrepareMode) {
                if (!isPrepareMode)
                    view.makeSelection();
            }

            function onFilterFinished() {
                if (view.isInited)
                    view.makeSelection();
            }
        }

        Connections {
            target: typeof GLOBAL !== "undefined" ? GLOBAL : null
            ignoreUnknownSignals: true

            function onSoReceived(sog, operation) {
                if (view.controller && !view.controller.isStaticModel)
                    GLOBAL.updateModelOnSo(sog, operation, view.controller);
            }
        }
    }
}
