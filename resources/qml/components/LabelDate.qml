import QtQuick 2.15

// A time stamp (epoch milliseconds) in the signed-in user's offset, in the format when one is
// given; "n/a" for none.
LabelEx {
    property string value: "0"
    property string format

    text: value === "0" || value === "" ? qsTr("n/a")
                                        : DESKTOP_UTILS.utcmsecText2LocalDateTime(value, format, USER_SESSION.utc_offset)
}
