import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQml.Models 2.2
import ".."
import "../text"
import "../../js/fontawesome.js" as FontAwesome

// One list of a table page: the page's tool bar, the extended search, keep-selected and
// open-in-window buttons, the sliding text filter with its menu of searched columns, the column
// menu, the page's filter controls and the view. Typing on the view starts the filter; Escape
// clears it. Its choices are saved in the frame's settings under the controller's name.
Item {
    id: table

    property Item toolBar: null
    property Item filterToolBar: null
    property var tableView: null
    property var controller: tableView ? tableView.controller : null
    property string objectsSettingName: controller ? controller.name : ""
    property var objectSettings: ({})
    property bool hideFilterToolBar: false
    property bool hideTextFilter: false
    property bool hideTrackIdButton: false
    property bool hideFilterButton: false
    property bool hideCreateSearchButton: false
    property var defaultColumnVisible: []
    property var defaultColumnHidden: []
    property var defaultFilterVisible: []
    property var defaultFilterHidden: []
    property int indent: 5
    property var search
    // Null until first opened (openColumnMenu, openFilterMenu).
    property alias columnMenu: columnMenuLoader.item
    property alias filterMenu: filterMenuLoader.item
    property alias filterField: filterField
    property alias filterRow: filterRow
    property alias crud: crud
    property alias trackIdButton: trackIdButton
    property alias frameInWindowButton: frameInWindowButton
    // The menus are built once, when the view has named its columns.
    property bool menusBuilt: false
    // The searched columns last given to the proxy.
    property var appliedFilterFields: null
    // Whole words or parts of words are searched.
    property bool extendedSearch: true

    signal getSettings()
    signal readySettings(var objectSettings)

    function pageFrame() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    function guiSessionMode() {
        return typeof isGuiSessionMode !== "undefined" && isGuiSessionMode === true;
    }

    function frameIsWindow() {
        var frame = pageFrame();
        return frame ? frame.isWindow : false;
    }

    // Menus ------------------------------------------------------------------------------------

    // The check of an entry under a default list pair: in the visible list, or not in the
    // hidden one, or checked when both are empty.
    function defaultCheck(role, visibleList, hiddenList) {
        if (visibleList && visibleList.length > 0)
            return visibleList.indexOf(role) >= 0;
        if (hiddenList && hiddenList.length > 0)
            return hiddenList.indexOf(role) < 0;
        return true;
    }

    function entriesMap(entries) {
        var map = {};
        for (var i = 0; i < entries.count; ++i)
            map[entries.get(i).role] = entries.get(i).checked;
        return map;
    }

    function buildMenus() {
        if (!tableView)
            return;
        if (menusBuilt) {
            updateTitles(columnEntries);
            updateTitles(filterEntries);
            return;
        }
        for (var i = 0; i < tableView.columnCount; ++i) {
            var column = tableView.getColumn(i);
            if (!column.visible)
                continue;
            columnEntries.append({ "title": column.title, "role": column.role, "checked": true });
            if (column.role.indexOf("dt_") !== 0)
                filterEntries.append({ "title": column.title, "role": column.role, "checked": true });
        }
        menusBuilt = true;
        setFromSettingsColumnsAndFilters();
    }

    function updateTitles(entries) {
        for (var i = 0; i < entries.count; ++i) {
            var column = tableView.findColumn(entries.get(i).role);
            if (column)
                entries.setProperty(i, "title", column.title);
        }
    }

    function getColumnMap() {
        return entriesMap(columnEntries);
    }

    function updateTable() {
        for (var i = 0; i < columnEntries.count; ++i) {
            var column = tableView.findColumn(columnEntries.get(i).role);
            if (column)
                column.visible = columnEntries.get(i).checked;
        }
    }

    function applyDefaultChecks(entries, visibleList, hiddenList) {
        for (var i = 0; i < entries.count; ++i)
            entries.setProperty(i, "checked", defaultCheck(entries.get(i).role, visibleList, hiddenList));
    }

    function setDefaultColumns() {
        applyDefaultChecks(columnEntries, defaultColumnVisible, defaultColumnHidden);
        updateTable();
    }

    function getFilterMap() {
        var map = entriesMap(filterEntries);
        map["extended"] = extendedSearch;
        return map;
    }

    // Each change of the searched columns filters every row again: while the text is empty,
    // which shows every row whatever is searched, the columns wait for the first letter.
    function updateFilter() {
        var model = tableView ? tableView.model : null;
        if (!model || typeof model.setFilterFields !== "function")
            return;
        var fields = checkedFilterFields();
        if (filterField.text !== "" && JSON.stringify(fields) !== JSON.stringify(appliedFilterFields)) {
            model.setFilterFields(fields);
            appliedFilterFields = fields;
        }
        model.setFilterPattern(filterField.text);
    }

    function checkedFilterFields() {
        var fields = [];
        for (var i = 0; i < filterEntries.count; ++i) {
            if (filterEntries.get(i).checked)
                fields.push(filterEntries.get(i).role);
        }
        return fields;
    }

    function setDefaultFilters() {
        applyDefaultChecks(filterEntries, defaultFilterVisible, defaultFilterHidden);
    }

    function setExtendedSearch(on) {
        extendedSearch = on;
        var model = tableView ? tableView.model : null;
        if (model && model.extendedSearch !== undefined)
            model.extendedSearch = on;
    }

    function setAllFilters(on) {
        for (var i = 0; i < filterEntries.count; ++i)
            filterEntries.setProperty(i, "checked", on);
        updateFilter();
    }

    function applySavedChecks(entries, saved) {
        for (var i = 0; i < entries.count; ++i) {
            var role = entries.get(i).role;
            if (saved.hasOwnProperty(role))
                entries.setProperty(i, "checked", saved[role] === true);
        }
    }

    function setFromSettingsColumnsAndFilters() {
        var settings = objectSettings ? objectSettings : {};
        var filterMenu = settings["filterMenu"];
        if (filterMenu) {
            applySavedChecks(filterEntries, filterMenu);
            setExtendedSearch(filterMenu["extended"] === true);
        } else {
            setDefaultFilters();
        }
        updateFilter();
        var columnMenuMap = settings["columnMenu"];
        if (columnMenuMap) {
            applySavedChecks(columnEntries, columnMenuMap);
            updateTable();
        } else {
            setDefaultColumns();
        }
    }

    // Under a header section.
    function openColumnMenu(section) {
        columnMenuLoader.active = true;
        var position = section.mapToItem(table, 0, section.height);
        columnMenu.popup(position.x, position.y);
    }

    // Under its button.
    function openFilterMenu() {
        filterMenuLoader.active = true;
        filterMenu.popup(filterMenuButton, 0, filterMenuButton.height);
    }

    // Filter row -------------------------------------------------------------------------------

    function openFilterRow() {
        filterRow.opened = true;
        filterField.forceActiveFocus(Qt.ShortcutFocusReason);
        // The rows' searched texts are made now, so that the first letter typed only searches.
        var model = tableView ? tableView.model : null;
        if (model && typeof model.prepareSearch === "function")
            model.prepareSearch(checkedFilterFields());
    }

    function closeFilterRow() {
        filterRow.opened = false;
        if (tableView)
            tableView.forceActiveFocus();
    }

    function setTextFilter() {
        var text = objectSettings ? objectSettings["filterText"] : undefined;
        if (guiSessionMode() && text && controller) {
            filterField.text = text;
            openFilterRow();
        }
    }

    // Search and row limit ---------------------------------------------------------------------

    function createSearch() {
        var frame = pageFrame();
        var rules = frame && frame.objectSettings && frame.objectSettings["searchRules"]
                ? frame.objectSettings["searchRules"] : [];
        var window = QWIDGET_CREATOR.search(controller, rules, frame);
        search = window;
        if (!window)
            return;
        window.closed.connect(function () {
            if (frame && frame.objectSettings)
                frame.objectSettings["searchRules"] = window.rules();
        });
    }

    function openRowLimit() {
        if (!controller)
            return;
        var dialog = QWIDGET_CREATOR.rowLimit(controller.rowLimit, pageFrame());
        if (!dialog)
            return;
        dialog.accepted.connect(function () {
            controller.rowLimit = dialog.limit();
            controller.reGetList();
        });
    }

    // Settings ---------------------------------------------------------------------------------

    // Every checkable control of the filter bar that names its settings, outermost first.
    function settingsControls(item, found) {
        for (var i = 0; item && i < item.children.length; ++i) {
            var child = item.children[i];
            if (child.settingsName !== undefined) {
                if (child.checkable)
                    found.push(child);
            } else {
                settingsControls(child, found);
            }
        }
        return found;
    }

    function collectSettings() {
        var settings = objectSettings ? objectSettings : {};
        settings["trackId"] = trackIdButton.checked;
        settings["frameInWindow"] = frameInWindowButton.checked;
        if (tableView)
            tableView.getSettings(settings);
        if (guiSessionMode())
            settings["filterText"] = filterField.text;
        var buttons = {};
        var controls = settingsControls(filterToolBarArea, []);
        for (var i = 0; i < controls.length; ++i)
            buttons[controls[i].settingsName] = controls[i].checked;
        settings["filterButton"] = buttons;
        if (menusBuilt) {
            settings["filterMenu"] = getFilterMap();
            settings["columnMenu"] = getColumnMap();
        }
        if (controller)
            settings["rowLimit"] = controller.rowLimit;
        objectSettings = settings;
    }

    function restoreSettings(settings) {
        objectSettings = settings ? settings : {};
        if (objectSettings["trackId"] !== undefined)
            trackIdButton.checked = objectSettings["trackId"];
        if (objectSettings["frameInWindow"] !== undefined)
            frameInWindowButton.checked = objectSettings["frameInWindow"];
        if (tableView)
            tableView.readySettings(objectSettings);
        setTextFilter();
        var buttons = objectSettings["filterButton"];
        if (buttons) {
            var controls = settingsControls(filterToolBarArea, []);
            for (var i = 0; i < controls.length; ++i) {
                if (buttons.hasOwnProperty(controls[i].settingsName))
                    controls[i].checked = buttons[controls[i].settingsName];
            }
        }
        if (objectSettings["rowLimit"] !== undefined && controller)
            controller.rowLimit = objectSettings["rowLimit"];
        if (menusBuilt)
            setFromSettingsColumnsAndFilters();
    }

    // Keys -------------------------------------------------------------------------------------

    // Whether a key makes text, as it would in a text field: printable text with no modifier but
    // Shift, the keypad or AltGr (the group switch, or Control with Alt on Windows).
    function makesText(event) {
        var code = event.text.length > 0 ? event.text.charCodeAt(0) : 0;
        if (code < 0x20 || code === 0x7f)
            return false;
        var modifiers = event.modifiers & ~(Qt.KeypadModifier | Qt.ShiftModifier | Qt.GroupSwitchModifier);
        return modifiers === Qt.NoModifier || modifiers === (Qt.ControlModifier | Qt.AltModifier);
    }

    function handleKey(event) {
        var modifiers = event.modifiers & ~Qt.KeypadModifier;
        event.accepted = true;
        if (event.key === Qt.Key_Escape) {
            if (filterField.activeFocus) {
                closeFilterRow();
            } else if (filterField.text !== "") {
                filterField.text = "";
                closeFilterRow();
            } else {
                event.accepted = false;
            }
            return;
        }
        if (event.key === Qt.Key_V && modifiers === Qt.ControlModifier && tableView && tableView.activeFocus) {
            filterField.text = DESKTOP_UTILS.getClipboardText();
            openFilterRow();
            return;
        }
        var excluded = [Qt.Key_Return, Qt.Key_Enter, Qt.Key_Delete, Qt.Key_Tab, Qt.Key_Backtab];
        if (excluded.indexOf(event.key) >= 0 || !makesText(event)) {
            event.accepted = false;
            return;
        }
        if (tableView && tableView.activeFocus && !hideFilterToolBar && !filterField.activeFocus) {
            openFilterRow();
            filterField.isHandEdit = true;
            filterField.text += event.text;
        }
    }

    clip: true
    Layout.minimumWidth: 100
    Layout.minimumHeight: 100
    Keys.onPressed: handleKey(event)
    onGetSettings: collectSettings()
    onReadySettings: restoreSettings(objectSettings)
    onToolBarChanged: {
        if (!toolBar)
            return;
        toolBar.parent = toolBarArea;
        toolBar.width = Qt.binding(function () { return toolBarArea.width; });
        var content = toolBar.contentArea ? toolBar.contentArea : toolBar;
        for (var i = 0; i < content.children.length; ++i) {
            if ("table" in content.children[i])
                content.children[i].table = table;
        }
    }
    onFilterToolBarChanged: {
        if (!filterToolBar)
            return;
        filterToolBar.parent = filterToolBarArea;
        filterToolBar.width = Qt.binding(function () { return filterToolBarArea.width; });
    }
    onTableViewChanged: {
        if (!tableView)
            return;
        tableView.parent = viewArea;
        tableView.anchors.fill = viewArea;
    }
    Component.onCompleted: {
        if (tableView) {
            tableView.table = table;
            if (tableView.isCompleted && tableView.columnCount > 0)
                buildMenus();
        }
    }

    Crud {
        id: crud

        controller: table.controller
    }

    Connections {
        target: table.tableView
        ignoreUnknownSignals: true

        function onColumnTitleSetted() {
            table.buildMenus();
        }

        function onControllerChanged() {
            table.setTextFilter();
        }
    }

    ListModel {
        id: columnEntries
    }

    ListModel {
        id: filterEntries
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: table.indent
        color: "transparent"
        border.color: "gray"

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 1
            spacing: 0

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 5
                Layout.rightMargin: 5
                spacing: 5

                Item {
                    id: toolBarArea

                    Layout.fillWidth: true
                    Layout.preferredHeight: table.toolBar ? table.toolBar.height : 0
                    clip: true
                }

                ButtonEx {
                    objectName: "searchButton"
                    Layout.preferredWidth: 30
                    visible: !table.hideCreateSearchButton
                    fontIcon: FontAwesome.Search
                    fontBold: true
                    focusPolicy: Qt.NoFocus
                    onClicked: table.createSearch()
                }

                ButtonEx {
                    id: trackIdButton

                    objectName: "trackIdButton"
                    Layout.preferredWidth: 30
                    visible: !table.hideTrackIdButton
                    checkable: true
                    checked: false
                    fontIcon: FontAwesome.Screenshot
                    fontBold: true
                    focusPolicy: Qt.NoFocus
                    ToolTip.visible: hovered
                    ToolTip.delay: 1000
                    ToolTip.text: qsTr("Keep current entry selected")
                    onCheckedChanged: {
                        if (table.tableView)
                            table.tableView.trackCurrentId = checked;
                    }
                }

                ButtonEx {
                    id: frameInWindowButton

                    objectName: "frameInWindowButton"
                    Layout.preferredWidth: 30
                    visible: !table.frameIsWindow()
                    checkable: true
                    checked: true
                    fontIcon: FontAwesome.WindowRestore
                    focusPolicy: Qt.NoFocus
                    onCheckedChanged: {
                        if (table.tableView)
                            table.tableView.frameInWindow = checked;
                    }
                }

                Row {
                    id: filterRow

                    property bool opened: false
                    property real openWidth: filterField.width + filterMenuButton.width + spacing

                    Layout.preferredWidth: opened ? openWidth : 0
                    Layout.preferredHeight: filterField.height
                    visible: (opened || width > 0) && !table.hideTextFilter
                    spacing: 5
                    clip: true

                    Behavior on Layout.preferredWidth {
                        NumberAnimation { duration: 100 }
                    }

                    FilterTextField {
                        id: filterField

                        objectName: "filterField"
                        width: 250
                        table: table.tableView
                        ownSetFilterPattern: true
                        onTextChanged: table.updateFilter()
                        onEnterPressed: {
                            var view = table.tableView;
                            if (view && view.rowCount > 0 && view.currentRow >= 0)
                                view.handleDoubleClick();
                        }
                        onActiveFocusChanged: {
                            if (!activeFocus && text === "")
                                filterRow.opened = false;
                        }
                    }

                    ToolButtonEx {
                        id: filterMenuButton

                        objectName: "filterMenuButton"
                        visible: !table.hideFilterButton
                        height: filterField.height
                        contentItem: LabelIcon {
                            glyph: FontAwesome.ThList
                            bold: true
                            font.pixelSize: filterMenuButton.font.pixelSize
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                        onClicked: table.openFilterMenu()
                    }
                }

                ButtonEx {
                    objectName: "showFilterButton"
                    Layout.preferredWidth: 20
                    visible: !filterRow.opened && !table.hideTextFilter
                    fontIcon: FontAwesome.ChevronLeft
                    fontBold: true
                    focusPolicy: Qt.NoFocus
                    onClicked: table.openFilterRow()
                }
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 1
                color: "gray"
            }

            Item {
                id: filterToolBarArea

                Layout.fillWidth: true
                Layout.preferredHeight: table.filterToolBar ? table.filterToolBar.height : 0
                visible: !table.hideFilterToolBar
            }

            Item {
                id: viewArea

                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }
    }

    // The menus are made when first opened: a table of many columns would otherwise make a
    // hundred menu items before its first rows.
    Loader {
        id: columnMenuLoader

        active: false

        sourceComponent: TableColumnMenu {
            parent: table
            owner: table
            entries: columnEntries
        }
    }

    Loader {
        id: filterMenuLoader

        active: false

        sourceComponent: TableFilterMenu {
            parent: table
            owner: table
            entries: filterEntries
        }
    }
}
