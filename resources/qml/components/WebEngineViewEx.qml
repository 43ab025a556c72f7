import QtQuick 2.15

// A web view that starts the browser engine only once it is first shown. Esc while it has the
// focus closes the enclosing frame, or emits escPressed() outside a frame.
Item {
    id: root

    property url url
    readonly property alias view: loader.item

    signal escPressed()

    function enclosingFrame() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    // The engine starts with the first showing and stays afterwards.
    function startWhenShown() {
        if (visible && width > 0 && height > 0)
            loader.active = true;
    }

    onVisibleChanged: startWhenShown()
    onWidthChanged: startWhenShown()
    onHeightChanged: startWhenShown()

    Loader {
        id: loader

        anchors.fill: parent
        active: false
        source: "webengine/WebEngineViewExView.qml"
        onLoaded: item.url = Qt.binding(function () { return root.url; })
    }

    ShortcutEx {
        sequence: "Esc"
        enabled: root.activeFocus || (loader.item !== null && loader.item.activeFocus)
        onActivated: {
            var frame = root.enclosingFrame();
            if (frame)
                frame.closed();
            else
                root.escPressed();
        }
    }
}
