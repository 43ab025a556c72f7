import ".."

// The record id column.
TableViewColumnEx {
    role: "id"
    width: 60
}
