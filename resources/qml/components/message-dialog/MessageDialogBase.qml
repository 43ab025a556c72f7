import QtQuick 2.15
import QtQuick.Dialogs 1.2

// The message dialog of the page scripts: opens itself once created, hands the keys back to the
// window it is about when it goes (no window manager may be there to do it), and then destroys
// itself.
MessageDialog {
    id: dialog

    // What the dialog is about: a frame's window or the main window (dialog.js), or an item, whose
    // window is meant.
    property var parentItem: null

    // The keys and the top go to the youngest box still open over the window, else to the window
    // while it is shown: it may have gone first, with its page.
    function activateParent() {
        if (parentItem)
            QWIDGET_CREATOR.activateOwner(parentItem);
    }

    modality: Qt.ApplicationModal
    onVisibleChanged: {
        if (visible)
            return;
        activateParent();
        dialog.destroy();
    }
    // Its window sits over the window it is about, among that window's boxes.
    Component.onCompleted: QWIDGET_CREATOR.openBox(dialog, parentItem)
}
