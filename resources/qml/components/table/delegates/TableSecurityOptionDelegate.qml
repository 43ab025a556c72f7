import QtQuick 2.15

// A cell of a security option's value: the tick for "1", a role list such as a "table_mapping"
// value as its text.
Item {
    readonly property string text: styleData.value === undefined || styleData.value === null
                                   ? "" : String(styleData.value)

    width: parent ? parent.width : 0
    height: parent ? parent.height : 0

    TableYesIconDelegate {
        anchors.fill: parent
    }

    TableBaseDelegate {
        anchors.fill: parent
        visible: parent.text.charAt(0) === "["
        horizontalAlignment: Text.AlignHCenter
    }
}
