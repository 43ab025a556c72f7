import QtQuick 2.15
import "../base"

// The style of the kit's table view: the base colours with the kit's scroll bars.
TableViewExStyleBase {
    id: tableStyle

    handle: ScrollBarExHandle {
        isTransient: tableStyle.transientScrollBars
    }
    scrollBarBackground: ScrollBarExBackground {}
    corner: ScrollBarExCorner {}
    incrementControl: ScrollBarExIncrementControl {
        isTransient: tableStyle.transientScrollBars
    }
    decrementControl: ScrollBarExDecrementControl {
        isTransient: tableStyle.transientScrollBars
    }
}
