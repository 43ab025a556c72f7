import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import ".."

// A GroupBox of the kit with Material colours; it has no size of its own.
GroupBox {
    property StyleHandler style: StyleHandler {}

    Material.accent: style.innerAccent
    Material.foreground: style.innerForeground
    Material.background: style.innerBackground
}
