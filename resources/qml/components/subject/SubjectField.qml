import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../text"

// The read-only name field of a record picker: F3 asks for the chooser, F2 for the record's
// editor.
TextFieldEx {
    signal browseRequested()
    signal editorRequested()

    Layout.fillWidth: true
    readOnly: true
    Keys.onPressed: {
        if (event.key === Qt.Key_F3)
            browseRequested();
        else if (event.key === Qt.Key_F2)
            editorRequested();
        else
            return;
        event.accepted = true;
    }
}
