// What a record stored on the server says about a save whose answer was lost: whether it holds
// the values that were sent.
.pragma library

function text(value) {
    return value === undefined || value === null ? "" : String(value);
}

// The same value as the server writes it back: the same text, or the same number.
function sameValue(stored, sent) {
    var storedText = text(stored);
    var sentText = text(sent);
    if (storedText === sentText)
        return true;
    if (storedText.trim() === "" || sentText.trim() === "")
        return false;
    var storedNumber = Number(storedText);
    var sentNumber = Number(sentText);
    return !isNaN(storedNumber) && !isNaN(sentNumber) && storedNumber === sentNumber;
}

// Whether the row holds every sent value it has a column for; "id" and the protocol's keys are
// not values.
function matches(row, params) {
    for (var key in params) {
        if (key === "id" || key === key.toUpperCase() || !(key in row))
            continue;
        if (!sameValue(row[key], params[key]))
            return false;
    }
    return true;
}

function matching(rows, params) {
    var found = [];
    for (var i = 0; i < rows.length; ++i) {
        if (matches(rows[i], params))
            found.push(rows[i]);
    }
    return found;
}
