import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/utils.js" as Utils

// The minimal and the recommended client version: the "version" of the version rows whose codes
// are "tax_min" and "tax_current". Opened without an id; it reads both rows by a list, whose rows
// its controller keeps, holds their locks while open and updates the rows whose version changed.
Editor {
    id: editor

    // Code -> {"id", "control"} of the rows read.
    property var rows: ({})
    property var lockedIds: []
    property int pendingUpdates: 0

    title: qsTr("Versions") + (isDirty ? "*" : "")
    state: "EDIT"
    form: versionForm
    isDirty: versionForm.isFieldsDirty
    onEnterPressed: buttonBox.enterPressed()
    onStartDestroy: {
        for (var i = 0; i < lockedIds.length; ++i)
            version.trUnlock({ "id": lockedIds[i] });
        lockedIds = [];
    }

    Version {
        id: version

        useTrGetList: true
    }

    ListRows {
        id: versionRows

        controller: version
        onEnded: versionForm.listEnded(isReload)
        onRefused: {
            versionForm.watch.takeRead();
            versionForm.displayError(answer);
        }
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: versionForm

            readonly property var codes: ["tax_min", "tax_current"]

            function controlOf(code) {
                return code === "tax_min" ? taxMin : code === "tax_current" ? taxCurrent : null;
            }

            function initialRequest() {
                var request = Utils.createJSONRequest();
                request.addExpr("code", "=", "tax_min", "or");
                request.addExpr("code", "=", "tax_current");
                return editor.checkSecurity(version) && versionRows.request(request.commit());
            }

            // The rows' versions, as rowsRecord() holds them.
            function changeKeys() {
                return codes;
            }

            function holdsRecord(recordId) {
                for (var code in editor.rows) {
                    if (editor.rows[code].id === String(recordId))
                        return true;
                }
                return false;
            }

            // The rows as the list brought them: each shown and locked; a missing one is said and
            // its field stays closed. A reload after a push changes nothing here: the push itself
            // re-reads the rows, or asks first while they are changed.
            function listEnded(isReload) {
                if (isReload)
                    return;
                var read = watch.takeRead();
                var record = rowsRecord();
                if (!watch.readFills(read, record))
                    return;
                watch.recordShown(record);
                var found = {};
                var missing = [];
                for (var i = 0; i < codes.length; ++i) {
                    var row = versionRows.find("code", codes[i]);
                    if (!row) {
                        missing.push(codes[i]);
                        continue;
                    }
                    found[codes[i]] = { "id": String(row["id"]), "control": controlOf(codes[i]) };
                    controlOf(codes[i]).setLegalValue(answerText(row["version"]));
                }
                editor.rows = found;
                focusAfterRead(read);
                lockRows();
                if (missing.length > 0)
                    Dialog.error(qsTr("The server has no version row \"%1\"").arg(missing.join("\", \"")));
            }

            // The versions of the rows as one record, changed when either row last changed.
            function rowsRecord() {
                var record = { "dt_utc_last_update": 0 };
                for (var i = 0; i < codes.length; ++i) {
                    var row = versionRows.find("code", codes[i]);
                    if (row) {
                        record[codes[i]] = answerText(row["version"]);
                        record["dt_utc_last_update"] = Math.max(record["dt_utc_last_update"], Number(row["dt_utc_last_update"]));
                    }
                }
                return record;
            }

            function relock() {
                for (var i = 0; i < editor.lockedIds.length; ++i)
                    version.trLock({ "id": editor.lockedIds[i] });
            }

            function lockRows() {
                var locked = editor.lockedIds.slice();
                for (var code in editor.rows) {
                    if (locked.indexOf(editor.rows[code].id) >= 0)
                        continue;
                    version.trLock({ "id": editor.rows[code].id });
                    locked.push(editor.rows[code].id);
                }
                editor.lockedIds = locked;
            }

            // One update per changed row.
            function runAction() {
                if (isBusy)
                    return;
                var changed = [];
                for (var code in editor.rows) {
                    if (editor.rows[code].control.modify)
                        changed.push(editor.rows[code]);
                }
                if (changed.length === 0) {
                    editor.closed();
                    return;
                }
                if (!isOnline() || watch.waitForReads())
                    return;
                editor.pendingUpdates = changed.length;
                savedParams = {};
                for (var i = 0; i < changed.length; ++i) {
                    savedParams[changed[i].control.objectName] = changed[i].control.text;
                    version.trUpdate({ "id": changed[i].id, "version": changed[i].control.text });
                }
                editor.startBusy();
            }

            function onSaUpdate(mapParams) {
                if (!isOwnAnswer(mapParams))
                    return;
                editor.pendingUpdates = Math.max(0, editor.pendingUpdates - 1);
                if (String(mapParams["RES"]) !== "10") {
                    editor.pendingUpdates = 0;
                    editor.stopBusy();
                    editor.isCloseOnSa = false;
                    showAnswerFailure(mapParams);
                    return;
                }
                var control = controlOf(String(mapParams["code"]));
                if (control) {
                    var typed = typedSinceSave();
                    control.legalText = answerText(mapParams["version"]);
                    keepTyped(typed);
                    if (watch.baseRecord)
                        watch.baseRecord[String(mapParams["code"])] = control.legalText;
                }
                if (editor.pendingUpdates > 0)
                    return;
                editor.stopBusy();
                if (editor.isCloseOnSa)
                    editor.closed();
            }

            function onSaLock(mapParams) {
                if (isOwnAnswer(mapParams) && String(mapParams["RES"]) !== "10")
                    displayError(mapParams);
            }

            function onSaInfo(mapParams) {
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: version
            isOneRecord: false
            isLock: false
            defaultActiveField: taxMin
            fields: [taxMin, taxCurrent]

            GroupBoxEx {
                width: parent.width
                title: "Tax"

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Minimal:") }
                    TextFieldEx {
                        id: taxMin

                        objectName: "tax_min"
                        enabled: editor.rows["tax_min"] !== undefined
                        Layout.fillWidth: true
                    }
                    LabelEx { text: qsTr("Recommended:") }
                    TextFieldEx {
                        id: taxCurrent

                        objectName: "tax_current"
                        enabled: editor.rows["tax_current"] !== undefined
                        Layout.fillWidth: true
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: versionForm
        }
    }
}
