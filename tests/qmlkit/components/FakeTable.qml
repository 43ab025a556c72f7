import QtQuick 2.15
import QtQuick.Controls 1.4 as C1

// A table page component as the tool buttons see it: its rights and its view's actions.
Item {
    property alias crud: rights
    property alias tableView: view
    property var controller: ({ "name": "city" })
    property var actions: []

    function act(name) {
        var list = actions;
        list.push(name);
        actions = list;
    }

    QtObject {
        id: rights

        property bool crudcreate: true
        property bool crudread: true
        property bool crudupdate: true
        property bool cruddelete: true
        property bool crudduplicate: true
    }

    C1.TableView {
        id: view

        function addAction() { act("add"); }
        function editAction() { act("edit"); }
        function deleteAction() { act("delete"); }
        function duplicateAction() { act("duplicate"); }
        function duplicateMultiAction() { act("duplicateMulti"); }

        width: 300
        height: 200
        model: ListModel {
            ListElement { name: "Kyiv"; code: "KV" }
            ListElement { name: "Lviv"; code: "LV" }
        }

        C1.TableViewColumn { role: "name"; title: "Name"; width: 120 }
        C1.TableViewColumn { role: "hidden"; title: "Hidden"; visible: false }
        C1.TableViewColumn { role: "code"; title: "Code"; width: 60 }
    }
}
