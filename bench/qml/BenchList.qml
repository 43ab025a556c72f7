import QtQuick 2.15
import QtQuick.Window 2.15

// The anchor of the benchmark: Qt's plain ListView over the same rows, one Text per column, its
// rows as high as the kit's table rows (so that both show the same rows) and its texts in the
// font the table draws its cells in (the benchmark reads it from a drawn cell).
Item {
    id: page

    property var controller
    property font cellFont
    property alias view: list

    ListView {
        id: list

        anchors.fill: parent
        model: page.controller.proxyModel
        delegate: Row {
            height: Math.max(1, Math.round(Screen.height * 0.015))
            spacing: 0

            Text { width: 60; font: page.cellFont; text: model.id }
            Text { width: 80; font: page.cellFont; text: model.sign }
            Text { width: 110; font: page.cellFont; text: model.last_name }
            Text { width: 110; font: page.cellFont; text: model.phone }
            Text { width: 90; font: page.cellFont; text: model.brand_name }
            Text { width: 60; font: page.cellFont; text: model.rating }
            Rectangle { width: 60; height: parent.height; color: model.color_rgb_code }
            Text { width: 70; font: page.cellFont; text: model.is_archived === "1" ? "\u2713" : "" }
            Text { width: 90; font: page.cellFont; text: model.rst_id_user_locked === "1" ? "" : model.rst_id_user_locked }
            Text { width: 120; font: page.cellFont; text: model.dt_utc_insert }
            Text { width: 120; font: page.cellFont; text: model.dt_utc_last_update }
        }
    }
}
