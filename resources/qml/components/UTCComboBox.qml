import QtQuick 2.15
import "../js/timezones.js" as TimeZones

// The choice of an offset from UTC, listed in the order of the time-zone table. An offset that
// the table does not hold gets an entry of its own, so every offset shows and saves as itself.
ComboBoxEx {
    id: comboBox

    property alias tzModel: tzModel
    // Minutes of the current entry, as text; empty when none is chosen.
    readonly property string currentMinutes: currentIndex >= 0 && currentIndex < tzModel.count
                                             ? tzModel.get(currentIndex).min : ""

    signal filled()

    // The index of the entry of an offset in minutes, adding an entry when there is none.
    function indexOfMinutes(minutes) {
        var number = parseInt(minutes, 10);
        if (isNaN(number))
            return -1;
        var text = String(number);
        for (var i = 0; i < tzModel.count; ++i) {
            if (tzModel.get(i).min === text)
                return i;
        }
        tzModel.append({ "min": text, "tz": TimeZones.label(number) });
        return tzModel.count - 1;
    }

    textRole: "tz"
    model: tzModel
    Component.onCompleted: {
        for (var minutes in TimeZones.TZ)
            tzModel.append({ "min": minutes, "tz": TimeZones.TZ[minutes] });
        filled();
    }

    ListModel {
        id: tzModel
    }
}
