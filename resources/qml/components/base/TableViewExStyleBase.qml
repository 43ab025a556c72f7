import QtQuick 2.15
import QtQuick.Controls.Styles 1.4

// The style of the kit's table view: the Quick Controls 1 defaults.
TableViewStyle {
    property StyleHandler style: StyleHandler {}
}
