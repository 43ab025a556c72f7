import QtQuick 2.15
import QtQuick.Controls 2.15
import "../js/fontawesome.js" as FontAwesome

// A split view whose handle is a small dotted grip.
SplitView {
    id: splitView

    handle: Item {
        implicitWidth: 10
        implicitHeight: 10

        LabelIcon {
            anchors.centerIn: parent
            glyph: splitView.orientation === Qt.Vertical ? FontAwesome.Ellipsis_H : FontAwesome.Ellipsis_V
            bold: true
        }
    }
}
