import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
import QtQuick.Layouts 1.15
import ".."
import "../table"
import "../../js/dialog.js" as Dialog

// A many-record picker: the ids and names of the records chosen, kept as a JSON array of ids
// (owners.value) beside the loaded one (owners.legalValue). Ids are compared as numbers when
// they are whole numbers, so 3 and "3" are the same record.
GroupBoxEx {
    id: ownerTable

    property var controller
    property string nameRole: "name"
    property alias owners: ownersBox
    property alias view: ownerView
    property alias model: ownerModel

    signal addClicked()

    // 3, "3" and " 3" are one id; other texts stay as they are.
    function normalizedId(id) {
        var text = String(id).trim();
        return /^-?\d+$/.test(text) ? Number(text) : text;
    }

    function findId(model, id) {
        var wanted = String(normalizedId(id));
        for (var i = 0; i < model.count; ++i) {
            if (model.get(i).id === wanted)
                return true;
        }
        return false;
    }

    function nameOf(id) {
        var rows = controller ? controller.originalModel : null;
        var name = rows ? rows.data("id", String(id), nameRole) : undefined;
        return name === undefined || name === null ? "" : String(name);
    }

    function appendOwners(list, count) {
        var total = count ? Math.min(count, list.length) : list.length;
        for (var i = 0; i < total; ++i) {
            if (list[i] === undefined || list[i] === null || findId(ownerModel, list[i]))
                continue;
            var id = String(normalizedId(list[i]));
            ownerModel.append({ "id": id, "name": nameOf(id) });
        }
        updateOwners();
    }

    // Loads the saved list; what it holds then counts as unchanged, however the text was written.
    function appendOwnersValue(value) {
        ownersBox.setLegalValue(value);
        if (value === "")
            return;
        var list;
        try {
            list = JSON.parse(value);
        } catch (error) {
            list = null;
        }
        if (!Array.isArray(list)) {
            console.warn("Owner list is not a JSON array: " + value);
            return;
        }
        ownerModel.clear();
        appendOwners(list);
        ownersBox.legalValue = ownersBox.value;
    }

    function updateOwners() {
        var ids = [];
        for (var i = 0; i < ownerModel.count; ++i)
            ids.push(normalizedId(ownerModel.get(i).id));
        ownersBox.value = JSON.stringify(ids);
    }

    function selectedRows() {
        var rows = [];
        ownerView.selection.forEach(function (row) { rows.push(row); });
        if (rows.length === 0 && ownerView.currentRow >= 0)
            rows.push(ownerView.currentRow);
        return rows.sort(function (a, b) { return b - a; });
    }

    function removeSelected() {
        var rows = selectedRows();
        for (var i = 0; i < rows.length; ++i)
            ownerModel.remove(rows[i]);
        ownerView.selection.clear();
        updateOwners();
    }

    function removeAll() {
        ownerModel.clear();
        updateOwners();
    }

    function ask(text, action) {
        var question = Dialog.question(text);
        if (question)
            question.yes.connect(action);
    }

    title: qsTr("Owners")
    Layout.fillWidth: true
    Layout.preferredHeight: 400

    PropertyBox {
        id: ownersBox

        legalValue: "[]"
        value: "[]"
    }

    ListModel {
        id: ownerModel
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 5

        TableViewBase {
            id: ownerView

            Layout.fillWidth: true
            Layout.fillHeight: true
            model: ownerModel
            isSortByHeader: false
            selectionMode: Controls1.SelectionMode.ExtendedSelection

            TableViewColumnEx {
                title: qsTr("Id")
                role: "id"
                width: 60
            }

            TableViewColumnEx {
                title: qsTr("Name")
                role: "name"
                width: 250
            }
        }

        Row {
            spacing: 10

            ButtonEx {
                objectName: "addButton"
                text: qsTr("Add...")
                onClicked: ownerTable.addClicked()
            }

            ButtonEx {
                objectName: "removeButton"
                text: qsTr("Remove...")
                enabled: ownerModel.count > 0 && ownerView.currentRow >= 0
                onClicked: ownerTable.ask(qsTr("Remove entry?"), ownerTable.removeSelected)
            }

            ButtonEx {
                objectName: "removeAllButton"
                text: qsTr("Remove all...")
                enabled: ownerModel.count > 0 && ownerView.currentRow >= 0
                onClicked: ownerTable.ask(qsTr("Remove entries?"), ownerTable.removeAll)
            }
        }
    }
}
