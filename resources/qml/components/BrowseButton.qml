import QtQuick 2.15

// The "..." button of the record pickers; reachable by Tab.
ShortcutButton {
    property var errorCode: []

    text: "..."
    checkable: false
    focusPolicy: Qt.TabFocus
    Component.onCompleted: {
        if (contentItem && contentItem.contentWidth !== undefined && contentItem.contentWidth < 25)
            implicitWidth = 30;
    }
}
