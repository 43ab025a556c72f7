import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/dialog.js" as Dialog

// What raising a driver's rating costs: one price for any raise ("common") or a price per point
// ("point"). The setting is the value record "raise_rating_cost", read by its code, whose value
// is the JSON {"mode", "cost": {"common", "point"}}. A missing record, a value that is not that
// JSON and a cost that is no number are said, never saved over. The record is read by a list,
// whose rows its controller keeps.
Editor {
    id: editor

    readonly property string code: "raise_rating_cost"
    // The setting's record was found (and locked).
    property bool isFound: false

    title: qsTr("Driver Raise Rating") + (isDirty ? "*" : "")
    state: "EDIT"
    form: raiseForm
    isDirty: raiseForm.isFieldsDirty || commonMode.modify
    onEnterPressed: buttonBox.enterPressed()
    onStartDestroy: {
        if (raiseForm.lockRequested && raiseForm.id !== "") {
            value.trUnlock({ "id": raiseForm.id });
            raiseForm.lockRequested = false;
        }
    }

    Value {
        id: value

        useTrGetList: true
    }

    ListRows {
        id: settingRows

        controller: value
        onEnded: raiseForm.listEnded(isReload)
        onRefused: {
            raiseForm.watch.takeRead();
            raiseForm.displayError(answer);
        }
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: raiseForm

            function initialRequest() {
                return editor.checkSecurity(value) && settingRows.request({ "code": editor.code });
            }

            // A change of the setting is a change of its stored JSON.
            function changeKeys() {
                return ["value"];
            }

            // The setting's row as the list brought it. A reload after a push changes nothing
            // here: the push itself re-reads the setting, or asks first while it is changed.
            function listEnded(isReload) {
                if (isReload)
                    return;
                var read = watch.takeRead();
                var row = settingRows.find("code", editor.code);
                if (!watch.readFills(read, row))
                    return;
                editor.isFound = row !== null;
                if (!row) {
                    Dialog.error(qsTr("The server has no raise rating cost (value \"%1\")").arg(editor.code));
                    return;
                }
                processData(row);
                focusAfterRead(read);
                if (!lockRequested)
                    lock();
            }

            // The stored JSON; a value that is not it keeps the start values and is said.
            function populateForm(mapParams) {
                var text = answerText(mapParams["value"]);
                var setting = null;
                try {
                    setting = JSON.parse(text);
                } catch (error) {
                    setting = null;
                }
                var cost = setting && typeof setting === "object" ? setting["cost"] : null;
                if (!cost || typeof cost !== "object" || (setting["mode"] !== "common" && setting["mode"] !== "point")) {
                    showSetting(true, "0", "0");
                    Dialog.error(qsTr("The stored raise rating cost is not valid: %1").arg(text));
                    return;
                }
                showSetting(setting["mode"] === "common", costText(cost["common"]), costText(cost["point"]));
            }

            // The stored setting, shown whatever was typed over it.
            function showSetting(isCommon, common, point) {
                commonMode.legalChecked = isCommon;
                commonMode.checked = isCommon;
                pointMode.checked = !isCommon;
                commonCost.setLegalValue(common);
                pointCost.setLegalValue(point);
            }

            function costText(number) {
                return typeof number === "number" && isFinite(number) ? String(number) : "";
            }

            // The cost as a number; null when the field holds none.
            function costOf(field) {
                var text = field.text.trim();
                var number = Number(text);
                return text === "" || !isFinite(number) ? null : number;
            }

            function runAction() {
                if (isBusy)
                    return;
                if (!editor.isFound || !editor.isDirty) {
                    editor.closed();
                    return;
                }
                var fields = [commonCost, pointCost];
                for (var i = 0; i < fields.length; ++i) {
                    if (costOf(fields[i]) === null) {
                        editor.isCloseOnSa = false;
                        fields[i].forceActiveFocus();
                        Dialog.error(qsTr("Cost must be a number"));
                        return;
                    }
                }
                if (!isOnline() || watch.waitForReads())
                    return;
                var setting = { "mode": commonMode.checked ? "common" : "point",
                                "cost": { "common": costOf(commonCost), "point": costOf(pointCost) } };
                var params = { "id": id, "code": editor.code, "value": JSON.stringify(setting) };
                watch.confirmLockedSave(function () { value.trUpdate(params); });
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: value
            isLock: false
            defaultActiveField: commonCost
            fields: [commonCost, pointCost]

            GroupBoxEx {
                width: parent.width
                // Nothing to change without the setting's record.
                enabled: editor.isFound
                title: qsTr("Attributes")

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Id:") }
                    TextFieldId { text: editor.id }
                    RadioButtonEx {
                        id: commonMode

                        objectName: "commonMode"
                        text: qsTr("Common")
                        checked: true
                        legalChecked: true
                    }
                    RadioButtonEx {
                        id: pointMode

                        objectName: "pointMode"
                        text: qsTr("Point")
                        legalChecked: !commonMode.legalChecked
                    }
                    LabelEx { text: qsTr("Common cost:") }
                    TextFieldDouble {
                        id: commonCost

                        objectName: "common_cost"
                        enabled: commonMode.checked
                        text: "0"
                        legalText: "0"
                    }
                    LabelEx { text: qsTr("Point cost:") }
                    TextFieldDouble {
                        id: pointCost

                        objectName: "point_cost"
                        enabled: pointMode.checked
                        text: "0"
                        legalText: "0"
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: raiseForm
        }
    }
}
