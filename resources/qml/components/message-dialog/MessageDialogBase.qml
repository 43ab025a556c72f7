import QtQuick 2.15
import QtQuick.Dialogs 1.2

// The message dialog of the page scripts: opens itself once created, gives the focus back to
// its page's window when it goes, and then destroys itself.
MessageDialog {
    id: dialog

    // The page or window that opened the dialog.
    property var parentItem: null

    modality: Qt.ApplicationModal
    onVisibleChanged: {
        if (visible)
            return;
        if (parentItem && parentItem.window && parentItem.window.requestActivate)
            parentItem.window.requestActivate();
        dialog.destroy();
    }
    Component.onCompleted: open()
}
