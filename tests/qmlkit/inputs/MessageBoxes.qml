import QtQuick 2.15

// The message boxes the pages opened over the main window, and closing them.
QtObject {
    function open() {
        return mainWindow.ownedObjects().filter(function (object) {
            return object.standardButtons !== undefined && object.visible;
        });
    }

    function texts() {
        return open().map(function (dialog) { return dialog.text; });
    }

    function closeAll() {
        open().forEach(function (dialog) { dialog.click(dialog.standardButtons & -dialog.standardButtons); });
    }
}
