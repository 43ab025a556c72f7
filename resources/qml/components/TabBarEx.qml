import "base"

// The tab bar of the kit's tab view.
TabBarExBase {
}
