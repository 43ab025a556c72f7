import QtQuick 2.15
import QtQuick.Controls 1.4
import "delegates"

// A column of the kit's table view: its cells are plain text unless the page picks a delegate.
TableViewColumn {
    delegate: TableBaseDelegate {}
}
