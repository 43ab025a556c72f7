import ".."
import "../delegates"

// The record's creation time.
TableViewColumnEx {
    role: "dt_utc_insert"
    width: 120
    delegate: TableInsertDelegate {}
}
