.pragma library
// Moving the focus along the window's Tab order without the engine's own search, which can
// loop forever from inside a scrolled text.

function collect(item, into) {
    if (!item || !item.visible || !item.enabled)
        return into;
    if (item.activeFocusOnTab)
        into.push(item);
    var children = item.children;
    for (var i = 0; i < children.length; ++i)
        collect(children[i], into);
    return into;
}

// The item after (before, when forward is false) from among the Tab stops of root; from itself
// when it is the only one.
function next(root, from, forward) {
    var stops = collect(root, []);
    var index = -1;
    for (var i = 0; i < stops.length; ++i) {
        if (stops[i] === from)
            index = i;
    }
    if (stops.length === 0)
        return from;
    if (index < 0)
        return stops[forward ? 0 : stops.length - 1];
    return stops[(index + (forward ? 1 : stops.length - 1)) % stops.length];
}

// Whether the focus left item by itself: the program disabled or hid the item or one around it
// (a busy page, a field waiting for its data, a tab hidden), not a move to another field.
function leftByItself(item) {
    for (var around = item; around; around = around.parent) {
        if (!around.enabled || !around.visible)
            return true;
    }
    return false;
}

// Shows value in input (a text input or edit) as an answer does: while the field holds its
// scope's focus (focused), the same text keeps the cursor and the selection, and another one
// keeps the cursor's place (the end, when shorter) with nothing selected; a field without it
// shows its beginning.
function showValue(input, value, focused) {
    if (!focused) {
        if (input.text !== value)
            input.text = value;
        input.cursorPosition = 0;
        return;
    }
    if (input.text === value)
        return;
    var at = input.cursorPosition;
    input.text = value;
    input.deselect();
    input.cursorPosition = Math.min(at, input.length);
}
