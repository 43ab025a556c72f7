// The values of an editor form's controls: what they send, what the operator edited, and putting
// either back over a stored record. The form hands its controls in.
.pragma library

function answerText(value) {
    return value === undefined || value === null ? "" : String(value);
}

function fieldsModified(list) {
    for (var i = 0; i < list.length; ++i) {
        if (list[i] && list[i].modify)
            return true;
    }
    return false;
}

// A check box goes out as "1"/"0", every other field as its whole text.
function fieldValue(control) {
    if (control.type === "checkBox")
        return control.checked ? "1" : "0";
    return control.wholeText !== undefined ? control.wholeText : control.text;
}

// Calls visit for every control below item, values without a control of their own (an item's
// resources) among them; visit returns false to leave the control's own children out.
function walk(item, visit) {
    var lists = [item.resources, item.children];
    for (var l = 0; l < lists.length; ++l) {
        var list = lists[l] || [];
        for (var i = 0; i < list.length; ++i) {
            if (visit(list[i]) !== false)
                walk(list[i], visit);
        }
    }
}

// The text input of a control: itself, or the one it wraps.
function textInputOf(control) {
    var inputs = [control, control.textArea, control.textField, control.input];
    return inputs.find(function (input) { return !!input && typeof input.cursorPosition === "number"; }) || null;
}

// What a control holds, to be put back over an answer: a text with its cursor and selection, or
// the value of its kind (null for a control made of others).
function heldValue(control) {
    var input = textInputOf(control);
    if (input)
        return { "input": input, "text": input.text, "cursor": input.cursorPosition,
                 "start": input.selectionStart, "end": input.selectionEnd };
    var name = ["checked", "currentIndex", "color", "value"].find(function (key) { return control[key] !== undefined; });
    return name ? { "control": control, "name": name, "value": control[name] } : null;
}

// The text fields whose value differs from what params held (what a save sent, or what the form
// held when Yes was answered) and from the stored one: typed since, with what they hold. One
// taken back to its stored value (Escape) holds nothing typed.
function typedSince(fields, params) {
    var typed = [];
    for (var i = 0; params && i < fields.length; ++i) {
        var sent = params[fields[i].objectName];
        if (sent !== undefined && fields[i].modify === true && textInputOf(fields[i]) && fieldValue(fields[i]) !== String(sent))
            typed.push(heldValue(fields[i]));
    }
    return typed;
}

// Every control below item that the operator edited (it differs from its stored value), with
// what it holds. A box that holds fields is edited apart from them.
function editedValues(item) {
    var edited = [];
    walk(item, function (control) {
        var held = control.modify === true && control.readOnly !== true ? heldValue(control) : null;
        if (held)
            edited.push(held);
        return !held || !!held.control;
    });
    return edited;
}

// What was typed (or set) stays where it was, over the stored value, which becomes the legal one.
function keepTyped(typed) {
    for (var i = 0; i < typed.length; ++i) {
        var kept = typed[i];
        if (kept.control) {
            kept.control[kept.name] = kept.value;
            continue;
        }
        kept.input.text = kept.text;
        if (kept.start !== kept.end)
            kept.input.select(kept.cursor === kept.start ? kept.end : kept.start, kept.cursor);
        else
            kept.input.cursorPosition = kept.cursor;
    }
}

// A stored text too long for its field is shown cut and never edited there: it stays out of the
// request, so that the server keeps it as it is.
function withoutCutTexts(params, item) {
    walk(item, function (control) {
        if (control.isCut === true)
            delete params[control.objectName];
    });
    return params;
}

// The stored value, shown whatever was typed over it.
function setFieldValue(control, value) {
    var valueText = answerText(value);
    if (typeof control.setLegalValue === "function")
        control.setLegalValue(valueText);
    else
        control.legalText = valueText;
}

// Every control below item shows its stored value: what was typed over a stored value that an
// answer left as it was goes too. Each control takes back its own kind of legal value. Nothing is
// typed over a read-only field, whose text may be bound (the id).
function showStoredValues(item) {
    var legalNames = ["legalText", "legalChecked", "legalCurrentIndex", "legalColor", "legalValue"];
    walk(item, function (control) {
        if (control.modify !== true || control.readOnly === true || typeof control.setLegalValue !== "function")
            return;
        var legalName = legalNames.find(function (name) { return control[name] !== undefined; });
        if (legalName)
            control.setLegalValue(control[legalName]);
    });
}
