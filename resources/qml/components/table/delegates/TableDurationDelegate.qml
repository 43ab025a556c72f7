import QtQuick 2.15

// A cell of a duration in milliseconds, with days or in hours; empty with a warning for a value
// that is no whole number.
TableBaseDelegate {
    property bool isZeroShow: false
    property bool isDaysShow: true

    function durationText(duration) {
        var text = duration === undefined || duration === null ? "" : String(duration);
        if (text === "" || (text === "0" && !isZeroShow))
            return "";
        if (!/^\s*-?\d+\s*$/.test(text)) {
            console.warn("Duration cell: not a number of milliseconds: " + text.substring(0, 40));
            return "";
        }
        return isDaysShow ? DESKTOP_UTILS.formatDuration(Number(text))
                          : DESKTOP_UTILS.formatHourDuration(Number(text));
    }

    value: durationText(styleData.value)
    horizontalAlignment: Text.AlignRight
}
