import QtQuick 2.15
import ".."
import "../delegates"

// An order's feed time plus its offset in seconds ("fto"), at the order's own offset from UTC
// ("zn_feed_time"), with that offset named when it differs from the company's; relative to the
// operator's day (today), and drawn anew when that day ends.
TableViewColumnEx {
    role: "dt_feed_time"
    width: 90
    delegate: TableBaseDelegate {
        // today: the operator's date, passed for the binding to follow.
        function feedText(row, today) {
            if (!row || row.dt_feed_time === undefined || row.dt_feed_time === null || String(row.dt_feed_time) === "")
                return "";
            var offset = Number(row.zn_feed_time);
            var moment = Number(row.dt_feed_time) + Number(row.fto || 0) * 1000;
            var text = DESKTOP_UTILS.utcmsecText2LocalDateTime(String(moment), "", offset);
            if (row.utc_offset !== undefined && Number(row.utc_offset) !== offset)
                text += " [UTC" + DESKTOP_UTILS.offset2Format(offset) + "]";
            return text;
        }

        value: feedText(model, DESKTOP_UTILS.today)
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideLeft
    }
}
