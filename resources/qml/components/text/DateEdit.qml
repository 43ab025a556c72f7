import QtQuick 2.15
import QtQuick.Window 2.15
import "../base"
import "../toolbuttons"
import "../../js/fontawesome.js" as FontAwesome
import "../../js/utils.js" as Utils
import "../../js/dialog.js" as Dialog
import "dates.js" as Dates
import "focuschain.js" as FocusChain

// A date "dd.MM.yy" ("dd.MM.yyyy" with fourDigitYear) in three cells and a button that opens the
// calendar below the day. An impossible date (31.02) is refused with "Invalid date" and text
// keeps the last valid one. It starts on today's date of the server's clock.
FocusScope {
    id: dateEdit

    property bool calendarEnable: true
    property alias day: dayCell
    property alias month: monthCell
    property alias year: yearCell
    property alias arrowButton: arrowButton
    property bool fourDigitYear: false
    property bool keepModify: true
    property string legalText: Dates.today(fourDigitYear ? "dd.MM.yyyy" : "dd.MM.yy")
    property string text
    readonly property bool modify: dayCell.modify || monthCell.modify || yearCell.modify
    property Item nextItem: null
    property bool readOnly: false
    // False while the three cells are filled one by one.
    property bool isDateInit: false
    readonly property bool activeFocusGroup: dayCell.input.activeFocus || monthCell.input.activeFocus
                                             || yearCell.input.activeFocus
    property var calendar: null

    signal changeFinished()

    // The year, month (1-12) and day that the cells show.
    function shownDay() {
        var year = parseInt(yearCell.text, 10);
        return [fourDigitYear ? year : year + 2000, parseInt(monthCell.text, 10), parseInt(dayCell.text, 10)];
    }

    function parseDate() {
        var day = shownDay();
        return Utils.createDate(day[0], day[1] - 1, day[2]);
    }

    function updateFormatedText() {
        if (!isDateInit)
            return false;
        if (!parseDate()) {
            Dialog.error(qsTr("Invalid date"));
            return false;
        }
        text = dayCell.text + "." + monthCell.text + "." + yearCell.text;
        return true;
    }

    function updateLegalText() {
        dayCell.legalText = dayCell.text;
        monthCell.legalText = monthCell.text;
        yearCell.legalText = yearCell.text;
    }

    // The saved date, shown whole whatever was typed over it. The cells show their legal numbers
    // before the date is spread over them, so that none typed over makes an impossible date.
    function setLegalValue(value) {
        dayCell.showLegal();
        monthCell.showLegal();
        yearCell.showLegal();
        if (legalText === value)
            legalTextChanged();
        else
            legalText = value;
    }

    function finishChanging() {
        if (!modify || !updateFormatedText())
            return;
        changeFinished();
        if (!keepModify)
            updateLegalText();
    }

    function confirm() {
        if (updateFormatedText() && !keepModify) {
            updateLegalText();
            changeFinished();
        }
    }

    function showCells(texts) {
        dayCell.input.newText = texts[0];
        monthCell.input.newText = texts[1];
        yearCell.input.newText = texts[2];
        updateFormatedText();
    }

    function openCalendar() {
        if (calendar)
            return;
        var owner = typeof frameItem !== "undefined" && frameItem ? frameItem.parentWindow : null;
        // It closes by itself, handing this input nothing, when the input or its window goes.
        calendar = QWIDGET_CREATOR.calendar(owner, dateEdit);
        if (!calendar)
            return;
        // A dismissed calendar leaves the date as it was shown, unsaved change included.
        var shown = [dayCell.text, monthCell.text, yearCell.text];
        // The day crosses as its numbers: a Date would cross at a midnight that some zones skip.
        var day = shownDay();
        calendar.setSelectedDay(day[0], day[1], day[2]);
        // On the screen: a page in a tab is a window inside the main window.
        var position = dayCell.mapToGlobal(0, 0);
        calendar.pos = Qt.point(position.x, position.y + 25);
        calendar.selectedDayChanged.connect(function (year, month, day) {
            showCells(Dates.formatDay(year, month, day, fourDigitYear).split("."));
        });
        calendar.accepted.connect(function () {
            // Leaving the cells finishes the change by itself.
            var leavesCells = activeFocusGroup && nextItem;
            if (nextItem)
                nextItem.forceActiveFocus();
            if (!leavesCells)
                finishChanging();
        });
        calendar.rejected.connect(function () {
            showCells(shown);
            dateEdit.forceActiveFocus();
        });
    }

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight
    onLegalTextChanged: {
        var parts = legalText.split(".");
        isDateInit = false;
        dayCell.legalText = parts.length > 0 ? parts[0] : "";
        monthCell.legalText = parts.length > 1 ? parts[1] : "";
        var year = parts.length > 2 ? parts[2] : "";
        yearCell.legalText = fourDigitYear ? year : year.slice(-2);
        isDateInit = true;
        updateFormatedText();
    }
    // The date is taken when the operator leaves its cells, not when they lose the focus by
    // themselves (the window away, the page dimmed or hidden): no box says it is impossible then.
    onActiveFocusGroupChanged: {
        if (!activeFocusGroup && Window.contentItem && Window.contentItem.activeFocus && !FocusChain.leftByItself(dateEdit))
            finishChanging();
    }
    Component.onCompleted: legalTextChanged()

    Row {
        id: row

        spacing: 0

        TimeDigit {
            id: dayCell

            bottomLimit: 1
            topLimit: 31
            readOnly: dateEdit.readOnly
            input.focus: true
            tabItem: monthCell.input
            onRightJump: monthCell.input.forceActiveFocus()
            onLeftJump: arrowButton.forceActiveFocus()
            onKeyF3Pressed: arrowButton.clicked()
            onDataConfirmed: dateEdit.confirm()
        }

        TextInputBase {
            text: "."
            readOnly: true
            activeFocusOnTab: false
            activeFocusOnPress: false
        }

        TimeDigit {
            id: monthCell

            bottomLimit: 1
            topLimit: 12
            readOnly: dateEdit.readOnly
            tabItem: yearCell.input
            backtabItem: dayCell.input
            onRightJump: yearCell.input.forceActiveFocus()
            onLeftJump: dayCell.input.forceActiveFocus()
            onKeyF3Pressed: arrowButton.clicked()
            onDataConfirmed: dateEdit.confirm()
        }

        TextInputBase {
            text: "."
            readOnly: true
            activeFocusOnTab: false
            activeFocusOnPress: false
        }

        TimeDigit {
            id: yearCell

            topLimit: dateEdit.fourDigitYear ? 9999 : 99
            readOnly: dateEdit.readOnly
            tabItem: arrowButton.visible ? arrowButton : dateEdit.nextItem
            backtabItem: monthCell.input
            onRightJump: arrowButton.forceActiveFocus()
            onLeftJump: monthCell.input.forceActiveFocus()
            onKeyF3Pressed: arrowButton.clicked()
            onDataConfirmed: dateEdit.confirm()
        }

        ToolButtonBase {
            id: arrowButton

            width: 15
            height: dayCell.height
            visible: dateEdit.calendarEnable
            enabled: !dateEdit.readOnly
            fontIcon: FontAwesome.CaretDown
            fontBold: true
            focusPolicy: Qt.StrongFocus
            onClicked: dateEdit.openCalendar()
            Keys.onDownPressed: clicked()
            Keys.onLeftPressed: yearCell.input.forceActiveFocus()
            Keys.onRightPressed: dayCell.input.forceActiveFocus()
            Keys.onTabPressed: {
                if (dateEdit.nextItem)
                    dateEdit.nextItem.forceActiveFocus();
                else
                    event.accepted = false;
            }
            Keys.onBacktabPressed: yearCell.input.forceActiveFocus()
        }
    }
}
