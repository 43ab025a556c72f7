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
    property alias groupBox: filterBar.groupBox
    property alias cityBox: filterBar.cityBox

    function filters() {
        return driverView.filterParams({ "rst_id_group": filterBar.groupId(), "rst_id_city": filterBar.cityId() });
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
                filterBar.showColumns(driverView);
                driverView.getNewList();
            }
        }

        function restoreFilters(settings) {
            filterBar.restore(settings);
        }

        function storeFilters(settings) {
            filterBar.store(settings);
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
            filterToolBar: DriverFilterBar {
                id: filterBar

                onFilterChosen: container.reload()
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
