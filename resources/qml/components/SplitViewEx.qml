import QtQuick 2.15
import QtQuick.Controls 2.15
import "../js/fontawesome.js" as FontAwesome

// A split view whose handle is a small dotted grip.
SplitView {
    id: splitView

    handle: Item {
        implicitWidth: 10
        implicitHeight: 10

        LabelEx {
            anchors.centerIn: parent
            text: splitView.orientation === Qt.Vertical ? FontAwesome.Ellipsis_H : FontAwesome.Ellipsis_V
            font.family: "Font Awesome 6 Free"
            font.bold: true
        }
    }
}
