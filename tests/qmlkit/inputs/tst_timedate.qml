import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components/text"

TestCase {
    id: testCase

    property var parentWindow: mainWindow
    property Item frameItem: frame

    name: "TimeAndDate"
    when: windowShown
    visible: true
    width: 600
    height: 300

    Item {
        id: frame

        property var parentWindow: mainWindow

        anchors.fill: parent

        Column {
            TimeDigit { id: hours; topLimit: 23; entryDelay: 20 }
            TimeDigit { id: days; bottomLimit: 1; topLimit: 31; entryDelay: 20 }
            TimeDigit { id: years; topLimit: 9999; entryDelay: 20 }
            TimeEdit { id: clock; nextItem: after }
            TimeEdit { id: filterClock; keepModify: false }
            DateEdit { id: date; nextItem: after }
            DateEdit { id: wideDate; fourDigitYear: true }
            TextFieldEx { id: after }
        }
    }

    SignalSpy { id: clockFinished; target: clock; signalName: "changeFinished" }
    SignalSpy { id: filterFinished; target: filterClock; signalName: "changeFinished" }
    SignalSpy { id: dateFinished; target: date; signalName: "changeFinished" }

    function init() {
        clockFinished.clear();
        filterFinished.clear();
        dateFinished.clear();
        reload(hours, "00");
        reload(days, "01");
        reload(clock, "10:30");
        reload(date, "10.03.26", "01.01.26");
        QWIDGET_CREATOR.clearCalls();
    }

    function cleanup() {
        MessageBoxes.closeAllIn(mainWindow);
    }

    // Loads the legal value anew, so that what an earlier test typed goes.
    function reload(control, value, other) {
        control.legalText = other ? other : "";
        control.legalText = value;
    }

    function typeInto(cell, keys) {
        cell.input.forceActiveFocus();
        for (var i = 0; i < keys.length; ++i)
            keyClick(keys[i]);
    }

    function test_digitEntry_data() {
        return [
            { tag: "1 then 5", cell: "hours", keys: [Qt.Key_1, Qt.Key_5], now: "15", later: "15" },
            { tag: "2 then 5 is too much", cell: "hours", keys: [Qt.Key_2, Qt.Key_5], now: "2", later: "02" },
            { tag: "7 alone", cell: "hours", keys: [Qt.Key_7], now: "7", later: "07" },
            { tag: "0 then 5", cell: "hours", keys: [Qt.Key_0, Qt.Key_5], now: "05", later: "05" },
            { tag: "a letter shows nowhere", cell: "hours", keys: [Qt.Key_1, Qt.Key_A], now: "1", later: "01" },
            { tag: "day 0 rises to 1", cell: "days", keys: [Qt.Key_0], now: "0", later: "01" },
            { tag: "four-digit year", cell: "years", keys: [Qt.Key_2, Qt.Key_0, Qt.Key_2, Qt.Key_6], now: "2026", later: "2026" }
        ];
    }

    function test_digitEntry(data) {
        var cell = data.cell === "hours" ? hours : data.cell === "days" ? days : years;
        typeInto(cell, data.keys);
        compare(cell.text, data.now);
        // The entry delay passes: the pending digit, if any, is taken as a whole entry.
        var entryTimer = findChild(cell, "entryTimer");
        tryVerify(function () { return !entryTimer.running; }, TestTime.limit(5000), "the entry delay ends");
        compare(cell.text, data.later, "a second later");
        verify(cell.modify || data.later === cell.legalText);
    }

    function test_stepsStopAtTheLimits() {
        days.legalText = "01";
        days.input.forceActiveFocus();
        keyClick(Qt.Key_Down);
        compare(days.text, "01");
        keyClick(Qt.Key_Up);
        compare(days.text, "02");
        hours.legalText = "23";
        hours.input.forceActiveFocus();
        keyClick(Qt.Key_Up);
        compare(hours.text, "23", "no wrap past the top");
    }

    function test_readOnlyCell() {
        hours.readOnly = true;
        typeInto(hours, [Qt.Key_5, Qt.Key_Up]);
        compare(hours.text, "00");
        hours.readOnly = false;
    }

    function test_timeEditKeys() {
        compare(clock.text, "10:30");
        clock.hour.input.forceActiveFocus();
        keyClick(Qt.Key_Right);
        verify(clock.minute.input.activeFocus, "Right goes to the minutes");
        keyClick(Qt.Key_Left);
        verify(clock.hour.input.activeFocus, "Left goes back");
        keyClick(Qt.Key_Tab);
        verify(clock.minute.input.activeFocus);
        keyClick(Qt.Key_4);
        keyClick(Qt.Key_5);
        compare(clock.text, "10:45");
        verify(clock.modify);
        keyClick(Qt.Key_Tab);
        verify(after.activeFocus, "Tab leaves the minutes for the next item");
        compare(clockFinished.count, 1, "a change is finished when the focus leaves");
        verify(clock.modify, "keepModify keeps it unsaved");
    }

    function test_enterConfirmsFilterTimes() {
        filterClock.legalText = "23:59";
        filterClock.hour.input.forceActiveFocus();
        keyClick(Qt.Key_Return);
        compare(filterFinished.count, 1, "Enter reports even an unchanged time");
        keyClick(Qt.Key_0);
        keyClick(Qt.Key_8);
        keyClick(Qt.Key_Return);
        compare(filterFinished.count, 2);
        compare(filterClock.text, "08:59");
        verify(!filterClock.modify, "the confirmed time is the new legal one");
    }

    function test_dateTexts() {
        date.legalText = "05.12.2026";
        compare(date.text, "05.12.26", "a four-digit year loads into two digits");
        compare(MessageBoxes.openIn(mainWindow).length, 0);
        date.legalText = "29.02.25";
        compare(MessageBoxes.textsIn(mainWindow), ["Invalid date"]);
        compare(date.text, "05.12.26", "the text keeps the last valid date");
        MessageBoxes.closeAllIn(mainWindow);
        wideDate.legalText = "29.02.2028";
        compare(wideDate.text, "29.02.2028");
    }

    function test_typedImpossibleDateIsRefused() {
        Window.window.requestActivate();
        tryVerify(function () { return Qt.application.state === Qt.ApplicationActive; }, TestTime.limit(2000));
        date.day.input.forceActiveFocus();
        keyClick(Qt.Key_3);
        keyClick(Qt.Key_1);
        keyClick(Qt.Key_Right);
        keyClick(Qt.Key_0);
        keyClick(Qt.Key_2);
        // Its window or page away, the cells say nothing: only the operator's leaving them does.
        frame.enabled = false;
        frame.enabled = true;
        var other = createTemporaryQmlObject("import QtQuick.Window 2.15; Window { visible: true; transientParent: null }",
                                             testCase);
        other.requestActivate();
        tryVerify(function () { return !date.month.input.activeFocus; }, TestTime.limit(2000));
        compare(MessageBoxes.textsIn(mainWindow), []);
        Window.window.requestActivate();
        tryVerify(function () { return date.month.input.activeFocus; }, TestTime.limit(2000));
        compare(MessageBoxes.textsIn(mainWindow), []);
        after.forceActiveFocus();
        compare(MessageBoxes.textsIn(mainWindow), ["Invalid date"]);
        compare(dateFinished.count, 0, "no change is reported");
        compare(date.text, "10.03.26");
    }

    function test_dateFocusMoves() {
        date.day.input.forceActiveFocus();
        keyClick(Qt.Key_Right);
        verify(date.month.input.activeFocus);
        keyClick(Qt.Key_Right);
        verify(date.year.input.activeFocus);
        keyClick(Qt.Key_Right);
        verify(date.arrowButton.activeFocus);
        keyClick(Qt.Key_Right);
        verify(date.day.input.activeFocus);
        keyClick(Qt.Key_Left);
        verify(date.arrowButton.activeFocus);
        keyClick(Qt.Key_Tab);
        verify(after.activeFocus, "Tab from the button leaves the date");
        date.month.input.forceActiveFocus();
        keyClick(Qt.Key_Tab);
        verify(date.year.input.activeFocus);
    }

    function test_calendarPick() {
        date.day.input.forceActiveFocus();
        keyClick(Qt.Key_F3);
        var calendar = QWIDGET_CREATOR.lastDialog();
        verify(calendar, "F3 opens the calendar");
        compare(QWIDGET_CREATOR.callsOf("calendar")[0][0], mainWindow, "linked to the frame's window");
        compare(QWIDGET_CREATOR.callsOf("calendar")[0][1], date, "tied to the date input");
        compare(calendar.selectedDate.getDate(), 10);
        verify(calendar.pos.y > 0, "placed below the day");
        date.arrowButton.clicked();
        compare(QWIDGET_CREATOR.callsOf("calendar").length, 1, "one calendar at a time");
        calendar.pick(new Date(2026, 1, 14));
        compare(date.text, "14.02.26");
        calendar.accept();
        compare(dateFinished.count, 1);
        verify(after.activeFocus, "the focus goes on");
        tryVerify(function () { return date.calendar === null; }, TestTime.limit(5000));
        date.arrowButton.clicked();
        calendar = QWIDGET_CREATOR.lastDialog();
        calendar.pick(new Date(2026, 0, 1));
        compare(date.day.text, "01");
        calendar.reject();
        compare(date.day.text, "14", "a dismissed calendar leaves the date shown before it");
        compare(date.text, "14.02.26");
        verify(date.modify, "the first pick is still an unsaved change");
        verify(date.activeFocusGroup || date.activeFocus);
    }
}
