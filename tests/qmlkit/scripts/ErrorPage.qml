import QtQuick 2.15
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/inner-codes/driver-paid-service-type/code.js" as PaidServiceCodes

// A page as the error scripts see it: its window for dialogs and its close-on-answer flag.
Item {
    property var parentWindow: mainWindow
    property bool isCloseOnSa: true
    property var window: null

    function message(mapParams, inner) {
        return Errors.prepareMessage(mapParams, inner ? PaidServiceCodes.code : undefined);
    }

    function display(parent, mapParams) {
        return Errors.display(parent, mapParams);
    }

    function select(object, code) {
        return Errors.selectErrorControl(object, code);
    }
}
