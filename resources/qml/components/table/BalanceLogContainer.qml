import QtQuick 2.15
import ".."
import "../text"

// The balance entries of one owner (a company or a driver) by balance group, balance type and
// period. The type box holds the types of the chosen group and those of every group; for all
// groups only the placeholder type, and then neither filter is sent. The page gives the
// controllers, its table with filterToolBar: filterBar, and its view's listParams calls
// listParams() here. An editor's tab loads on its first show (loadData).
TableContainer {
    id: container

    // The owner whose entries show, as its editor holds it.
    property string ownerId: "0"
    property var groups: null
    property var types: null
    property var logs: null
    property var logView: null
    property string typeTextRole: "name"
    property string typeSortRole: "id"
    // Whether the entries are asked for only with the read right on the types (the company's
    // tab); without it the tab stays empty.
    property bool listNeedsTypes: false
    property alias filterBar: filterBar
    property alias groupBox: groupBox
    property alias typeBox: typeBox
    property alias period: period
    // The tab was shown: its list loads from then on.
    isShown: false

    // First show: the list loads once the page has started. A tab that no frame hands settings
    // to starts now, with none.
    function loadData() {
        startShown(logView);
    }

    function loadLists() {
        if (isShown && logView && (!listNeedsTypes || canReadTypes()))
            logView.getNewList();
    }

    function canReadTypes() {
        return !!types && !!GLOBAL.securityState(types, "read");
    }

    function chosenId(box, controller) {
        if (!controller || box.currentIndex < 0)
            return "1";
        var id = controller.proxyModel.data(box.currentIndex, "id");
        return id === undefined || id === null || String(id) === "" ? "1" : String(id);
    }

    function groupId() {
        return chosenId(groupBox, groups);
    }

    function typeId() {
        return chosenId(typeBox, types);
    }

    // The row of the id, else the first one.
    function choose(box, controller, id) {
        var row = id === undefined || id === null || !controller ? -1
                                                                 : controller.proxyModel.checkValueByRole("id", String(id));
        box.currentIndex = row >= 0 ? row : (box.count > 0 ? 0 : -1);
    }

    // The types of the chosen group and those of every group ("1"); for all groups the
    // placeholder type alone; without the read right on types none.
    function narrowTypes() {
        if (!types)
            return;
        var proxy = types.proxyModel;
        var group = groupId();
        proxy.beginPrepare();
        proxy.removeHardFilterGroupRoles("rst_id_bg");
        if (!canReadTypes()) {
            proxy.appendHardFilterRole("id", "=", "-1", "and", "rst_id_bg");
        } else if (group === "1") {
            proxy.appendHardFilterRole("id", "=", "1", "and", "rst_id_bg");
        } else {
            proxy.appendHardFilterRole("rst_id_bg", "=", "1", "or", "rst_id_bg");
            proxy.appendHardFilterRole("rst_id_bg", "=", group, "or", "rst_id_bg");
        }
        proxy.endPrepare();
        proxy.sortRows(typeSortRole, Qt.AscendingOrder);
    }

    // The stored group, its types and the stored type; the period of a GUI session.
    function restoreFilters(settings) {
        groupBox.currentIndex = -1;
        typeBox.currentIndex = -1;
        choose(groupBox, groups, settings["rst_id_bg"]);
        narrowTypes();
        choose(typeBox, types, settings["rst_id_bt"]);
        if (typeof frameItem !== "undefined" && frameItem && frameItem.isGuiSessionMode)
            period.restore(settings["time"]);
    }

    function storeFilters(settings) {
        settings["rst_id_bg"] = groupId();
        settings["rst_id_bt"] = typeId();
        if (typeof frameItem !== "undefined" && frameItem && frameItem.isGuiSessionMode)
            settings["time"] = period.settings();
    }

    function onGroupChosen() {
        if (!isInited)
            return;
        narrowTypes();
        typeBox.currentIndex = typeBox.count > 0 ? 0 : -1;
        reload();
    }

    // The owner's entries of the chosen group, type and period.
    function listParams() {
        var params = { "rst_id_owner": ownerId };
        var filters = logView.filterParams({ "rst_id_bg": groupId(), "rst_id_bt": typeId() });
        for (var key in filters)
            params[key] = filters[key];
        params["dt_utc_insert_start"] = period.startUtcMsec();
        params["dt_utc_insert_end"] = period.endUtcMsec();
        return params;
    }

    // The current entry in the widget kit's read-only balance-log dialog.
    function viewEntry() {
        if (!logView || logView.currentRow < 0)
            return null;
        var frame = typeof frameItem !== "undefined" ? frameItem : null;
        return QWIDGET_CREATOR.viewBalanceLog(logs, String(logView.rowId(logView.currentRow)), frame);
    }

    catalogues: groups && types ? [groups, types] : []
    Component.onCompleted: {
        if (types)
            types.proxyModel.appendHardFilterGroup("rst_id_bg", "and");
    }

    RowFilterToolBar {
        id: filterBar

        ComboBoxEx {
            id: groupBox

            objectName: "groupBox"
            width: 250
            model: container.groups ? container.groups.proxyModel : null
            textRole: "name"
            ignoreUpdateModel: true
            onActivated: container.onGroupChosen()
        }
        ComboBoxEx {
            id: typeBox

            objectName: "typeBox"
            width: 300
            model: container.types ? container.types.proxyModel : null
            textRole: container.typeTextRole
            ignoreUpdateModel: true
            onActivated: container.reload()
        }
        StartEndDateTime {
            id: period

            objectName: "period"
            onChangeFinished: container.reload()
        }
    }
}
