import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/components/toolbuttons"

TestCase {
    id: testCase

    // The editor the editor's duplicate button finds by name.
    property var editorItem: editor

    name: "ToolButtons"
    when: windowShown

    FakeTable { id: table }

    QtObject {
        id: editor

        property string url: "qrc:/qml/city/CityEditor.qml"
        property string state: "EDIT"
        property var controller: GLOBAL.driver
        property int busyStarts: 0

        function startBusy() { ++busyStarts; }
    }

    QtObject {
        id: form

        property string id: "7"
        property QtObject crud: QtObject { property bool crudduplicate: true }

        function updateProperties(properties) { properties["rst_id_city"] = "3"; }
    }

    Component { id: addButton; ToolButtonAdd {} }
    Component { id: editButton; ToolButtonEdit {} }
    Component { id: removeButton; ToolButtonRemove {} }
    Component { id: duplicateButton; ToolButtonDuplicate {} }
    Component { id: duplicateEditorButton; ToolButtonDuplicateEditor {} }
    Component { id: excelButton; ToolButtonExcel {} }

    function init() {
        table.actions = [];
        table.crud.crudcreate = true;
        table.crud.crudupdate = true;
        table.crud.cruddelete = true;
        table.crud.crudduplicate = true;
        table.tableView.currentRow = 0;
        DESKTOP_UTILS.modifiers = 0;
        GLOBAL.clearCalls();
        GLOBAL.driver.clearCalls();
        QWIDGET_CREATOR.clearCalls();
    }

    function make(component, properties) {
        var button = createTemporaryObject(component, testCase, properties || {});
        verify(button);
        return button;
    }

    function test_withoutTable() {
        verify(make(addButton).enabled, "add works without a table");
        verify(make(removeButton).enabled, "remove works without a table");
        verify(!make(editButton).enabled);
        verify(!make(duplicateButton).enabled);
        verify(!make(excelButton).enabled);
    }

    function test_rightsAndRows() {
        var add = make(addButton, { "table": table });
        var remove = make(removeButton, { "table": table });
        var edit = make(editButton, { "table": table });
        verify(add.enabled && remove.enabled && edit.enabled);
        compare(edit.name, "Edit");
        table.crud.crudupdate = false;
        compare(edit.name, "View", "no update right: view only");
        table.crud.crudcreate = false;
        verify(!add.enabled);
        table.tableView.currentRow = -1;
        verify(!remove.enabled, "no current row");
        verify(!edit.enabled);
    }

    function test_clicks() {
        make(addButton, { "table": table }).clicked();
        make(editButton, { "table": table }).clicked();
        make(removeButton, { "table": table }).clicked();
        compare(table.actions, ["add", "edit", "delete"]);
    }

    function test_duplicateModifiers_data() {
        return [
            { tag: "plain click", modifiers: 0, action: "duplicate" },
            { tag: "alt click", modifiers: Qt.AltModifier, action: "duplicateMulti" },
            { tag: "ctrl+d", modifiers: Qt.ControlModifier, action: "duplicate" },
            { tag: "ctrl+alt+d", modifiers: Qt.ControlModifier | Qt.AltModifier, action: "duplicate" }
        ];
    }

    function test_duplicateModifiers(data) {
        var button = make(duplicateButton, { "table": table });
        DESKTOP_UTILS.modifiers = data.modifiers;
        button.clicked();
        compare(table.actions, [data.action]);
    }

    function test_duplicateInEditor() {
        var button = make(duplicateEditorButton, { "form": form });
        verify(button.enabled);
        button.clicked();
        compare(GLOBAL.driver.callsOf("trDuplicate"), [[{ "id": "7", "rst_id_city": "3" }]]);
        compare(editor.busyStarts, 1);

        DESKTOP_UTILS.modifiers = Qt.AltModifier;
        button.clicked();
        compare(GLOBAL.callsOf("createQmlFrame"),
                [["qrc:/qml/city/CityEditor.qml", { "id": "7", "state": "DUPLICATE", "isWindow": true,
                                                    "isNewInstance": true, "rst_id_city": "3" }]]);

        form.id = "0";
        verify(!button.enabled, "an unsaved record cannot be duplicated");
        form.id = "7";
        editor.state = "DUPLICATE";
        verify(!button.visible, "hidden in a duplicating editor");
        editor.state = "EDIT";
    }

    function test_excelExport() {
        var button = make(excelButton, { "table": table });
        verify(button.enabled);
        button.clicked();
        var exports = DESKTOP_UTILS.exports;
        compare(exports.length, 1);
        compare(exports[0].table, [{ "role": "name", "title": "Name", "width": 120 },
                                   { "role": "code", "title": "Code", "width": 60 }],
                "the visible columns in column order");
        compare(exports[0].controller.name, "city");
        compare(QWIDGET_CREATOR.callsOf("toast"), [["The table was exported to:\n/exports/tables/_.xlsx", 0]],
                "where the opened file went");

        // Written but not opened: where to find it, in a message whose text can be copied.
        QWIDGET_CREATOR.clearCalls();
        DESKTOP_UTILS.setExportResult({ "written": true, "path": "/exports/tables/b.xlsx", "opened": false });
        button.clicked();
        var messages = QWIDGET_CREATOR.callsOf("message");
        compare(messages.length, 1);
        compare(messages[0][0], 1);
        verify(messages[0][1].indexOf("/exports/tables/b.xlsx") >= 0, messages[0][1]);
        verify(messages[0][1].indexOf("could not open") >= 0, messages[0][1]);

        // Written with texts cut to what a cell holds: a warning that says how many, beside the path.
        QWIDGET_CREATOR.clearCalls();
        DESKTOP_UTILS.setExportResult({ "written": true, "path": "/exports/tables/c.xlsx", "opened": true, "cut": 2 });
        button.clicked();
        messages = QWIDGET_CREATOR.callsOf("message");
        compare(messages.length, 1);
        compare(messages[0][0], 1);
        verify(messages[0][1].indexOf("/exports/tables/c.xlsx") >= 0, messages[0][1]);
        verify(/cut to 32,767 characters.*: 2$/.test(messages[0][1]), messages[0][1]);
        compare(QWIDGET_CREATOR.callsOf("toast"), []);

        // Not written: the reason.
        QWIDGET_CREATOR.clearCalls();
        DESKTOP_UTILS.setExportResult({ "written": false, "error": "the disk is full" });
        button.clicked();
        compare(QWIDGET_CREATOR.callsOf("message"), [[2, "The table could not be exported:\nthe disk is full"]]);
        compare(QWIDGET_CREATOR.callsOf("toast"), []);
        DESKTOP_UTILS.setExportResult({ "written": true, "path": "/exports/tables/_.xlsx", "opened": true });
    }

    function test_shortcutText() {
        var add = make(addButton);
        compare(add.shortcutName, "Ctrl+N");
        verify(add.implicitWidth > 0);
    }
}
