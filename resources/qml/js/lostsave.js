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

// Whose a record found is: "this" send's, "other" (not this send's) or "unknown". An insert
// push received since the send names its author. Otherwise a record that names its creator is
// this send's when this user stored it since the send; one that names none only when it was
// stored between the send and the last message received before the loss, so that another
// author's insert would have been pushed before it (sentAt and aliveUntil on the server's clock;
// aliveUntil NaN when not known). Stored later, when no push was known to come, whose it is
// cannot be told: a connection that dies silently is found lost long after.
function whose(row, edit, sentAt, aliveUntil, userId) {
    var announced = edit["announced"] || {};
    var id = text(row["id"]);
    if (id in announced)
        return text(announced[id]) === text(userId) ? "this" : "other";
    var stored = text(row["dt_utc_insert"]) === "" ? NaN : Number(row["dt_utc_insert"]);
    if (!(stored >= sentAt))
        return "other";
    if ("rst_id_user_created" in row)
        return text(row["rst_id_user_created"]) === text(userId) ? "this" : "other";
    return stored <= aliveUntil ? "this" : "unknown";
}

// The rows that hold the sent values: "stored", those this send stored, and "unknown", those
// whose author cannot be told.
function stored(rows, edit, sentAt, aliveUntil, userId) {
    var found = { "stored": [], "unknown": [] };
    for (var i = 0; i < rows.length; ++i) {
        if (!matches(rows[i], edit["params"]))
            continue;
        var author = whose(rows[i], edit, sentAt, aliveUntil, userId);
        if (author === "this")
            found["stored"].push(rows[i]);
        else if (author === "unknown")
            found["unknown"].push(rows[i]);
    }
    return found;
}
