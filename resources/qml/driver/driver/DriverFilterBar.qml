import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/table"

// The group and city filters of the driver tables; "1" stands for all groups or all cities.
RowFilterToolBar {
    id: bar

    property alias groupBox: groupBox
    property alias cityBox: cityBox

    signal filterChosen()

    // The chosen record, which the box keeps while the shared list changes.
    function chosenId(box) {
        var id = box.chosenKey;
        return id === undefined || id === "" ? "1" : id;
    }

    function choose(box, id) {
        var row = id === undefined || id === null || !box.model ? -1 : box.model.checkValueByRole("id", String(id));
        box.currentIndex = row >= 0 ? row : (box.count > 0 ? 0 : -1);
    }

    function groupId() {
        return chosenId(groupBox);
    }

    function cityId() {
        return chosenId(cityBox);
    }

    // Hides the group and city columns of the view unless their filter is "all".
    function showColumns(view) {
        view.showFilterColumns(groupId() === "1", cityId() === "1");
    }

    function restore(settings) {
        choose(groupBox, settings["rst_id_group"]);
        choose(cityBox, settings["rst_id_city"]);
    }

    function store(settings) {
        settings["rst_id_group"] = groupId();
        settings["rst_id_city"] = cityId();
    }

    ComboBoxEx {
        id: groupBox

        objectName: "groupBox"
        width: 250
        model: GLOBAL.driverGroup.proxyModel
        textRole: "name"
        keyRole: "id"
        ignoreUpdateModel: true
        onActivated: bar.filterChosen()
    }
    ComboBoxEx {
        id: cityBox

        objectName: "cityBox"
        width: 250
        model: GLOBAL.city.proxyModel
        textRole: "name"
        keyRole: "id"
        ignoreUpdateModel: true
        onActivated: bar.filterChosen()
    }
}
