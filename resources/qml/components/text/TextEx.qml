import QtQuick 2.15

// The text of table cells: monospace, elided at the right, drawn as it is (server data).
Text {
    textFormat: Text.PlainText
    font.family: "monospace"
    elide: Text.ElideRight
}
