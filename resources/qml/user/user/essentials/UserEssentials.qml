import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers

// A user's attributes: group, sign, names, phone, simultaneous calls, own time zone, blocking,
// low-balance warning and inner note; the password is changed in a dialog of its own.
ColumnLayout {
    id: essentials

    property alias form: userForm
    property alias buttonBox: buttonBox
    property alias user: user
    property alias groupValue: groupValue
    property alias utcOffset: ownerOffset
    property string storedOffset: ""
    readonly property bool isDirty: userForm.isFieldsDirty || groupValue.modify || ownerOffset.utc_offset.modify
    readonly property string formState: typeof editorItem !== "undefined" && editorItem ? editorItem.state : ""

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function flag(control) {
        return control.checked ? 1 : 0;
    }

    // The stored offset goes out as it is unless the operator chose another.
    function offsetToSend() {
        var box = ownerOffset.utc_offset;
        return box.modify || storedOffset === "" ? box.currentMinutes : storedOffset;
    }

    function chooseGroup() {
        return Pickers.openChooser("qrc:/qml/user/user-group/UserGroupTable.qml", "SELECT", function (result) {
            var id = Pickers.resultId(result, "rst_id_group");
            if (id !== undefined)
                groupValue.value = id;
        });
    }

    function openGroup() {
        return Pickers.openEditor("qrc:/qml/user/user-group/UserGroupEditor.qml", groupValue.value,
                                  Pickers.pageFrame());
    }

    spacing: 0

    User {
        id: user
    }

    PropertyBox {
        id: groupValue
    }

    Form {
        id: userForm

        function populateForm(mapParams) {
            populateFields(mapParams);
            var group = essentials.textOf(mapParams["rst_id_group"]);
            groupValue.setLegalValue(group === "" ? "1" : group);
            essentials.storedOffset = essentials.textOf(mapParams["utc_offset"]);
            ownerOffset.utc_offset.setLegalValue(essentials.storedOffset);
            isSystem.text = essentials.textOf(mapParams["is_system"]);
        }

        function setDefaultFields() {
            setFieldDefaults();
            var group = user.defaultFieldValue("rst_id_group");
            groupValue.setLegalValue(group === undefined || group === null ? "1" : String(group));
            var offset = user.defaultFieldValue("utc_offset");
            essentials.storedOffset = "";
            ownerOffset.utc_offset.setLegalValue(offset === undefined || offset === null ? "0" : String(offset));
        }

        // Flags go out as numbers. The users table has no blocking reason or status column, so
        // none is sent.
        function getMapParams() {
            var params = {
                "id": id,
                "rst_id_group": groupValue.value,
                "sign": sign.text,
                "first_name": firstName.text,
                "last_name": lastName.text,
                "middle_name": middleName.text,
                "phone": phone.text,
                "blocked": essentials.flag(blocked),
                "override_group_low_balance": essentials.flag(balanceItems.override_group_low_balance),
                "enabled_low_balance": essentials.flag(balanceItems.enabled_low_balance),
                "low_balance": balanceItems.low_balance.text,
                "inner_note": innerNote.text,
                "max_sim_calls": maxSimCalls.text,
                "use_utc_offset": essentials.flag(ownerOffset.use_utc_offset),
                "utc_offset": essentials.offsetToSend()
            };
            if (editorState() === "DUPLICATE") {
                params["copySettings"] = copySettings.checked ? "1" : "0";
                params["copySecurityRights"] = copyRights.checked ? "1" : "0";
            }
            return params;
        }

        // The duplicating editor opens on the same record.
        function updateProperties(properties) {
            properties["id"] = id;
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: user
        defaultActiveField: sign
        fields: [sign, lastName, firstName, middleName, phone, maxSimCalls, blocked, innerNote,
            ownerOffset.use_utc_offset, balanceItems.override_group_low_balance,
            balanceItems.enabled_low_balance, balanceItems.low_balance]
        titleRole: "sign"
        duplicateBar: Row {
            spacing: 10

            CheckBoxEx {
                id: copySettings

                objectName: "copySettings"
                text: qsTr("Copy settings")
                checked: true
            }

            CheckBoxEx {
                id: copyRights

                objectName: "copySecurityRights"
                text: qsTr("Copy security right")
                checked: true
            }
        }

        RowLayout {
            width: parent.width
            spacing: 10

            GroupBoxEx {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                title: qsTr("Attributes")

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Id:") }
                    TextFieldId { text: userForm.id }

                    SubjectBox {
                        id: groupBox

                        objectName: "groupBox"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        labelName: qsTr("User group")
                        isBrowseButton: true
                        shortcut: "Ctrl+1"
                        onClicked: essentials.chooseGroup()

                        RecordName {
                            id: groupName

                            model: GLOBAL.userGroup ? GLOBAL.userGroup.originalModel : null
                            recordId: groupValue.value
                            role: "name"
                        }

                        SubjectField {
                            objectName: "group_name"
                            legalText: groupName.text
                            errorCode: ["600", "700"]
                            onBrowseRequested: groupBox.clicked()
                            onEditorRequested: essentials.openGroup()
                        }
                    }

                    LabelEx { text: qsTr("Sign:") }
                    TextFieldEx { id: sign; objectName: "sign"; Layout.fillWidth: true; errorCode: ["250", "251", "252"] }
                    LabelEx { text: qsTr("Last name:") }
                    TextFieldEx { id: lastName; objectName: "last_name"; Layout.fillWidth: true; errorCode: ["501"] }
                    LabelEx { text: qsTr("First Name:") }
                    TextFieldEx { id: firstName; objectName: "first_name"; Layout.fillWidth: true; errorCode: ["500"] }
                    LabelEx { text: qsTr("Middle name:") }
                    TextFieldEx { id: middleName; objectName: "middle_name"; Layout.fillWidth: true }
                    LabelEx { text: qsTr("Phone:") }
                    TextFieldEx { id: phone; objectName: "phone"; Layout.fillWidth: true }
                    LabelEx { text: qsTr("Max sim calls:") }
                    TextFieldEx {
                        id: maxSimCalls

                        objectName: "max_sim_calls"
                        Layout.fillWidth: true
                        errorCode: ["505"]
                        validator: IntValidator { bottom: 0 }
                    }

                    OwnerUtcOffset {
                        id: ownerOffset

                        objectName: "ownerUtcOffset"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                    }

                    Item { width: 1; height: 1 }
                    CheckBoxEx { id: blocked; objectName: "blocked"; text: qsTr("Blocked") }
                    Item { width: 1; height: 1 }
                    ButtonEx {
                        objectName: "changePasswordButton"
                        visible: essentials.formState !== "ADD"
                        text: qsTr("Change Password...")
                        onClicked: QWIDGET_CREATOR.userChangePassword(userForm.id, editorItem)
                    }
                    LabelEx { text: qsTr("Is system:") }
                    LabelYes { id: isSystem; objectName: "is_system" }
                }
            }

            ColumnLayout {
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: 300

                OwnerBalanceItems {
                    id: balanceItems

                    Layout.fillWidth: true
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Inner note")

                    TextAreaEx {
                        id: innerNote

                        objectName: "inner_note"
                        width: parent.width
                        height: 100
                    }
                }
            }
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        form: userForm
    }

    ItemSeparator {
        Layout.fillWidth: true
    }
}
