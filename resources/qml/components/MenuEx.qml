import "base"

// A menu of the kit (the table's column and filter menus).
MenuExBase {
}
