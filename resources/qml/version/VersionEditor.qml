import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/utils.js" as Utils
import "qrc:/qml/js/errors.js" as Errors

// The minimal and the recommended client version: the "version" of the version rows whose codes
// are "tax_min" and "tax_current". Opened without an id; it reads both rows, holds their locks
// while open and updates the rows whose version changed.
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

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: versionForm

            function controlOf(code) {
                return code === "tax_min" ? taxMin : code === "tax_current" ? taxCurrent : null;
            }

            function initialRequest() {
                var request = Utils.createJSONRequest();
                request.addExpr("code", "=", "tax_min", "or");
                request.addExpr("code", "=", "tax_current");
                editor.rows = {};
                if (editor.checkSecurity(version) && version.trGetList(request.commit()))
                    editor.startBusy();
            }

            function onSaListInfo(mapParams) {
                var control = isOwnAnswer(mapParams) ? controlOf(String(mapParams["code"])) : null;
                if (!control)
                    return;
                var found = editor.rows;
                found[String(mapParams["code"])] = { "id": String(mapParams["id"]), "control": control };
                editor.rows = found;
                control.legalText = answerText(mapParams["version"]);
            }

            function onSaGetList(mapParams) {
                if (!isOwnAnswer(mapParams))
                    return;
                var result = mapParams["RES"];
                if (result !== undefined && String(result) !== "10") {
                    editor.stopBusy();
                    displayError(mapParams);
                    return;
                }
                if (String(mapParams["STATE"]) !== "end")
                    return;
                editor.stopBusy();
                var locked = [];
                for (var code in editor.rows) {
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
                editor.pendingUpdates = changed.length;
                for (var i = 0; i < changed.length; ++i)
                    version.trUpdate({ "id": changed[i].id, "version": changed[i].control.text });
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
                if (control)
                    control.legalText = answerText(mapParams["version"]);
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
                        Layout.fillWidth: true
                    }
                    LabelEx { text: qsTr("Recommended:") }
                    TextFieldEx {
                        id: taxCurrent

                        objectName: "tax_current"
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
