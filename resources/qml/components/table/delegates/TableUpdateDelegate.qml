// A cell of a record's last change time.
TableDateDelegate {
}
