import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."

// The record's creation and last change times at the user's offset; "n/a" when unknown.
GridLayout {
    id: times

    property string dt_utc_last_update
    property string dt_utc_insert
    property string utc_offset: typeof USER_SESSION !== "undefined" ? USER_SESSION.utc_offset : "0"

    function timeText(epoch) {
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
        text: times.timeText(times.dt_utc_insert)
    }

    LabelEx {
        text: qsTr("Update time:")
    }

    LabelEx {
        objectName: "updateTime"
        text: times.timeText(times.dt_utc_last_update)
    }
}
