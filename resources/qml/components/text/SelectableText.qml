import QtQuick 2.15

// Read-only text that the mouse can select and copy.
TextEdit {
    textFormat: TextEdit.PlainText
    readOnly: true
    wrapMode: TextEdit.Wrap
    selectByMouse: true
}
