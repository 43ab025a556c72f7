import QtQuick 2.15
import "../../../js/timezones.js" as TimeZones

// A cell of an offset from UTC in minutes, by its name ("UTC+03").
TableBaseDelegate {
    function offsetText(minutes) {
        if (minutes === undefined || minutes === null || String(minutes) === "")
            return "";
        var name = TimeZones.getByMinutes(minutes);
        if (name !== undefined)
            return name;
        return TimeZones.key(minutes) !== undefined ? TimeZones.label(minutes) : "";
    }

    value: offsetText(styleData.value)
}
