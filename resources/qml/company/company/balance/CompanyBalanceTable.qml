import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog

// A company's balance entries, filtered by balance group, balance type and period. Entries are
// added and viewed in the widget kit's balance-log dialog, which books a new entry itself.
TableContainer {
    id: container

    // The company, as its editor holds it.
    property string rst_id_company: "0"
    property alias groups: groups
    property alias types: types
    property alias dialogTypes: dialogTypes
    property alias logs: logs
    property alias tableView: logView
    property alias groupBox: groupBox
    property alias typeBox: typeBox
    property alias period: period
    // The tab was shown: its list loads from then on.
    property bool isShown: false

    // First show: the list loads once the page has started (now, or when the settings come).
    function loadData() {
        isShown = true;
        logView.forceActiveFocus();
        if (isInited)
            loadLists();
    }

    function loadLists() {
        if (isShown)
            logView.getNewList();
    }

    function chosenId(box, controller) {
        if (box.currentIndex < 0)
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
        var row = id === undefined || id === null ? -1 : controller.proxyModel.checkValueByRole("id", String(id));
        box.currentIndex = row >= 0 ? row : (box.count > 0 ? 0 : -1);
    }

    // The types of the chosen group and those of every group ("1"); for all groups the
    // placeholder type alone; without the read right on types none.
    function narrowTypes() {
        var proxy = types.proxyModel;
        var group = groupId();
        proxy.beginPrepare();
        proxy.removeHardFilterGroupRoles("rst_id_bg");
        if (!GLOBAL.securityState(types, "read")) {
            proxy.appendHardFilterRole("id", "=", "-1", "and", "rst_id_bg");
        } else if (group === "1") {
            proxy.appendHardFilterRole("id", "=", "1", "and", "rst_id_bg");
        } else {
            proxy.appendHardFilterRole("rst_id_bg", "=", "1", "or", "rst_id_bg");
            proxy.appendHardFilterRole("rst_id_bg", "=", group, "or", "rst_id_bg");
        }
        proxy.endPrepare();
        proxy.sortRows("id", Qt.AscendingOrder);
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
        if (!isInited || groupBox.currentIndex < 0)
            return;
        narrowTypes();
        typeBox.currentIndex = typeBox.count > 0 ? 0 : -1;
        reload();
    }

    function addEntry() {
        var group = groupId();
        if (group === "1") {
            Dialog.warning(qsTr("Company balance group can not be All"));
            return null;
        }
        var type = typeId();
        return QWIDGET_CREATOR.newBalanceLog(dialogTypes, logs, rst_id_company, group, type === "1" ? "0" : type,
                                             frameItem);
    }

    function viewEntry() {
        if (logView.currentRow < 0)
            return null;
        return QWIDGET_CREATOR.viewBalanceLog(logs, String(logView.rowId(logView.currentRow)), frameItem);
    }

    objectsSettingName: "CompanyBalanceTable"
    tables: [logTable]
    catalogues: [groups, types]
    Component.onCompleted: {
        types.proxyModel.appendHardFilterGroup("rst_id_bg", "and");
        groups.proxyModel.sortRows("id", Qt.AscendingOrder);
    }

    CompanyBalanceGroup {
        id: groups
    }

    CompanyBalanceType {
        id: types
    }

    // The new-entry dialog narrows a view of its own over the types.
    CompanyBalanceType {
        id: dialogTypes
    }

    CompanyBalanceLog {
        id: logs

        useTrGetList: true
    }

    Table {
        id: logTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonAdd { objectName: "addButton" }
            ToolButtonEdit { objectName: "viewButton"; isEditable: false }
            ToolButtonExcel { objectName: "excelButton" }
        }
        filterToolBar: RowFilterToolBar {
            ComboBoxEx {
                id: groupBox

                objectName: "groupBox"
                width: 250
                model: groups.proxyModel
                textRole: "name"
                ignoreUpdateModel: true
                onActivated: container.onGroupChosen()
            }
            ComboBoxEx {
                id: typeBox

                objectName: "typeBox"
                width: 300
                model: types.proxyModel
                textRole: "name"
                ignoreUpdateModel: true
                onActivated: container.reload()
            }
            StartEndDateTime {
                id: period

                objectName: "period"
                onChangeFinished: container.reload()
            }
        }
        tableView: TableViewBase {
            id: logView

            function addAction() {
                return container.addEntry();
            }

            function editAction() {
                return container.viewEntry();
            }

            function doubleClickAction() {
                container.viewEntry();
            }

            // The company's entries of the chosen group, type and period.
            function listParams() {
                var params = { "rst_id_owner": container.rst_id_company };
                var filters = filterParams({ "rst_id_bg": container.groupId(), "rst_id_bt": container.typeId() });
                for (var key in filters)
                    params[key] = filters[key];
                params["dt_utc_insert_start"] = period.startUtcMsec();
                params["dt_utc_insert_end"] = period.endUtcMsec();
                return params;
            }

            controller: logs

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "bt_name"; width: 180 }
            TableViewColumnEx {
                role: "value"
                width: 120
                delegate: TablePriceDelegate { posNegColor: true; highlightRole: "is_lost_profit" }
            }
            TableViewColumnEx { role: "sign_user_created"; width: 60 }
            TableViewColumnEx { role: "balance"; width: 120; delegate: TablePriceDelegate { posNegColor: true } }
            TableViewColumnEx { role: "lost_profit"; width: 120; delegate: TablePriceDelegate {} }
            TableViewColumnEx { role: "note"; width: 160; delegate: TableMultilineDelegate {} }
            TableViewColumnEx { role: "trn_key"; width: 80 }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
