import QtQuick 2.15
import "../../../js/utils.js" as Utils

// A cell of a clock time given as seconds after midnight.
TableBaseDelegate {
    property bool isSecondsShow: false

    function timeText(seconds) {
        if (seconds === undefined || seconds === null || String(seconds) === "")
            return "";
        var total = Utils.wholeSeconds(seconds) % 86400;
        var text = Utils.setSecondsTime(total);
        return isSecondsShow ? text + ":" + Utils.pad2(total % 60) : text;
    }

    value: timeText(styleData.value)
}
