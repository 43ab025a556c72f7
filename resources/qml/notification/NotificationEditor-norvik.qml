import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors

// One notification of this program. "More..." leads to the record it is about: a driver's
// change request to the driver editor, where it is approved or rejected; a car's change to the
// car editor; a driver's return from the archive to the driver editor. The records are named by
// the ids the notification's value carries, or a driver by his sign alone.
NotificationEditorBase {
    id: editor

    readonly property var moreContexts: ["driver.update", "car.update", "driver.unarchive"]
    // The page "More..." opens once its driver is found by sign.
    property var signTarget: null

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    // A record id: a whole number above the placeholder 1, given as a number or a text.
    function recordId(value) {
        var text = textOf(value).trim();
        return /^\d+$/.test(text) && text !== "0" && text !== "1" ? text : "";
    }

    // The value as an object, or null when it is not a JSON object.
    function parsedValue() {
        var parsed;
        try {
            parsed = JSON.parse(editor.value);
        } catch (error) {
            return null;
        }
        return parsed !== null && typeof parsed === "object" && !Array.isArray(parsed) ? parsed : null;
    }

    // The page "More..." opens: {url, id, properties}, or {error} when the value does not name
    // the record. With "sign", the driver of that sign is found through the server first (archived
    // ones too) and his id goes to "signTo": the page's "id", or a property of it.
    function moreTarget(parsed) {
        var data = parsed["data"] !== null && typeof parsed["data"] === "object" ? parsed["data"] : {};
        var sign = textOf(data["sign"]).trim();
        if (editor.context === "driver.update") {
            var driver = recordId(data["id"]);
            if (driver === "" && sign === "")
                return { "error": qsTr("The notification names the driver neither by id nor by sign") };
            return { "url": "qrc:/qml/driver/driver/DriverEditor.qml", "id": driver, "properties": {},
                     "sign": driver === "" ? sign : "", "signTo": "id" };
        }
        if (editor.context === "car.update") {
            var car = recordId(data["id"]);
            if (car === "")
                return { "error": qsTr("The notification does not name the car by id") };
            var owner = recordId(data["rst_id_driver"] !== undefined ? data["rst_id_driver"] : parsed["rst_id_driver"]);
            return { "url": "qrc:/qml/driver/car/CarEditor.qml", "id": car,
                     "properties": { "rst_id_driver": owner === "" ? "1" : owner },
                     "sign": owner === "" ? sign : "", "signTo": "rst_id_driver" };
        }
        var unarchived = recordId(parsed["id"]);
        if (unarchived === "")
            return { "error": qsTr("The notification does not name the driver by id") };
        return { "url": "qrc:/qml/driver/driver/DriverEditor.qml", "id": unarchived, "properties": {} };
    }

    // The parsed value with the notification's message, completion and context: what the
    // opened editor resolves.
    function approveObject(parsed) {
        var approve = {};
        for (var key in parsed)
            approve[key] = parsed[key];
        approve["rst_id_nm"] = editor.rst_id_nm;
        approve["isCompleted"] = editor.isCompleted;
        approve["context"] = editor.context;
        return approve;
    }

    function moreAction() {
        var parsed = parsedValue();
        if (!parsed) {
            Dialog.error(qsTr("The notification's value is not a JSON object: %1").arg(editor.value));
            return null;
        }
        var target = moreTarget(parsed);
        if (target["error"] !== undefined) {
            Dialog.error(target["error"]);
            return null;
        }
        target["approve"] = approveObject(parsed);
        if (!target["sign"])
            return openTarget(target);
        if (signTarget || !editor.checkSecurity(driverLookup) || !driverRows.request({ "sign": target["sign"] }))
            return null;
        signTarget = target;
        editor.startBusy();
        return null;
    }

    // The driver of the sign is known now: the page opens with his id. A driver change without
    // him opens nothing; a car's page opens without its driver.
    function signFound() {
        var target = signTarget;
        signTarget = null;
        editor.stopBusy();
        if (!target)
            return;
        var row = driverRows.find("sign", target["sign"]);
        if (!row && target["signTo"] === "id") {
            Dialog.error(qsTr("There is no driver with the sign \"%1\"").arg(target["sign"]));
            return;
        }
        var driver = row ? String(row["id"]) : "1";
        if (target["signTo"] === "id")
            target["id"] = driver;
        else
            target["properties"][target["signTo"]] = driver;
        openTarget(target);
    }

    function openTarget(target) {
        var properties = target["properties"];
        properties["id"] = target["id"];
        properties["state"] = "EDIT";
        properties["parentItem"] = editor;
        properties["isWindow"] = editor.isWindow;
        properties["isNewInstance"] = true;
        properties["approve"] = target["approve"];
        return GLOBAL.createQmlFrame(target["url"], properties);
    }

    showMoreButton: moreContexts.indexOf(context) >= 0

    DriverNonStatic {
        id: driverLookup

        useTrGetList: true
    }

    ListRows {
        id: driverRows

        controller: driverLookup
        onEnded: {
            if (!isReload)
                editor.signFound();
        }
        onRefused: {
            editor.signTarget = null;
            editor.stopBusy();
            Errors.display(editor, answer);
        }
    }
}
