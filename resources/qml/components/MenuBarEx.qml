import "base"

// A menu bar of the kit.
MenuBarExBase {
}
