import QtQuick 2.15
import "../base"

// A row of the list variant: the current row in the selection colour, odd rows faintly lit; a
// click makes it current, a double click opens it.
TableListViewRowBase {
    id: row

    property var view: ListView.view
    property var controller: view ? view.controller : null
    readonly property bool isCurrent: view ? view.currentIndex === index : false
    property color textColor: isCurrent ? highlightedTextColor : GLOBAL.style.textColor
    property bool isSelectable: true
    property bool interleave: true

    background: Rectangle {
        color: row.isCurrent ? GLOBAL.style.tableSelectedRowColor
                             : (row.interleave && index % 2 === 1 ? "#11ffffff" : "transparent")
    }
    contentItem: Text {
        text: model.id === undefined ? "" : String(model.id)
        textFormat: Text.PlainText
        color: row.textColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    MouseArea {
        anchors.fill: parent
        enabled: row.isSelectable
        onClicked: row.view.clicked(index)
        onDoubleClicked: row.view.doubleClicked(index)
    }
}
