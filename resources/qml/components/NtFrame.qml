import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "base"
import "../js/dialog.js" as Dialog
import "../js/errors.js" as Errors

// The frame of every page: shows the page in a tab or in a window of its own, reads the page's
// settings from the GUI session when it opens and stores them when it goes, dims the page while
// a request is outstanding, checks the read right and carries out the close.
NtFrameBase {
    id: frame

    default property alias data: pageHolder.data
    property alias window: frameWindow
    property alias contentArea: content
    property alias transientParent: frameWindow.transientParent
    property string title: qsTr("Untitled")
    property string url
    property string objectsSettingName
    property string leftPresetId
    property string rightPresetId
    property bool isLeftPresetSingle: false
    property var parentWindow: isWindow ? frameWindow : mainWindow
    property var objectSettings: ({})
    property var controller: null
    property var initProperties
    property Item parentItem: null
    // The widget frame that opened the page; null once it is gone.
    property QtObject parentWidget: null
    property Item frameItem: frame
    property Item toolBar: null
    property Item tableContainer: null
    property bool isSaveWindowPosition: true
    property bool isGuiSessionMode: false
    property bool isWindow: false
    readonly property bool isBusy: content.state === "BUSY"
    // Time from startBusy() to the busy overlay.
    property int busyDelay: 800
    // The "window" entry read at open, and the visibility the window had when last shown.
    property var openedWindowSettings
    property int shownVisibility: Window.Windowed
    // A request is out: from startBusy() to stopBusy().
    property bool isRequestPending: false
    // Edits of the page's controllers left without answer by a lost connection, each
    // {"controller", "edit"}: asked about once the session is open again.
    property var lostEdits: []
    // The box saying that an outcome is not known yet: the outcome found out replaces it.
    property QtObject unknownOutcomeBox: null

    signal closed()
    signal enterPressed()
    signal startBusy()
    signal stopBusy()
    signal getSettings()
    signal readySettings(var objectSettings, var owner)
    signal select(var result)
    signal destroyReady()
    signal startDestroy()
    signal closeWidget()
    signal tableContainerUpdated(var tableContainer)

    function saveFrameSettings() {
        if (objectSettings && Object.keys(objectSettings).length > 0)
            GLOBAL.guiSession.setFrameSettings(objectsSettingName, objectSettings);
    }

    // Pages override it to ask before the frame goes; it must end in closeFrame().
    function closeAction() {
        closeFrame();
    }

    // The opener takes the keys only from the window the operator was in: a window that an answer
    // closes while the operator is elsewhere leaves the focus there.
    function closeFrame() {
        finishClose(false);
    }

    // The operator's own close, asked for in a box over the page (Discard, say): the opener takes
    // the keys, as from any close the operator makes.
    function closeAsAsked() {
        finishClose(true);
    }

    // (The focus window's content holds the active focus; "active" would be true for every window
    // that shares its transient parent.)
    function finishClose(asked) {
        try {
            if (isWindow) {
                var wasActive = asked === true || frameWindow.contentItem.activeFocus;
                frameWindow.visible = false;
                if (wasActive)
                    activateOpener();
                closeWidget();
            } else {
                GLOBAL.removeTab(frame, parentItem);
            }
        } catch (error) {
            console.warn("Destroy frame error: " + error);
        }
    }

    // A box still open elsewhere keeps the keys: the frame's own went with its window.
    function activateOpener() {
        var openerWindow = parentItem ? parentItem.window : null;
        if (QWIDGET_CREATOR.activateBox(openerWindow && openerWindow.visible ? openerWindow : mainWindow))
            return;
        if (openerWindow && openerWindow.visible) {
            openerWindow.raise();
            openerWindow.requestActivate();
        } else if (parentWidget) {
            parentWidget.activate();
        } else {
            mainWindow.requestActivate();
        }
    }

    function checkSecurity(controller) {
        if (GLOBAL.securityState(controller, "read"))
            return true;
        Errors.display(parentItem, { "FN": controller.name + "_saGetList", "ERRCODE": "50" });
        return false;
    }

    // A dirty page is never closed silently: while busy it still gets its close question.
    function handleClose() {
        if (isBusy && frame.isDirty !== true)
            closeFrame();
        else
            closeAction();
    }

    // Whether the session is gone: a request sent now is never answered.
    function isOffline() {
        return typeof USER_SESSION !== "undefined" && !!USER_SESSION && USER_SESSION.isOffline === true;
    }

    // The outstanding request will not be answered: the wait ends and the page says so.
    function endLostRequest(wasSent) {
        if (!isRequestPending)
            return;
        stopBusy();
        requestLost(wasSent);
    }

    // Pages override it: true while a request of their own still dims the page, so that the end
    // of another wait (a table's list) does not let keys in before its answer.
    function holdsBusy() {
        return false;
    }

    // Pages override it to say more; wasSent is false when there was no connection to send on.
    // An edit sent without answer may have been carried out: that is found out, not guessed.
    function requestLost(wasSent) {
        if (wasSent)
            lostEdits = unansweredEdits(pageHolder);
        if (wasSent && lostEdits.length > 0)
            sayOutcomeUnknown(qsTr("The connection to the server was lost before the answer came: whether the request was carried out is not known. Once the program is connected again, it asks the server and tells you."));
        else
            Dialog.error(wasSent ? qsTr("The connection to the server was lost before the answer came")
                                 : qsTr("There is no connection to the server: the request was not sent"));
    }

    function sayOutcomeUnknown(text) {
        closeUnknownOutcomeBox();
        unknownOutcomeBox = Dialog.error(text) || null;
    }

    function closeUnknownOutcomeBox() {
        if (unknownOutcomeBox)
            unknownOutcomeBox.close();
        unknownOutcomeBox = null;
    }

    // The controllers below item with an edit that has no answer.
    function unansweredEdits(item) {
        var found = [];
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (typeof child.unansweredEdit !== "function") {
                found = found.concat(unansweredEdits(child));
                continue;
            }
            var edit = child.unansweredEdit();
            if (edit && edit["action"])
                found.push({ "controller": child, "edit": edit });
        }
        return found;
    }

    function checkLostEdits() {
        var edits = lostEdits;
        lostEdits = [];
        for (var i = 0; i < edits.length; ++i) {
            if (edits[i].edit["action"] === "trRemove") {
                checkRemoval(edits[i].controller, String(edits[i].edit["params"]["id"]));
            } else {
                edits[i].controller.forgetUnansweredEdit();
                closeUnknownOutcomeBox();
                Dialog.error(qsTr("Whether the request was carried out cannot be found out here: check the list before sending it again."));
            }
        }
    }

    // Whether the record is still on the server tells whether the removal was carried out.
    function checkRemoval(controller, id) {
        var done = function (rows, answer) {
            controller.recordsFound.disconnect(done);
            controller.forgetUnansweredEdit();
            stopBusy();
            closeUnknownOutcomeBox();
            if (answer["RES"] !== undefined && String(answer["RES"]) !== "10") {
                Dialog.error(qsTr("Whether the record was deleted cannot be found out: the server refused to show it. Check the list before deleting it again."));
            } else if (rows.length === 0) {
                if (controller.originalModel)
                    controller.originalModel.delRow(id);
                Dialog.info(qsTr("The record was deleted."));
            } else {
                Dialog.error(qsTr("The record was not deleted: the server still holds it."));
            }
        };
        controller.recordsFound.connect(done);
        startBusy();
        controller.findRecords({ "id": id });
    }

    function readOpenSettings() {
        if (!isGuiSessionMode) {
            var saved = GLOBAL.guiSession.frameSettings(objectsSettingName);
            objectSettings = saved ? saved : {};
        } else if (!objectSettings) {
            objectSettings = {};
        }
    }

    function placeWindow(settings) {
        var saved = settings ? settings["window"] : undefined;
        openedWindowSettings = saved;
        if (saved && saved["visibility"] === Window.Maximized) {
            frameWindow.visibility = Window.Maximized;
            return;
        }
        if (saved) {
            frameWindow.width = Math.max(saved["width"] || 0, 200);
            frameWindow.height = Math.max(saved["height"] || 0, 200);
        }
        frameWindow.x = savedCoordinate(saved, "x", frameWindow.Screen.desktopAvailableWidth,
                                        frameWindow.Screen.width, frameWindow.width);
        frameWindow.y = savedCoordinate(saved, "y", frameWindow.Screen.desktopAvailableHeight,
                                        frameWindow.Screen.height, frameWindow.height);
        frameWindow.visible = true;
    }

    // The saved coordinate while it lies on the desktop, otherwise the centred one.
    function savedCoordinate(saved, key, available, screenSize, windowSize) {
        var value = saved ? saved[key] : undefined;
        if (typeof value === "number" && value >= 0 && value < available)
            return value;
        return Math.round((screenSize - windowSize) / 2);
    }

    function windowSettings() {
        var settings = { "visibility": frameWindow.visible ? frameWindow.visibility : shownVisibility };
        if (isSaveWindowPosition) {
            settings["x"] = frameWindow.x;
            settings["y"] = frameWindow.y;
        } else if (openedWindowSettings) {
            if (openedWindowSettings["x"] !== undefined)
                settings["x"] = openedWindowSettings["x"];
            if (openedWindowSettings["y"] !== undefined)
                settings["y"] = openedWindowSettings["y"];
        }
        if (settings["visibility"] !== Window.Maximized) {
            settings["width"] = frameWindow.width;
            settings["height"] = frameWindow.height;
        }
        return settings;
    }

    onClosed: handleClose()
    onStartBusy: {
        isRequestPending = true;
        if (!busyTimer.running)
            busyTimer.start();
        // Asked with no session: after the page's own steps, the wait ends.
        if (isOffline())
            Qt.callLater(endLostRequest, false);
    }
    onStopBusy: {
        if (holdsBusy())
            return;
        isRequestPending = false;
        busyTimer.stop();
        // Also where a wait started while the page was dimmed set the timer going again.
        content.state = "FREE";
    }
    onReadySettings: {
        if (isWindow && owner === "frame")
            placeWindow(objectSettings);
    }
    onGetSettings: {
        if (!isWindow)
            return;
        var settings = objectSettings ? objectSettings : {};
        settings["window"] = windowSettings();
        objectSettings = settings;
    }
    onToolBarChanged: {
        if (!toolBar)
            return;
        toolBar.parent = toolBarArea;
        toolBar.width = Qt.binding(function () { return toolBarArea.width; });
    }
    onTableContainerChanged: tableContainerUpdated(tableContainer)
    Component.onCompleted: {
        readOpenSettings();
        readySettings(objectSettings, "frame");
    }
    Component.onDestruction: {
        startDestroy();
        if (typeof GLOBAL === "undefined" || !GLOBAL)
            return;
        GLOBAL.frames.remove(frame);
        getSettings();
        saveFrameSettings();
        destroyReady();
    }

    Connections {
        target: typeof USER_SESSION !== "undefined" ? USER_SESSION : null
        ignoreUnknownSignals: true

        function onIsOfflineChanged() {
            if (frame.isOffline())
                frame.endLostRequest(true);
        }

        function onSaOpen(mapParams) {
            if (frame.lostEdits.length > 0)
                frame.checkLostEdits();
        }
    }

    Timer {
        id: busyTimer

        objectName: "busyTimer"
        interval: frame.busyDelay
        onTriggered: content.state = "BUSY"
    }

    Rectangle {
        id: tabHolder

        anchors.fill: parent
        color: frame.backgroundColor
        visible: !frame.isWindow
    }

    Window {
        id: frameWindow

        property var toastStack: []

        objectName: "NtFrameWindow"
        width: 700
        height: 400
        color: frame.backgroundColor
        title: frame.title
        visible: false
        onVisibilityChanged: {
            if (visibility !== Window.Hidden)
                frame.shownVisibility = visibility;
        }
        onClosing: {
            close.accepted = false;
            frame.closed();
        }
    }

    Item {
        id: frameContent

        parent: frame.isWindow ? frameWindow.contentItem : tabHolder
        anchors.fill: parent
        focus: true
        Keys.onPressed: {
            if (event.key === Qt.Key_Escape && !event.isAutoRepeat) {
                event.accepted = !frame.isWindow || !frame.isBusy;
                if (event.accepted)
                    frame.closed();
            } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                event.accepted = true;
                frame.enterPressed();
            }
        }

        Shortcut {
            sequence: "Esc"
            autoRepeat: false
            enabled: frame.isWindow && frame.isBusy
            onActivated: frame.closed()
        }

        Item {
            id: toolBarArea

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: frame.toolBar ? frame.toolBar.height : 0
            visible: frame.toolBar !== null
        }

        Item {
            id: content

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: toolBarArea.bottom
            anchors.bottom: parent.bottom
            state: "FREE"
            states: [
                State {
                    name: "FREE"
                    PropertyChanges { target: pageHolder; enabled: true }
                    PropertyChanges { target: overlay; opacity: 0 }
                    PropertyChanges { target: indicator; running: false }
                },
                State {
                    name: "BUSY"
                    PropertyChanges { target: pageHolder; enabled: false }
                    PropertyChanges { target: overlay; opacity: 0.5 }
                    PropertyChanges { target: indicator; running: true }
                }
            ]
            transitions: Transition {
                NumberAnimation { target: overlay; property: "opacity"; duration: 500 }
            }

            Item {
                id: pageHolder

                anchors.fill: parent
            }

            Rectangle {
                id: overlay

                anchors.fill: parent
                z: 1000
                color: "black"
                opacity: 0
                visible: opacity > 0
            }

            // Shown only while running: a stopped one fades out but would go on drawing.
            BusyIndicator {
                id: indicator

                objectName: "busyIndicator"
                anchors.centerIn: parent
                z: 1001
                running: false
                visible: running
            }
        }
    }
}
