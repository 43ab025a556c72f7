import QtQuick 2.15

// The arrow button at the end of a table's scroll bar.
ScrollBarExStepControl {
    arrow: styleData.horizontal ? GLOBAL.style.arrowRight : GLOBAL.style.arrowDown
}
