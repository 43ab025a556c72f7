import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Dialogs 1.2
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/js/dialog.js" as Dialog

TestCase {
    id: testCase

    property var parentWindow: mainWindow

    name: "Dialog"

    Window {
        id: frameWindow

        property var toastStack: []

        x: 300
        y: 200
        width: 700
        height: 900
        visible: true
    }

    function cleanup() {
        mainWindow.clearCalls();
        QWIDGET_CREATOR.clearCalls();
    }

    function test_kinds_data() {
        return [
            { tag: "simple", fn: "simple", icon: StandardIcon.NoIcon, buttons: StandardButton.Ok },
            { tag: "info", fn: "info", icon: StandardIcon.Information, buttons: StandardButton.Ok },
            { tag: "warning", fn: "warning", icon: StandardIcon.Warning, buttons: StandardButton.Ok },
            { tag: "question", fn: "question", icon: StandardIcon.Question,
              buttons: StandardButton.Yes | StandardButton.No },
            { tag: "error", fn: "error", icon: StandardIcon.Critical, buttons: StandardButton.Ok }
        ];
    }

    function test_kinds(data) {
        var properties = {};
        var dialog = Dialog[data.fn]("Text " + data.tag, properties);
        verify(dialog);
        compare(dialog.text, "Text " + data.tag);
        compare(dialog.icon, data.icon);
        compare(dialog.standardButtons, data.buttons);
        compare(dialog.title, "Koriv Admin", "the main window's title");
        verify(dialog.visible, "opens itself");
        compare(properties, {}, "the caller's map is untouched");
        dialog.click(StandardButton.Ok);
    }

    function test_propertiesWin() {
        var dialog = Dialog.question("Sure?", { "title": "Own", "standardButtons": StandardButton.Ok,
                                                "icon": StandardIcon.Warning });
        compare(dialog.title, "Own");
        compare(dialog.standardButtons, StandardButton.Ok);
        compare(dialog.icon, StandardIcon.Warning);
        dialog.click(StandardButton.Ok);
    }

    function test_fixedTexts() {
        // Another user's change asks through the shell's question that no key in flight answers.
        var question = Dialog.safeQuestion(Dialog.dataChangedText("petro", true));
        compare(question.text, "Data changed by user 'petro'. Apply?");
        compare(QWIDGET_CREATOR.callsOf("safeQuestion"), [["Data changed by user 'petro'. Apply?", mainWindow]]);
        question.answer(false);
        // Without an author: "while the connection was lost" only where it was.
        compare(Dialog.dataChangedText("", true), "Data changed while the connection was lost. Apply?");
        compare(Dialog.dataChangedText("", false), "Data changed on the server. Apply?");
        var dialog = Dialog.deleteRow();
        compare(dialog.text, "Do you want to delete record?");
        dialog.click(StandardButton.No);
        dialog = Dialog.deleteRows();
        compare(dialog.text, "Do you want to delete records?");
        dialog.click(StandardButton.No);
    }

    function test_dataChanged() {
        // Asked as the question no key typed for the form answers, over the page's window.
        var question = Dialog.dataChanged("olena");
        compare(question.text, "Data changed by user 'olena'. Apply?");
        compare(QWIDGET_CREATOR.callsOf("safeQuestion"), [["Data changed by user 'olena'. Apply?", mainWindow]]);
        question.answer(false);
    }

    function test_closingReactivatesParent() {
        var dialog = Dialog.info("Done", { "parent": testCase, "parentItem": testCase });
        var destroyed = false;
        dialog.Component.destruction.connect(function () { destroyed = true; });
        dialog.click(StandardButton.Ok);
        verify(!dialog.visible);
        tryVerify(function () { return destroyed; }, TestTime.limit(1000), "the dialog destroys itself");
        // The item's window, or a box still open over it, takes the keys.
        var activations = QWIDGET_CREATOR.callsOf("activateOwner");
        verify(activations.length > 0, "nothing takes the keys back");
        verify(activations.every(function (call) { return call[0] === testCase; }), String(activations));
    }

    function test_toastOverMainWindow() {
        var first = Dialog.toast("Saved");
        var second = Dialog.toast("Saved again", { "theme": 1 });
        compare(second.mode, 1);
        compare(first.mode, 0);
        compare(GLOBAL.toastCount(), 2);
        compare(first.x, mainWindow.x + mainWindow.width - first.width);
        compare(first.y, mainWindow.y + mainWindow.height - first.height);
        compare(second.y, mainWindow.y + mainWindow.height - 2 * second.height, "stands above the first");
        compare(mainWindow.callsOf("requestActivate").length, 0, "whichever window has the focus keeps it");
        second.finish();
        first.finish();
        compare(GLOBAL.toastCount(), 0);
    }

    function test_toastOverFrameWindow() {
        var toasts = [];
        for (var i = 0; i < 3; ++i)
            toasts.push(Dialog.toast("Toast " + i, { "parentWindow": frameWindow }));
        compare(frameWindow.toastStack.length, 3);
        var third = toasts[2];
        compare(third.x, frameWindow.x + frameWindow.width - third.width);
        compare(frameWindow.y + frameWindow.height - third.y, 3 * third.height,
                "three toast heights above the window's bottom edge");
        compare(GLOBAL.toastCount(), 0, "not on the main window's stack");
        toasts[0].finish();
        compare(frameWindow.toastStack.length, 2);
        toasts[1].finish();
        toasts[2].finish();
        compare(frameWindow.toastStack.length, 0);
    }
}
