import ".."
import "../delegates"

// The record's last change time.
TableViewColumnEx {
    role: "dt_utc_last_update"
    width: 120
    delegate: TableUpdateDelegate {}
}
