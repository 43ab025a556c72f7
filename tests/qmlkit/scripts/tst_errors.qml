import QtQuick 2.15
import QtQuick.Dialogs 1.2
import QtTest 1.2

TestCase {
    name: "Errors"

    ErrorPage { id: page }

    Item {
        id: form

        Item {
            id: amountBox

            property var errorCode: ["150", "160"]
            activeFocusOnTab: true

            Item {
                id: hiddenInside

                property var errorCode: ["170"]
            }
        }

        Item {
            Item {
                id: nested

                property var errorCode: ["170"]
                activeFocusOnTab: true
            }
        }
    }

    function init() {
        var model = GLOBAL.securityOptionType.originalModel;
        model.clear();
        model.addRow({ "code": "city.crud.read", "sog_group_name": "Cities" });
        model.addRow({ "code": "user.crud.read", "sog_group_name": "Users" });
        model.addRow({ "code": "driver.crud.read", "sog_group_name": "Drivers" });
        model.addRow({ "code": "driver.crud.update", "sog_group_name": "Fleet" });
    }

    function test_messages_data() {
        return [
            { tag: "update locked", fn: "city_saUpdate", code: "70",
              text: "UPDATE: Record locked by other user (code: 70, controller: city, security group: Cities)" },
            { tag: "new user sign", fn: "user_saNew", code: "252",
              text: "ADD: Sign already exist in db (code: 252, controller: user, security group: Users)" },
            { tag: "lock knows 100 and 105 only", fn: "city_saLock", code: "50",
              text: "LOCK: Untitled error for controller city (code: 50, controller: city, security group: Cities)" },
            { tag: "unlock 100", fn: "city_saUnlock", code: "100",
              text: "UNLOCK: Undefined error on unlock record (code: 100, controller: city, security group: Cities)" },
            { tag: "get list rights", fn: "driver_saGetList", code: "50",
              text: "GET LIST: You don't have enough access privileges for this operation (code: 50, controller: driver, security group: Fleet)" },
            { tag: "unknown group", fn: "media_saRemove", code: "101",
              text: "REMOVE: Failed to delete system record (code: 101, controller: media, security group: ???)" },
            { tag: "duplicate driver sign", fn: "driver_saDuplicate", code: "252",
              text: "DUPLICATE: Sign already exist in db (code: 252, controller: driver, security group: Fleet)" },
            { tag: "remove admin group", fn: "ug_saRemove", code: "400",
              text: "REMOVE: Forbidden to remove Administrators group (code: 400, controller: ug, security group: ???)" },
            { tag: "remove system group", fn: "ug_saRemove", code: "200",
              text: "REMOVE: Forbidden to delete the system record (code: 200, controller: ug, security group: ???)" },
            { tag: "driver group offset", fn: "driverGroup_saNew", code: "450",
              text: "ADD: Offset to UTC less that -14 hours (-840 minutes) (code: 450, controller: driverGroup, security group: ???)" },
            { tag: "driver group name", fn: "driverGroup_saNew", code: "250",
              text: "ADD: Name is empty (code: 250, controller: driverGroup, security group: ???)" },
            { tag: "city name error", fn: "city_saNew", code: "250",
              text: "ADD: Untitled error for controller city (code: 250, controller: city, security group: Cities)" },
            { tag: "no FN", fn: undefined, code: "100",
              text: "Untitled error for controller  (code: 100, controller: , security group: ???)" }
        ];
    }

    function test_messages(data) {
        var answer = { "ERRCODE": data.code, "RES": "0" };
        if (data.fn !== undefined)
            answer["FN"] = data.fn;
        compare(page.message(answer), data.text);
    }

    function test_innerTable() {
        compare(page.message({ "FN": "driverPaidServiceType_saImplementPaidService", "ERRCODE": "203" }, true),
                "DRIVER PAID SERVICE TYPE: Serivce type is disabled (code: 203, controller: driverPaidServiceType, security group: ???)");
        compare(page.message({ "FN": "driverPaidServiceType_saImplementPaidService", "ERRCODE": "50" }, true),
                "DRIVER PAID SERVICE TYPE: You don't have enough access privileges for this operation (code: 50, controller: driverPaidServiceType, security group: ???)");
        verify(page.message({ "FN": "user_saNew", "ERRCODE": "252" }, true).indexOf("Untitled error") >= 0,
               "an inner table replaces the answer table wholly");
    }

    function test_extraLines() {
        var text = page.message({ "FN": "city_saUpdate", "ERRCODE": "105", "ERROPCODE": "7",
                                  "ERROPCODEDESCR": "insert", "exception_description": "deadlock" });
        compare(text.split("\n"), ["UPDATE: Exception occurred (code: 105, controller: city, security group: Cities)",
                                   "Opcode: 7, description: insert",
                                   "Exception Description: deadlock"]);
        compare(page.message({ "FN": "city_saUpdate", "ERRCODE": "105", "ERROPCODE": "" }).indexOf("\n"), -1);
    }

    function test_display() {
        page.isCloseOnSa = true;
        var dialog = page.display(page, { "FN": "city_saUpdate", "ERRCODE": "70" });
        verify(dialog);
        compare(dialog.icon, StandardIcon.Critical);
        compare(dialog.title, mainWindow.windowTitle);
        verify(dialog.text.indexOf("UPDATE: Record locked by other user") === 0);
        verify(dialog.visible);
        dialog.click(StandardButton.Ok);
        compare(page.isCloseOnSa, false, "accepting clears the page's close-on-answer flag");
    }

    function test_selectErrorControl() {
        compare(page.select(form, "160"), amountBox);
        verify(amountBox.focus, "the control takes the focus");
        compare(page.select(form, "170"), nested,
                "a control listing other codes is not searched inside");
        compare(page.select(form, { "ERRCODE": "150" }), amountBox, "an answer map gives its code");
        compare(page.select(form, "999"), undefined);
    }
}
