import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import ".."

// Root of the page frame: the page's background and text colours, the Material theme's unless
// the style sets them.
FocusScope {
    property StyleHandler style: StyleHandler {}
    property color backgroundColor: style.innerBackground !== undefined ? style.innerBackground
                                                                       : Material.background
    property color foregroundColor: style.innerForeground !== undefined ? style.innerForeground
                                                                       : Material.foreground

    Material.accent: style.innerAccent
    Material.foreground: style.innerForeground
    Material.background: style.innerBackground
}
