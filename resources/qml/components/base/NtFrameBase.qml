import QtQuick 2.15

// Root of the page frame: the page's background and text colours.
FocusScope {
    property StyleHandler style: StyleHandler {}
    property color backgroundColor: style.innerBackground !== undefined ? style.innerBackground : "white"
    property color foregroundColor: style.innerForeground !== undefined ? style.innerForeground : "black"
}
