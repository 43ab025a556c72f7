import QtQuick 2.15
import QtQuick.Dialogs 1.2
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"
import "../pages"

// A list page over a real controller: titles, rights, menus, the text filter, settings, the
// row limit, removal, new records and selection keeping.
TestCase {
    id: testCase

    readonly property string pageUrl: "qrc:/qml/driver/driver/DriverTable.qml"
    readonly property string editorUrl: "qrc:/qml/driver/driver/DriverEditor.qml"
    property var net: ScriptedNetwork

    name: "TablePage"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    DriverRows { id: rows }

    Component {
        id: pageComponent

        DriverTable {
            objectsSettingName: testCase.pageUrl
            width: 1000
            height: 600
        }
    }

    function initTestCase() {
        net.grantRead("driver");
    }

    // Pages save their settings when they go, after cleanup(): each test starts from none.
    function init() {
        GLOBAL.guiSession.setFrameSettings(pageUrl, { "reset": true });
        net.clear();
        GLOBAL.clearCalls();
        DESKTOP_UTILS.modifiers = 0;
    }

    function cleanup() {
        MessageBoxes.closeAllIn(mainWindow);
        GLOBAL.setOptionValue("driver", "table_mapping", "");
        GLOBAL.setRight("driver", "read", true);
        GLOBAL.setRight("driver", "delete", true);
    }

    function openPage(count, properties) {
        var page = createTemporaryObject(pageComponent, testCase, properties || {});
        verify(page, "the page opens");
        if (count !== undefined)
            rows.load(page.drivers, rows.drivers(count));
        return page;
    }

    function roles(page) {
        var list = [];
        for (var i = 0; i < page.view.columnCount; ++i) {
            if (page.view.getColumn(i).visible)
                list.push(page.view.getColumn(i).role);
        }
        return list;
    }

    function entries(menu, from, to) {
        var texts = [];
        for (var i = from; i < menu.count - to; ++i)
            texts.push(menu.itemAt(i).text);
        return texts;
    }

    // The table's filter menu, made and opened as its button does.
    function openedFilterMenu(table) {
        table.openFilterMenu();
        verify(table.filterMenu.visible, "the filter menu opens");
        return table.filterMenu;
    }

    function trigger(item) {
        if (item.checkable)
            item.checked = !item.checked;
        item.triggered();
    }

    function ids(page) {
        var list = [];
        for (var i = 0; i < page.view.rowCount; ++i)
            list.push(String(page.view.rowId(i)));
        return list;
    }

    function test_titlesAndMenus() {
        var page = openPage(8);
        compare(net.sentNames()[0], "driver_trGetList");
        var view = page.view;
        compare(view.findColumn("id").title, "Id");
        compare(view.findColumn("sign").title, "Sign", "the catalogue's title");
        compare(view.findColumn("last_name").title, "Last name");
        compare(view.findColumn("rating").title, "Stars", "the page's own title stays");
        compare(view.findColumn("rst_id_user_locked").title, "User locked");
        compare(view.findColumn("dt_utc_insert").title, "Insert time");
        compare(view.rowCount, 8);
        compare(String(view.rowId(0)), "1", "sorted by the first column, ascending");
        compare(page.table.columnMenu, null, "the menus are made when first opened");
        waitForRendering(view, TestTime.limit(5000));
        mouseClick(view, 20, 10, Qt.RightButton);
        var columnMenu = page.table.columnMenu;
        verify(columnMenu.visible, "a right click on the header opens the column menu");
        compare(entries(columnMenu, 0, 2), ["Id", "Sign", "Last name", "Phone", "Brand name", "Stars",
                                            "Color RGB code", "Is archived", "User locked", "Insert time",
                                            "Update time"]);
        verify(!columnMenu.itemAt(0).enabled, "the id stays shown");
        columnMenu.close();
        var filterMenu = openedFilterMenu(page.table);
        compare(entries(filterMenu, 2, 7), ["Id", "Sign", "Last name", "Phone", "Brand name", "Stars",
                                           "Color RGB code", "Is archived", "User locked"],
                "no dates in the text search");
        trigger(columnMenu.itemAt(3));
        verify(!view.findColumn("phone").visible);
        compare(page.table.getColumnMap()["phone"], false);
    }

    function test_tableMappingHidesColumns() {
        GLOBAL.setOptionValue("driver", "table_mapping", "[\"brand_name\",\"phone\"]");
        var page = openPage(3);
        compare(roles(page), ["id", "sign", "last_name", "rating", "color_rgb_code", "is_archived",
                              "rst_id_user_locked", "dt_utc_insert", "dt_utc_last_update"]);
        compare(page.table.getColumnMap()["brand_name"], undefined, "not offered in the column menu");
        page.table.setDefaultColumns();
        verify(!page.view.findColumn("brand_name").visible, "Default does not bring it back");
        findChild(page, "excelButton").clicked();
        var exported = DESKTOP_UTILS.exports[DESKTOP_UTILS.exports.length - 1]["table"]
                .map(function (column) { return column.role; });
        compare(exported.indexOf("brand_name"), -1, "nor is it exported");
        compare(exported.length, 9);
    }

    function test_badTableMapping_data() {
        return [{ tag: "broken JSON", value: "[\"brand" }, { tag: "an object", value: "{\"a\": 1}" },
                { tag: "a bare name", value: "brand_name" }];
    }

    // cc: a bad option value hides nothing and stops nothing.
    function test_badTableMapping(data) {
        GLOBAL.setOptionValue("driver", "table_mapping", data.value);
        ignoreWarning(new RegExp("table_mapping of driver is not a list of columns"));
        var page = openPage(5);
        compare(page.view.rowCount, 5);
        compare(roles(page).length, 11);
    }

    function test_typingStartsTheFilter() {
        var page = openPage(8);
        var view = page.view;
        var field = page.table.filterField;
        var before = ids(page);
        view.forceActiveFocus();
        keyClick(Qt.Key_K);
        verify(page.table.filterRow.opened, "the filter row opens");
        verify(field.activeFocus);
        keyClick(Qt.Key_I);
        keyClick(Qt.Key_A);
        compare(field.text, "kia");
        compare(ids(page), before.filter(function (id) { return rows.driver(Number(id)).brand_name === "Kia"; }));
        keyClick(Qt.Key_Escape);
        verify(!page.table.filterRow.opened, "Escape in the field closes the row");
        compare(field.text, "kia", "and keeps the filter");
        verify(view.activeFocus);
        keyClick(Qt.Key_Escape);
        compare(field.text, "", "Escape on the view clears the filter");
        compare(view.rowCount, 8);
        compare(GLOBAL.callsOf("removeTab").length, 0, "and keeps the page open");
        keyClick(Qt.Key_Escape);
        compare(GLOBAL.callsOf("removeTab").length, 1, "a second Escape closes the tab");
    }

    // Shift and AltGr make text as in any text field; Control and Alt alone are commands.
    function test_typedCapitals() {
        var page = openPage(8);
        var field = page.table.filterField;
        var typed = [{ key: "M", modifiers: Qt.ShiftModifier }, { key: "e", modifiers: Qt.NoModifier },
                     { key: "@", modifiers: Qt.GroupSwitchModifier },
                     { key: "@", modifiers: Qt.ControlModifier | Qt.AltModifier },
                     { key: "D", modifiers: Qt.ShiftModifier | Qt.KeypadModifier }];
        page.view.forceActiveFocus();
        keyClick(typed[0].key, typed[0].modifiers);
        verify(field.activeFocus, "a capital starts the filter");
        for (var i = 1; i < typed.length; ++i)
            keyClick(typed[i].key, typed[i].modifiers);
        compare(field.text, "Me@@D");
        keyClick(Qt.Key_Escape);
        keyClick(Qt.Key_Escape);
        compare(field.text, "");
        verify(page.view.activeFocus);
        keyClick("k", Qt.ControlModifier);
        keyClick("k", Qt.AltModifier);
        keyClick("k", Qt.ControlModifier | Qt.ShiftModifier);
        compare(field.text, "", "commands type nothing");
        verify(!page.table.filterRow.opened);
    }

    function test_pasteIntoTheFilter() {
        var page = openPage(8);
        DESKTOP_UTILS.setClipboardText("D101");
        page.view.forceActiveFocus();
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(page.table.filterField.text, "D101");
        compare(ids(page), ["1"]);
    }

    function test_noTypingWithoutFilterBar() {
        var page = openPage(3);
        page.table.hideFilterToolBar = true;
        page.view.forceActiveFocus();
        keyClick(Qt.Key_K);
        compare(page.table.filterField.text, "");
    }

    // r: searching no column hides nothing while the text is empty.
    function test_searchedColumns() {
        var page = openPage(8);
        var table = page.table;
        var menu = openedFilterMenu(table);
        trigger(menu.itemAt(menu.count - 1));
        compare(page.view.rowCount, 8, "Unselect All with an empty filter hides nothing");
        table.filterField.text = "kia";
        compare(page.view.rowCount, 0, "no searched column matches a text");
        trigger(menu.itemAt(menu.count - 2));
        compare(page.view.rowCount, 3, "Select All");
        var brand = menu.itemAt(2 + 4);
        compare(brand.text, "Brand name");
        trigger(brand);
        compare(page.view.rowCount, 0, "the brand is no longer searched");
        trigger(brand);
        table.filterField.text = "D101 Kovalenko";
        compare(ids(page), [], "all words must stand in one column");
        table.filterField.text = "ko va";
        compare(ids(page), ["1"], "in any order");
        var extended = menu.itemAt(menu.count - 6);
        compare(extended.text, "Extended Search");
        trigger(extended);
        verify(!page.drivers.proxyModel.extendedSearch, "the proxy follows the item");
    }

    function test_settingsKeptAcrossReopen() {
        var page = openPage(8);
        var table = page.table;
        table.trackIdButton.checked = true;
        page.view.selectRowById("3");
        waitForRendering(page.view, TestTime.limit(5000));
        mouseClick(page.view, 20, 10, Qt.RightButton);
        trigger(table.columnMenu.itemAt(3));
        table.columnMenu.close();
        trigger(openedFilterMenu(table).itemAt(2 + 1));
        trigger(table.filterMenu.itemAt(table.filterMenu.count - 6));
        page.view.findColumn("sign").width = 150;
        page.view.sortIndicatorColumn = page.view.findColumnIndex("brand_name");
        compare(page.view.sortRole, "brand_name");
        table.filterField.text = "kia";
        page.destroy();
        wait(0);
        var stored = GLOBAL.guiSession.stored[pageUrl]["driverContainer"]["driver"];
        compare(stored["trackId"], true);
        compare(stored["currentId"], { "driver": "3" });
        compare(stored["columnMenu"]["phone"], false);
        compare(stored["filterMenu"]["sign"], false);
        compare(stored["filterMenu"]["extended"], false);
        compare(stored["columns"]["width"]["sign"], 150);
        compare(stored["columns"]["sort"]["role"], "brand_name");
        compare(stored["filterText"], undefined, "the filter text is kept only by GUI sessions");

        page = openPage(8);
        table = page.table;
        verify(table.trackIdButton.checked);
        verify(!page.view.findColumn("phone").visible);
        compare(table.getFilterMap()["sign"], false);
        verify(!page.drivers.proxyModel.extendedSearch);
        compare(page.view.findColumn("sign").width, 150);
        compare(page.view.sortRole, "brand_name");
        compare(String(page.view.currentId), "3");
        compare(String(page.view.rowId(page.view.currentRow)), "3", "the saved record is selected again");
        compare(table.filterField.text, "");
    }

    function test_filterTextInGuiSessions() {
        var settings = { "driverContainer": { "driver": { "filterText": "kia" } } };
        var page = openPage(undefined, { "isGuiSessionMode": true, "objectSettings": settings });
        compare(page.table.filterField.text, "kia");
        verify(page.table.filterRow.opened);
        rows.load(page.drivers, rows.drivers(8));
        compare(page.view.rowCount, 3);
    }

    function test_savedPositionsNeedTheSameColumns() {
        var columns = { "width": { "phone": 200 }, "position": { "phone": 0, "id": 1 } };
        GLOBAL.guiSession.setFrameSettings(pageUrl, { "driverContainer": { "driver": { "columns": columns } } });
        var page = openPage(3);
        compare(page.view.getColumn(0).role, "id", "positions of another set of columns are ignored");
        compare(page.view.findColumn("phone").width, 200, "widths still apply");
    }

    function test_rowLimit() {
        var page = openPage(3, { "isWindow": true });
        var menu = openedFilterMenu(page.table);
        trigger(menu.itemAt(menu.count - 4));
        var dialog = QWIDGET_CREATOR.lastDialog();
        compare(dialog.kind, "rowLimit");
        compare(QWIDGET_CREATOR.callsOf("rowLimit")[0][0], 0);
        dialog.setLimit(3);
        net.clear();
        dialog.accept();
        compare(page.drivers.rowLimit, 3);
        compare(net.sentNames(), ["driver_trGetList"]);
        compare(net.sent()[0]["query_limit"], 3);
        rows.load(page.drivers, rows.drivers(3));
        var label = findChild(page, "rowCountLabel");
        verify(label.text.indexOf("<font color='red'>3</font>") >= 0, "the count turns red at the limit");
        page.destroy();
        wait(0);
        page = openPage();
        compare(page.drivers.rowLimit, 3, "the saved limit comes back with the settings");
    }

    // g: the record removed is the one the user confirmed.
    function test_removesTheConfirmedRecord() {
        var page = openPage(8);
        page.view.selectRowById("6");
        page.view.deleteAction();
        var questions = MessageBoxes.openIn(mainWindow);
        compare(questions.length, 1);
        compare(questions[0].text, "Do you want to delete record?");
        page.view.sortIndicatorOrder = Qt.AscendingOrder;
        page.view.sortIndicatorColumn = page.view.findColumnIndex("last_name");
        verify(String(page.view.rowId(page.view.currentRow)) !== "6", "meanwhile another record is current");
        net.clear();
        questions[0].click(StandardButton.Yes);
        compare(net.sentNames(), ["driver_trRemove"]);
        compare(net.sent()[0]["id"], "6");
        net.answer("driver", "saRemove", { "RES": "0", "ERRCODE": "120", "id": "6",
                                        "RECEIVER": page.drivers.objectNumber });
        compare(MessageBoxes.textsIn(page.view).length, 1, "a refusal shows over the view");
        MessageBoxes.closeAllIn(page.view);
    }

    // s: a new record joins only lists whose request would have brought it.
    function test_newRecordJoinsMatchingLists() {
        var page = openPage();
        page.drivers.trGetList({ "is_archived": "0" });
        rows.load(page.drivers, rows.drivers(8).filter(function (driver) { return driver.is_archived === "0"; }));
        var before = page.view.rowCount;
        page.view.selectRowById("4");
        var created = rows.driver(40);
        created["RES"] = "10";
        created["RECEIVER"] = "999";
        created["is_archived"] = "1";
        net.answer("driver", "saNew", created);
        compare(page.view.rowCount, before, "another list's record stays out");
        compare(String(page.view.currentId), "4", "and the selection stays");
        created["is_archived"] = "0";
        created["RES"] = "20";
        net.answer("driver", "saNew", created);
        compare(page.view.rowCount, before, "only RES 10 makes a record");
        created["RES"] = "10";
        net.answer("driver", "saNew", created);
        compare(page.view.rowCount, before + 1);
        compare(String(page.view.currentId), "40", "the new record is selected");
        compare(String(page.view.rowId(page.view.currentRow)), "40");
    }

    function test_selectionKeeping() {
        var page = openPage(8);
        var view = page.view;
        page.table.trackIdButton.checked = true;
        view.selectRowById("3");
        view.sortIndicatorColumn = view.findColumnIndex("sign");
        compare(String(view.rowId(view.currentRow)), "3", "tracked through a sort");
        page.table.filterField.text = "Toyota";
        compare(view.currentId, undefined, "hidden by the filter: nothing stays selected");
        compare(view.currentRow, -1);
        page.table.filterField.text = "";
        page.table.trackIdButton.checked = false;
        view.selectRow(2);
        view.sortIndicatorOrder = view.sortIndicatorOrder === Qt.AscendingOrder ? Qt.DescendingOrder : Qt.AscendingOrder;
        compare(view.currentRow, 2, "without tracking the position stays");
        view.selectEndRow();
        var last = String(view.rowId(view.currentRow));
        net.answer("driver", "saRemove", { "RES": "10", "id": last, "RECEIVER": "ALL", "id_owner_modify": "9" });
        compare(view.rowCount, 7);
        compare(view.currentRow, 6, "the nearest record above is selected");
        verify(view.selection.contains(6));
        view.selectRow(-1);
        view.selectRowById("1");
        compare(view.currentRow, -1, "the placeholder id 1 is never selected");
    }

    function test_openingTheEditor_data() {
        return [
            { tag: "tab, default", frameInWindow: true, alt: false, window: false, expected: true },
            { tag: "tab, Alt flips", frameInWindow: true, alt: true, window: false, expected: false },
            { tag: "tab, in tabs", frameInWindow: false, alt: false, window: false, expected: false },
            { tag: "tab, in tabs, Alt", frameInWindow: false, alt: true, window: false, expected: true },
            { tag: "window", frameInWindow: false, alt: true, window: true, expected: true }
        ];
    }

    function test_openingTheEditor(data) {
        var page = openPage(8, { "isWindow": data.window });
        page.table.frameInWindowButton.checked = data.frameInWindow;
        DESKTOP_UTILS.modifiers = data.alt ? Qt.AltModifier : 0;
        page.view.selectRowById("5");
        page.view.handleDoubleClick();
        var calls = GLOBAL.callsOf("createQmlFrame");
        compare(calls.length, 1);
        compare(calls[0][0], editorUrl);
        compare(String(calls[0][1]["id"]), "5");
        compare(calls[0][1]["state"], "EDIT");
        compare(calls[0][1]["isWindow"], data.expected);
        compare(calls[0][1]["ignoreAlt"], true);
        compare(calls[0][1]["parentItem"], page);
    }

    function test_readRightGuardsTheEditor() {
        var page = openPage(8);
        GLOBAL.setRight("driver", "read", false);
        page.view.selectRowById("5");
        page.view.forceActiveFocus();
        keyClick(Qt.Key_Return);
        compare(GLOBAL.callsOf("createQmlFrame").length, 0);
        var texts = MessageBoxes.textsIn(page);
        compare(texts.length, 1);
        verify(texts[0].indexOf("INFO: You don't have enough access privileges for this operation") === 0);
        MessageBoxes.closeAllIn(page);
        page.table.filterField.text = "D105";
        page.table.filterField.enterPressed();
        compare(GLOBAL.callsOf("createQmlFrame").length, 0, "Enter in the filter is guarded too");
        GLOBAL.setRight("driver", "read", true);
        page.table.filterField.enterPressed();
        compare(GLOBAL.callsOf("createQmlFrame").length, 1);
    }

    function test_toolButtonsFollowRights() {
        GLOBAL.setRight("driver", "delete", false);
        var page = openPage(3);
        page.view.selectRow(0);
        var remove = findChild(page, "removeButton");
        verify(!remove.enabled);
        verify(findChild(page, "editButton").enabled);
        GLOBAL.setRight("driver", "delete", true);
        GLOBAL.soReceived("driver", "delete");
        verify(remove.enabled, "a pushed right enables it at once");
        compare(GLOBAL.callsOf("updateModelOnSo").length, 1, "and the page's list follows the push");
    }

    // A refused own list ends the wait: the rows are no longer held back and the refusal shows;
    // another page's refusal changes nothing here.
    function test_refusedListEndsTheWait() {
        var page = openPage();
        verify(page.view.isListPending);
        verify(page.drivers.proxyModel.isPrepareMode);
        net.answer("driver", "saGetList", { "RES": "0", "ERRCODE": "50", "RECEIVER": "999" });
        verify(page.view.isListPending);
        compare(MessageBoxes.textsIn(page.view).length, 0);
        net.answer("driver", "saGetList", { "FN": "driver_saGetList", "RES": "0", "ERRCODE": "50",
                                           "RECEIVER": page.drivers.objectNumber });
        verify(!page.view.isListPending);
        verify(!page.drivers.proxyModel.isPrepareMode);
        var texts = MessageBoxes.textsIn(page.view);
        compare(texts.length, 1);
        verify(texts[0].indexOf("GET LIST: You don't have enough access privileges for this operation") === 0, texts[0]);
        MessageBoxes.closeAllIn(page.view);
    }

    function test_duplicateFromTheTable() {
        var page = openPage(3);
        page.view.selectRowById("2");
        findChild(page, "duplicateButton").clicked();
        compare(net.sentNames(), ["driver_trGetList", "driver_trDuplicate"]);
        compare(net.sent()[1]["id"], "2");
        DESKTOP_UTILS.modifiers = Qt.AltModifier;
        findChild(page, "duplicateButton").clicked();
        var call = GLOBAL.callsOf("createQmlFrame")[0];
        compare(call[1]["state"], "DUPLICATE");
        compare(call[1]["isWindow"], true);
    }

    // The texts the visible items under item show, header titles included.
    function shownTexts(item, found) {
        found = found || [];
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (!child.visible)
                continue;
            if (child.font !== undefined && child.text !== undefined && String(child.text) !== "")
                found.push(String(child.text));
            shownTexts(child, found);
        }
        return found;
    }

    // Where the first visible text item under item that shows text starts, in item's
    // coordinates; undefined when none does.
    function textX(item, text) {
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (!child.visible)
                continue;
            if (child.font !== undefined && String(child.text) === text)
                return child.mapToItem(null, 0, 0).x;
            var x = textX(child, text);
            if (x !== undefined)
                return x;
        }
        return undefined;
    }

    // The drawn title items of a header, by their text.
    function headerTitles(item, text, found) {
        found = found || [];
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (child.objectName === "headerTitle" && child.visible && child.text === text)
                found.push(child);
            headerTitles(child, text, found);
        }
        return found;
    }

    // A title longer than its section is cut at its end, never drawn past the section's edges,
    // and shown whole in a tool tip; one that fits is whole and has none.
    function test_longHeaderTitles() {
        var page = openPage(3);
        var view = page.view;
        var longTitle = "Заблокировано пользователем";
        var column = view.findColumn("last_name");
        column.title = longTitle;
        column.width = 60;
        waitForRendering(view, TestTime.limit(5000));
        var titles = headerTitles(view, longTitle);
        verify(titles.length > 0, "the header draws the title");
        var title = titles[0];
        compare(title.elide, Text.ElideRight);
        verify(title.truncated, "cut");
        verify(title.contentWidth <= title.width + 0.5, "within the section: " + title.contentWidth + " > " + title.width);
        var tip = findChild(title.parent, "headerTooltip");
        verify(tip, "a tool tip");
        compare(tip.text, longTitle);
        var centre = title.mapToItem(view, title.width / 2, title.height / 2);
        mouseMove(view, centre.x, centre.y);
        tryVerify(function () { return tip.visible; }, TestTime.limit(3000), "shown while the pointer is over the title");
        mouseMove(view, 5, centre.y);
        tryVerify(function () { return !tip.visible; }, TestTime.limit(3000), "and hidden when it leaves");
        column.width = 400;
        waitForRendering(view, TestTime.limit(5000));
        tryVerify(function () { return !title.truncated; }, TestTime.limit(2000), "whole in a wide section");
        compare(findChild(title.parent, "headerTooltip"), null, "and no tool tip");

        // The sorted column's title keeps clear of the sort arrow, in a narrow section too.
        view.sortIndicatorColumn = view.findColumnIndex("last_name");
        column.width = 60;
        waitForRendering(view, TestTime.limit(5000));
        var arrow = findChild(title.parent, "sortArrow");
        verify(arrow && arrow.visible, "the sort arrow");
        var drawnRight = title.x + (title.width + Math.min(title.contentWidth, title.width)) / 2;
        verify(drawnRight <= arrow.x, "the title ends at " + drawnRight + ", the arrow starts at " + arrow.x);
    }

    // A column moved, by the header or by saved places, takes its cells along.
    function test_cellsFollowMovedColumns() {
        var page = openPage(8);
        var view = page.view;
        waitForRendering(view, TestTime.limit(5000));
        verify(textX(view, "D101") < textX(view, "Kovalenko"), "the sign before the last name");
        view.moveColumn(view.findColumnIndex("last_name"), 0);
        tryVerify(function () { return textX(view, "Kovalenko") < textX(view, "D101"); }, TestTime.limit(2000),
                  "the last names move before the signs");
        verify(textX(view, "Kovalenko") < textX(view, "+380501007919"), "and before the phones");
    }

    // Cells are made for the columns in sight: a column that comes into sight later, or is shown
    // again, gets its cells, and fitting a column measures them.
    function test_cellsOfColumnsComingIntoSight() {
        var page = openPage(8, { "width": 300 });
        var view = page.view;
        waitForRendering(view, TestTime.limit(5000));
        verify(shownTexts(view).indexOf("D101") >= 0, "the signs in sight");
        verify(shownTexts(view).indexOf("Renault") < 0, "no brand cell while the column is out of sight");
        view.findColumn("last_name").visible = false;
        view.findColumn("phone").visible = false;
        tryVerify(function () { return shownTexts(view).indexOf("Renault") >= 0; }, TestTime.limit(2000),
                  "the brands once their column comes into sight");
        view.findColumn("brand_name").visible = false;
        tryVerify(function () { return shownTexts(view).indexOf("Renault") < 0; }, TestTime.limit(2000), "a hidden column shows nothing");
        view.findColumn("brand_name").visible = true;
        tryVerify(function () { return shownTexts(view).indexOf("Renault") >= 0; }, TestTime.limit(2000), "shown again");
        var brand = view.findColumn("brand_name");
        brand.width = 5;
        waitForRendering(view, TestTime.limit(5000));
        brand.resizeToContents();
        var fitted = brand.width;
        verify(fitted > 5, "a narrow column widens to its widest brand");
        brand.width = 200;
        waitForRendering(view, TestTime.limit(5000));
        brand.resizeToContents();
        compare(brand.width, fitted, "a wide one narrows to it");
        compare(view.findColumn("sign").width, 80, "the other columns keep theirs");
    }

    Component { id: companyComponent; KitCompany {} }

    Component {
        id: companyPage

        CompanyTable {}
    }

    Component {
        id: tabbedComponent

        NtFrame {
            id: holder

            property string id: "5"
            property alias tabs: tabs
            property alias page: tabPage

            width: 1000
            height: 400
            objectsSettingName: "tabbedDrivers"

            TabViewEx {
                id: tabs

                anchors.fill: parent
                targetEditor: holder

                TabButtonEx {
                    text: "First"

                    Item {}
                }

                TabButtonEx {
                    text: "Drivers"

                    DriverTable {
                        id: tabPage

                        objectsSettingName: testCase.pageUrl
                    }
                }
            }
        }
    }

    // Every cell in sight draws what its column's delegate makes of the row's value, in a view
    // whose rows do not all fit (overflowing, the default) or all do.
    function verifyDrawn(view, when, overflowing) {
        var drawn = DrawnCells.settledCheck(view);
        compare(drawn.faults.slice(0, 3), [], when + ": " + drawn.faults.length + " cells in sight drawn wrong");
        verify(drawn.rowsInSight > 0, when + ": rows in sight");
        compare(drawn.rowCount > drawn.rowsInSight, overflowing !== false, when + ": more rows than fit");
        verify(drawn.cellsWithText >= drawn.rowsInSight, when + ": the cells with a value in sight");
    }

    // The class-wide companies as the shell loads them after the sign-in.
    function fillCompanies(count) {
        net.grantRead("company");
        var companies = createTemporaryObject(companyComponent, testCase);
        companies.originalModel.clear();
        for (var i = 2; i < count + 2; ++i)
            companies.originalModel.addRow({ "id": String(i), "company_name": "Company " + i, "sign": "cmp-" + i,
                                             "company_code": "C" + i, "inner_note": "note " + i,
                                             "balance": String(i * 1.5), "dt_utc_insert": String(1710000000000 + i * 60000) });
        companies.originalModel.dataAtLeastLoaded = true;
    }

    // The cells follow every change of the columns in sight, also one that comes right after the
    // vertical scroll bar came: a window sized once its rows are there, a tab shown after its
    // window grew, a window widened, columns hidden, shown again and moved.
    function test_drawnCellsRowsBeforeFirstShow() {
        fillCompanies(60);
        // A new window lays its page out at the page's own size first, then at the window's.
        var page = createTemporaryObject(companyPage, testCase, { "width": 150, "height": 400 });
        waitForRendering(page, TestTime.limit(5000));
        page.width = 1000;
        verifyDrawn(page.view, "first show at the window's size");
    }

    // A table in a tab shown at first narrow, its few rows all in sight: the window grows while
    // another tab is shown.
    function test_drawnCellsInTabShownLater() {
        var holder = createTemporaryObject(tabbedComponent, testCase, { "width": 150 });
        tryCompare(holder.tabs.tabBar, "count", 2, TestTime.limit(5000));
        holder.tabs.tabBar.currentIndex = 1;
        rows.load(holder.page.drivers, rows.drivers(5));
        verifyDrawn(holder.page.view, "the tab's first visit", false);
        holder.tabs.tabBar.currentIndex = 0;
        tryVerify(function () { return !holder.page.view.visible; }, TestTime.limit(5000));
        holder.width = 1000;
        holder.tabs.tabBar.currentIndex = 1;
        verifyDrawn(holder.page.view, "the tab shown again after its window grew", false);
    }

    function test_drawnCellsWidenedInOneStep() {
        var page = openPage(60, { "width": 300, "height": 400 });
        verifyDrawn(page.view, "narrow");
        page.width = 1000;
        verifyDrawn(page.view, "widened");
        page.width = 400;
        page.view.__listView.contentX = 250;
        verifyDrawn(page.view, "narrow, scrolled to the right");
        page.width = 1200;
        verifyDrawn(page.view, "widened while scrolled");
    }

    function test_drawnCellsColumnHiddenAndShown() {
        var page = openPage(60, { "width": 600, "height": 400 });
        verifyDrawn(page.view, "first show");
        waitForRendering(page.view, TestTime.limit(5000));
        mouseClick(page.view, 20, 10, Qt.RightButton);
        var menu = page.table.columnMenu;
        trigger(menu.itemAt(2));
        trigger(menu.itemAt(3));
        menu.close();
        verify(!page.view.findColumn("last_name").visible && !page.view.findColumn("phone").visible);
        verifyDrawn(page.view, "two columns hidden");
        trigger(menu.itemAt(2));
        trigger(menu.itemAt(3));
        verifyDrawn(page.view, "shown again");
    }

    function test_drawnCellsColumnMoved() {
        var page = openPage(60, { "width": 369, "height": 400 });
        var view = page.view;
        verifyDrawn(view, "first show");
        view.moveColumn(view.findColumnIndex("last_name"), view.columnCount - 1);
        verifyDrawn(view, "a wide column moved out of sight, narrower ones come in");
        view.moveColumn(view.columnCount - 1, 0);
        verifyDrawn(view, "one moved back to the front");
    }

    function test_mouse() {
        var page = openPage(8);
        var view = page.view;
        var pressed = [];
        view.rightPressed.connect(function (row, inside) { pressed.push([row, inside]); });
        waitForRendering(view, TestTime.limit(5000));
        var y = view.headerHeight;
        while (y < view.height && view.rowAt(200, y) !== 2)
            ++y;
        mouseClick(view, 200, y + 2, Qt.RightButton);
        compare(pressed.length, 1);
        verify(pressed[0][1], "inside the rows");
        compare(pressed[0][0], 2);
        compare(view.currentRow, 2, "the row under the pointer is selected");
        mouseClick(view, 200, view.height - 3, Qt.RightButton);
        compare(pressed[1], [-1, false], "below the rows");
        mouseClick(view, 20, 10, Qt.RightButton);
        verify(page.table.columnMenu.visible, "a right click on the header opens the column menu");
        page.table.columnMenu.close();
        mouseClick(view, 100, 10);
        compare(view.sortRole, "sign", "a header click sorts by its column");
        compare(String(view.rowId(0)), "1");
        mouseClick(view, 100, 10);
        compare(view.sortIndicatorOrder, Qt.DescendingOrder);
        compare(String(view.rowId(0)), "8", "and a second one turns the order");
    }

    function test_extendedSearchWindow() {
        var page = openPage(3);
        page.objectSettings["searchRules"] = [{ "condition": "and", "expressions": [] }];
        findChild(page, "searchButton").clicked();
        var call = QWIDGET_CREATOR.callsOf("search")[0];
        compare(call[0], page.drivers);
        compare(call[1], [{ "condition": "and", "expressions": [] }]);
        compare(call[2], page);
        var rules = [{ "condition": "and", "expressions": [{ "role": "sign", "operation": "=", "value": "D101",
                                                              "condition": "and", "used": true }] }];
        var search = QWIDGET_CREATOR.lastDialog();
        search.setRules(rules);
        search.close();
        compare(page.objectSettings["searchRules"], rules, "the rules stay with the page");
    }
}
