import QtQuick 2.15

// A time stamp (epoch milliseconds) in the signed-in user's offset; "n/a" for "0".
LabelEx {
    property string value: "0"

    text: value === "0" || value === "" ? qsTr("n/a")
                                        : DESKTOP_UTILS.utcmsecText2LocalDateTime(value, "", USER_SESSION.utc_offset)
}
