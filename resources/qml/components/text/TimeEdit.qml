import QtQuick 2.15
import "../base"

// A clock time "hh:mm" in two cells. Left and Right swap between the cells, Tab leaves for
// nextItem. With keepModify false every confirmed change becomes the legal value at once.
FocusScope {
    id: timeEdit

    property alias hour: hourCell
    property alias minute: minuteCell
    property string legalText
    property string text: hourCell.text + ":" + minuteCell.text
    readonly property bool modify: hourCell.modify || minuteCell.modify
    property bool keepModify: true
    property bool readOnly: false
    readonly property bool activeFocusGroup: hourCell.input.activeFocus || minuteCell.input.activeFocus
    property Item nextItem: null

    signal changeFinished()

    function updateLegalText() {
        hourCell.legalText = hourCell.text;
        minuteCell.legalText = minuteCell.text;
    }

    // The saved time, shown whole whatever was typed over it.
    function setLegalValue(value) {
        hourCell.showLegal();
        minuteCell.showLegal();
        if (legalText === value)
            legalTextChanged();
        else
            legalText = value;
    }

    function finishChanging() {
        if (!modify)
            return;
        changeFinished();
        if (!keepModify)
            updateLegalText();
    }

    function confirm() {
        if (keepModify)
            return;
        updateLegalText();
        changeFinished();
    }

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight
    onLegalTextChanged: {
        var parts = legalText.split(":");
        hourCell.legalText = parts.length > 0 && parts[0] !== "" ? parts[0] : hourCell.input.zeros;
        minuteCell.legalText = parts.length > 1 ? parts[1] : minuteCell.input.zeros;
    }
    onActiveFocusGroupChanged: {
        if (!activeFocusGroup)
            finishChanging();
    }

    Row {
        id: row

        TimeDigit {
            id: hourCell

            topLimit: 23
            readOnly: timeEdit.readOnly
            input.focus: true
            onSwap: minuteCell.input.forceActiveFocus()
            onDataConfirmed: timeEdit.confirm()
            tabItem: minuteCell.input
        }

        TextInputBase {
            text: ":"
            readOnly: true
            activeFocusOnTab: false
            activeFocusOnPress: false
        }

        TimeDigit {
            id: minuteCell

            topLimit: 59
            readOnly: timeEdit.readOnly
            onSwap: hourCell.input.forceActiveFocus()
            onDataConfirmed: timeEdit.confirm()
            tabItem: timeEdit.nextItem
            backtabItem: hourCell.input
        }
    }
}
