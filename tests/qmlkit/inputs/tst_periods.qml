import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components/text"

TestCase {
    id: testCase

    property var parentWindow: mainWindow
    property Item frameItem: null

    name: "Periods"
    when: windowShown

    Component { id: periodComponent; StartEndDateTime {} }
    Component { id: spanComponent; StartEndTime {} }

    // The server's clock at a moment given in UTC.
    function serverNow(year, month, day, hours, minutes) {
        USER_SESSION.setNow(Date.UTC(year, month - 1, day, hours, minutes));
    }

    function cleanup() {
        USER_SESSION.utc_offset = "180";
        USER_SESSION.setNow(-1);
        MessageBoxes.closeAllIn(mainWindow);
    }

    function shown(period) {
        return [period.startDate.text, period.startTime.text, period.endDate.text, period.endTime.text];
    }

    function test_spans_data() {
        return [
            { tag: "today", last: StartEndDateTime.LastDate.Today, now: [2026, 3, 10, 9, 0],
              expected: ["10.03.26", "00:00", "10.03.26", "23:59"] },
            { tag: "day", last: StartEndDateTime.LastDate.Day, now: [2026, 3, 10, 9, 0],
              expected: ["09.03.26", "00:00", "09.03.26", "23:59"] },
            { tag: "week", last: StartEndDateTime.LastDate.Week, now: [2026, 3, 10, 9, 0],
              expected: ["03.03.26", "00:00", "09.03.26", "23:59"] },
            { tag: "month from the 31st", last: StartEndDateTime.LastDate.Month, now: [2026, 3, 31, 9, 0],
              expected: ["28.02.26", "00:00", "30.03.26", "23:59"] },
            { tag: "year from the 29th of February", last: StartEndDateTime.LastDate.Year, now: [2028, 2, 29, 9, 0],
              expected: ["28.02.27", "00:00", "28.02.28", "23:59"] },
            { tag: "past midnight at the user's offset", last: StartEndDateTime.LastDate.Today, now: [2026, 3, 9, 22, 30],
              expected: ["10.03.26", "00:00", "10.03.26", "23:59"] },
            // Daylight saving starts at midnight on 24.04.2026 in Cairo, where a run of its own
            // reads these.
            { tag: "today whose midnight the clock skips", last: StartEndDateTime.LastDate.Today, now: [2026, 4, 24, 9, 0],
              expected: ["24.04.26", "00:00", "24.04.26", "23:59"] },
            { tag: "a week back to a day whose midnight the clock skips", last: StartEndDateTime.LastDate.Week,
              now: [2026, 5, 1, 9, 0], expected: ["24.04.26", "00:00", "30.04.26", "23:59"] }
        ];
    }

    function test_spans(data) {
        serverNow.apply(null, data.now);
        var period = createTemporaryObject(periodComponent, testCase, { "lastDate": data.last });
        compare(shown(period), data.expected);
        verify(!period.startDate.modify && !period.endTime.modify, "loaded as legal values");
    }

    // Today is the server's present day, not the day the session was opened.
    function test_todayFollowsTheClock() {
        var opened = USER_SESSION.utc_dt;
        serverNow(2026, 3, 10, 9, 0);
        USER_SESSION.utc_dt = Date.UTC(2026, 2, 7, 9, 0);
        var period = createTemporaryObject(periodComponent, testCase);
        compare(period.startDate.text, "10.03.26");
        serverNow(2026, 3, 11, 9, 0);
        period.lastDate = StartEndDateTime.LastDate.Week;
        compare(shown(period), ["04.03.26", "00:00", "10.03.26", "23:59"], "a new choice counts from the new day");
        USER_SESSION.utc_dt = opened;
    }

    function test_boundsInMilliseconds_data() {
        return [
            { tag: "UTC-05", offset: -300 },
            { tag: "UTC0", offset: 0 },
            { tag: "UTC+05:30", offset: 330 },
            { tag: "UTC+05:45", offset: 345 }
        ];
    }

    function test_boundsInMilliseconds(data) {
        USER_SESSION.utc_offset = String(data.offset);
        serverNow(2026, 3, 10, 12, 0);
        var period = createTemporaryObject(periodComponent, testCase, { "lastDate": StartEndDateTime.LastDate.Week });
        var start = Date.UTC(2026, 2, 3, 0, 0) - data.offset * 60000;
        var end = Date.UTC(2026, 2, 10, 0, 0) - data.offset * 60000;
        compare(period.startUtcMsec(), String(start));
        compare(period.endUtcMsec(), String(end), "the first moment after 23:59 of the last day");
        compare(Number(period.endUtcMsec()) - Number(period.startUtcMsec()), 7 * 86400000, "seven whole days");
        var oldEnd = DESKTOP_UTILS.localDateTime2UTCmsec("09.03.26", "23:59", data.offset);
        verify(Number(oldEnd) < end - 999, "the old inclusive bound left out the last second's fraction");
        period.startTime.legalText = "08:59";
        compare(period.startUtcMsec(), String(start + (8 * 60 + 59) * 60000), "a start at hh:59 starts at second 0");
    }

    function test_invalidPeriod() {
        var period = createTemporaryObject(periodComponent, testCase);
        period.endDate.legalText = "31.02.26";
        compare(MessageBoxes.textsIn(mainWindow), ["Invalid date"]);
        MessageBoxes.closeAllIn(mainWindow);
        verify(period.endUtcMsec() !== "", "the last valid date still makes a bound");
        ignoreWarning(new RegExp("Conversion error. Date: 31.02.26"));
        compare(DESKTOP_UTILS.localDateTime2UTCmsec("31.02.26", "00:00", 0), "", "no such date converts to nothing");
    }

    function test_timeSpan() {
        var span = createTemporaryObject(spanComponent, testCase);
        compare(span.startTime.text, "00:00");
        compare(span.endTime.text, "23:59");
        var finished = createTemporaryObject(spyComponent, testCase, { "target": span });
        span.startTime.minute.input.forceActiveFocus();
        keyClick(Qt.Key_1);
        keyClick(Qt.Key_5);
        keyClick(Qt.Key_Tab);
        verify(span.endTime.hour.input.activeFocus, "Tab from the start minute goes to the end hour");
        compare(finished.count, 1);
        compare(span.startTime.text, "00:15");
        verify(!span.startTime.modify, "a filter takes the change as its value");
    }

    Component { id: spyComponent; SignalSpy { signalName: "changeFinished" } }
}
