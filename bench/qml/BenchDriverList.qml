import QtQuick 2.15
import QtQuick.Window 2.15

// The anchor of the fleet benchmark: Qt's plain ListView over the drivers the table shows, one
// Text per column of the table's first screen, its rows as high as the kit's table rows and its
// texts in the font the table draws its cells in (the benchmark reads it from the open table).
Item {
    id: page

    property var rows
    property font cellFont
    property alias view: list

    ListView {
        id: list

        anchors.fill: parent
        model: page.rows
        delegate: Row {
            height: Math.max(1, Math.round(Screen.height * 0.015))
            spacing: 0

            Text { width: 60; font: page.cellFont; text: model.id }
            Text { width: 90; font: page.cellFont; text: model.rst_id_user_locked === "1" ? "" : model.rst_id_user_locked }
            Text { width: 80; font: page.cellFont; text: model.status_string }
            Text { width: 140; font: page.cellFont; text: model.group_name }
            Text { width: 140; font: page.cellFont; text: model.city_name }
            Text { width: 60; font: page.cellFont; text: model.sign }
            Text { width: 140; font: page.cellFont; text: model.last_name }
            Text { width: 140; font: page.cellFont; text: model.first_name }
            Text { width: 140; font: page.cellFont; text: model.middle_name }
            Text { width: 120; font: page.cellFont; text: model.body_type_name }
            Text { width: 120; font: page.cellFont; text: model.brand_name }
            Text { width: 100; font: page.cellFont; text: model.balance; color: Number(model.balance) < 0 ? "red" : "black" }
        }
    }
}
