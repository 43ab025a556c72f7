import QtQuick 2.15

// A cell of a multi-line text: its first line.
TableBaseDelegate {
    maximumLineCount: 1
    wrapMode: Text.NoWrap
}
