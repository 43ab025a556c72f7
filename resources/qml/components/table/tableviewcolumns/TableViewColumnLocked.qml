import ".."
import "../delegates"

// The column of the user who holds a record's lock.
TableViewColumnEx {
    role: "rst_id_user_locked"
    width: 90
    delegate: TableUserLockedDelegate {}
}
