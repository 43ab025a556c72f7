import QtQuick 2.15
import QtQuick.Controls.Styles 1.4
import QtQuick.Controls.Material 2.15
import ".."

// The style of the kit's table view in the Material theme's colours; selected rows take the
// shell's selection colour and alternate rows a lighter background.
TableViewStyle {
    id: root

    property StyleHandler style: StyleHandler {}

    backgroundColor: style.innerBackground !== undefined ? style.innerBackground : control.Material.background
    alternateBackgroundColor: Qt.lighter(control.Material.background, 1.1)
    textColor: GLOBAL.style.textColor
    highlightedTextColor: style.innerAccent !== undefined ? style.innerAccent : control.Material.accent
    rowDelegate: Rectangle {
        visible: styleData.selected || styleData.alternate
        color: styleData.selected ? GLOBAL.style.tableSelectedRowColor : Qt.lighter(root.backgroundColor, 1.1)
        height: root.style.screenHeight * 0.015 * root.style.innerScaleHeight
    }
}
