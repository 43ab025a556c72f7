import QtQuick 2.15
import ".."

// A span of the day: a start and an end time, 00:00 to 23:59 at first.
Row {
    id: span

    property alias startTime: startTimeEdit
    property alias endTime: endTimeEdit

    signal changeFinished()

    function finishChanging() {
        startTimeEdit.finishChanging();
        endTimeEdit.finishChanging();
    }

    spacing: 5

    LabelEx {
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Start time:")
    }

    TimeEdit {
        id: startTimeEdit

        legalText: "00:00"
        keepModify: false
        nextItem: endTimeEdit
        onChangeFinished: span.changeFinished()
    }

    LabelEx {
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("End time:")
    }

    TimeEdit {
        id: endTimeEdit

        legalText: "23:59"
        keepModify: false
        onChangeFinished: span.changeFinished()
    }
}
