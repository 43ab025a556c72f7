import QtQuick 2.15
import QtWebEngine 1.10

// The browser view of WebEngineViewEx: English pages, the page's console in the log.
WebEngineView {
    profile.httpAcceptLanguage: "en-US"
    onJavaScriptConsoleMessage: console.info(sourceID + ":" + lineNumber + ": " + message)
}
