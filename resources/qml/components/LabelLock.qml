import QtQuick 2.15
import "../js/fontawesome.js" as FontAwesome

// A caption that shows its help mark and a lock while the value is locked.
Row {
    id: row

    property string text
    property string help
    property bool lock: false

    spacing: 5

    LabelEx {
        id: caption

        text: row.text
    }

    LabelFormHelp {
        visible: row.lock
        help: row.help
    }

    LabelIcon {
        visible: row.lock
        leftPadding: 2
        glyph: FontAwesome.Lock
        bold: true
        font.pixelSize: Math.max(1, Math.floor(caption.font.pixelSize * 0.7))
        color: Qt.darker("white", 1.5)
    }
}
