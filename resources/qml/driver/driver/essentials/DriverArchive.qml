import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors

// Moves the driver of the editor into the archive or back, after asking; shown only with the
// update right on "driverArchive". Only an accepted answer changes the flag and says so.
ButtonEx {
    id: button

    // The essentials' controller, the driver's id and its archive flag as stored.
    property var driver: null
    property string driverId: "0"
    property string isArchived: "0"
    // The value asked for by the last request.
    property string requested

    function ask() {
        var archiving = isArchived !== "1";
        var question = Dialog.question(archiving ? qsTr("Confirm moving to archive")
                                                 : qsTr("Confirm returning from archive"));
        if (!question)
            return;
        question.yes.connect(function () {
            button.requested = archiving ? "1" : "0";
            button.driver.trArchive({ "id": button.driverId, "is_archived": button.requested });
            if (typeof editorItem !== "undefined" && editorItem)
                editorItem.startBusy();
        });
    }

    function onAnswer(mapParams) {
        if (!driver || String(mapParams["RECEIVER"]) !== String(driver.objectNumber))
            return;
        if (typeof editorItem !== "undefined" && editorItem)
            editorItem.stopBusy();
        if (String(mapParams["RES"]) !== "10") {
            Errors.display(button, mapParams);
            return;
        }
        var value = mapParams["is_archived"];
        isArchived = value === undefined || value === null || String(value) === "" ? requested : String(value);
        Dialog.toast(qsTr("Archive operation successfully completed"), { "theme": 0 });
    }

    objectName: "archiveButton"
    visible: GLOBAL.securityStateByName("driverArchive", "update")
    text: isArchived === "1" ? qsTr("Return from archive...") : qsTr("Move to archive...")
    onClicked: ask()

    Connections {
        target: button.driver
        ignoreUnknownSignals: true

        function onSaArchive(mapParams) {
            button.onAnswer(mapParams);
        }
    }
}
