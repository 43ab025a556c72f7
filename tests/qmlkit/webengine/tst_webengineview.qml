import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
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
        tryVerify(function () { return web.view !== null; }, TestTime.limit(5000));
        web.visible = false;
        verify(web.view !== null, "stays once started");

        var text = "";
        web.view.loadHtml("<html><body><p id='x'>Koriv</p></body></html>", "about:blank");
        tryVerify(function () {
            if (!web.view.loading)
                web.view.runJavaScript("document.getElementById('x') ? document.getElementById('x').textContent : ''",
                                       function (result) { text = result; });
            return text === "Koriv";
        }, TestTime.limit(20000), "the page loads and runs");
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
