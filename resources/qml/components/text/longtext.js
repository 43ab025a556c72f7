.pragma library
// Texts longer than an input lays out: counting their characters, and finding the start of a text
// that keeps within a bound, cut between whole characters. Each costs one pass over the text.

// Characters (code points) of a text: a pair of surrogates counts once.
function characterCount(value) {
    return value.length - (value.length - value.replace(/[\uD800-\uDBFF][\uDC00-\uDFFF]/g, "").length) / 2;
}

// The count of characters in the number format of the interface language.
function countText(value) {
    return Number(characterCount(value)).toLocaleString(Qt.locale(), "f", 0);
}

// end, or one less where the unit before it opens a surrogate pair: a cut there keeps whole
// characters.
function wholeEnd(value, end) {
    if (end <= 0)
        return 0;
    if (end >= value.length)
        return value.length;
    var last = value.charCodeAt(end - 1);
    return last >= 0xD800 && last <= 0xDBFF ? end - 1 : end;
}

// The length of the longest start of value that holds at most length units in all and at most
// lineLength in each of its lines; value.length when the whole of it does.
function fittingEnd(value, length, lineLength) {
    var end = Math.min(value.length, length);
    for (var start = 0; start <= end;) {
        var newline = value.indexOf("\n", start);
        var lineEnd = newline < 0 ? value.length : newline;
        if (lineEnd - start > lineLength)
            return Math.min(end, start + lineLength);
        if (newline < 0)
            break;
        start = newline + 1;
    }
    return end;
}

// The longest start of inserted that before + it + after keeps within the bounds of fittingEnd,
// cut between whole characters. Its last line joins the first line of after.
function fittingInsert(before, inserted, after, length, lineLength) {
    var afterNewline = after.indexOf("\n");
    var tail = afterNewline < 0 ? after.length : afterNewline;
    var line = before.length - before.lastIndexOf("\n") - 1;
    var end = Math.max(0, Math.min(inserted.length, length - before.length - after.length));
    for (var start = 0;;) {
        var newline = inserted.indexOf("\n", start);
        if (newline < 0 || newline >= end) {
            end = Math.min(end, start + Math.max(0, lineLength - line - tail));
            break;
        }
        if (line + newline - start > lineLength) {
            end = start + Math.max(0, lineLength - line - tail);
            break;
        }
        line = 0;
        start = newline + 1;
    }
    return inserted.substring(0, wholeEnd(inserted, end));
}
