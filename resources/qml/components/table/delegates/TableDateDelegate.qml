import QtQuick 2.15

// A cell of a moment in epoch milliseconds, at the user's offset from UTC; empty for none or "0",
// and empty with a logged warning for a value that is no moment. Without a format it is drawn
// relative to the operator's day (today), and drawn anew when that day ends.
TableBaseDelegate {
    property string format

    // today: the operator's date, passed for the binding to follow.
    function dateText(epoch, today) {
        if (epoch === undefined || epoch === null || String(epoch) === "" || String(epoch) === "0")
            return "";
        return DESKTOP_UTILS.utcmsecText2LocalDateTime(String(epoch), format, Number(USER_SESSION.utc_offset));
    }

    value: dateText(styleData.value, DESKTOP_UTILS.today)
    horizontalAlignment: Text.AlignRight
}
