import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/components"
import "qrc:/qml/components/text"
import "qrc:/qml/js/enums.js" as Enums

TestCase {
    id: testCase

    property var parentWindow: mainWindow
    property Item frameItem: frame

    name: "TextFields"
    when: windowShown
    // Tab moves only between shown items.
    visible: true
    width: 600
    height: 400

    Item {
        id: frame

        property int enters: 0
        property int escapes: 0

        signal enterPressed()

        width: 600
        height: 400
        onEnterPressed: ++enters
        Keys.onEscapePressed: ++escapes

        Column {
            TextFieldEx { id: phone; width: 200 }
            TextFieldEx { id: other; width: 200 }
            TextFieldDouble { id: amount; width: 100 }
            TextFieldTime { id: clock }
            TextFieldDate { id: day }
            TextAreaEx { id: note; width: 300; height: 80 }
            FilterTextField { id: filter; table: fakeView }
            TextCompleter { id: completer; width: 200; height: 30; model: cities; role: "city_name" }
        }

        GroupBoxEx {
            id: box

            x: 320
            width: 260
            title: "Box"

            Column {
                width: parent.width
                spacing: 10

                TextFieldEx { id: boxField; width: parent.width }
                TextAreaEx { id: boxNote; width: parent.width; height: 80 }
            }
        }
    }

    QtObject {
        id: fakeView

        property int moves: 0
        property var model: QtObject {
            property var patterns: []

            function setFilterPattern(pattern) {
                var list = patterns;
                list.push(pattern);
                patterns = list;
            }
        }

        function incrementRow() { ++moves; }
        function decrementRow() { --moves; }
    }

    ListModel {
        id: cities

        Component.onCompleted: {
            append({ "id": "7", "city_name": "Kyiv" });
            append({ "id": "9", "city_name": "Lviv" });
        }
    }

    SignalSpy { id: finishedSpy; target: phone; signalName: "changeFinished" }
    SignalSpy { id: typedSpy; target: completer; signalName: "textFieldKeyPressed" }
    SignalSpy { id: confirmedSpy; target: completer; signalName: "dataConfirmed" }

    function init() {
        frame.enters = 0;
        frame.escapes = 0;
        finishedSpy.clear();
        phone.setLegalValue("");
        amount.setLegalValue("");
    }

    function test_legalValueAndEscape() {
        compare(phone.objectName, "phone", "the id is the object name");
        phone.setLegalValue("0501234567");
        verify(!phone.modify);
        phone.forceActiveFocus();
        keyClick(Qt.Key_End);
        keyClick(Qt.Key_8);
        keyClick(Qt.Key_9);
        compare(phone.text, "050123456789", "typed characters stay; typing selects nothing");
        verify(phone.modify);
        keyClick(Qt.Key_Escape);
        compare(phone.text, "0501234567", "Escape takes back the change");
        verify(!phone.modify);
        compare(frame.escapes, 0, "and the frame does not see it");
        keyClick(Qt.Key_Escape);
        compare(frame.escapes, 1, "a second Escape reaches the frame");
    }

    function test_onlyTheOperatorsMoveSelectsAll() {
        phone.setLegalValue("Koriv");
        other.forceActiveFocus();
        // The operator's move into the field selects it whole; focus given back does not.
        var moves = [Qt.TabFocusReason, Qt.BacktabFocusReason, Qt.ShortcutFocusReason];
        for (var i = 0; i < moves.length; ++i) {
            phone.forceActiveFocus(moves[i]);
            compare(phone.selectedText, "Koriv", "moved in by reason " + moves[i]);
            other.forceActiveFocus(Qt.TabFocusReason);
            compare(phone.selectedText, "", "moved out");
        }
        mouseClick(phone);
        compare(phone.selectedText, "Koriv", "a click");
        other.forceActiveFocus();
        phone.forceActiveFocus();
        compare(phone.selectedText, "", "focus given back selects nothing");

        // A value shown anew while focused selects nothing and keeps the cursor's place, the
        // end of a shorter text: the next key replaces nothing and goes in there.
        phone.cursorPosition = 3;
        phone.legalText = "Korivan";
        wait(0);
        compare(phone.selectedText, "");
        keyClick(Qt.Key_X);
        compare(phone.text, "Korxivan", "a key goes in at the cursor");
        wait(0);
        compare(phone.selectedText, "", "typed text is not selected");
        phone.setLegalValue("Ko");
        keyClick(Qt.Key_X);
        compare(phone.text, "Kox", "the cursor at the end of a shorter text");
        phone.setLegalValue("Korivanx");

        // Focus away while the field's tab is hidden, and back: the cursor and the selection kept.
        // (Its window going and coming back is a test of the keys, on X11.)
        phone.select(1, 4);
        phone.visible = false;
        other.forceActiveFocus();
        phone.visible = true;
        phone.forceActiveFocus();
        compare(phone.selectedText, "ori", "its tab hidden and shown");
        keyClick(Qt.Key_Y);
        compare(phone.text, "Kyvanx", "a key replaces the kept selection");

        // The page disabled while it waits and enabled again: each kind of text field gets the
        // focus back with its cursor and selection.
        var texts = [phone, note.textArea, completer.textField];
        for (var k = 0; k < texts.length; ++k) {
            texts[k].text = "Weekly";
            texts[k].forceActiveFocus(Qt.TabFocusReason);
            texts[k].select(1, 4);
            frame.enabled = false;
            frame.enabled = true;
            verify(texts[k].activeFocus, texts[k] + " has the focus back");
            compare(texts[k].selectedText + texts[k].cursorPosition, "eek4", texts[k]);
        }
    }

    function test_changeFinishedOnlyWhenModified() {
        phone.forceActiveFocus();
        keyClick(Qt.Key_Return);
        other.forceActiveFocus();
        compare(finishedSpy.count, 0, "nothing changed");
        phone.forceActiveFocus();
        keyClick(Qt.Key_A);
        keyClick(Qt.Key_Return);
        compare(finishedSpy.count, 1, "Enter with a change");
        other.forceActiveFocus();
        compare(finishedSpy.count, 2, "and again when the focus leaves");
        compare(phone.cursorPosition, 0, "the beginning shows after the focus left");
    }

    function test_longTextsStoredWholeShownBounded() {
        var toasts = QWIDGET_CREATOR.callsOf("toast").length;
        compare(phone.maximumLength, 1000, "a field lays out no more than a table cell");

        // A stored text longer than that stays whole, is no change, and shows its start.
        var longText = new Array(40001).join("x") + "END";
        var notice = findChild(phone, "cutNotice");
        verify(!notice.visible);
        phone.setLegalValue(longText);
        compare(phone.legalText, longText);
        compare(phone.wholeText, longText, "the field stands for the whole text");
        verify(!phone.modify, "and so does not count as a change");
        compare(phone.text.length, 1000, "what is laid out is bounded");
        compare(phone.text, new Array(1000).join("x") + "\u2026", "its start and an ellipsis");
        verify(notice.visible && notice.text.indexOf("Too long to edit here") === 0, notice.text);
        verify(phone.readOnly);
        phone.forceActiveFocus();
        keyClick(Qt.Key_End);
        keyClick(Qt.Key_A);
        DESKTOP_UTILS.setClipboardText("pasted");
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(phone.wholeText, longText, "neither typing nor a paste changes it");
        verify(!phone.modify);
        compare(QWIDGET_CREATOR.callsOf("toast").length, toasts, "the field itself says it");

        // A stored text that fits makes it an ordinary field again.
        phone.setLegalValue("0501234567");
        verify(!phone.readOnly && !notice.visible);
        compare(phone.wholeText, "0501234567");

        // A paste beyond the bound is cut, and the operator told.
        phone.forceActiveFocus();
        keyClick(Qt.Key_End);
        DESKTOP_UTILS.setClipboardText(longText);
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(phone.text, ("0501234567" + longText).substring(0, 1000));
        verify(phone.modify && !phone.readOnly);
        var notices = QWIDGET_CREATOR.callsOf("toast");
        compare(notices.length, toasts + 1, "a paste cut");
        compare(notices[notices.length - 1][0], "The text was cut to 1000 characters");

        // The bound is the field's maximumLength.
        other.maximumLength = 10;
        other.setLegalValue("0123456789ABC");
        compare(other.text, "012345678\u2026");
        compare(other.wholeText, "0123456789ABC");
        verify(!other.modify);
        other.setLegalValue("0123");
        other.forceActiveFocus();
        keyClick(Qt.Key_End);
        DESKTOP_UTILS.setClipboardText("456789ABCDEF");
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(other.text, "0123456789");
        compare(QWIDGET_CREATOR.callsOf("toast").length, toasts + 2, "a paste cut");
        keyClick(Qt.Key_Backspace);
        DESKTOP_UTILS.setClipboardText("9");
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(other.text, "0123456789");
        compare(QWIDGET_CREATOR.callsOf("toast").length, toasts + 2, "a paste that fits says nothing");
        other.maximumLength = 1000;
        other.setLegalValue("");
        while (GLOBAL.toastCount() > 0)
            GLOBAL.popToast();
    }

    FontMetrics { id: phoneMetrics; font: phone.font }

    function test_cutNoticeBesideTheValue() {
        // 1200 characters outside the 16-bit range, two UTF-16 units each, count as 1200.
        var notice = findChild(phone, "cutNotice");
        phone.setLegalValue(new Array(1201).join("\uD835\uDD38"));
        verify(phone.isCut);
        var said = notice.text;
        verify(said.indexOf(Number(1200).toLocaleString(Qt.locale(), "f", 0)) >= 0, said);
        verify(said.indexOf(Number(2400).toLocaleString(Qt.locale(), "f", 0)) < 0, said);
        // At any width the value's text ends before the notice and keeps room for ten characters.
        var widths = [120, 200, 300, 600];
        for (var i = 0; i < widths.length; ++i) {
            phone.width = widths[i];
            var textEnd = phone.width - phone.rightPadding;
            var where = widths[i] + ": text to " + textEnd + ", notice at " + notice.x + " of " + notice.width;
            verify(textEnd <= notice.x && notice.x + notice.width <= phone.width, where);
            verify(textEnd - phone.leftPadding >= 10 * phoneMetrics.averageCharacterWidth, where);
        }
        compare(notice.text.indexOf("Too long to edit here"), 0, "a wide field has room for the sentence");
        verify(!notice.truncated);
        phone.width = 200;
    }

    function test_decimalComma() {
        amount.forceActiveFocus();
        keyClick(Qt.Key_1);
        keyClick(Qt.Key_Comma);
        keyClick(Qt.Key_5);
        compare(amount.text, "1.5");
        keyClick(Qt.Key_A);
        compare(amount.text, "1.5", "letters are refused");
    }

    function test_timeField() {
        compare(clock.legalText, "00:00");
        clock.setSecondsTime(3 * 3600 + 25 * 60 + 59);
        compare(clock.text, "03:25");
        compare(clock.getSecondsTime(), 3 * 3600 + 25 * 60);
        clock.setSecondsTime(86400 + 60);
        compare(clock.text, "00:01", "a clock time wraps at midnight");
        clock.forceActiveFocus();
        clock.text = "12:30";
        verify(clock.modify);
        keyClick(Qt.Key_Return);
        verify(!clock.modify, "inside a table a finished change is the new legal value");
    }

    function test_dateField() {
        day.setLegalText("");
        compare(day.legalText, "..");
        verify(!day.modify, "an empty date is not a change");
        day.setLegalText("05.12.26");
        compare(day.jsDate.getFullYear(), 2026);
        compare(day.jsDate.getMonth(), 11);
        compare(day.jsDate.getDate(), 5);
        day.setLegalText("31.02.26");
        compare(day.jsDate, undefined, "no such date");
    }

    function test_textAreaKeys() {
        note.legalText = "line";
        verify(!note.modify);
        compare(note.textArea.objectName, "note");
        note.textArea.forceActiveFocus();
        note.textArea.cursorPosition = 4;
        keyClick(Qt.Key_Return);
        compare(frame.enters, 1, "Enter saves through the frame");
        compare(note.text, "line", "without a new line");
        keyClick(Qt.Key_Return, Qt.ShiftModifier);
        compare(note.text, "line\n", "Shift+Enter makes a new line");
        verify(note.modify);
        keyClick(Qt.Key_Tab);
        verify(completer.textField.activeFocus, "Tab goes on to the next field");
        compare(note.text, "line\n", "without a tab character");
        note.textArea.forceActiveFocus();
        keyClick(Qt.Key_Backtab);
        verify(day.activeFocus, "Backtab goes to the field before");
    }

    // A click on a box beside its fields goes to the note when it lands nearest the note, as a
    // click on the text does, and nowhere beside another field.
    function test_clicksBesideANote() {
        boxNote.legalText = "first line\nsecond line";
        phone.forceActiveFocus();
        mouseClick(box, box.width / 2, box.height - 2);
        verify(boxNote.textArea.activeFocus, "the frame below the note");
        compare(boxNote.textArea.selectedText, "");
        compare(boxNote.textArea.cursorPosition, boxNote.text.length, "at the nearest place: the end");
        phone.forceActiveFocus();
        mouseClick(box, 2, boxField.mapToItem(box, 0, boxField.height / 2).y);
        verify(phone.activeFocus, "beside another field nothing takes the focus");
        boxNote.textArea.forceActiveFocus(Qt.TabFocusReason);
        compare(boxNote.textArea.selectedText, boxNote.text, "focus that comes without a click selects all");
    }

    // A text of count lines, each of width characters of letter and a line feed after all but the last.
    function lines(count, width, letter) {
        var line = new Array(width + 1).join(letter);
        return new Array(count).fill(line).join("\n");
    }

    function test_longNotesStoredWholeShownBounded() {
        var toasts = QWIDGET_CREATOR.callsOf("toast").length;
        var notice = findChild(note, "cutNotice");
        var lineBound = Enums.ShownNoteLineLength;
        verify(!notice.visible);

        // A stored line longer than an area lays out stays whole and is no change; the area shows
        // its start, says so and takes no typing nor paste.
        var longLine = lines(1, lineBound + 1, "x") + "\nEND";
        note.legalText = longLine;
        compare(note.wholeText, longLine);
        verify(note.isCut && !note.modify);
        compare(note.text, lines(1, lineBound - 1, "x") + "\u2026");
        verify(note.textArea.readOnly);
        verify(notice.visible && notice.text.indexOf("Too long to edit here") === 0, notice.text);
        verify(notice.text.indexOf(Number(longLine.length).toLocaleString(Qt.locale(), "f", 0)) > 0, notice.text);
        note.textArea.forceActiveFocus();
        keyClick(Qt.Key_End, Qt.ControlModifier);
        keyClick(Qt.Key_A);
        keyClick(Qt.Key_Return, Qt.ShiftModifier);
        DESKTOP_UTILS.setClipboardText("pasted");
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(note.wholeText, longLine, "neither typing nor a paste changes it");
        verify(!note.modify);

        // Characters of two units count once, in the bounds as in the notice, and are cut whole.
        var pair = "\uD835\uDD38";
        var fitting = new Array(lineBound + 1).join(pair);
        note.legalText = fitting;
        verify(!note.isCut && !note.textArea.readOnly, "a line of as many characters as the bound, in twice the units");
        compare(note.text, fitting);
        var pairs = fitting + pair;
        note.legalText = pairs;
        compare(note.text, pairs.substring(0, 2 * (lineBound - 1)) + "\u2026", "no half of a pair");
        verify(notice.text.indexOf(Number(lineBound + 1).toLocaleString(Qt.locale(), "f", 0)) > 0, notice.text);

        // Typing stops at the bounds without a word: a full line takes no letter but a new line,
        // a full text nothing.
        note.legalText = lines(1, lineBound, "w");
        note.textArea.forceActiveFocus();
        keyClick(Qt.Key_End, Qt.ControlModifier);
        keyClick(Qt.Key_A);
        compare(note.text, lines(1, lineBound, "w"));
        keyClick(Qt.Key_Return, Qt.ShiftModifier);
        keyClick(Qt.Key_A);
        compare(note.text, lines(1, lineBound, "w") + "\na");
        var full = lines(Enums.ShownNoteLength / 100, 99, "v") + "\n";
        note.legalText = full;
        keyClick(Qt.Key_End, Qt.ControlModifier);
        keyClick(Qt.Key_A);
        keyClick(Qt.Key_Return, Qt.ShiftModifier);
        compare(note.text, full);
        compare(QWIDGET_CREATOR.callsOf("toast").length, toasts);

        // A paste that fits goes in whole; a longer one is cut to the bounds, and the operator told.
        var real = lines(100, 49, "z");
        note.legalText = "abc";
        keyClick(Qt.Key_End, Qt.ControlModifier);
        DESKTOP_UTILS.setClipboardText("\n" + real);
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(note.text, "abc\n" + real);
        compare(QWIDGET_CREATOR.callsOf("toast").length, toasts);
        note.legalText = "abc\ndef";
        note.textArea.cursorPosition = 4;
        DESKTOP_UTILS.setClipboardText(lines(2, lineBound, "p"));
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(note.text, "abc\n" + lines(1, lineBound, "p") + "\n" + lines(1, lineBound - 3, "p") + "def",
                "the last line leaves room for the rest of its line");
        verify(note.modify && !note.isCut && !note.textArea.readOnly && !notice.visible);
        var bounds = [Enums.ShownNoteLength, lineBound].map(function (bound) {
            return Number(bound).toLocaleString(Qt.locale(), "f", 0);
        });
        var notices = QWIDGET_CREATOR.callsOf("toast");
        compare(notices.length, toasts + 1);
        compare(notices[notices.length - 1][0], "The text was cut to %1 characters, %2 in a line".arg(bounds[0]).arg(bounds[1]));

        // A paste into a line already full adds nothing, and says so.
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(note.text, "abc\n" + lines(1, lineBound, "p") + "\n" + lines(1, lineBound - 3, "p") + "def");
        notices = QWIDGET_CREATOR.callsOf("toast");
        compare(notices.length, toasts + 2);
        compare(notices[notices.length - 1][0], "Nothing was added: the text holds at most %1 characters, %2 in a line"
                .arg(bounds[0]).arg(bounds[1]));

        // Room for one character takes one pair whole.
        note.legalText = lines(1, lineBound - 1, "w");
        keyClick(Qt.Key_End, Qt.ControlModifier);
        DESKTOP_UTILS.setClipboardText(pair + pair);
        keyClick(Qt.Key_V, Qt.ControlModifier);
        compare(note.text, lines(1, lineBound - 1, "w") + pair);
        note.legalText = "";
        while (GLOBAL.toastCount() > 0)
            GLOBAL.popToast();
    }

    function test_filterField() {
        filter.forceActiveFocus();
        keyClick(Qt.Key_K);
        keyClick(Qt.Key_Y);
        compare(filter.text, "ky");
        compare(fakeView.model.patterns, ["k", "ky"]);
        verify(!filter.modify, "a filter has no saved value to return to");
        keyClick(Qt.Key_Down);
        keyClick(Qt.Key_Down);
        keyClick(Qt.Key_Up);
        compare(fakeView.moves, 1);
        filter.ownSetFilterPattern = true;
        keyClick(Qt.Key_I);
        compare(fakeView.model.patterns.length, 2, "the page filters by itself");
        filter.ownSetFilterPattern = false;
    }

    function test_completer() {
        completer.legalCurrentId = "7";
        completer.legalText = "Kyiv";
        verify(!completer.modify);
        completer.forceActiveFocus();
        verify(completer.textField.activeFocus, "the field takes the focus");
        completer.textField.selectAll();
        keyClick(Qt.Key_L);
        verify(completer.tableWindow.visible, "typing opens the list");
        compare(completer.currentId, "1", "and forgets the chosen record");
        compare(typedSpy.count, 1);
        verify(completer.modify);
        keyClick(Qt.Key_Down);
        keyClick(Qt.Key_Down);
        compare(completer.currentRow, 1);
        keyClick(Qt.Key_Return);
        verify(!completer.tableWindow.visible);
        compare(completer.currentId, "9");
        compare(completer.text, "Lviv");
        verify(!completer.modify, "the chosen record is the value");
        compare(confirmedSpy.count, 1);
        keyClick(Qt.Key_X);
        keyClick(Qt.Key_Escape);
        verify(!completer.tableWindow.visible, "the first Escape closes the list");
        keyClick(Qt.Key_Escape);
        compare(completer.text, "Lviv", "the second takes back the typing");
        compare(completer.currentId, "9");
    }
}
