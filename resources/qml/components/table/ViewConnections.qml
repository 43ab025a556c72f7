import QtQuick 2.15

// What both table views follow besides their controller's answers: the end of the proxy's
// prepare mode and its filter (the selection is kept), and security pushes (the page's own list
// is refreshed).
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

        function onSoReceived(sog, operation) {
            var controller = connections.view ? connections.view.controller : null;
            if (controller && !controller.isStaticModel)
                GLOBAL.updateModelOnSo(sog, operation, controller);
        }
    }
}
