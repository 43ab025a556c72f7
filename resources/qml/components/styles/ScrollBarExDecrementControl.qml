import QtQuick 2.15

// The arrow button at the start of a table's scroll bar.
ScrollBarExStepControl {
    arrow: styleData.horizontal ? GLOBAL.style.arrowLeft : GLOBAL.style.arrowUp
}
