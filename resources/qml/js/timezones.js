.pragma library
// Offsets from UTC in minutes and their labels. Besides the whole hours from -14 to +14 the
// table holds the offsets in use that are not whole hours (India +05:30, Nepal +05:45, ...).
// Keys that are array indices (0 and up) enumerate first, in ascending order, then the
// negative ones in the order they were added.

var wholeHours = [];
for (var h = -14; h <= 14; ++h)
    wholeHours.push(h * 60);

var partHours = [-570, -210, -150, 210, 270, 330, 345, 390, 525, 570, 630, 765, 825];

// "UTC0", "UTC+05", "UTC-03:30": the label of any offset in minutes.
function label(minutes) {
    var value = Math.round(Number(minutes));
    if (value === 0)
        return "UTC0";
    var sign = value < 0 ? "-" : "+";
    var abs = Math.abs(value);
    var hours = Math.floor(abs / 60);
    var rest = abs % 60;
    var text = "UTC" + sign + (hours < 10 ? "0" : "") + hours;
    if (rest !== 0)
        text += ":" + (rest < 10 ? "0" : "") + rest;
    return text;
}

var TZ = (function () {
    var all = wholeHours.concat(partHours).sort(function (a, b) { return a - b; });
    var table = {};
    for (var i = 0; i < all.length; ++i)
        table[String(all[i])] = label(all[i]);
    return table;
})();

// Keys as text: "007" or " 60" are not offsets of the table.
function key(value) {
    var text = String(value).trim();
    if (!/^[-+]?\d+$/.test(text))
        return undefined;
    return String(parseInt(text, 10));
}

function getByMinutes(value) {
    var k = key(value);
    return k !== undefined && TZ.hasOwnProperty(k) ? TZ[k] : undefined;
}

function getByUTC(text) {
    for (var k in TZ) {
        if (TZ[k] === text)
            return k;
    }
    return undefined;
}
