import QtQuick 2.15

// What both table views follow besides their controller's answers: the end of the proxy's
// prepare mode and its filter (the selection is kept), and security pushes (the page's list is
// refreshed).
Item {
    id: connections

    property var view

    Connections {
        target: connections.view ? connections.view.proxy : null
        ignoreUnknownSignals: true

        function onIsPrepareModeChanged(isPrepareMode) {
            if (!isPrepareMode)
                connections.view.makeSelection();
        }

        function onFilterFinished() {
            if (connections.view.isInited)
                connections.view.makeSelection();
        }
    }

    Connections {
        target: typeof GLOBAL !== "undefined" ? GLOBAL : null
        ignoreUnknownSignals: true

        // A shared list is reloaded by its catalogue controller; the page applies its filters
        // again, so that a granted right shows the rows and a withdrawn one hides them.
        function onSoReceived(sog, operation) {
            var view = connections.view;
            var controller = view ? view.controller : null;
            if (!controller)
                return;
            if (!controller.isStaticModel)
                GLOBAL.updateModelOnSo(sog, operation, controller);
            else if (view.isInited && sog === controller.name && operation === "read")
                view.getNewList();
        }
    }
}
