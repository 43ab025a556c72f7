// Dates of the inputs: today on the server's clock at the user's offset, reading and writing
// "dd.MM.yy" texts, and calendar arithmetic. Imported per component: reads USER_SESSION and
// DESKTOP_UTILS.
.import "../../js/utils.js" as Utils

// The signed-in user's offset from UTC in minutes.
function offset() {
    var minutes = parseInt(USER_SESSION.utc_offset, 10);
    return isNaN(minutes) ? 0 : minutes;
}

// Now, in milliseconds since the epoch, on the clock kept in step with the server; the time of
// the session's opening only when the session has no clock.
function nowMsec() {
    if (typeof USER_SESSION.currentMSecsSinceEpoch === "function")
        return Number(USER_SESSION.currentMSecsSinceEpoch());
    return Number(USER_SESSION.utc_dt);
}

// Today's date at the user's offset in the format, such as "dd.MM.yy".
function today(format) {
    return DESKTOP_UTILS.utcmsec2LocalDateTime(nowMsec(), format, offset());
}

// A "dd.MM.yy" ("dd.MM.yyyy") text as a Date at local midnight; undefined when it names no date.
function parseDate(text, fourDigitYear) {
    var parts = String(text).split(".");
    if (parts.length !== 3)
        return undefined;
    var numbers = [];
    for (var i = 0; i < 3; ++i) {
        if (!/^\d+$/.test(parts[i]))
            return undefined;
        numbers.push(parseInt(parts[i], 10));
    }
    var year = fourDigitYear ? numbers[2] : numbers[2] + 2000;
    return Utils.createDate(year, numbers[1] - 1, numbers[0]);
}

// A day given by its numbers (month 1-12) as "dd.MM.yy" ("dd.MM.yyyy").
function formatDay(year, month, day, fourDigitYear) {
    var shownYear = fourDigitYear ? Utils.zeroFill(year, 4) : Utils.zeroFill(year % 100, 2);
    return Utils.zeroFill(day, 2) + "." + Utils.zeroFill(month, 2) + "." + shownYear;
}

function formatDate(date, fourDigitYear) {
    return formatDay(date.getFullYear(), date.getMonth() + 1, date.getDate(), fourDigitYear);
}

// Days and months are counted at noon, which every zone's clock passes; the result starts its day.
function addDays(date, days) {
    var noon = new Date(date.getFullYear(), date.getMonth(), date.getDate() + days, 12);
    return Utils.createDate(noon.getFullYear(), noon.getMonth(), noon.getDate());
}

// The date that many months later (earlier when negative): the same day, or the last day of a
// month that is too short for it (31.03 less one month is 29.02 or 28.02, never 03.03).
function addMonths(date, months) {
    var first = new Date(date.getFullYear(), date.getMonth() + months, 1, 12);
    var lastDay = new Date(first.getFullYear(), first.getMonth() + 1, 0, 12).getDate();
    return Utils.createDate(first.getFullYear(), first.getMonth(), Math.min(date.getDate(), lastDay));
}
