import QtQuick 2.15

// An empty item one pixel wide that separates groups of tool buttons.
Item {
    width: 1
}
