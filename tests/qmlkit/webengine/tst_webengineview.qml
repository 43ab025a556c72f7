import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/components"

TestCase {
    id: testCase

    name: "WebEngineViewEx"
    when: windowShown
    visible: true
    width: 400
    height: 300

    Component { id: viewComponent; WebEngineViewEx { } }

    function test_startsWhenShown() {
        var web = createTemporaryObject(viewComponent, testCase, { "visible": false });
        verify(web);
        compare(web.view, null, "no browser engine for a view never shown");
        web.width = 300;
        web.height = 200;
        compare(web.view, null);
        web.visible = true;
        tryVerify(function () { return web.view !== null; }, 5000);
        web.visible = false;
        verify(web.view !== null, "stays once started");

        web.view.loadHtml("<html><body><p id='x'>Koriv</p></body></html>", "about:blank");
        tryCompare(web.view, "loading", false, 20000);
        compare(web.view.profile.httpAcceptLanguage, "en-US");
    }

    function test_escOutsideFrame() {
        var web = createTemporaryObject(viewComponent, testCase, { "width": 200, "height": 100 });
        var escapes = 0;
        web.escPressed.connect(function () { ++escapes; });
        web.forceActiveFocus();
        var shortcut = null;
        for (var i = 0; i < web.data.length; ++i) {
            if (web.data[i].sequence !== undefined)
                shortcut = web.data[i];
        }
        verify(shortcut);
        verify(shortcut.enabled, "active while the view has the focus");
        shortcut.activated();
        compare(escapes, 1);
    }
}
