import QtQuick 2.15

// The text of table cells: monospace, elided at the right.
Text {
    font.family: "monospace"
    elide: Text.ElideRight
}
