import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."

// The record's creation and last change times at the user's offset, relative to the operator's day
// (today) and drawn anew when that day ends; "n/a" when unknown.
GridLayout {
    id: times

    property string dt_utc_last_update
    property string dt_utc_insert
    property string utc_offset: typeof USER_SESSION !== "undefined" ? USER_SESSION.utc_offset : "0"

    // today: the operator's date, passed for the bindings to follow.
    function timeText(epoch, today) {
        if (epoch === "")
            return qsTr("n/a");
        return DESKTOP_UTILS.utcmsecText2LocalDateTime(epoch, "", Number(utc_offset));
    }

    columns: 2
    columnSpacing: 5
    rowSpacing: 0

    LabelEx {
        text: qsTr("Create time:")
    }

    LabelEx {
        objectName: "createTime"
        text: times.timeText(times.dt_utc_insert, DESKTOP_UTILS.today)
    }

    LabelEx {
        text: qsTr("Update time:")
    }

    LabelEx {
        objectName: "updateTime"
        text: times.timeText(times.dt_utc_last_update, DESKTOP_UTILS.today)
    }
}
