import QtQuick 2.15

// A time stamp (epoch milliseconds) in the signed-in user's offset, in the format when one is
// given, else relative to the operator's day (today) and drawn anew when that day ends; "n/a" for
// none.
LabelEx {
    property string value: "0"
    property string format

    // today: the operator's date, passed for the binding to follow.
    function stampText(stamp, today) {
        if (stamp === "0" || stamp === "")
            return qsTr("n/a");
        return DESKTOP_UTILS.utcmsecText2LocalDateTime(stamp, format, USER_SESSION.utc_offset);
    }

    text: stampText(value, DESKTOP_UTILS.today)
}
