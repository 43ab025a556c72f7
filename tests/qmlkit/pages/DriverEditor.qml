import QtQuick 2.15
import QtQuick.Layouts 1.15
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"

// An editor page as the application writes them: a driver's fields, the form's two functions
// and the button box.
Editor {
    id: editor

    property alias drivers: drivers
    property alias buttons: buttonBox
    // Without it the page's read sends nothing, as a list editor's without the read right.
    property bool readable: true

    isDirty: driverForm.fieldsModified([sign, lastName, rating, innerNote, utcOffset, shift, online, nightMode,
                                        badge, birthDate, shiftStart, dutyGroup, cityValue, callSign])
    form: driverForm
    onEnterPressed: buttonBox.enterPressed()

    KitDriver {
        id: drivers
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: driverForm

            function textOf(mapParams, key) {
                return mapParams[key] === undefined ? "" : String(mapParams[key]);
            }

            function initialRequest() {
                if (!editor.readable)
                    return false;
                controller.trInfo({ "id": id });
                return true;
            }

            function getMapParams() {
                return { "id": editor.id, "sign": sign.text, "last_name": lastName.text, "rating": rating.text,
                         "inner_note": innerNote.text };
            }

            function populateForm(mapParams) {
                editor.editorTitle = textOf(mapParams, "last_name");
                sign.setLegalValue(textOf(mapParams, "sign"));
                lastName.setLegalValue(textOf(mapParams, "last_name"));
                rating.setLegalValue(textOf(mapParams, "rating"));
                innerNote.legalText = textOf(mapParams, "inner_note");
                // The other kinds of control take their legal values as pages assign them.
                utcOffset.legalText = textOf(mapParams, "utc_offset");
                shift.legalCurrentIndex = Number(textOf(mapParams, "shift"));
                online.legalChecked = textOf(mapParams, "is_online") === "1";
                nightMode.legalChecked = textOf(mapParams, "night_mode") === "1";
                badge.legalColor = textOf(mapParams, "badge_color") || "#808080";
                birthDate.legalText = textOf(mapParams, "dt_birth") || "01.01.90";
                shiftStart.legalText = textOf(mapParams, "shift_start");
                dutyGroup.legalChecked = textOf(mapParams, "override_duty_amount") === "1";
                cityValue.legalValue = textOf(mapParams, "rst_id_city") || "1";
                callSign.legalText = textOf(mapParams, "call_sign");
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: drivers
            defaultActiveField: sign
            fields: [sign, lastName, rating, innerNote]
            resolutionContexts: ["driver.update"]
            toolBar: ToolBarEx {
                ToolButtonDuplicateEditor { objectName: "duplicateEditorButton" }
            }

            GridLayout {
                width: parent.width
                columns: 2
                columnSpacing: 10

                LabelEx { text: "Id:" }
                TextFieldId { id: idField; text: editor.id }
                LabelEx { text: "Sign:" }
                TextFieldEx { id: sign; Layout.fillWidth: true; errorCode: ["250", "252"] }
                LabelEx { text: "Last name:" }
                TextFieldEx { id: lastName; Layout.fillWidth: true }
                LabelEx { text: "Rating:" }
                TextFieldDouble { id: rating; Layout.preferredWidth: 80; errorCode: ["450"] }
                LabelEx { text: "Inner note:" }
                TextAreaEx { id: innerNote; Layout.fillWidth: true; Layout.preferredHeight: 60 }
                UTCComboBox { id: utcOffset; objectName: "utcOffset"; Layout.preferredWidth: 140 }
                ComboBoxEx { id: shift; objectName: "shift"; model: ["Day", "Night", "Both"] }
                SwitchEx { id: online; objectName: "online" }
                RadioButtonEx { id: nightMode; objectName: "nightMode"; text: "Nights" }
                ColorBox { id: badge; objectName: "badge" }
                DateEdit { id: birthDate; objectName: "birthDate"; calendarEnable: false }
                TimeEdit { id: shiftStart; objectName: "shiftStart" }
                GroupBoxEx { id: dutyGroup; objectName: "dutyGroup"; checkable: true; title: "Override duty amount" }
                PropertyBox { id: cityValue; objectName: "cityValue" }
                TextCompleter { id: callSign; objectName: "callSign"; Layout.fillWidth: true; role: "name" }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            applyEnabled: editor.isDirty
            okDefault: !editor.isDirty
            onAccepted: {
                driverForm.runAction();
                editor.isCloseOnSa = true;
            }
            onApply: driverForm.runAction()
            onRejected: editor.closed()
        }
    }
}
