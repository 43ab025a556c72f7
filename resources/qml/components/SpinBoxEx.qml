import "base"

// The kit's spin box (the amount of copies of the editor's duplicate bar).
SpinBoxExBase {
}
