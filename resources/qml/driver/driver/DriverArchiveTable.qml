import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/toolbuttons"

// The archived drivers, in a list of their own, by group and city. A driver archived or
// returned anywhere joins or leaves the list as soon as this program hears of it.
NtFrame {
    id: root

    property alias archive: archive
    property alias driverGroup: driverGroup
    property alias tableView: driverView
    property alias container: container
    property alias groupBox: groupBox
    property alias cityBox: cityBox

    function chosenId(box) {
        if (box.currentIndex < 0 || !box.model)
            return "1";
        var id = box.model.data(box.currentIndex, "id");
        return id === undefined || id === null || String(id) === "" ? "1" : String(id);
    }

    function choose(box, id) {
        var row = id === undefined || id === null || !box.model ? -1 : box.model.checkValueByRole("id", String(id));
        box.currentIndex = row >= 0 ? row : (box.count > 0 ? 0 : -1);
    }

    function filters() {
        return driverView.filterParams({ "rst_id_group": chosenId(groupBox), "rst_id_city": chosenId(cityBox) });
    }

    // A driver's current record: kept while it is archived and within the filters, else dropped.
    function follow(record) {
        var id = String(record["id"]);
        var rows = archive.originalModel;
        var wanted = filters();
        var matches = String(record["is_archived"]) === "1";
        for (var key in wanted) {
            if (String(record[key]) !== wanted[key])
                matches = false;
        }
        if (matches)
            rows.addRow(record);
        else
            rows.delRow(id);
    }

    title: qsTr("Drivers In Archive")

    DriverNonStatic {
        id: archive

        useTrGetList: true
        onSaInfo: {
            if (String(mapParams["RES"]) === "10" && String(mapParams["id"]) !== "" && container.isInited)
                root.follow(mapParams);
        }
        onSaArchive: {
            if (String(mapParams["RES"]) !== "10")
                return;
            if (String(mapParams["is_archived"]) === "0")
                archive.originalModel.delRow(String(mapParams["id"]));
            else
                archive.trInfo({ "id": String(mapParams["id"]) });
        }
    }

    DriverGroup {
        id: driverGroup
    }

    TableContainer {
        id: container

        // Without the read right on driver groups the table does not start, and says why.
        function loadLists() {
            if (root.checkSecurity(driverGroup)) {
                var allGroups = root.chosenId(groupBox) === "1";
                driverView.showFilterColumns(allGroups, root.chosenId(cityBox) === "1");
                driverView.getNewList();
            }
        }

        function restoreFilters(settings) {
            root.choose(groupBox, settings["rst_id_group"]);
            root.choose(cityBox, settings["rst_id_city"]);
        }

        function storeFilters(settings) {
            settings["rst_id_group"] = root.chosenId(groupBox);
            settings["rst_id_city"] = root.chosenId(cityBox);
        }

        anchors.fill: parent
        frame: root
        objectsSettingName: "DriverArchiveTable"
        tables: [driverTable]
        catalogues: [GLOBAL.driverGroup, GLOBAL.city]

        Table {
            id: driverTable

            anchors.fill: parent
            toolBar: ToolBarEx {
                ToolButtonEdit { objectName: "editButton" }
                ToolButtonRemove { objectName: "removeButton" }
                ToolButtonExcel { objectName: "excelButton" }
            }
            filterToolBar: RowFilterToolBar {
                ComboBoxEx {
                    id: groupBox

                    objectName: "groupBox"
                    width: 250
                    model: GLOBAL.driverGroup.proxyModel
                    textRole: "name"
                    ignoreUpdateModel: true
                    onActivated: container.reload()
                }
                ComboBoxEx {
                    id: cityBox

                    objectName: "cityBox"
                    width: 250
                    model: GLOBAL.city.proxyModel
                    textRole: "name"
                    ignoreUpdateModel: true
                    onActivated: container.reload()
                }
            }
            tableView: DriverTableView {
                id: driverView

                function listParams() {
                    var params = root.filters();
                    params["is_archived"] = 1;
                    return params;
                }

                // Reloads after a push ask for every changed driver of the filters, archived or
                // not: a driver returned elsewhere then leaves this list.
                function onSaGetList(mapParams) {
                    var params = archive.getMapParamsFromTrGetList();
                    if (params["is_archived"] === undefined)
                        return;
                    delete params["is_archived"];
                    archive.setTrGetListParams(params);
                }

                function onSaListInfo(mapParams) {
                    if (String(mapParams["RECEIVER"]) === String(archive.objectNumber))
                        root.follow(mapParams);
                }

                controller: archive
            }
        }
    }
}
