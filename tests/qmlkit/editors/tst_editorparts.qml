import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"

// The small parts of editors: footer, button box, rights, location, balance and offset groups,
// snooze, and the notification editor.
TestCase {
    id: testCase

    property var net: ScriptedNetwork
    property var editorItem: fakeEditor
    property var prolongedKinds: []

    function updateProlongedStatus(kind) {
        var kinds = prolongedKinds;
        kinds.push(kind);
        prolongedKinds = kinds;
    }

    name: "EditorParts"
    when: windowShown
    visible: true
    width: 600
    height: 600

    QtObject {
        id: fakeEditor

        property string state: "EDIT"
    }

    Column {
        InsertUpdateTime { id: times }
        UserLocked { id: locked }
        ButtonBox { id: buttons }
        GeoLocation { id: location }
        OwnerBalanceItems { id: ownerBalance }
        GroupBalanceItems { id: groupBalance }
        OwnerUtcOffset { id: ownerOffset }
        GroupUtcOffset { id: groupOffset }
        ProlongedStatus { id: prolonged; width: 300 }
    }

    Crud { id: crud; controller: GLOBAL.driver }

    SignalSpy { id: acceptedSpy; target: buttons; signalName: "accepted" }
    SignalSpy { id: applySpy; target: buttons; signalName: "apply" }
    SignalSpy { id: coordSpy; target: location; signalName: "coordChanged" }

    function test_times() {
        times.dt_utc_insert = "";
        times.dt_utc_last_update = "1715688000000";
        compare(findChild(times, "createTime").text, "n/a");
        compare(findChild(times, "updateTime").text, "15:00", "today at the user's offset");
    }

    function test_lockHolder() {
        GLOBAL.user.originalModel.addRow({ "id": "1", "sign": "system" });
        GLOBAL.user.originalModel.addRow({ "id": "2", "sign": "operator" });
        var holder = findChild(locked, "lockHolder");
        locked.rst_id_user_locked = "1";
        compare(holder.text, "system");
        compare(String(holder.color), "#ff0000", "someone else's lock is red");
        locked.rst_id_user_locked = "2";
        compare(holder.text, "operator");
        verify(String(holder.color) !== "#ff0000", "the user's own lock is not");
        locked.rst_id_user_locked = "77";
        compare(holder.text, "n/a");
    }

    function test_buttonBox() {
        compare(buttons.roles, ["ok", "apply", "cancel"]);
        verify(findChild(buttons, "okButton").visible);
        verify(!findChild(buttons, "closeButton").visible);
        buttons.enterPressed();
        compare(acceptedSpy.count, 1, "Enter is OK while nothing changed");
        buttons.okDefault = false;
        buttons.enterPressed();
        compare(applySpy.count, 1, "and Apply once something did");
        buttons.okDefault = true;
        fakeEditor.state = "DUPLICATE";
        compare(buttons.roles, ["duplicate", "cancel"]);
        verify(findChild(buttons, "duplicateButton").visible);
        fakeEditor.state = "EDIT";
        verify(buttons.findButton("cancel"));
        verify(!buttons.findButton("close"));
    }

    function test_crud() {
        GLOBAL.setRight("driver", "delete", false);
        crud.controller = null;
        crud.controller = GLOBAL.driver;
        verify(!crud.cruddelete);
        verify(crud.crudcreate);
        GLOBAL.setRight("driver", "delete", true);
        GLOBAL.soReceived("car", "delete");
        verify(!crud.cruddelete, "another controller's push changes nothing");
        GLOBAL.soReceived("driver", "delete");
        verify(crud.cruddelete);
        GLOBAL.soReceived("driver", "table_mapping");
        crud.useSecurityValue = false;
        crud.crudupdate = false;
        GLOBAL.soReceived("driver", "update");
        verify(!crud.crudupdate, "set by hand, it stays");
        crud.useSecurityValue = true;
    }

    function test_location() {
        location.coordinates.forceActiveFocus();
        location.coordinates.selectAll();
        keyClick(Qt.Key_5);
        keyClick(Qt.Key_0);
        keyClick(Qt.Key_Period);
        keyClick(Qt.Key_4);
        keyClick(Qt.Key_Comma);
        keyClick(Qt.Key_Space);
        keyClick(Qt.Key_3);
        keyClick(Qt.Key_0);
        compare(location.lat.text, "50.4");
        compare(location.lon.text, "30");
        verify(coordSpy.count > 0);
        location.lat.forceActiveFocus();
        compare(location.coordinates.text, "50.4, 30", "the combined text shows both again");
        DESKTOP_UTILS.setClipboardText("49.84,24.03");
        findChild(location, "pasteButton").clicked();
        compare(location.lat.text, "49.84");
        compare(location.lon.text, "24.03");
        findChild(location, "copyButton").clicked();
        compare(DESKTOP_UTILS.getClipboardText(), "49.84, 24.03");
    }

    function test_enabling() {
        ownerBalance.override_group_low_balance.checked = false;
        ownerBalance.enabled_low_balance.checked = true;
        verify(!ownerBalance.enabled_low_balance.enabled);
        verify(!ownerBalance.low_balance.enabled);
        ownerBalance.override_group_low_balance.checked = true;
        verify(ownerBalance.low_balance.enabled);
        groupBalance.enabled_low_balance.checked = false;
        verify(!groupBalance.low_balance.enabled);
        ownerOffset.use_utc_offset.checked = false;
        verify(!ownerOffset.utc_offset.enabled);
        ownerOffset.use_utc_offset.checked = true;
        verify(ownerOffset.utc_offset.enabled);
        compare(groupOffset.utc_offset.currentText, "UTC0");
    }

    function test_prolonged() {
        prolonged.setData({ "prolonged_before": "90", "desc_before": "Called twice" });
        compare(prolonged.desc.legalText, "Called twice");
        compare(prolonged.prolonged.text, "0");
        verify(!prolonged.modify);
        prolonged.prolonged.forceActiveFocus();
        prolonged.prolonged.text = "15";
        prolonged.desc.textArea.forceActiveFocus();
        compare(prolongedKinds, ["prolonged"]);
        location.lat.forceActiveFocus();
        compare(prolongedKinds, ["prolonged", "desc"], "only while something changed");
    }

    function test_notificationEditor() {
        var url = "qrc:/qml/notification/NotificationEditor.qml";
        GLOBAL.routeUrl(url, "qrc:/qml/components/editor/NotificationEditorBase.qml");
        net.clear();
        var editor = GLOBAL.createQmlFrame(url, { "id": "9", "state": "EDIT", "isWindow": true, "isNewInstance": true });
        verify(editor);
        compare(net.sentNames(), ["notification_trInfo", "notification_trLock"]);
        net.answer("notification", "saInfo", { "RES": "10", "id": "9", "RECEIVER": editor.controller.objectNumber,
                                               "name": "Balance", "context": "driver.update", "value": "+100",
                                               "is_readed": "0", "is_completed": "1", "rst_id_nm": "44" });
        compare(editor.editorTitle, "Balance");
        compare(editor.context, "driver.update");
        compare(editor.value, "+100");
        verify(editor.isCompleted);
        compare(editor.rst_id_nm, "44");
        compare(net.sentNames().length, 2, "the read mark waits for the lock");
        net.answer("notification", "saLock", { "RES": "10", "id": "9", "RECEIVER": editor.controller.objectNumber,
                                               "rst_id_user_locked": "2" });
        compare(net.sentNames()[2], "notification_trUpdate", "read once it has loaded and is locked");
        compare(net.sent()[2]["is_readed"], "1");
        net.answer("notification", "saUpdate", { "RES": "10", "id": "9", "RECEIVER": editor.controller.objectNumber,
                                                 "name": "Balance", "is_readed": "0" });
        compare(net.sentNames().length, 3, "marked read once");
        net.answer("notification", "srUpdated", { "id": "9", "id_owner_modify": "1", "RECEIVER": "ALL" });
        compare(net.sentNames()[3], "notification_trInfo", "a change by the system reloads it");
        verify(findChild(editor, "closeButton").visible);
        verify(!findChild(editor, "okButton").visible);
        findChild(editor, "closeButton").clicked();
        tryVerify(function () { return GLOBAL.frames.count() === 0; }, TestTime.limit(5000));
    }
}
