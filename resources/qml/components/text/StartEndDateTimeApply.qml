import QtQuick 2.15
import ".."

// A period filter with an "Apply" button that reports the change.
Row {
    id: periodApply

    property alias startDate: period.startDate
    property alias startTime: period.startTime
    property alias endDate: period.endDate
    property alias endTime: period.endTime
    property alias lastDate: period.lastDate
    property alias period: period

    signal changeFinished()

    function finishChanging() {
        period.finishChanging();
    }

    spacing: 5

    StartEndDateTime {
        id: period
    }

    ButtonEx {
        text: qsTr("Apply")
        focusPolicy: Qt.TabFocus
        onClicked: periodApply.changeFinished()
    }
}
