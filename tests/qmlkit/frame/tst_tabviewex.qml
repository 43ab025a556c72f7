import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"

TestCase {
    id: testCase

    name: "TabViewEx"
    when: windowShown
    // Shortcuts work only in a view that is shown.
    visible: true
    width: 600
    height: 400

    Component {
        id: editorWithTabs

        TestEditor {
            id: editor

            property alias tabs: tabs
            property var titles: []
            property int tabCount: titles.length > 0 ? titles.length : 11

            width: 600
            height: 400
            objectsSettingName: "editorWithTabs"

            TabViewEx {
                id: tabs

                anchors.fill: parent
                targetEditor: editor

                Repeater {
                    model: editor.tabCount

                    TabButtonEx {
                        text: editor.titles.length > 0 ? editor.titles[index] : "Tab " + index

                        SubPage { objectsSettingName: "page" + index }
                    }
                }
            }
        }
    }

    function cleanup() {
        GLOBAL.guiSession.clearCalls();
    }

    // Each editor starts from no saved settings.
    function makeEditor(properties) {
        var initial = properties || {};
        initial["isGuiSessionMode"] = true;
        var editor = createTemporaryObject(editorWithTabs, testCase, initial);
        verify(editor);
        tryCompare(editor.tabs.tabBar, "count", initial["titles"] ? initial["titles"].length : 11, TestTime.limit(5000));
        return editor;
    }

    // The drawn titles of a tab bar that are cut short: narrower than their text.
    function cutTitles(item, found) {
        found = found || [];
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (child.truncated !== undefined && child.text !== "" && child.width + 0.5 < child.implicitWidth)
                found.push(child.text);
            cutTitles(child, found);
        }
        return found;
    }

    // Every title is whole: tabs that fit share the bar out, a long title taking the room it
    // needs; too many make the bar scroll.
    function test_titlesWhole() {
        var editor = makeEditor({ "titles": ["A", "B", "Driver balance transfers and paid service types", "C"] });
        var bar = editor.tabs.tabBar;
        waitForRendering(bar, TestTime.limit(5000));
        compare(cutTitles(bar), []);
        var used = 0;
        for (var i = 0; i < 4; ++i)
            used += bar.itemAt(i).width;
        fuzzyCompare(used + 3 * bar.spacing, bar.availableWidth, 1, "the tabs fill the bar");
        verify(bar.itemAt(2).width > bar.itemAt(0).width, "the long title is the wide tab");

        editor = makeEditor();
        bar = editor.tabs.tabBar;
        waitForRendering(bar, TestTime.limit(5000));
        compare(cutTitles(bar), []);
        for (i = 0; i < 11; ++i)
            verify(bar.itemAt(i).width >= bar.itemAt(i).implicitWidth - 0.5, bar.itemAt(i).text);
        verify(bar.contentItem.contentWidth > bar.width, "the bar scrolls");
    }

    function test_shortcuts() {
        var editor = makeEditor();
        var letters = ["T", "Y", "U", "I", "O", "P", "J", "K", "L"];
        for (var i = 0; i < 9; ++i)
            compare(editor.tabs.tabBar.itemAt(i).text, "Tab " + i + " (Ctrl+" + letters[i] + ")");
        compare(editor.tabs.tabBar.itemAt(9).text, "Tab 9", "the tenth tab has no shortcut");
        compare(editor.tabs.tabBar.itemAt(10).text, "Tab 10");
        var third = findChild(editor.tabs, "tabShortcut2");
        verify(third.enabled);
        third.activated();
        compare(editor.tabs.tabBar.currentIndex, 2);
        editor.tabs.tabBar.itemAt(4).enabled = false;
        verify(!findChild(editor.tabs, "tabShortcut4").enabled, "a disabled tab's shortcut is off");
        editor.tabs.visible = false;
        verify(!third.enabled, "so are all of a hidden view");
        compare(findChild(editor.tabs, "tabShortcut9"), null);
    }

    function test_loadsOnFirstVisit() {
        var editor = makeEditor();
        var third = editor.tabs.getTab(2);
        compare(third.loads, 0);
        editor.tabs.tabBar.currentIndex = 2;
        compare(third.loads, 1);
        verify(third.isDataLoaded);
        compare(editor.tableContainer, third.tableContainerItem);
        editor.tabs.tabBar.currentIndex = 0;
        compare(editor.tableContainer, null);
        editor.tabs.tabBar.currentIndex = 2;
        compare(third.loads, 1, "loaded once");
        compare(editor.tabs.getTab(0).loads, 0, "the first tab never loads this way");
    }

    function test_unsavedRecordLoadsNothing() {
        var editor = makeEditor({ "id": "0" });
        editor.tabs.tabBar.currentIndex = 3;
        compare(editor.tabs.getTab(3).loads, 0);
    }

    function test_settings() {
        var editor = makeEditor();
        editor.tabs.tabBar.currentIndex = 4;
        editor.tabs.getTab(1).objectSettings = { "rowLimit": 10 };
        editor.getSettings();
        compare(editor.objectSettings["currentTabIndex"], 4);
        compare(editor.objectSettings["page1"], { "rowLimit": 10 });

        var handed = [];
        editor.tabs.getTab(3).readySettings.connect(function (map, owner) { handed.push([map, owner]); });
        editor.objectSettings = { "currentTabIndex": 20, "page3": { "filterText": "x" } };
        editor.readySettings(editor.objectSettings, "frame");
        compare(editor.tabs.tabBar.currentIndex, 10, "a saved index beyond the tabs gives the last tab");
        compare(handed, [[{ "filterText": "x" }, "tab"]]);
        compare(editor.tabs.getTab(3).objectSettings, { "filterText": "x" });
    }

    function test_addStateKeepsNoTabIndex() {
        var editor = makeEditor({ "state": "ADD" });
        editor.tabs.tabBar.currentIndex = 3;
        editor.getSettings();
        compare(editor.objectSettings["currentTabIndex"], undefined);
    }

    function test_relays() {
        var editor = makeEditor();
        editor.tabs.tabBar.currentIndex = 1;
        editor.enterPressed();
        compare(editor.tabs.getTab(1).enters, 1, "Enter reaches the current tab");
        editor.tabs.getTab(1).closed();
        compare(editor.closeActions, 1, "a sub-page's close closes the editor");
    }
}
