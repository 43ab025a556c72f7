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

// Whether record is base as it was stored: the same stamp and the same values (a lock is taken
// without a store). Nothing was stored over it since (false where base is not known).
function sameRecord(record, base) {
    if (!record || !base || text(record["dt_utc_last_update"]) === "")
        return false;
    var keys = Object.keys(record).concat(Object.keys(base));
    for (var i = 0; i < keys.length; ++i) {
        if (keys[i] !== "rst_id_user_locked" && isValueKey(keys[i]) && text(record[keys[i]]) !== text(base[keys[i]]))
            return false;
    }
    return true;
}

// Whose a record found is: "this" send's, "other" (not this send's) or "unknown". An insert
// push received since the send names its author. A record stamped before the newest stamp the
// program held at the send (seenStamp; NaN when none), or held then, was stored before the send.
// Otherwise one
// stamped later that names this user as its creator is this send's; one that names no creator cannot be told
// apart from another author's, whose push may have gone with the connection. No stamp is
// compared with a clock: the platform's clocks drift apart.
function whose(row, edit, seenStamp, userId) {
    var announced = edit["announced"] || {};
    var id = text(row["id"]);
    if (id in announced)
        return text(announced[id]) === text(userId) ? "this" : "other";
    var stored = text(row["dt_utc_insert"]) === "" ? NaN : Number(row["dt_utc_insert"]);
    if (stored < seenStamp || (stored === seenStamp && (edit["seenIds"] || []).indexOf(id) >= 0))
        return "other";
    if ("rst_id_user_created" in row && text(row["rst_id_user_created"]) !== text(userId))
        return "other";
    // Stamped as the newest record held, it may be that one.
    return "rst_id_user_created" in row && stored > seenStamp ? "this" : "unknown";
}

// The rows that hold the sent values: "stored", those this send stored, and "unknown", those
// whose author cannot be told.
function stored(rows, edit, seenStamp, userId) {
    var found = { "stored": [], "unknown": [] };
    for (var i = 0; i < rows.length; ++i) {
        if (!matches(rows[i], edit["params"]))
            continue;
        var author = whose(rows[i], edit, seenStamp, userId);
        if (author === "this")
            found["stored"].push(rows[i]);
        else if (author === "unknown")
            found["unknown"].push(rows[i]);
    }
    return found;
}
