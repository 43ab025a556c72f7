import QtQuick 2.15

// A cell of a record's lock: the lock and the sign of the user who holds it; nothing while the
// record is free ("1").
Row {
    id: cell

    readonly property string holder: styleData.value === undefined || styleData.value === null
                                     ? "" : String(styleData.value)
    readonly property bool locked: holder !== "" && holder !== "1"

    function holderSign() {
        var users = typeof GLOBAL !== "undefined" && GLOBAL.user ? GLOBAL.user.originalModel : null;
        var sign = users ? users.data("id", holder, "sign") : undefined;
        return sign === undefined || sign === null || String(sign) === "" ? qsTr("n/a") : String(sign);
    }

    height: parent ? parent.height : 0
    spacing: 3

    Image {
        visible: cell.locked
        width: cell.height
        height: cell.height
        source: cell.locked ? "qrc:/images/locked.png" : ""
        fillMode: Image.PreserveAspectFit
        asynchronous: false
    }

    TableBaseDelegate {
        visible: cell.locked
        resizeToParent: false
        height: cell.height
        value: cell.locked ? cell.holderSign() : ""
    }
}
