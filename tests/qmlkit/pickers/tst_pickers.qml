import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Dialogs 1.2
import QtTest 1.2
import Koriv.Test 1.0

// Record pickers over the shared class-wide controllers, with chooser pages opened in windows.
TestCase {
    id: testCase

    readonly property var choosers: ["qrc:/qml/company/company/CompanyTable.qml",
                                     "qrc:/qml/address/city/CityTable.qml",
                                     "qrc:/qml/user/user/UserTable.qml",
                                     "qrc:/qml/user/user-group/UserGroupTable.qml"]
    property var net: ScriptedNetwork
    property var companies
    property var cities
    property var users
    property var groups

    name: "Pickers"
    when: windowShown
    visible: true
    width: 900
    height: 700

    Component { id: pageComponent; PickerPage { width: 900; height: 700 } }
    Component { id: companyComponent; KitCompany {} }
    Component { id: cityComponent; KitCity {} }
    Component { id: userComponent; User {} }
    Component { id: groupComponent; UserGroup {} }

    // A class-wide list as the shell loads it after sign-in.
    function fill(controller, rows) {
        for (var i = 0; i < rows.length; ++i)
            controller.originalModel.addRow(rows[i]);
        controller.originalModel.dataAtLeastLoaded = true;
    }

    function initTestCase() {
        companies = companyComponent.createObject(testCase);
        cities = cityComponent.createObject(testCase);
        users = userComponent.createObject(testCase);
        groups = groupComponent.createObject(testCase);
        fill(companies, [{ "id": "7", "company_name": "Koriv Taxi", "dt_utc_last_update": "10" },
                         { "id": "8", "company_name": "Night Cabs", "dt_utc_last_update": "10" }]);
        fill(cities, [{ "id": "3", "name": "Kyiv", "city_name": "Kyiv" }, { "id": "4", "name": "Lviv", "city_name": "Lviv" }]);
        fill(users, [{ "id": "2", "sign": "operator" }, { "id": "11", "sign": "petro" }, { "id": "12", "sign": "olena" }]);
        fill(groups, [{ "id": "3", "name": "Dispatchers" }, { "id": "4", "name": "Admins" }, { "id": "5", "name": "Night" }]);
        GLOBAL.company = companies;
        GLOBAL.city = cities;
        GLOBAL.user = users;
        GLOBAL.userGroup = groups;
        for (var i = 0; i < choosers.length; ++i)
            GLOBAL.routeUrl(choosers[i], Qt.resolvedUrl("Chooser.qml"));
    }

    function init() {
        GLOBAL.clearCalls();
    }

    function cleanup() {
        MessageBoxes.closeAllIn(mainWindow);
        for (var i = GLOBAL.frames.count() - 1; i >= 0; --i)
            GLOBAL.frames.at(i).closeFrame();
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(5000));
    }

    // Shortcuts work only in the active window.
    function openPage() {
        var page = createTemporaryObject(pageComponent, testCase);
        verify(page);
        testCase.Window.window.requestActivate();
        tryVerify(function () { return testCase.Window.active; }, TestTime.limit(5000));
        return page;
    }

    function lastChooser() {
        return GLOBAL.frames.at(GLOBAL.frames.count() - 1);
    }

    function test_placeholderShowsNothingToOpen() {
        var page = openPage();
        compare(page.companyBox.company_name.text, "n/a");
        page.companyBox.company_name.forceActiveFocus();
        keyClick(Qt.Key_F2);
        compare(GLOBAL.callsOf("createQmlFrame").length, 0, "F2 opens no editor for the placeholder");
    }

    function test_nameFollowsTheList() {
        var page = openPage();
        page.companyId = "7";
        compare(page.companyBox.company_name.text, "Koriv Taxi");
        companies.originalModel.addRow({ "id": "7", "company_name": "Koriv Taxi Group", "dt_utc_last_update": "20" });
        compare(page.companyBox.company_name.text, "Koriv Taxi Group", "a reloaded list renames it");
        page.companyId = "99";
        compare(page.companyBox.company_name.text, "", "an id the list does not hold shows nothing");
        page.companyId = "7";
        page.companyBox.company_name.forceActiveFocus();
        keyClick(Qt.Key_F2);
        var call = GLOBAL.callsOf("createQmlFrame")[0];
        compare(call[0], "qrc:/qml/company/company/CompanyEditor.qml");
        compare(call[1]["id"], "7");
        compare(call[1]["state"], "EDIT");
        compare(call[1]["parentItem"], page);
        compare(call[1]["isWindow"], false, "as the page is placed");
        compare(call[1]["isNewInstance"], true);
    }

    function test_pickingFromTheChooser() {
        var page = openPage();
        page.forceActiveFocus();
        keyClick(Qt.Key_1, Qt.ControlModifier);
        var call = GLOBAL.callsOf("createQmlFrame")[0];
        compare(call[0], "qrc:/qml/company/company/CompanyTable.qml");
        compare(call[1]["state"], "SELECT");
        compare(call[1]["isWindow"], true);
        compare(call[1]["parentItem"], page);
        var chooser = lastChooser();
        verify(chooser.window.visible, "the chooser shows in its own window");
        chooser.view.selectRowById("8");
        chooser.view.handleDoubleClick();
        compare(page.companyId, "8");
        compare(page.companyBox.company_name.text, "Night Cabs");
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(2000), "choosing closes it");
        page.companyBox.company_name.forceActiveFocus();
        keyClick(Qt.Key_F3);
        compare(GLOBAL.callsOf("createQmlFrame").length, 2, "F3 asks for the chooser again");
        lastChooser().closed();
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(5000));
        compare(page.companyId, "8", "closing without a pick changes nothing");
    }

    function test_cityAndUserChoosers() {
        var page = openPage();
        var selected = [];
        page.cityBox.selected.connect(function (result) { selected.push(result); });
        page.cityBox.browseButton.clicked();
        var chooser = lastChooser();
        chooser.view.selectRowById("4");
        chooser.view.handleDoubleClick();
        compare(page.cityBox.rst_id_city, "4");
        compare(page.cityBox.city_name.text, "Lviv");
        compare(selected.length, 1);
        compare(selected[0]["rst_id_city"], "4");
        page.userBox.browseButton.clicked();
        chooser = lastChooser();
        chooser.view.selectRowById("11");
        chooser.view.handleDoubleClick();
        compare(page.userBox.rst_id_user, "11", "the first map of the user list's answer");
        compare(page.userBox.name.text, "petro");
    }

    function test_readOnlyAndFocusItem() {
        var page = openPage();
        verify(!page.lockedBox.browseButton.enabled);
        verify(findChild(page.lockedBox, "lockGlyph").visible);
        verify(!findChild(page.companyBox, "lockGlyph").visible);
        compare(findChild(page.focusedBox, "shortcutLabel").text, "Ctrl+3");
        page.forceActiveFocus();
        keyClick(Qt.Key_3, Qt.ControlModifier);
        verify(page.plainField.activeFocus, "the shortcut focuses the field");
        compare(GLOBAL.callsOf("createQmlFrame").length, 0, "and opens no chooser");
    }

    function test_ownerList() {
        var page = openPage();
        var groups = page.owners.groups;
        groups.appendOwnersValue("[3,4]");
        compare(groups.model.count, 2);
        compare(groups.model.get(0).name, "Dispatchers");
        verify(!groups.owners.modify);
        groups.appendOwners(["3", " 4", 5]);
        compare(groups.model.count, 3, "3 and \"3\" are one group");
        compare(groups.owners.value, "[3,4,5]");
        verify(groups.owners.modify);
        tryCompare(groups.view, "rowCount", 3, TestTime.limit(5000));
        groups.view.selection.select(0);
        groups.view.selection.select(2);
        groups.view.currentRow = 2;
        findChild(groups, "removeButton").clicked();
        var question = MessageBoxes.openIn(mainWindow)[0];
        compare(question.text, "Remove entry?");
        question.click(StandardButton.Yes);
        compare(groups.owners.value, "[4]");
        groups.appendOwnersValue("");
        compare(groups.owners.legalValue, "");
        compare(groups.model.count, 1, "an empty value leaves the list");
        groups.appendOwnersValue("[ 3, \"4\" ]");
        compare(groups.owners.value, "[3,4]");
        verify(!groups.owners.modify, "however the saved list was written");
        tryCompare(groups.view, "rowCount", 2, TestTime.limit(5000));
        groups.view.currentRow = 0;
        verify(findChild(groups, "removeAllButton").enabled);
        findChild(groups, "removeAllButton").clicked();
        compare(MessageBoxes.textsIn(mainWindow), ["Remove entries?"]);
        MessageBoxes.openIn(mainWindow)[0].click(StandardButton.Yes);
        compare(groups.owners.value, "[]");
        ignoreWarning("Owner list is not a JSON array: {\"a\":1}");
        groups.appendOwnersValue("{\"a\":1}");
        compare(groups.owners.value, "{\"a\":1}", "a broken value is kept as it came");
    }

    function test_ownerChoosers() {
        var page = openPage();
        findChild(page.owners.users, "addButton").clicked();
        var call = GLOBAL.callsOf("createQmlFrame")[0];
        compare(call[0], "qrc:/qml/user/user/UserTable.qml");
        compare(call[1]["state"], "MULTI_SELECT");
        compare(call[1]["isWindow"], false, "as the page is placed");
        var chooser = lastChooser();
        chooser.view.selection.select(0, 1);
        chooser.view.currentRow = 0;
        chooser.view.handleDoubleClick();
        compare(page.owners.users.model.count, 2);
        compare(page.owners.users.model.get(0).name, "operator");
        compare(page.owners.users.owners.value, "[2,11]");
    }
}
