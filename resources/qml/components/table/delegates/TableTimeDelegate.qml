import QtQuick 2.15
import "../../../js/utils.js" as Utils

// A cell of a clock time given as seconds after midnight; empty with a warning for a value that
// is no number.
TableBaseDelegate {
    property bool isSecondsShow: false

    function timeText(seconds) {
        if (seconds === undefined || seconds === null || String(seconds) === "")
            return "";
        if (!isFinite(Number(seconds))) {
            console.warn("Time cell: not a number of seconds: " + String(seconds).substring(0, 40));
            return "";
        }
        var total = Utils.wholeSeconds(seconds) % 86400;
        var text = Utils.setSecondsTime(total);
        return isSecondsShow ? text + ":" + Utils.pad2(total % 60) : text;
    }

    value: timeText(styleData.value)
}
