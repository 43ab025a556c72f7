import QtQuick 2.15
import QtQuick.Controls 1.4
import "delegates"

// A column of the kit's table view: its cells are plain text unless the page picks a delegate.
TableViewColumn {
    // The view's rows make the cells (TableRow), not where Qt looks for them.
    function resizeToContents() {
        var widest = __view && __view.widestCell ? __view.widestCell(this) : 0;
        if (widest > 0)
            width = widest;
    }

    delegate: TableBaseDelegate {}
}
