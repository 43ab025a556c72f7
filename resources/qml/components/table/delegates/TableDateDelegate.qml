import QtQuick 2.15

// A cell of a moment in epoch milliseconds, at the user's offset from UTC; empty for none or "0",
// and empty with a logged warning for a value that is no moment.
TableBaseDelegate {
    property string format

    function dateText(epoch) {
        if (epoch === undefined || epoch === null || String(epoch) === "" || String(epoch) === "0")
            return "";
        return DESKTOP_UTILS.utcmsecText2LocalDateTime(String(epoch), format, Number(USER_SESSION.utc_offset));
    }

    value: dateText(styleData.value)
    horizontalAlignment: Text.AlignRight
}
