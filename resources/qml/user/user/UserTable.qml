import QtQuick 2.15
import QtQuick.Controls 1.4
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"

// The operators of the platform, from the shared list, narrowed to one user group; also the
// user picker (one user or several).
NtFrame {
    id: root

    property alias userView: userView
    property alias groupBox: groupBox
    // The chosen group's id; "1": every group.
    property string rst_id_group: "1"

    function groupAt(index) {
        if (index < 0 || !userGroup.proxyModel)
            return "1";
        var id = userGroup.proxyModel.data(index, "id");
        return id === undefined || id === null ? "1" : String(id);
    }

    // Without the right on users no row shows.
    function applyFilter() {
        var proxy = user.proxyModel;
        if (!proxy)
            return;
        proxy.beginPrepare();
        proxy.clearHardFilter();
        proxy.appendHardFilterRole("id", "!=", "1");
        if (!GLOBAL.securityState(user, "read"))
            proxy.appendHardFilterRole("rst_id_group", "=", "-1");
        else if (rst_id_group !== "1")
            proxy.appendHardFilterRole("rst_id_group", "=", rst_id_group);
        proxy.endPrepare();
    }

    // The ids of the selected rows (or of the current one) go to the opener; the page closes.
    function selectIds(view) {
        var ids = [];
        view.selection.forEach(function (row) { ids.push(String(view.model.data(row, "id"))); });
        if (ids.length === 0 && view.currentRow >= 0)
            ids.push(String(view.model.data(view.currentRow, "id")));
        if (ids.length === 0)
            return;
        select(ids);
        closed();
    }

    title: qsTr("Users")
    states: [
        State { name: "VIEW" },
        State { name: "SELECT" },
        State { name: "MULTI_SELECT" }
    ]
    state: "VIEW"

    User {
        id: user
    }

    // The group filter: "[All groups]" first, then the groups by name.
    UserGroup {
        id: userGroup

        Component.onCompleted: proxyModel.sortRows("name", Qt.AscendingOrder)
    }

    TableContainer {
        id: container

        function restoreFilters(settings) {
            if (!root.checkSecurity(userGroup))
                return;
            var stored = settings["rst_id_group"] ? String(settings["rst_id_group"]) : "1";
            var row = userGroup.proxyModel.checkValueByRole("id", stored);
            if (row < 0)
                row = userGroup.proxyModel.checkValueByRole("id", "1");
            groupBox.currentIndex = Math.max(row, 0);
            root.rst_id_group = root.groupAt(groupBox.currentIndex);
            var groupColumn = userView.findColumn("group_name");
            if (groupColumn)
                groupColumn.visible = root.rst_id_group === "1";
        }

        function storeFilters(settings) {
            settings["rst_id_group"] = root.rst_id_group;
        }

        anchors.fill: parent
        objectsSettingName: "UserTable"
        tables: [userTable]
        frame: root
        catalogues: [userGroup]

        Table {
            id: userTable

            anchors.fill: parent
            objectsSettingName: "user"
            toolBar: ToolBarEx {
                ToolButtonSelect { objectName: "selectButton" }
                ToolButtonAdd { objectName: "addButton" }
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            filterToolBar: RowFilterToolBar {
                ComboBoxEx {
                    id: groupBox

                    objectName: "groupBox"
                    width: 200
                    model: userGroup.proxyModel
                    textRole: "name"
                    keyRole: "id"
                    onActivated: {
                        root.rst_id_group = root.groupAt(index);
                        container.reload();
                    }
                }
            }
            tableView: TableViewBase {
                id: userView

                // The shared list is filtered by the page itself.
                function getNewList() {
                    var allowed = root.checkSecurity(user);
                    root.applyFilter();
                    return allowed;
                }

                // Several users: a list of ids; one or several of a picker: {"id", "sign"} each.
                function doubleClickAction() {
                    if (root.state === "MULTI_SELECT")
                        root.selectIds(userView);
                    else if (isSelecting())
                        selectAndClose();
                    else
                        editAction();
                }

                controller: user
                editorUrl: "qrc:/qml/user/user/UserEditor.qml"
                selectionMode: root.state === "VIEW" ? SelectionMode.SingleSelection : SelectionMode.ExtendedSelection
                selectionStates: []
                multiSelectionStates: ["SELECT", "MULTI_SELECT"]
                selectionRoles: ({ "id": "id", "sign": "sign" })

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "group_name"; width: userView.nameWidth }
                TableViewColumnEx { role: "sign"; width: 60 }
                TableViewColumnEx { role: "last_name"; width: userView.nameWidth }
                TableViewColumnEx { role: "first_name"; width: userView.nameWidth }
                TableViewColumnEx { role: "middle_name"; width: userView.nameWidth }
                TableViewColumnEx { role: "balance"; width: 70; delegate: TablePriceDelegate { posNegColor: true } }
                TableViewColumnEx { role: "blocked"; width: userView.enabledWidth; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "phone"; width: 100 }
                TableViewColumnEx { role: "is_system"; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "max_sim_calls"; width: 80 }
                TableViewColumnEx { role: "inner_note"; width: userView.descriptionWidth }
                TableViewColumnEx { role: "use_utc_offset"; width: 80; delegate: TableYesIconDelegate {} }
                TableViewColumnEx { role: "utc_offset"; width: 80; delegate: TableUTCDelegate {} }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }
}
