import QtQuick 2.15
import QtQuick.Controls 2.15
import "../base"

// One section of the table header: the title centred on a dark ground (in two lines at most, a
// longer title cut at its end and shown whole in a tool tip), the sort arrow on the sorted
// column, and the column menu on a right click. The view makes two per column (the
// second follows the pointer while a column is dragged, hidden otherwise); a section draws only
// while it is visible and its column lies within the view's visible width.
Item {
    id: section

    // The table view the header belongs to.
    property var tableView

    implicitHeight: 38
    height: 38

    Loader {
        anchors.fill: parent
        // The filler right of the last column has no column (-1).
        active: section.visible && (styleData.column < 0 || !section.tableView
                                    || (styleData.column >= section.tableView.shownColumns.first
                                        && styleData.column <= section.tableView.shownColumns.last))

        sourceComponent: Rectangle {
            id: ground

            readonly property bool sorted: !!section.tableView && section.tableView.sortIndicatorVisible
                                           && section.tableView.sortIndicatorColumn === styleData.column

            color: "#111"

            Rectangle {
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                anchors.topMargin: 1
                anchors.bottomMargin: 1
                width: 1
                color: "gray"
            }

            Text {
                id: title

                // Whether every word of the title fits the section's width.
                readonly property bool wordsFit: {
                    var words = String(text).split(/\s+/);
                    for (var i = 0; i < words.length; ++i) {
                        if (metrics.advanceWidth(words[i]) > width)
                            return false;
                    }
                    return true;
                }

                objectName: "headerTitle"
                anchors.fill: parent
                anchors.leftMargin: 3
                anchors.rightMargin: ground.sorted ? arrow.width + arrow.anchors.rightMargin + 2 : 3
                text: styleData.value
                textFormat: Text.PlainText
                color: GLOBAL.style.textColor
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                // A word longer than the section would be drawn past both its edges: then one line,
                // cut at its end.
                wrapMode: wordsFit ? Text.WordWrap : Text.NoWrap
                maximumLineCount: 2
                elide: Text.ElideRight
                clip: true
                renderType: Text.NativeRendering

                FontMetrics {
                    id: metrics

                    font: title.font
                }
            }

            Image {
                id: arrow

                objectName: "sortArrow"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                visible: ground.sorted
                source: !ground.sorted ? "" : section.tableView.sortIndicatorOrder === Qt.AscendingOrder
                                               ? GLOBAL.style.arrowUp : GLOBAL.style.arrowDown
            }

            // The view's own header mouse area takes the hover: its containsMouse shows the tip.
            Loader {
                active: title.truncated

                sourceComponent: ToolTipExBase {
                    objectName: "headerTooltip"
                    parent: title
                    visible: styleData.containsMouse
                    delay: 1000
                    text: title.text
                }
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.RightButton
                onPressed: {
                    var table = section.tableView ? section.tableView.table : null;
                    if (table && table.openColumnMenu)
                        table.openColumnMenu(section);
                }
            }
        }
    }
}
