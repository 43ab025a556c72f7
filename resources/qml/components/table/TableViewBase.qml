import QtQuick 2.15
import QtQuick.Controls 1.4
import ".."
import "../styles"
import "viewlogic.js" as ViewLogic

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
    // Records whose sign or name is unique: Duplicate opens the editor in "DUPLICATE", where the
    // copy gets its own, instead of copying the record as it is.
    property bool duplicateInEditor: false
    property string sortRole
    property var currentId
    // Lists: the hard filters of a shared catalogue ([role, operation, value] each); an own list
    // sent as a JSON condition (the page checked the right itself); the own list on its way.
    property var hardFilters: []
    property bool isConditionList: false
    property bool isListPending: false
    // A shared list's rows are in the view once the page asked for them and they are prepared
    // (its filters, its right; see showList): rows made before would go again while the view is
    // still making them, and rows the operator may not read would show for a moment. An own list
    // comes empty and fills as it arrives.
    property bool isListPrepared: false
    // Selection: the page states that choose one row or several, and the result's keys with the
    // roles they come from.
    property var selectionStates: ["SELECT"]
    property var multiSelectionStates: ["REPORT", "MULTI_SELECT"]
    property var selectionRoles: ({ "id": "id" })
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
    // Counts the changes of the columns' order (added, removed, moved columns): what walks the
    // columns by index reads it, so that it follows them.
    property int columnOrder: 0
    // The columns within the visible width: the first and last index, where each column starts,
    // and how many cells a row keeps for them (see shownColumnRange); only their cells and header
    // sections are made. One value, so that all that follows it reads the columns of one moment.
    readonly property var shownColumns: isCompleted && columnOrder >= 0
                                        ? shownColumnRange(__listView.contentX, __listView.width)
                                        : { "first": -1, "last": -2, "offsets": [], "delegates": [], "slots": 0 }
    readonly property int cellSlots: shownColumns.slots

    signal makeSelectionEnded()
    signal rightPressed(var row, var insideRows)
    signal enterPressed()
    signal columnTitleSetted()
    signal tableRowCountChanged(int count)
    signal getSettings(var objectSettings)
    signal readySettings(var objectSettings)

    // Rows ------------------------------------------------------------------------------------

    function rowId(row) { return ViewLogic.rowId(row); }
    function saveCurrentId() { ViewLogic.saveCurrentId(); }
    function selectBeginRow() { selectRow(rowCount > 0 ? 0 : -1); }
    function selectEndRow() { selectRow(rowCount - 1); }
    function incrementRow() { ViewLogic.incrementRow(); }
    function decrementRow() { ViewLogic.decrementRow(); }
    function selectRowById(id) { ViewLogic.selectRowById(id); }
    function resetCurrentId() { ViewLogic.resetCurrentId(); }
    function sortRows() { ViewLogic.sortRows(); }
    function makeSelection() { ViewLogic.makeSelection(); }

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

    function clearSelection() {
        selection.clear();
    }

    // The page asked for its list (or prepared it): a shared list shows, unless it is still
    // being prepared; then it shows at the end of the preparation.
    function showList() {
        var proxy = controller ? controller.proxyModel : null;
        if (isListPrepared || !proxy || proxy.isPrepareMode)
            return;
        isListPrepared = true;
        if (isInited)
            makeSelection();
    }

    // Each role's first column index, in one pass over the columns.
    function columnIndexes() {
        var indexes = {};
        for (var i = 0; i < columnCount; ++i) {
            var role = getColumn(i).role;
            if (indexes[role] === undefined)
                indexes[role] = i;
        }
        return indexes;
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

    // The first and last column that lie, at least in part, between left and left + width, and
    // where each column starts and which delegate its cells take. "slots": the most columns, from
    // the first to the last index, that any scroll position shows at this width, so that a
    // horizontal scroll keeps it. O(columns).
    function shownColumnRange(left, width) {
        var range = { "first": -1, "last": -2, "offsets": [], "delegates": [], "slots": 0 };
        var x = 0;
        // The shown columns so far (index, right edge) and the first of them that a view of this
        // width can show together with the current one.
        var indexes = [];
        var rights = [];
        var together = 0;
        for (var i = 0; i < columnCount; ++i) {
            var column = getColumn(i);
            range.offsets.push(x);
            range.delegates.push(column.delegate ? column.delegate : itemDelegate);
            if (!column.visible)
                continue;
            if (x + column.width > left && x < left + width) {
                if (range.first < 0)
                    range.first = i;
                range.last = i;
            }
            indexes.push(i);
            rights.push(x + column.width);
            while (together < indexes.length - 1 && rights[together] <= x - width)
                ++together;
            range.slots = Math.max(range.slots, i - indexes[together] + 1);
            x += column.width;
        }
        return range;
    }

    // The shown column a row's cell slot holds (column c lies in slot c % cellSlots); -1 for none.
    function slotColumn(slot) {
        var range = shownColumns;
        if (range.first < 0 || slot >= range.slots)
            return -1;
        var column = range.first + (slot - range.first % range.slots + range.slots) % range.slots;
        return column <= range.last ? column : -1;
    }

    // The widest content of the column's cells made (see TableViewColumnEx.resizeToContents).
    function widestCell(column) {
        var widest = 0;
        var rows = __listView.contentItem.children;
        for (var i = 0; i < rows.length; ++i) {
            var cells = rowCells(rows[i]);
            for (var k = 0; k < cells.length; ++k) {
                if (cells[k].__column === column && cells[k].item)
                    widest = Math.max(widest, cells[k].item.implicitWidth);
            }
        }
        return widest;
    }

    // The cells a row of the list made, none for other items: Qt's row holds the row
    // background's loader (TableRow) first.
    function rowCells(container) {
        var rowItem = container ? container.rowItem : null;
        var row = rowItem && rowItem.children.length > 0 ? rowItem.children[0].item : null;
        return row && row.cells ? row.cells : [];
    }

    // Columns and settings --------------------------------------------------------------------

    // A value that is not a JSON list of columns hides nothing and keeps the table working.
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
            hidden = null;
        }
        if (!Array.isArray(hidden)) {
            console.warn("table_mapping of " + controller.name + " is not a list of columns: " + value);
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
        var indexes = columnIndexes();
        var widths = columns["width"] || {};
        for (var name in widths) {
            var column = indexes[name] === undefined ? null : getColumn(indexes[name]);
            if (column && widths[name] && column.width !== widths[name])
                column.width = widths[name];
        }
        // Positions only while the page declares the columns it saved; by ascending place.
        var positions = columns["position"];
        if (positions && Object.keys(positions).length === columnCount) {
            var order = Object.keys(positions).sort(function (a, b) { return positions[a] - positions[b]; });
            for (var k = 0; k < order.length; ++k) {
                var from = indexes[order[k]];
                var to = positions[order[k]];
                if (from !== undefined && from !== to && to >= 0 && to < columnCount) {
                    moveColumn(from, to);
                    indexes = columnIndexes();
                }
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

    function prepareProperties() { return ViewLogic.prepareProperties(); }

    // Replaceable: adds a page's own options to those of add and edit.
    function updateProperties(properties) {
    }

    function addEntry() { return ViewLogic.openEditor("ADD", false); }
    function editEntry() { return ViewLogic.openEditor("EDIT", true); }
    function deleteEntry() { ViewLogic.deleteEntry(); }
    function duplicateEntry() { ViewLogic.duplicateEntry(); }
    function addAction() { return addEntry(); }
    function editAction() { return editEntry(); }
    function deleteAction() { deleteEntry(); }
    function duplicateAction() { duplicateEntry(); }
    function duplicateMultiAction() { return ViewLogic.duplicateMultiAction(); }

    // In a selection state the row is the result; otherwise the editor opens, where there is one.
    function doubleClickAction() {
        if (ViewLogic.isSelecting())
            ViewLogic.selectAndClose();
        else if (editorUrl !== "")
            editAction();
    }

    function isSelecting() { return ViewLogic.isSelecting(); }
    function selectAndClose() { return ViewLogic.selectAndClose(); }

    function addMenuAction() { addAction(); }
    function editMenuAction() { editAction(); }
    function deleteMenuAction() { deleteAction(); }

    // Replaceable: the parameters of the own list request (see filterParams).
    function listParams() {
        return {};
    }

    function filterParams(filters) { return ViewLogic.filterParams(filters); }

    // Replaceable: loads the list (own request or shared catalogue with its hard filters); false
    // when nothing may or could be requested.
    function getNewList() {
        return ViewLogic.loadList();
    }

    function handleDoubleClick() { ViewLogic.handleDoubleClick(); }

    // Replaceable answer operations -----------------------------------------------------------

    function onSaListInfo(mapParams) { ViewLogic.addOwnRow(mapParams); }
    function onSaNew(mapParams) {}
    function onSaUpdate(mapParams) {}
    function onSaGetList(mapParams) {}
    function onSrUpdated(mapParams) {}
    function onSrInserted(mapParams) {}
    function onSaRemove(mapParams) { ViewLogic.showOwnFailure(mapParams); }
    function onSaDuplicate(mapParams) { ViewLogic.showOwnFailure(mapParams); }

    // Rows are made as they come into sight, each at once: rows made ahead of sight are made
    // asynchronously, and one still half made when the view goes or its rows change is dropped
    // with its half-bound state reported as errors.
    __listView.cacheBuffer: 0
    frameVisible: false
    antialiasing: true
    sortIndicatorVisible: isSortByHeader
    // The rows come once the columns are there: a row made before them gets its cells one
    // column at a time.
    model: isCompleted && controller && controller.proxyModel && (isListPrepared || !controller.isStaticModel)
           ? controller.proxyModel : null
    style: TableViewExStyle {}
    __itemDelegateLoader: TableCell {}
    rowDelegate: TableRow {
        tableView: view
        background: view.__style ? view.__style.rowDelegate : null
    }
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
            ViewLogic.start();
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

    // Rows that a lost connection cut off are asked for again: the table says so until they are in.
    Rectangle {
        objectName: "incompleteListNote"
        anchors.top: parent.top
        anchors.topMargin: view.headerHeight + 8
        anchors.horizontalCenter: parent.horizontalCenter
        z: 10
        width: incompleteListText.implicitWidth + 16
        height: incompleteListText.implicitHeight + 8
        radius: 3
        color: incompleteListText.palette.window
        border.color: incompleteListText.palette.highlight
        visible: !!view.controller && !!view.controller.originalModel && view.controller.originalModel.isIncomplete

        LabelEx {
            id: incompleteListText

            anchors.centerIn: parent
            color: palette.windowText
            text: qsTr("Loading…")
        }
    }

    Item {
        Connections {
            target: view.controller
            ignoreUnknownSignals: true

            function onSaListInfo(mapParams) { view.onSaListInfo(mapParams); }
            function onSaNew(mapParams) { ViewLogic.handleSaNew(mapParams); }
            function onSaRemove(mapParams) { ViewLogic.handleSaRemove(mapParams); }
            function onSaDuplicate(mapParams) { view.onSaDuplicate(mapParams); }
            function onSaGetList(mapParams) { ViewLogic.handleSaGetList(mapParams); }
            function onSrUpdated(mapParams) { view.onSrUpdated(mapParams); }
            function onSrInserted(mapParams) { view.onSrInserted(mapParams); }

            function onSaUpdate(mapParams) {
                if (String(mapParams["RES"]) !== "10")
                    return;
                ViewLogic.followUpdate(mapParams);
                view.onSaUpdate(mapParams);
            }

            // A page going away may take its controller first: the rows leave the view before
            // their model does.
            function onDestroyed() {
                view.model = null;
            }
        }

        // The end of the first preparation of a shared list brings its rows.
        Connections {
            target: view.controller && view.controller.isStaticModel && !view.isListPrepared
                    ? view.controller.proxyModel : null
            ignoreUnknownSignals: true

            function onIsPrepareModeChanged(isPrepareMode) {
                if (!isPrepareMode)
                    view.showList();
            }
        }

        ViewConnections {
            view: view
        }

        // The header's model holds the columns in their order (counted once the view has them).
        Connections {
            target: view.__listView.headerItem ? view.__listView.headerItem.headerRepeater.model : null
            enabled: view.isCompleted

            function onRowsInserted() { ++view.columnOrder; }
            function onRowsRemoved() { ++view.columnOrder; }
            function onRowsMoved() { ++view.columnOrder; }
        }
    }
}
