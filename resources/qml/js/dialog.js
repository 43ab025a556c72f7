// Message dialogs and toasts of the pages. Imported per page: it reads the page's parentWindow
// and the context properties mainWindow, GLOBAL and QWIDGET_CREATOR.
.import QtQuick.Dialogs 1.2 as Dialogs
.import "utils.js" as Utils

var dialogUrl = "qrc:/qml/components/message-dialog/MessageDialogBase.qml";

// The window a box is about, which it sits over and hands the keys back to when it goes: the
// window given (a frame's, the main window), the one that shows the frame given, else the page's.
function ownerWindow(parent) {
    if (parent && typeof parent.requestActivate === "function")
        return parent;
    return parent && parent.parentWindow ? parent.parentWindow : parentWindow;
}

// A MessageDialogBase with the text; what properties sets wins over the icon and buttons given.
// properties["parent"] is the page, item or window it is opened for (the page's window if none).
function createDialog(text, properties, icon, standardButtons) {
    var map = {};
    Utils.appendProp2Object(properties, map);
    if (map["title"] === undefined)
        map["title"] = mainWindow.windowTitle;
    map["text"] = text;
    if (map["icon"] === undefined)
        map["icon"] = icon;
    if (map["standardButtons"] === undefined)
        map["standardButtons"] = standardButtons ? standardButtons : Dialogs.StandardButton.Ok;
    var parent = map["parent"] ? map["parent"] : parentWindow;
    delete map["parent"];
    var owner = ownerWindow(parent);
    if (map["parentItem"] === undefined)
        map["parentItem"] = owner;
    // Qt takes a box's transient parent from the window of the object it is made in, and a frame
    // item shown in a window of its own is in no window: its box is made in the frame's Qt Quick
    // window.
    if (parent && owner && owner.contentItem !== undefined && parent.parentWindow === owner)
        parent = owner;
    return Utils.createDynamicObject(parent, dialogUrl, map);
}

function yesNo() {
    return Dialogs.StandardButton.Yes | Dialogs.StandardButton.No;
}

function simple(text, properties) {
    return createDialog(text, properties, Dialogs.StandardIcon.NoIcon, Dialogs.StandardButton.Ok);
}

function info(text, properties) {
    return createDialog(text, properties, Dialogs.StandardIcon.Information,
                        Dialogs.StandardButton.Ok);
}

function warning(text, properties) {
    return createDialog(text, properties, Dialogs.StandardIcon.Warning, Dialogs.StandardButton.Ok);
}

function question(text, properties) {
    return createDialog(text, properties, Dialogs.StandardIcon.Question, yesNo());
}

function error(text, properties) {
    return createDialog(text, properties, Dialogs.StandardIcon.Critical, Dialogs.StandardButton.Ok);
}

function deleteRow() {
    return question(qsTr("Do you want to delete record?"));
}

function deleteRows() {
    return question(qsTr("Do you want to delete records?"));
}

// The question about another user's change: it names the author where a push did; without one,
// the change was found by a read, after a loss of the connection or not.
function dataChangedText(sign, lost) {
    if (sign !== "")
        return qsTr("Data changed by user '%1'. Apply?").arg(sign);
    return lost ? qsTr("Data changed while the connection was lost. Apply?")
                : qsTr("Data changed on the server. Apply?");
}

// A question that opens without the operator asking (another user's change of the record being
// edited, the stored values after a lost save), over the page's window: a key typed for the form
// never answers it (No is its default; Yes takes a click or Alt+Y). It emits yes().
function safeQuestion(text) {
    return QWIDGET_CREATOR.safeQuestion(text, parentWindow);
}

// Another user's change of the record being edited, by the author's sign: a question the
// operator did not ask, so the one no key typed for the form answers. It emits yes().
function dataChanged(sign) {
    return safeQuestion(qsTr("Data changed by user '%1'. Apply?").arg(sign));
}

function duplicateBankCardOrder() {
    return question(qsTr("Order contains bank card. Do you want to dublicate record?"));
}

// A short notice in the lower right corner of the page's window, above the ones shown there.
function toast(text, properties) {
    var map = properties ? properties : {};
    var window = map["parentWindow"] ? map["parentWindow"] : parentWindow;
    var notice = QWIDGET_CREATOR.toast(text, map["theme"] ? map["theme"] : 0);
    if (!notice)
        return undefined;
    var onMainWindow = !window || window === mainWindow || window.toastStack === undefined;
    var height = 0;
    var target = onMainWindow ? mainWindow : window;
    // The notice takes no activation (QWidgetCreator::toast), nor does it give any: the window
    // the operator is in stays active.
    if (onMainWindow) {
        GLOBAL.pushToast(notice);
        height = notice.height * GLOBAL.toastCount();
        notice.finished.connect(function () { GLOBAL.popToast(); });
    } else {
        var stack = window.toastStack;
        stack.push(notice);
        window.toastStack = stack;
        height = notice.height * stack.length;
        notice.finished.connect(function () {
            if (!window || !window.toastStack)
                return;
            var current = window.toastStack;
            current.pop();
            window.toastStack = current;
        });
    }
    notice.pos = Qt.point(target.x + target.width - notice.width, target.y + target.height - height);
    return notice;
}
