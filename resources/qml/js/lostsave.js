// What a record stored on the server says about a save whose answer was lost: whether it holds
// the values that were sent, and whether that send stored it.
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

// "id" and the protocol's keys are not values.
function isValueKey(key) {
    return key !== "id" && key !== key.toUpperCase();
}

// Whether the row holds every sent value it has a column for.
function matches(row, params) {
    for (var key in params) {
        if (!isValueKey(key) || !(key in row))
            continue;
        if (!sameValue(row[key], params[key]))
            return false;
    }
    return true;
}

// How a record read back stands to the sent values: "same" when it holds each of them,
// "different" when it holds another value for one, "unknown" when it holds the others but lacks
// one (a credential the server does not show).
function compare(record, params) {
    var outcome = "same";
    for (var key in params) {
        if (!isValueKey(key))
            continue;
        if (!(key in record))
            outcome = "unknown";
        else if (!sameValue(record[key], params[key]))
            return "different";
    }
    return outcome;
}

// Whether a record found was stored by this send: an insert push since the send named its
// author; otherwise it was stored at or after the send (the server's clock) by this user, where
// the record names its creator.
function isTied(row, edit, serverSentAt, userId) {
    var announced = edit["announced"] || {};
    var id = text(row["id"]);
    if (id in announced)
        return text(announced[id]) === text(userId);
    if ("rst_id_user_created" in row && text(row["rst_id_user_created"]) !== text(userId))
        return false;
    return text(row["dt_utc_insert"]) !== "" && Number(row["dt_utc_insert"]) >= serverSentAt;
}

// The rows that hold the sent values and were stored by this send.
function stored(rows, edit, serverSentAt, userId) {
    var found = [];
    for (var i = 0; i < rows.length; ++i) {
        if (matches(rows[i], edit["params"]) && isTied(rows[i], edit, serverSentAt, userId))
            found.push(rows[i]);
    }
    return found;
}
