import QtQuick 2.15
import "base"

// A tab of the kit's tab view; its last child is the tab's page. Takes no focus; its tab bar
// makes it as wide as its title at least.
TabButtonExBase {
    focusPolicy: Qt.NoFocus
}
