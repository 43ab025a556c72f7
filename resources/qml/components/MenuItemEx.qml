import "base"

// An entry of the kit's menus.
MenuItemExBase {
}
