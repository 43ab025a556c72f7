import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/tablelist"

// The list variant of the table view inside a table page.
TestCase {
    id: testCase

    property var net: ScriptedNetwork

    name: "ListVariant"
    when: windowShown
    visible: true
    width: 600
    height: 400

    DriverRows { id: rows }

    Component {
        id: pageComponent

        NtFrame {
            id: page

            property alias drivers: drivers
            property alias view: listView

            objectsSettingName: "qrc:/qml/driver/driver/DriverList.qml"
            width: 600
            height: 400

            KitDriver { id: drivers; useTrGetList: true }

            TableContainer {
                anchors.fill: parent
                frame: page
                tables: [listTable]

                Table {
                    id: listTable

                    anchors.fill: parent
                    tableView: TableListView {
                        id: listView

                        controller: drivers
                        editorUrl: "qrc:/qml/driver/driver/DriverEditor.qml"
                    }
                }
            }

            Component.onCompleted: drivers.trGetList()
        }
    }

    function initTestCase() {
        net.grantRead("driver");
    }

    function init() {
        GLOBAL.clearCalls();
        QWIDGET_CREATOR.clearCalls();
        net.clear();
    }

    function openPage() {
        var page = createTemporaryObject(pageComponent, testCase);
        rows.load(page.drivers, rows.drivers(5));
        return page;
    }

    function test_rowsAndKeys() {
        var page = openPage();
        var view = page.view;
        compare(view.rowCount, 5);
        compare(view.currentRow, 0, "the first row is selected once loaded");
        view.clicked(2);
        compare(view.currentRow, 2);
        compare(String(view.currentId), String(view.rowId(2)));
        view.forceActiveFocus();
        keyClick(Qt.Key_Return);
        var call = GLOBAL.callsOf("createQmlFrame")[0];
        compare(call[1]["state"], "EDIT");
        compare(String(call[1]["id"]), String(view.rowId(2)));
        var settings = {};
        view.getSettings(settings);
        compare(Object.keys(settings), ["currentId"], "the list keeps only its current record");
    }

    // w: only "RES" "10" is a made copy.
    function test_answersAsToasts() {
        var page = openPage();
        var receiver = page.drivers.objectNumber;
        net.answer("driver", "saDuplicate", { "RES": "20", "id": "3", "RECEIVER": receiver });
        compare(QWIDGET_CREATOR.callsOf("toast").length, 0);
        net.answer("driver", "saDuplicate", { "RES": "10", "id": "3", "RECEIVER": receiver });
        compare(QWIDGET_CREATOR.callsOf("toast")[0][0], "Created duplicate of record with id 3");
        net.answer("driver", "saRemove", { "RES": "10", "id": "3", "RECEIVER": receiver });
        compare(QWIDGET_CREATOR.callsOf("toast")[1][0], "Record removed successfuly");
        tryCompare(page.view, "rowCount", 4, TestTime.limit(5000));
        net.answer("driver", "saRemove", { "RES": "0", "ERRCODE": "120", "id": "4", "RECEIVER": receiver });
        compare(MessageBoxes.textsIn(page.view).length, 1, "a refusal shows");
        MessageBoxes.closeAllIn(page.view);
    }

    function test_newRecordBecomesCurrent() {
        var page = openPage();
        var created = rows.driver(30);
        created["RES"] = "10";
        created["RECEIVER"] = "999";
        page.view.autoSelection = false;
        net.answer("driver", "saNew", created);
        verify(String(page.view.currentId) !== "30", "without autoSelection the current row stays");
        page.view.autoSelection = true;
        created["id"] = "31";
        net.answer("driver", "saNew", created);
        compare(String(page.view.currentId), "31");
    }
}
