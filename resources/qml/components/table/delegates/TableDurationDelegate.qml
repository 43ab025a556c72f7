import QtQuick 2.15

// A cell of a duration in milliseconds, with days or in hours.
TableBaseDelegate {
    property bool isZeroShow: false
    property bool isDaysShow: true

    function durationText(duration) {
        var text = duration === undefined || duration === null ? "" : String(duration);
        if (text === "" || (text === "0" && !isZeroShow))
            return "";
        return isDaysShow ? DESKTOP_UTILS.formatDuration(Number(text))
                          : DESKTOP_UTILS.formatHourDuration(Number(text));
    }

    value: durationText(styleData.value)
    horizontalAlignment: Text.AlignRight
}
