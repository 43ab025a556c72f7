import QtQuick 2.15
import ".."

// Who holds the record's lock, in red while it is somebody else.
Row {
    id: locked

    property string rst_id_user_locked
    readonly property string sign: {
        var users = typeof GLOBAL !== "undefined" && GLOBAL.user ? GLOBAL.user.originalModel : null;
        var found = users && rst_id_user_locked !== "" ? users.data("id", rst_id_user_locked, "sign") : undefined;
        return found === undefined || found === null || String(found) === "" ? qsTr("n/a") : String(found);
    }
    readonly property bool isOther: rst_id_user_locked !== ""
                                    && rst_id_user_locked !== String(USER_SESSION.rst_id_owner)

    spacing: 10

    LabelEx {
        text: qsTr("Locked by:")
    }

    LabelEx {
        objectName: "lockHolder"
        text: locked.sign
        color: locked.isOther ? "red" : GLOBAL.style.textColor
    }
}
