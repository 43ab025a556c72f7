import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/tableviewcolumns"

// How the kit starts a list page: the first list waits for the settings and the catalogues the
// filters choose from, the filters come back from the settings and go into them, a placeholder
// filter sends no condition, a shared list comes into the table narrowed, and a page opened for
// selection hands back its rows and closes.
TestCase {
    id: testCase

    property var net: ScriptedNetwork

    name: "PageStart"
    when: windowShown
    visible: true
    width: 800
    height: 500

    DriverRows { id: rows }

    Component {
        id: pageComponent

        NtFrame {
            id: frame

            property alias view: view
            property alias container: container
            property alias drivers: drivers
            property alias catalogue: catalogue
            property var group: "1"

            objectsSettingName: "pageStart"
            width: 800
            height: 500
            states: [
                State { name: "VIEW" },
                State { name: "SELECT" },
                State { name: "REPORT" }
            ]
            state: "VIEW"

            KitDriver {
                id: drivers

                useTrGetList: true
            }

            KitDriver {
                id: catalogue
            }

            TableContainer {
                id: container

                function restoreFilters(settings) {
                    if (settings["rst_id_group"] !== undefined)
                        frame.group = settings["rst_id_group"];
                }

                function storeFilters(settings) {
                    settings["rst_id_group"] = frame.group;
                }

                anchors.fill: parent
                frame: frame
                objectsSettingName: "pageStartTable"
                tables: [table]
                catalogues: [catalogue]

                Table {
                    id: table

                    anchors.fill: parent
                    tableView: TableViewBase {
                        id: view

                        function listParams() {
                            return filterParams({ "rst_id_group": frame.group, "rst_id_city": "1", "phone": "" });
                        }

                        controller: drivers
                        selectionRoles: ({ "id": "id", "sign": "sign" })

                        TableViewColumnId {}
                        TableViewColumnEx { role: "sign" }
                    }
                }
            }
        }
    }

    // A page over the class-wide companies that shows those of one code only; the row counts its
    // table had, from the first on.
    Component {
        id: sharedPage

        NtFrame {
            id: sharedFrame

            property alias view: sharedView
            property alias container: sharedContainer
            property var counts: []

            objectsSettingName: "sharedStart"
            width: 800
            height: 500

            KitCompany {
                id: companies
            }

            TableContainer {
                id: sharedContainer

                anchors.fill: parent
                frame: sharedFrame
                objectsSettingName: "sharedStartTable"
                tables: [sharedTable]

                Table {
                    id: sharedTable

                    anchors.fill: parent
                    tableView: TableViewBase {
                        id: sharedView

                        controller: companies
                        hardFilters: [["company_code", "=", "C7"]]
                        onRowCountChanged: sharedFrame.counts.push(rowCount)

                        TableViewColumnId {}
                        TableViewColumnEx { role: "company_name" }
                    }
                }
            }
        }
    }

    Component { id: companyComponent; KitCompany {} }

    function initTestCase() {
        net.grantRead("driver");
    }

    function init() {
        GLOBAL.guiSession.setFrameSettings("pageStart", { "pageStartTable": { "rst_id_group": "5" } });
        net.clear();
    }

    function cleanup() {
        MessageBoxes.closeAllIn(testCase);
    }

    function test_firstListWaitsForTheCatalogues() {
        var page = createTemporaryObject(pageComponent, testCase);
        compare(net.sentNames(), [], "the catalogue of the filters is not there yet");
        verify(!page.container.isInited);
        page.catalogue.originalModel.dataAtLeastLoaded = true;
        verify(page.container.isInited);
        compare(net.sentNames(), ["driver_trGetList"]);
        // The saved group comes back; the placeholder city and the empty phone send nothing.
        var request = net.sent()[0];
        compare(request["rst_id_group"], "5");
        verify(!("rst_id_city" in request));
        verify(!("phone" in request));
        verify(page.view.isListPending);
        rows.load(page.drivers, rows.drivers(3));
        verify(!page.view.isListPending);
        compare(page.view.rowCount, 3);
        // A filter change reloads; the filter goes into the settings.
        page.group = "1";
        page.container.reload();
        compare(net.sentNames(), ["driver_trGetList", "driver_trGetList"]);
        verify(!("rst_id_group" in net.sent()[1]));
        page.container.getSettings();
        compare(page.container.objectSettings["rst_id_group"], "1");
    }

    function test_selectionHandsBackRowsAndCloses() {
        var page = createTemporaryObject(pageComponent, testCase, { "state": "SELECT" });
        page.catalogue.originalModel.dataAtLeastLoaded = true;
        rows.load(page.drivers, rows.drivers(3));
        var chosen = createTemporaryObject(signalSpy, testCase, { "target": page, "signalName": "select" });
        var closed = createTemporaryObject(signalSpy, testCase, { "target": page, "signalName": "closed" });
        page.view.selectRow(1);
        var id = String(page.view.rowId(1));
        page.view.doubleClickAction();
        compare(chosen.count, 1);
        compare(chosen.signalArguments[0][0], { "id": id, "sign": String(page.view.model.data(1, "sign")) });
        compare(closed.count, 1);
        compare(net.sentNames(), ["driver_trGetList"], "no editor opened, nothing else asked");

        page = createTemporaryObject(pageComponent, testCase, { "state": "REPORT" });
        page.catalogue.originalModel.dataAtLeastLoaded = true;
        rows.load(page.drivers, rows.drivers(3));
        chosen = createTemporaryObject(signalSpy, testCase, { "target": page, "signalName": "select" });
        page.view.selectRow(0);
        page.view.selection.select(2);
        page.view.doubleClickAction();
        compare(chosen.count, 1);
        compare(chosen.signalArguments[0][0].length, 2, "every selected row");
    }

    // A shared list, loaded before the page opens, comes into its table already narrowed by the
    // page's filters, and without the read right not at all: no row that goes again at once is
    // ever made, nor shown to an operator who may not read it.
    function test_sharedListComesNarrowed() {
        net.grantRead("company");
        var companies = createTemporaryObject(companyComponent, testCase);
        companies.originalModel.clear();
        for (var i = 2; i < 62; ++i)
            companies.originalModel.addRow({ "id": String(i), "company_name": "Company " + i, "company_code": "C" + i });
        companies.originalModel.dataAtLeastLoaded = true;

        var page = createTemporaryObject(sharedPage, testCase);
        verify(page.container.isInited);
        compare(page.view.rowCount, 1);
        compare(page.counts, [1], "no other company was in the table");
        compare(page.view.currentRow, 0, "its row is current");
        compare(net.sentNames(), [], "a shared list asks for nothing");

        GLOBAL.setRight("company", "read", false);
        page = createTemporaryObject(sharedPage, testCase);
        verify(page.container.isInited);
        compare(page.view.rowCount, 0);
        compare(page.counts, [], "no company was in the table");
        GLOBAL.setRight("company", "read", true);
    }

    Component {
        id: signalSpy

        SignalSpy {}
    }
}
