import QtQuick 2.15

// A cell of a moment in epoch milliseconds, at the user's offset from UTC; empty for none or "0".
TableBaseDelegate {
    property string format

    function dateText(epoch) {
        if (epoch === undefined || epoch === null || String(epoch) === "" || String(epoch) === "0")
            return "";
        try {
            return DESKTOP_UTILS.utcmsec2LocalDateTime(Number(epoch), format, Number(USER_SESSION.utc_offset));
        } catch (error) {
            console.log("Date cell: " + error);
            return "";
        }
    }

    value: dateText(styleData.value)
    horizontalAlignment: Text.AlignRight
}
