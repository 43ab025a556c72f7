import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "text/focuschain.js" as FocusChain

// The tabs of an editor made of several sub-pages: the tab buttons declared inside carry their
// page as their last child. The first nine tabs get Ctrl shortcuts; a tab's data loads on its
// first visit of a saved record; the editor's settings, Enter, close and destruction reach the
// sub-pages. The keys follow the tab shown: a tab shown takes the focus, to the field it had
// last or its first field, so that no key acts on a hidden tab.
Page {
    id: view

    property var letters: ["T", "Y", "U", "I", "O", "P", "J", "K", "L"]
    property var targetEditor: ({})
    property alias style: tabBar.style
    property bool tabBarAtTop: true
    default property alias data: tabBar.contentData
    property alias tabBar: tabBar
    // Contents moved into the stack, in tab order.
    property var tabContents: []
    // The item that had the focus last in each tab, by tab index.
    property var lastFocused: []

    function getTab(index) {
        return tabContents[index];
    }

    function walkGetSettings(map) {
        for (var i = 0; i < tabContents.length; ++i) {
            var content = tabContents[i];
            if (content.getSettings)
                content.getSettings();
            if (content.objectSettings)
                map[content.objectsSettingName] = content.objectSettings;
        }
    }

    function walkSetSettings(map) {
        for (var i = 0; i < tabContents.length; ++i) {
            var content = tabContents[i];
            if (map && map.hasOwnProperty(content.objectsSettingName)) {
                content.objectSettings = map[content.objectsSettingName];
                content.readySettings(map[content.objectsSettingName], "tab");
            } else if (content.readySettings) {
                content.readySettings({}, "tab");
            }
        }
    }

    function editorSaved() {
        var id = targetEditor ? targetEditor["id"] : undefined;
        return id !== undefined && id !== null && String(id) !== "" && String(id) !== "0";
    }

    // The last child of a tab button that is not the button's own drawing.
    function pageOf(button) {
        for (var i = button.children.length - 1; i >= 0; --i) {
            var child = button.children[i];
            if (child !== button.contentItem && child !== button.background)
                return child;
        }
        return null;
    }

    function addTab(index) {
        var button = tabBar.itemAt(index);
        if (!button)
            return;
        if (index < 9 && index < letters.length) {
            var shortcut = shortcutComponent.createObject(view, { "tabIndex": index, "button": button,
                                                                  "sequence": "Ctrl+" + letters[index],
                                                                  "objectName": "tabShortcut" + index });
            button.text = button.text + " (" + shortcut.nativeText + ")";
        }
        var content = pageOf(button);
        if (!content)
            return;
        content.parent = stack;
        content.width = Qt.binding(function () { return stack.width; });
        content.height = Qt.binding(function () { return stack.height; });
        if (content.closed)
            content.closed.connect(function () {
                if (view.getTab(stack.currentIndex) === content && view.targetEditor.closed)
                    view.targetEditor.closed();
            });
        var contents = tabContents;
        contents.push(content);
        tabContents = contents;
    }

    // The index of the tab that holds item; -1 when none does.
    function tabOf(item) {
        for (var parent = item; parent && parent !== view; parent = parent.parent) {
            var index = tabContents.indexOf(parent);
            if (index >= 0)
                return index;
        }
        return -1;
    }

    function followFocus(item) {
        var index = item ? tabOf(item) : -1;
        if (index < 0 || item === tabContents[index])
            return;
        lastFocused[index] = item;
    }

    // The focus into a tab: to its item that had it last, or its first field; to the tab itself
    // before its page is made. Not a Tab: a note keeps its cursor.
    function focusInto(index) {
        var content = getTab(index);
        if (!content)
            return;
        var last = lastFocused[index];
        if (!last || !last.visible || !last.enabled || tabOf(last) !== index)
            last = FocusChain.collect(content, [])[0];
        if (last)
            last.forceActiveFocus(Qt.OtherFocusReason);
        else
            content.forceActiveFocus(Qt.OtherFocusReason);
    }

    function showTab(index) {
        if (targetEditor && targetEditor.tableContainer !== undefined)
            targetEditor.tableContainer = null;
        var content = getTab(index);
        if (!content)
            return;
        focusInto(index);
        if (index <= 0 || !editorSaved())
            return;
        if (content.loadData && content.isDataLoaded === false) {
            content.loadData();
            content.isDataLoaded = true;
        }
        if (content.tableContainerItem && targetEditor.tableContainer !== undefined)
            targetEditor.tableContainer = content.tableContainerItem;
    }

    clip: true
    header: tabBarAtTop ? tabBar : null
    footer: tabBarAtTop ? null : tabBar

    TabBarEx {
        id: tabBar

        // Tab buttons already set up.
        property int handled: 0

        width: view.width
        onCountChanged: {
            while (handled < count)
                view.addTab(handled++);
        }
    }

    StackLayout {
        id: stack

        anchors.fill: parent
        currentIndex: tabBar.currentIndex
        onCurrentIndexChanged: view.showTab(currentIndex)
    }

    Component {
        id: shortcutComponent

        ShortcutEx {
            property int tabIndex
            property Item button

            enabled: button && button.enabled && view.visible
            onActivated: tabBar.currentIndex = tabIndex
        }
    }

    Connections {
        target: view.Window.window

        function onActiveFocusItemChanged() {
            view.followFocus(view.Window.window.activeFocusItem);
        }
    }

    Connections {
        target: view.targetEditor && view.targetEditor.getSettings ? view.targetEditor : null

        function onGetSettings() {
            view.walkGetSettings(view.targetEditor.objectSettings);
            if (view.targetEditor.state !== "ADD")
                view.targetEditor.objectSettings["currentTabIndex"] = stack.currentIndex;
        }

        function onReadySettings(objectSettings, owner) {
            var settings = view.targetEditor.objectSettings;
            view.walkSetSettings(settings);
            if (view.targetEditor.state !== "ADD" && settings && settings["currentTabIndex"] !== undefined)
                tabBar.currentIndex = Math.min(settings["currentTabIndex"], tabBar.count - 1);
        }

        function onEnterPressed() {
            var content = view.getTab(stack.currentIndex);
            if (content && content.enterPressed)
                content.enterPressed();
        }

        function onDestroyReady() {
            stack.children = [];
        }
    }
}
