import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"

TestCase {
    id: testCase

    name: "NtFrame"
    when: windowShown
    width: 400
    height: 300

    Component { id: frameComponent; NtFrame { } }
    Component { id: editorComponent; TestEditor { } }
    Component { id: itemComponent; Item { width: 300; height: 30 } }
    // A widget frame that opens a page, as the page sees it.
    Component {
        id: openerComponent

        QtObject {
            property int activations: 0

            function activate() {
                ++activations;
            }
        }
    }

    SignalSpy { id: readySpy; signalName: "readySettings" }
    SignalSpy { id: closeWidgetSpy; signalName: "closeWidget" }

    function cleanup() {
        GLOBAL.guiSession.clearCalls();
        GLOBAL.frames.clearCalls();
        GLOBAL.clearCalls();
        mainWindow.clearCalls();
                readySpy.clear();
        closeWidgetSpy.clear();
    }

    function makeFrame(component, properties) {
        var frame = createTemporaryObject(component, testCase, properties || {});
        verify(frame);
        return frame;
    }

    function test_busyOverlayAfterItsDelay() {
        // In a window of its own, shown: the spinner is drawn only where the page is.
        var frame = makeFrame(frameComponent, { "isWindow": true, "isGuiSessionMode": true });
        verify(frame.window.visible && frame.contentArea.visible, "the page is shown");
        var spinner = findChild(frame, "busyIndicator");
        var timer = findChild(frame, "busyTimer");
        compare(timer.interval, 800);
        frame.startBusy();
        verify(timer.running);
        verify(!frame.isBusy, "nothing before the delay");
        verify(!spinner.visible, "no spinner before it");
        frame.stopBusy();
        verify(!timer.running);
        verify(!frame.isBusy, "an answer within the delay never dims the page");

        frame.startBusy();
        frame.startBusy();
        timer.stop();
        timer.triggered();
        verify(frame.isBusy, "dimmed once the delay has passed");
        verify(!frame.contentArea.children[0].enabled, "the page is disabled");
        verify(spinner.visible, "the spinner turns while the page waits");
        frame.stopBusy();
        verify(!frame.isBusy, "one stop ends any number of starts");
        verify(!spinner.visible, "no spinner left drawing");

        // A wait that starts while the page is dimmed, its answer within the delay: the page is
        // not left dimmed.
        frame.startBusy();
        timer.stop();
        timer.triggered();
        frame.startBusy();
        frame.stopBusy();
        verify(!frame.isBusy, "not dimmed once nothing is on its way");
        verify(!timer.running);
    }

    function callsFor(name, settingsName) {
        return GLOBAL.guiSession.callsOf(name).filter(function (args) { return args[0] === settingsName; });
    }

    function test_settingsReadOnceWrittenOnce() {
        GLOBAL.guiSession.setFrameSettings("qrc:/qml/city/CityTable.qml", { "filterText": "Kyiv" });
        GLOBAL.guiSession.clearCalls();
        var frame = createTemporaryObject(frameComponent, testCase,
                                          { "objectsSettingName": "qrc:/qml/city/CityTable.qml" });
        compare(callsFor("frameSettings", "qrc:/qml/city/CityTable.qml").length, 1);
        compare(frame.objectSettings, { "filterText": "Kyiv" });
        frame.objectSettings = { "filterText": "Lviv" };
        frame.destroy();
        wait(0);
        compare(callsFor("frameSettings", "qrc:/qml/city/CityTable.qml").length, 1, "read once");
        compare(callsFor("setFrameSettings", "qrc:/qml/city/CityTable.qml"),
                [["qrc:/qml/city/CityTable.qml", { "filterText": "Lviv" }]], "written once");
        verify(GLOBAL.frames.callsOf("remove").length >= 1);
    }

    function test_emptySettingsAreNotStored() {
        var frame = createTemporaryObject(frameComponent, testCase, { "objectsSettingName": "empty" });
        frame.destroy();
        wait(0);
        compare(callsFor("setFrameSettings", "empty"), []);
    }

    function test_guiSessionMode() {
        var frame = makeFrame(frameComponent, { "objectsSettingName": "restored", "isGuiSessionMode": true,
                                                "objectSettings": { "rowLimit": 50 } });
        compare(callsFor("frameSettings", "restored"), [], "the GUI session is not asked");
        compare(frame.objectSettings, { "rowLimit": 50 });
    }

    function test_windowPlacement_data() {
        return [
            { tag: "no settings: centred", saved: undefined, x: (Screen.width - 700) / 2,
              y: (Screen.height - 400) / 2, width: 700, height: 400 },
            { tag: "saved place", saved: { "visibility": 2, "x": 10, "y": 20, "width": 500, "height": 300 },
              x: 10, y: 20, width: 500, height: 300 },
            { tag: "too small", saved: { "visibility": 2, "x": 10, "y": 20, "width": 50, "height": 120 },
              x: 10, y: 20, width: 200, height: 200 },
            { tag: "beyond the desktop", saved: { "visibility": 2, "x": 5000, "y": 20, "width": 400, "height": 300 },
              x: (Screen.width - 400) / 2, y: 20, width: 400, height: 300 },
            { tag: "left of the desktop", saved: { "visibility": 2, "x": -900, "y": -5, "width": 400, "height": 300 },
              x: (Screen.width - 400) / 2, y: (Screen.height - 300) / 2, width: 400, height: 300 }
        ];
    }

    function test_windowPlacement(data) {
        var settings = data.saved ? { "window": data.saved } : {};
        var frame = makeFrame(frameComponent, { "isWindow": true, "isGuiSessionMode": true,
                                                "objectSettings": settings });
        verify(frame.window.visible, "shown once placed");
        compare(frame.window.x, Math.round(data.x));
        compare(frame.window.y, Math.round(data.y));
        compare(frame.window.width, data.width);
        compare(frame.window.height, data.height);
        frame.getSettings();
        var gathered = frame.objectSettings["window"];
        compare(gathered.x, frame.window.x);
        compare(gathered.width, frame.window.width);
    }

    function test_maximizedWindow() {
        var frame = makeFrame(frameComponent, { "isWindow": true, "isGuiSessionMode": true,
                                                "objectSettings": { "window": { "visibility": Window.Maximized } } });
        compare(frame.window.visibility, Window.Maximized);
        frame.closeFrame();
        verify(!frame.window.visible);
        frame.getSettings();
        var gathered = frame.objectSettings["window"];
        compare(gathered.visibility, Window.Maximized, "a hidden window keeps the state it was shown in");
        verify(gathered.width === undefined && gathered.height === undefined);
    }

    function test_positionNotSaved() {
        var frame = makeFrame(frameComponent, { "isWindow": true, "isGuiSessionMode": true, "isSaveWindowPosition": false,
                                                "objectSettings": { "window": { "x": 30, "y": 40, "width": 300, "height": 250 } } });
        frame.window.x = 120;
        frame.window.y = 130;
        frame.getSettings();
        compare(frame.objectSettings["window"].x, 30);
        compare(frame.objectSettings["window"].y, 40);
    }

    function test_closeTab() {
        var opener = makeFrame(itemComponent);
        var frame = makeFrame(frameComponent, { "parentItem": opener });
        frame.closed();
        var calls = GLOBAL.callsOf("removeTab");
        compare(calls.length, 1);
        compare(calls[0][0], frame);
        compare(calls[0][1], opener);
    }

    // A frame in its own window, which is the active one, as the operator has it when closing.
    function activeWindowFrame(properties) {
        var frame = makeFrame(frameComponent, properties);
        frame.window.visible = true;
        frame.window.requestActivate();
        tryVerify(function () { return frame.window.contentItem.activeFocus; }, TestTime.limit(2000),
                  "offscreen activates at once");
        return frame;
    }

    function test_closeWindowActivatesOpener() {
        var frame = activeWindowFrame({ "isWindow": true, "isGuiSessionMode": true });
        closeWidgetSpy.target = frame;
        frame.closed();
        verify(!frame.window.visible, "hidden at once");
        compare(closeWidgetSpy.count, 1);
        compare(mainWindow.callsOf("requestActivate").length, 1, "no opener: the main window");

        var widget = createTemporaryObject(openerComponent, testCase);
        var second = activeWindowFrame({ "isWindow": true, "isGuiSessionMode": true, "parentWidget": widget });
        second.closed();
        compare(widget.activations, 1);

        var openerFrame = makeFrame(frameComponent, { "isWindow": true, "isGuiSessionMode": true });
        openerFrame.window.visible = false;
        var third = activeWindowFrame({ "isWindow": true, "isGuiSessionMode": true, "parentItem": openerFrame });
        third.closed();
        compare(mainWindow.callsOf("requestActivate").length, 2, "an opener whose window is hidden is passed over");

        // Closed while another window is active (an answer closed it): the focus stays there.
        var fourth = makeFrame(frameComponent, { "isWindow": true, "isGuiSessionMode": true, "parentWidget": widget });
        fourth.window.visible = true;
        activeWindowFrame({ "isWindow": true, "isGuiSessionMode": true });
        verify(!fourth.window.contentItem.activeFocus);
        fourth.closed();
        compare(widget.activations, 1);
        compare(mainWindow.callsOf("requestActivate").length, 2);
    }

    function test_closeErrorKeepsTheFrame() {
        var frame = activeWindowFrame({ "isWindow": true, "isGuiSessionMode": true,
                                        "parentWidget": createTemporaryObject(itemComponent, testCase) });
        closeWidgetSpy.target = frame;
        ignoreWarning(/Destroy frame error: TypeError.*/);
        frame.closed();
        compare(closeWidgetSpy.count, 0, "not deleted");
    }

    function test_closeWhileBusy() {
        var editor = makeFrame(editorComponent);
        var timer = findChild(editor, "busyTimer");
        editor.startBusy();
        timer.stop();
        timer.triggered();
        editor.closed();
        compare(editor.closeActions, 0, "a clean page closes at once while busy");
        compare(GLOBAL.callsOf("removeTab").length, 1);

        editor.isDirty = true;
        editor.closed();
        compare(editor.closeActions, 1, "a dirty page still asks while busy");
        compare(GLOBAL.callsOf("removeTab").length, 1);

        editor.stopBusy();
        editor.closed();
        compare(editor.closeActions, 2);
    }

    function test_titleBarCloseIsRefused() {
        var editor = makeFrame(editorComponent, { "isWindow": true, "isGuiSessionMode": true });
        editor.window.close();
        verify(editor.window.visible, "the window stays");
        compare(editor.closeActions, 1, "the page's own close decides");
    }

    function test_keys() {
        var editor = makeFrame(editorComponent);
        var enters = 0;
        editor.enterPressed.connect(function () { ++enters; });
        editor.forceActiveFocus();
        keyClick(Qt.Key_Return);
        keyClick(Qt.Key_Enter);
        compare(enters, 2);
        keyClick(Qt.Key_Escape);
        compare(editor.closeActions, 1);
    }

    function dialogsOverMainWindow() {
        return mainWindow.ownedObjects().filter(function (object) { return object.standardButtons !== undefined; });
    }

    function test_checkSecurity() {
        // Without an opener the message goes over the frame's parent window, the main window.
        var frame = makeFrame(frameComponent);
        var before = dialogsOverMainWindow().length;
        verify(frame.checkSecurity(GLOBAL.securityOptionType));
        compare(dialogsOverMainWindow().length, before, "no message");

        GLOBAL.setRight("securityOptionType", "read", false);
        verify(!frame.checkSecurity(GLOBAL.securityOptionType));
        GLOBAL.setRight("securityOptionType", "read", true);
        var dialogs = dialogsOverMainWindow();
        compare(dialogs.length, before + 1);
        var dialog = dialogs[dialogs.length - 1];
        compare(dialog.text.indexOf("GET LIST: You don't have enough access privileges for this operation (code: 50, controller: securityOptionType"), 0);
        dialog.click(0x00000400);
    }

    function test_toolBarAndTableContainer() {
        var frame = makeFrame(frameComponent);
        frame.width = 300;
        var bar = makeFrame(itemComponent);
        frame.toolBar = bar;
        compare(bar.width, 300);
        frame.width = 350;
        compare(bar.width, 350, "the tool bar follows the frame's width");
        var updates = [];
        frame.tableContainerUpdated.connect(function (container) { updates.push(container); });
        frame.tableContainer = bar;
        frame.tableContainer = null;
        compare(updates, [bar, null]);
    }
}
