// A cell of a record's creation time.
TableDateDelegate {
}
