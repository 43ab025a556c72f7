import QtQuick 2.15
import ".."
import "../delegates"
import "../../../js/utils.js" as Utils

// An offset in seconds as "hh:mm".
TableViewColumnEx {
    role: "feed_time_offset"
    width: 80
    delegate: TableBaseDelegate {
        value: styleData.value === undefined || styleData.value === null ? "" : Utils.formatHHMM(styleData.value)
    }
}
