import QtQuick 2.15
import QtQuick.Window 2.15

// The anchor of the fleet benchmark: Qt's plain ListView over the drivers the table shows, one
// Text per column of the table's first screen, its rows as high as the kit's table rows.
Item {
    id: page

    property var rows
    property alias view: list

    ListView {
        id: list

        anchors.fill: parent
        model: page.rows
        delegate: Row {
            height: Math.max(1, Math.round(Screen.height * 0.015))
            spacing: 0

            Text { width: 60; text: model.id }
            Text { width: 90; text: model.rst_id_user_locked === "1" ? "" : model.rst_id_user_locked }
            Text { width: 80; text: model.status_string }
            Text { width: 140; text: model.group_name }
            Text { width: 140; text: model.city_name }
            Text { width: 60; text: model.sign }
            Text { width: 140; text: model.last_name }
            Text { width: 140; text: model.first_name }
            Text { width: 140; text: model.middle_name }
            Text { width: 120; text: model.body_type_name }
            Text { width: 120; text: model.brand_name }
            Text { width: 100; text: model.balance; color: Number(model.balance) < 0 ? "red" : "black" }
        }
    }
}
