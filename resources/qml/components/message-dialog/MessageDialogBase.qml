import QtQuick 2.15
import QtQuick.Dialogs 1.2

// The message dialog of the page scripts: opens itself once created, hands the keys back to the
// window it is about when it goes (no window manager may be there to do it), and then destroys
// itself.
MessageDialog {
    id: dialog

    // The window the dialog is about: a frame's window or the main window (dialog.js).
    property var parentItem: null

    // Raised and activated while it is shown: it may have gone first, with its page.
    function activateParent() {
        var window = parentItem;
        if (!window || typeof window.requestActivate !== "function" || window.visible === false)
            return;
        if (typeof window.raise === "function")
            window.raise();
        window.requestActivate();
    }

    modality: Qt.ApplicationModal
    onVisibleChanged: {
        if (visible)
            return;
        activateParent();
        dialog.destroy();
    }
    Component.onCompleted: open()
}
