import QtQuick 2.15

// A shortcut of the kit: never repeats while the keys are held.
Shortcut {
    autoRepeat: false
}
