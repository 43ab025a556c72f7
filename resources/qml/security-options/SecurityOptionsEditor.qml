import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/utils.js" as Utils

// One security option value of a user ("USO") or of a user group ("UGSO"): yes or no, a list of
// roles (the columns a controller's tables hide) or a text; on a user also whether it is in use.
Editor {
    id: editor

    // The controller whose option this is: its columns are the roles a list option names.
    property string secureControllerName
    property string so_data_type: "bool"
    property string legalRoles: "[]"
    property string rolesText: "[]"
    property alias valueCheck: valueCheck
    property alias valueText: valueText
    property alias isUsing: isUsing
    property alias roleView: roleView
    readonly property bool isList: so_data_type === "list"
    readonly property bool isBool: so_data_type === "bool"

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function roleController() {
        return secureControllerName === "" ? null : Utils.getControllerByName(secureControllerName, editor);
    }

    // The roles of a JSON array, each with its caption in the controller's list.
    function showRoles(json) {
        var list;
        try {
            list = JSON.parse(json);
        } catch (error) {
            list = [];
        }
        if (!Array.isArray(list))
            list = [];
        var controller = roleController();
        var rows = controller ? controller.originalModel : null;
        roleView.roles.clear();
        for (var i = 0; i < list.length; ++i) {
            var title = rows ? rows.roleTitle(String(list[i])) : "";
            roleView.roles.append({ "role": String(list[i]), "title": title ? title : String(list[i]) });
        }
        if (controller)
            controller.destroy();
        rolesText = JSON.stringify(roleView.roleList());
    }

    function addRoles() {
        var controller = roleController();
        if (!controller) {
            Dialog.error(qsTr("Absent secure option for controller %1").arg(secureControllerName));
            return;
        }
        var rows = controller.originalModel;
        var offered = [];
        var names = rows.getRoleListForQml();
        for (var i = 0; i < names.length; ++i) {
            var title = rows.roleTitle(names[i]);
            if (title)
                offered.push({ "role": names[i], "title": title });
        }
        controller.destroy();
        var dialog = QWIDGET_CREATOR.roles(offered, editor);
        if (!dialog)
            return;
        dialog.selected.connect(function (chosen) {
            var known = roleView.roleList();
            for (var k = 0; k < chosen.length; ++k) {
                if (known.indexOf(chosen[k]) >= 0)
                    continue;
                var found = offered.filter(function (entry) { return entry.role === chosen[k]; });
                roleView.roles.append({ "role": chosen[k], "title": found.length ? found[0].title : chosen[k] });
                known.push(chosen[k]);
            }
            rolesText = JSON.stringify(roleView.roleList());
        });
    }

    function removeRoles() {
        var rows = roleView.selectedRows();
        if (rows.length === 0)
            return;
        var question = Dialog.question(qsTr("Remove selected rows?"));
        if (!question)
            return;
        question.yes.connect(function () {
            for (var i = rows.length - 1; i >= 0; --i)
                roleView.roles.remove(rows[i]);
            roleView.selection.clear();
            rolesText = JSON.stringify(roleView.roleList());
        });
    }

    function optionValue() {
        if (isBool)
            return valueCheck.checked ? "1" : "0";
        if (isList)
            return rolesText;
        return valueText.text;
    }

    editorTitle: optionName.text
    form: optionForm
    isDirty: (isBool ? valueCheck.modify : isList ? rolesText !== legalRoles : valueText.modify)
             || (state === "USO" && isUsing.modify)
    onEnterPressed: buttonBox.enterPressed()
    state: "USO"
    states: [
        State { name: "USO"; extend: "EDIT" },
        State { name: "UGSO"; extend: "EDIT" }
    ]
    window.width: 600
    window.height: 270

    UserSecurityOption {
        id: userValue

        isModelReceiveAll: true
    }

    UserGroupSecurityOption {
        id: groupValue

        isModelReceiveAll: true
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: optionForm

            function populateForm(mapParams) {
                var type = editor.textOf(mapParams["so_data_type"]);
                editor.so_data_type = type === "" ? "bool" : type;
                optionName.text = editor.textOf(mapParams["so_option_name"]);
                var value = editor.textOf(mapParams["option_value"]);
                valueCheck.legalChecked = value === "1";
                valueCheck.checked = value === "1";
                valueText.legalText = value;
                if (editor.isList) {
                    editor.showRoles(value === "" ? "[]" : value);
                    editor.legalRoles = editor.rolesText;
                }
                isUsing.legalChecked = editor.textOf(mapParams["is_using"]) === "1";
                isUsing.checked = isUsing.legalChecked;
                description.text = editor.textOf(mapParams["so_description"]);
            }

            // The option's value in the form of its type; on a user, also whether it is in use.
            function getMapParams() {
                var params = { "id": id, "option_value": editor.optionValue() };
                if (editor.state === "USO")
                    params["is_using"] = isUsing.checked ? "1" : "0";
                return params;
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: editor.state === "UGSO" ? groupValue : userValue
            defaultActiveField: editor.isBool ? valueCheck : valueText

            GroupBoxEx {
                width: parent.width
                title: qsTr("Attributes")

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Id:") }
                    TextFieldId { text: editor.id }
                    LabelEx { text: qsTr("Option name:") }
                    LabelEx { id: optionName; objectName: "so_option_name" }
                    LabelEx {
                        visible: !editor.isBool && !editor.isList
                        text: qsTr("Option value:")
                    }
                    TextFieldEx {
                        id: valueText

                        objectName: "option_value"
                        Layout.fillWidth: true
                        visible: !editor.isBool && !editor.isList
                        validator: editor.so_data_type === "signedDouble" ? signedNumber
                                   : editor.so_data_type === "unSignedDouble" ? unsignedNumber : null
                    }
                    Item { width: 1; height: 1; visible: editor.isBool }
                    CheckBoxEx {
                        id: valueCheck

                        objectName: "option_value_check"
                        visible: editor.isBool
                        text: qsTr("Option value")
                    }
                    LabelEx {
                        visible: editor.isList
                        text: qsTr("Hide columns:")
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        visible: editor.isList

                        TableViewRole {
                            id: roleView

                            objectName: "roleView"
                            Layout.fillWidth: true
                            Layout.preferredHeight: 120
                        }
                        Row {
                            spacing: 10

                            ButtonEx {
                                objectName: "addRolesButton"
                                text: qsTr("Add...")
                                onClicked: editor.addRoles()
                            }
                            ButtonEx {
                                objectName: "removeRolesButton"
                                text: qsTr("Remove...")
                                enabled: roleView.currentRow >= 0
                                onClicked: editor.removeRoles()
                            }
                        }
                    }
                    Item { width: 1; height: 1; visible: editor.state === "USO" }
                    CheckBoxEx {
                        id: isUsing

                        objectName: "is_using"
                        visible: editor.state === "USO"
                        text: qsTr("Is using")
                    }
                    LabelEx { text: qsTr("Description:") }
                    LabelEx {
                        id: description

                        objectName: "so_description"
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: optionForm
        }
    }

    DoubleValidator {
        id: signedNumber

        locale: "en"
    }

    DoubleValidator {
        id: unsignedNumber

        bottom: 0
        locale: "en"
    }
}
