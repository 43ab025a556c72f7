import QtQuick 2.15

// A cell with its text centred, cut short in the middle.
TableBaseDelegate {
    horizontalAlignment: Text.AlignHCenter
    elide: Text.ElideMiddle
}
