import QtQuick 2.15
import QtQuick.Window 2.15
import Taldor 1.0

// The anchor of the company table's benchmark: Qt's plain ListView over a company list of its
// own, requested as the page requests it, one Text per column of the page, its rows as high as
// the kit's table rows (so that both show the same rows).
Item {
    id: page

    property alias company: company
    property alias view: list

    Company {
        id: company

        useTrGetList: true
    }

    ListView {
        id: list

        anchors.fill: parent
        model: company.proxyModel
        delegate: Row {
            height: Math.max(1, Math.round(Screen.height * 0.015))
            spacing: 0

            Text { width: 60; text: model.id }
            Text { width: 90; text: model.rst_id_user_locked === "1" ? "" : model.rst_id_user_locked }
            Text { width: 140; text: model.company_name }
            Text { width: 100; text: model.balance; color: Number(model.balance) < 0 ? "red" : "black" }
            Text { width: 100; text: model.lost_profit }
            Text { width: 60; text: model.is_system === "1" ? "\u2713" : "" }
            Text { width: 120; text: model.dt_utc_last_update }
            Text { width: 120; text: model.dt_utc_insert }
        }
    }

    Component.onCompleted: company.trGetList()
}
