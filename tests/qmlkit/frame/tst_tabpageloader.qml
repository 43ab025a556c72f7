import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"

TestCase {
    id: testCase

    name: "TabPageLoader"
    when: windowShown
    visible: true
    width: 600
    height: 400

    Component {
        id: editorWithTabs

        TestEditor {
            id: editor

            property alias tabs: tabs

            width: 600
            height: 400
            objectsSettingName: "editorWithLoadedTab"

            TabViewEx {
                id: tabs

                anchors.fill: parent
                targetEditor: editor

                TabButtonEx {
                    text: "First"

                    SubPage {}
                }

                TabButtonEx {
                    text: "Loaded"

                    TabPageLoader {
                        url: Qt.resolvedUrl("LoadedPage.qml")
                        pageOptions: function () { return { "owner": editor.id }; }
                    }
                }
            }
        }
    }

    function makeEditor(properties) {
        var editor = createTemporaryObject(editorWithTabs, testCase, properties || {});
        verify(editor);
        tryCompare(editor.tabs.tabBar, "count", 2, TestTime.limit(5000));
        return editor;
    }

    function test_madeOnFirstVisit() {
        var editor = makeEditor({ "id": "7" });
        var tab = editor.tabs.getTab(1);
        compare(tab.page, null, "nothing is made before the tab is visited");
        editor.tabs.tabBar.currentIndex = 1;
        verify(tab.page);
        compare(tab.page.owner, "7", "the page takes the options of its first visit");
        compare(tab.page.loads, 1);
        verify(tab.isDataLoaded);
        compare(editor.tableContainer, tab.page.tableContainerItem);
        var page = tab.page;
        editor.tabs.tabBar.currentIndex = 0;
        editor.tabs.tabBar.currentIndex = 1;
        compare(tab.page, page, "made once");
        compare(page.loads, 1, "loaded once");
    }

    function test_unsavedRecordMakesNothing() {
        var editor = makeEditor({ "id": "0" });
        editor.tabs.tabBar.currentIndex = 1;
        compare(editor.tabs.getTab(1).page, null);
    }
}
