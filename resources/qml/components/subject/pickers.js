// What the record pickers do with the window host: open a chooser page in a window of its own
// and open a record's editor. Imported per picker: reads GLOBAL and the page's frameItem.

function pageFrame() {
    return typeof frameItem !== "undefined" ? frameItem : null;
}

// Opens the table page at url as a chooser; onSelect gets what it hands back.
function openChooser(url, state, onSelect, options) {
    var properties = { "isWindow": true, "state": state, "parentItem": pageFrame(), "isNewInstance": true };
    for (var key in options)
        properties[key] = options[key];
    var chooser = GLOBAL.createQmlFrame(url, properties);
    if (chooser)
        chooser.select.connect(onSelect);
    return chooser;
}

// Opens the editor of the record, unless the id is the placeholder "1".
function openEditor(url, recordId, parentItem) {
    if (recordId === undefined || recordId === null || String(recordId) === "1" || String(recordId) === "")
        return null;
    var frame = pageFrame();
    return GLOBAL.createQmlFrame(url, { "id": String(recordId), "state": "EDIT", "parentItem": parentItem,
                                       "isWindow": frame ? frame.isWindow : true, "isNewInstance": true });
}

// The id a chooser hands back under key: in a map, or in the first map of a list.
function resultId(result, key) {
    var entry = Array.isArray(result) ? result[0] : result;
    if (!entry || entry[key] === undefined || entry[key] === null)
        return undefined;
    return String(entry[key]);
}
