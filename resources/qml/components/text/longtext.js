.pragma library
// Texts longer than an input lays out: counting their characters, and cutting between whole
// characters. Each costs one pass over the text.

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
