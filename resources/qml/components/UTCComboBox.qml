import QtQuick 2.15
import "../js/timezones.js" as TimeZones

// The choice of an offset from UTC, listed in the order of the time-zone table. An offset that
// the table does not hold gets an entry of its own, so every offset shows and saves as itself.
// As a form field it holds the stored minutes (legalText) and gives them back unchanged (text)
// until another offset is chosen.
ComboBoxEx {
    id: comboBox

    property alias tzModel: tzModel
    property string legalText
    readonly property string text: modify ? currentMinutes : legalText
    property bool isFilled: false
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

    function showLegal() {
        var index = indexOfMinutes(legalText);
        legalCurrentIndex = index;
        currentIndex = index;
    }

    // The saved minutes: both the legal and the shown offset.
    function setLegalValue(value) {
        legalText = value;
        if (isFilled)
            showLegal();
    }

    textRole: "tz"
    model: tzModel
    onLegalTextChanged: {
        if (isFilled)
            showLegal();
    }
    Component.onCompleted: {
        for (var minutes in TimeZones.TZ)
            tzModel.append({ "min": minutes, "tz": TimeZones.TZ[minutes] });
        isFilled = true;
        if (legalText !== "")
            showLegal();
        filled();
    }

    ListModel {
        id: tzModel
    }
}
