import QtQuick 2.15
import ".."
import "../../js/utils.js" as Utils
import "dates.js" as Dates

// A period filter: start and end date and time. It starts on the chosen span (lastDate) up to
// today, or up to yesterday for the longer spans, on the server's clock. Pages read the bounds as
// startUtcMsec() and endUtcMsec(): the end bound is exclusive, the first moment after the end
// minute, so "23:59" takes in the whole last minute of the day.
Row {
    id: period

    enum LastDate { Today, Day, Week, Month, Year }

    property alias startDate: startDateEdit
    property alias startTime: startTimeEdit
    property alias endDate: endDateEdit
    property alias endTime: endTimeEdit
    property int lastDate: StartEndDateTime.LastDate.Today

    signal changeFinished()

    // Today's date on the server's clock, at the start of the local day.
    function midnight() {
        return Dates.parseDate(Dates.today("dd.MM.yy"), false);
    }

    function startOf(day) {
        switch (lastDate) {
        case StartEndDateTime.LastDate.Day:
            return Dates.addDays(day, -1);
        case StartEndDateTime.LastDate.Week:
            return Dates.addDays(day, -7);
        case StartEndDateTime.LastDate.Month:
            return Dates.addMonths(day, -1);
        case StartEndDateTime.LastDate.Year:
            return Dates.addMonths(day, -12);
        }
        return day;
    }

    // Loads the span of lastDate ending today.
    function reset() {
        var day = midnight();
        startDateEdit.legalText = Dates.formatDate(startOf(day), false);
        endDateEdit.legalText = Dates.formatDate(lastDate === StartEndDateTime.LastDate.Today
                                                 ? day : Dates.addDays(day, -1), false);
        startTimeEdit.legalText = "00:00";
        endTimeEdit.legalText = "23:59";
    }

    function finishChanging() {
        startDateEdit.finishChanging();
        startTimeEdit.finishChanging();
        endDateEdit.finishChanging();
        endTimeEdit.finishChanging();
    }

    function utcMsec(date, time) {
        return DESKTOP_UTILS.localDateTime2UTCmsec(date, time, Dates.offset());
    }

    // The first millisecond of the period, as decimal text.
    function startUtcMsec() {
        return utcMsec(startDateEdit.text, startTimeEdit.text + ":00");
    }

    // The first millisecond after the period's last minute, as decimal text.
    function endUtcMsec() {
        var end = utcMsec(endDateEdit.text, endTimeEdit.text + ":00");
        return end === "" ? "" : String(Number(end) + 60000);
    }

    // The period as a page's settings keep it: the four texts.
    function settings() {
        return { "startDate": startDateEdit.text, "startTime": startTimeEdit.text,
                 "endDate": endDateEdit.text, "endTime": endTimeEdit.text };
    }

    // A kept period; a missing or partial one leaves the period as it is.
    function restore(saved) {
        if (!saved || !saved["startDate"] || !saved["startTime"] || !saved["endDate"] || !saved["endTime"])
            return;
        startDateEdit.legalText = saved["startDate"];
        startTimeEdit.legalText = saved["startTime"];
        endDateEdit.legalText = saved["endDate"];
        endTimeEdit.legalText = saved["endTime"];
    }

    spacing: 5
    onLastDateChanged: reset()
    Component.onCompleted: reset()

    LabelEx {
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Start date:")
    }

    DateEdit {
        id: startDateEdit

        keepModify: false
        nextItem: startTimeEdit
        onChangeFinished: period.changeFinished()
    }

    TimeEdit {
        id: startTimeEdit

        keepModify: false
        nextItem: endDateEdit
        onChangeFinished: period.changeFinished()
    }

    LabelEx {
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("End date:")
    }

    DateEdit {
        id: endDateEdit

        keepModify: false
        nextItem: endTimeEdit
        onChangeFinished: period.changeFinished()
    }

    TimeEdit {
        id: endTimeEdit

        keepModify: false
        onChangeFinished: period.changeFinished()
    }
}
