import QtQuick 2.15
import QtQuick.Controls 2.15
import "../table"
import "../../js/dialog.js" as Dialog
import "../../js/enums.js" as Enums
import "../table/viewlogic.js" as ViewLogic

// The list variant of the table view: one row item per record over the same proxy model, with
// the same controller-facing properties, actions, answers and selection keeping, so that a
// Table can hold it instead. It has no columns; its settings hold only the current record.
ListView {
    id: view

    property var controller: null
    property string editorUrl
    property var table
    property bool trackCurrentId: false
    property bool isSecurity: true
    property bool frameInWindow: true
    property bool autoSelection: true
    property string sortRole: "id"
    property int sortIndicatorOrder: 0
    property var currentId
    property var initObjectSettings
    property bool isCompleted: false
    property bool isInited: false
    property bool isListPending: false
    readonly property bool isReadyForStartInit: !!controller && isCompleted && !!controller.originalModel
                                                && controller.originalModel.dataAtLeastLoaded
                                                && initObjectSettings !== undefined
    property var parentItem: typeof frameItem !== "undefined" ? frameItem : null
    property alias currentRow: view.currentIndex
    readonly property int rowCount: count
    readonly property var proxy: controller && controller.proxyModel && model === controller.proxyModel
                                 ? controller.proxyModel : null
    readonly property bool isPrepareMode: proxy ? proxy.isPrepareMode : false

    signal makeSelectionEnded()
    signal rightPressed(var row, var insideRows)
    signal enterPressed()
    signal columnTitleSetted()
    signal tableRowCountChanged(int count)
    signal getSettings(var objectSettings)
    signal readySettings(var objectSettings)
    signal clicked(var row)
    signal doubleClicked(var row)

    function rowId(row) { return ViewLogic.rowId(row); }
    function saveCurrentId() { ViewLogic.saveCurrentId(); }
    function selectRow(row) { currentIndex = row; }
    function clearSelection() {}
    function selectBeginRow() { selectRow(rowCount > 0 ? 0 : -1); }
    function selectEndRow() { selectRow(rowCount - 1); }
    function incrementRow() { ViewLogic.incrementRow(); }
    function decrementRow() { ViewLogic.decrementRow(); }
    function selectRowById(id) { ViewLogic.selectRowById(id); }
    function resetCurrentId() { ViewLogic.resetCurrentId(); }
    function sortRows() { ViewLogic.sortRows(); }
    function makeSelection() { ViewLogic.makeSelection(); }

    function rowAt(x, y) {
        var point = mapToItem(contentItem, x, y);
        return indexAt(point.x, point.y);
    }

    function applySettings() {
        var ids = initObjectSettings ? initObjectSettings["currentId"] : undefined;
        if (controller && ids && ids[controller.name] !== undefined)
            currentId = ids[controller.name];
    }

    function collectSettings(objectSettings) {
        if (!objectSettings || !controller || currentId === undefined)
            return;
        var ids = objectSettings["currentId"] ? objectSettings["currentId"] : {};
        ids[controller.name] = currentId;
        objectSettings["currentId"] = ids;
    }

    function prepareProperties() { return ViewLogic.prepareProperties(); }

    // Replaceable: adds a page's own options to those of add and edit.
    function updateProperties(properties) {
    }

    function addAction() { return ViewLogic.openEditor("ADD", false); }
    function editAction() { return ViewLogic.openEditor("EDIT", true); }
    function deleteAction() { ViewLogic.deleteEntry(); }
    function duplicateAction() { ViewLogic.duplicateEntry(); }
    function duplicateMultiAction() { return ViewLogic.duplicateMultiAction(); }

    function doubleClickAction() {
        if (editorUrl !== "")
            editAction();
    }

    function addMenuAction() { addAction(); }
    function editMenuAction() { editAction(); }
    function deleteMenuAction() { deleteAction(); }
    function getNewList() {}
    function handleDoubleClick() { ViewLogic.handleDoubleClick(); }

    // Replaceable answer operations.
    function onSaListInfo(mapParams) { ViewLogic.addOwnRow(mapParams); }
    function onSaNew(mapParams) {}
    function onSaUpdate(mapParams) {}
    function onSaGetList(mapParams) {}
    function onSrUpdated(mapParams) {}
    function onSrInserted(mapParams) {}

    function onSaRemove(mapParams) {
        if (!ViewLogic.showOwnFailure(mapParams) && ViewLogic.isOwn(mapParams) && String(mapParams["RES"]) === "10")
            Dialog.toast(qsTr("Record removed successfuly"), { "theme": Enums.ToastGreen });
    }

    // Only "RES" "10" is a made copy.
    function onSaDuplicate(mapParams) {
        if (!ViewLogic.showOwnFailure(mapParams) && ViewLogic.isOwn(mapParams) && String(mapParams["RES"]) === "10")
            Dialog.toast(qsTr("Created duplicate of record with id %1").arg(mapParams["id"]),
                         { "theme": Enums.ToastGreen });
    }

    // A new record joins the list, as in the table view; it becomes current only with
    // autoSelection, and the wait goes on.
    function handleSaNew(mapParams) {
        if (String(mapParams["RES"]) === "10" && autoSelection)
            ViewLogic.acceptNewRecord(mapParams);
        onSaNew(mapParams);
    }

    model: controller && controller.proxyModel ? controller.proxyModel : null
    clip: true
    delegate: TableListViewRow {}
    onCountChanged: tableRowCountChanged(count)
    onCurrentIndexChanged: {
        if (isInited && !isPrepareMode)
            saveCurrentId();
    }
    onIsReadyForStartInitChanged: {
        if (isReadyForStartInit && !isInited)
            ViewLogic.start();
    }
    onSortIndicatorOrderChanged: {
        if (isInited)
            makeSelection();
    }
    onClicked: currentIndex = row
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
    Component.onCompleted: isCompleted = true

    ScrollBar.vertical: ScrollBar {}

    Item {
        Connections {
            target: view.controller
            ignoreUnknownSignals: true

            function onSaListInfo(mapParams) { view.onSaListInfo(mapParams); }
            function onSaNew(mapParams) { view.handleSaNew(mapParams); }
            function onSaRemove(mapParams) { ViewLogic.handleSaRemove(mapParams); }
            function onSaDuplicate(mapParams) { view.onSaDuplicate(mapParams); }
            function onSaGetList(mapParams) { ViewLogic.handleSaGetList(mapParams); }
            function onSrUpdated(mapParams) { view.onSrUpdated(mapParams); }
            function onSrInserted(mapParams) { view.onSrInserted(mapParams); }

            function onSaUpdate(mapParams) {
                if (String(mapParams["RES"]) === "10")
                    view.onSaUpdate(mapParams);
            }
        }

        ViewConnections {
            view: view
        }
    }
}
