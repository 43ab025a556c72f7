import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."

// The holder of a page's tables: gathers their settings under its name in the frame's settings,
// gives the status bar the table whose rows it counts and, in a window of its own, shows that
// count itself (red once the row limit is reached). It starts the page once: when the settings
// are there and the catalogues its filters choose from are loaded, the page's filters are
// restored from the settings and every table loads its list.
FocusScope {
    id: container

    default property alias data: contentArea.data
    property var tables: []
    property Item tableForRowCount: null
    property Item defaultActiveTable: null
    property var frame: null
    property string objectsSettingName
    property var objectSettings: ({})
    property bool isDataLoaded: false
    readonly property int defaultLeftSplitWidth: 200
    property alias tableContainerItem: container
    // Shared catalogue controllers whose lists the page's filters need before the first list.
    property var catalogues: []
    property bool isSettingsReady: false
    readonly property bool isReadyForStartInit: isSettingsReady && cataloguesLoaded(catalogues)
    property bool isInited: false
    // Whether the lists load: a page inside an editor's tab waits for its first show.
    property bool isShown: true
    readonly property int rowCount: tableForRowCount && tableForRowCount.tableView
                                    ? tableForRowCount.tableView.rowCount : 0
    readonly property int rowLimit: tableForRowCount && tableForRowCount.controller
                                    ? tableForRowCount.controller.rowLimit : 0

    signal getSettings()
    signal readySettings(var objectSettings)

    // Replaceable: the page's filter values from the saved settings, and into them.
    function restoreFilters(settings) {
    }

    function storeFilters(settings) {
    }

    // Replaceable: the first lists (and the reloads a filter change asks for).
    function loadLists() {
        for (var i = 0; i < tables.length; ++i) {
            if (tables[i].tableView)
                tables[i].tableView.getNewList();
        }
    }

    // The lists were asked for: the shared ones, prepared, come into their tables (see
    // TableViewBase.showList).
    function showLists() {
        if (!isShown)
            return;
        for (var i = 0; i < tables.length; ++i) {
            var view = tables[i].tableView;
            if (view && typeof view.showList === "function")
                view.showList();
        }
    }

    // The first show of a page inside a tab: its lists load from now on, once the page has
    // started. settings: what it starts with when none came yet; left out, a page without a frame
    // starts with none and a page in a frame waits for the frame's.
    function startShown(focusItem, settings) {
        isShown = true;
        if (focusItem)
            focusItem.forceActiveFocus();
        if (!isSettingsReady) {
            if (settings !== undefined)
                readySettings(settings);
            else if (!frame)
                readySettings({});
        } else if (isInited) {
            loadLists();
            showLists();
        }
    }

    // A filter changed: the lists load again once the page is started.
    function reload() {
        if (isInited)
            loadLists();
    }

    function cataloguesLoaded(list) {
        for (var i = 0; i < list.length; ++i) {
            var rows = list[i] ? list[i].originalModel : null;
            if (!rows || !rows.dataAtLeastLoaded)
                return false;
        }
        return true;
    }

    function collectSettings() {
        var settings = objectSettings ? objectSettings : {};
        storeFilters(settings);
        for (var i = 0; i < tables.length; ++i) {
            tables[i].getSettings();
            settings[tables[i].objectsSettingName] = tables[i].objectSettings;
        }
        objectSettings = settings;
    }

    function handOutSettings() {
        for (var i = 0; i < tables.length; ++i) {
            var entry = objectSettings ? objectSettings[tables[i].objectsSettingName] : undefined;
            tables[i].readySettings(entry ? entry : {});
        }
    }

    activeFocusOnTab: true
    onGetSettings: collectSettings()
    onReadySettings: {
        handOutSettings();
        isSettingsReady = true;
    }
    onIsReadyForStartInitChanged: {
        if (!isReadyForStartInit || isInited)
            return;
        restoreFilters(objectSettings ? objectSettings : {});
        loadLists();
        showLists();
        isInited = true;
    }
    Component.onCompleted: {
        var last = tables.length > 0 ? tables[tables.length - 1] : null;
        if (!tableForRowCount)
            tableForRowCount = last;
        if (!defaultActiveTable)
            defaultActiveTable = last;
        if (visible && defaultActiveTable && defaultActiveTable.tableView)
            defaultActiveTable.tableView.forceActiveFocus();
        if (frame)
            frame.tableContainer = container;
    }

    Connections {
        target: container.frame
        ignoreUnknownSignals: true

        function onGetSettings() {
            container.getSettings();
            if (container.frame.objectSettings)
                container.frame.objectSettings[container.objectsSettingName] = container.objectSettings;
        }

        function onReadySettings(objectSettings, owner) {
            var entry = container.frame.objectSettings ? container.frame.objectSettings[container.objectsSettingName]
                                                       : undefined;
            container.objectSettings = entry ? entry : {};
            container.readySettings(container.objectSettings);
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Item {
            id: contentArea

            Layout.fillWidth: true
            Layout.fillHeight: true
        }

        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: rowCountLabel.implicitHeight + 4
            visible: container.frame ? container.frame.isWindow === true : false

            LabelEx {
                id: rowCountLabel

                objectName: "rowCountLabel"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                textFormat: Text.RichText
                text: qsTr("Row count:") + " <font color='%1'>%2</font>"
                      .arg(container.rowLimit !== 0 && container.rowCount >= container.rowLimit ? "red" : color)
                      .arg(container.rowCount)
            }
        }
    }
}
