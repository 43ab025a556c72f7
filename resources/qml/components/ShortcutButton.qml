import QtQuick 2.15

// A checkable button with a keyboard shortcut shown in its text. A click on a button that was
// already checked unchecks it, also inside an exclusive group.
ButtonEx {
    id: button

    property string name
    property var shortcut
    property alias shortcutControl: shortcutControl
    property bool isShortcutShow: true
    property bool isShortcutActive: true
    property string settingsName
    property bool alreadyChecked: false

    checkable: true
    activeFocusOnPress: false
    focusPolicy: Qt.NoFocus
    text: name + (isShortcutShow && shortcutControl.nativeText !== ""
                  ? " (" + shortcutControl.nativeText + ")" : "")
    tooltip: shortcutControl.nativeText
    onPressed: alreadyChecked = checked
    onClicked: {
        if (alreadyChecked && checkable)
            checked = false;
        alreadyChecked = checked;
    }

    ShortcutEx {
        id: shortcutControl

        sequence: button.shortcut !== undefined ? button.shortcut : ""
        enabled: button.visible && button.enabled && button.isShortcutActive && sequence !== ""
        onActivated: {
            if (button.checkable)
                button.checked = !button.checked;
            else
                button.clicked();
        }
    }
}
