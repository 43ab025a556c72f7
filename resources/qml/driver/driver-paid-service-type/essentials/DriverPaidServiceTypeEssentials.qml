import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers

// A paid service type's attributes: the company it belongs to, the driver balance type its price
// is booked under (chosen within a balance group), its name, price and whether it is in use.
ColumnLayout {
    id: essentials

    property alias form: typeForm
    property alias buttonBox: buttonBox
    property alias groupBox: groupBox
    property alias typeBox: typeBox
    property alias companyValue: companyValue
    property alias balanceTypeValue: balanceTypeValue
    readonly property bool isDirty: typeForm.isFieldsDirty || companyValue.modify || balanceTypeValue.modify
    // The name as stored, for the tabs that show it.
    readonly property string typeName: name.legalText

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function referenceOf(value) {
        var id = textOf(value);
        return id === "" ? "1" : id;
    }

    // The types of the group; none while no group is chosen.
    function narrowTypes(group) {
        var proxy = balanceTypes.proxyModel;
        proxy.beginPrepare();
        proxy.removeHardFilterGroupRoles("rst_id_bg");
        proxy.appendHardFilterRole("rst_id_bg", "=", group === "" ? "-1" : group, "and", "rst_id_bg");
        proxy.endPrepare();
        proxy.sortRows("name", Qt.AscendingOrder);
    }

    function idAt(controller, row) {
        var id = row < 0 ? undefined : controller.proxyModel.data(row, "id");
        return id === undefined || id === null || String(id) === "" ? "1" : String(id);
    }

    // A group chosen: its types, the first of them (the placeholder when it has none).
    function chooseGroup() {
        narrowTypes(idAt(balanceGroups, groupBox.currentIndex));
        typeBox.currentIndex = typeBox.count > 0 ? 0 : -1;
        balanceTypeValue.value = idAt(balanceTypes, typeBox.currentIndex);
    }

    // The stored type, within its group: the legal entries of both lists.
    function showType(typeId) {
        var group = typeId === "1" ? "" : textOf(balanceTypes.originalModel.data("id", typeId, "rst_id_bg"));
        groupBox.setLegalValue(group === "" ? -1 : balanceGroups.proxyModel.checkValueByRole("id", group));
        narrowTypes(group);
        typeBox.setLegalValue(typeId === "1" ? -1 : balanceTypes.proxyModel.checkValueByRole("id", typeId));
    }

    spacing: 0
    Component.onCompleted: {
        balanceGroups.proxyModel.appendHardFilterRole("id", "!=", "1");
        balanceGroups.proxyModel.sortRows("name", Qt.AscendingOrder);
        balanceTypes.proxyModel.appendHardFilterRole("id", "!=", "1");
        balanceTypes.proxyModel.appendHardFilterGroup("rst_id_bg", "and");
        narrowTypes("");
    }

    DriverPaidServiceType {
        id: paidServiceType
    }

    DriverBalanceGroup {
        id: balanceGroups
    }

    DriverBalanceType {
        id: balanceTypes
    }

    PropertyBox {
        id: companyValue
    }

    PropertyBox {
        id: balanceTypeValue
    }

    Form {
        id: typeForm

        function setDefaultFields() {
            setFieldDefaults();
            companyValue.setLegalValue("1");
            balanceTypeValue.setLegalValue("1");
            showType("1");
        }

        function populateForm(mapParams) {
            populateFields(mapParams);
            companyValue.setLegalValue(referenceOf(mapParams["rst_id_company"]));
            balanceTypeValue.setLegalValue(referenceOf(mapParams["rst_id_bt"]));
            showType(balanceTypeValue.value);
        }

        function getMapParams() {
            var params = fieldsRequest();
            params["rst_id_bt"] = balanceTypeValue.value;
            params["rst_id_company"] = companyValue.value;
            return params;
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: paidServiceType
        defaultActiveField: name
        fields: [name, price, enabled, innerNote]
        titleRole: "name"

        ColumnLayout {
            width: parent.width

            GroupBoxEx {
                Layout.fillWidth: true
                title: qsTr("Attributes")

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Id:") }
                    TextFieldId { text: typeForm.id }

                    CompanyBox {
                        id: companyBox

                        objectName: "companyBox"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        rst_id_company: companyValue.value
                        parentItem: Pickers.pageFrame()
                        isBrowseButton: true
                        shortcut: "Ctrl+1"
                        onClicked: Pickers.openChooser("qrc:/qml/company/company/CompanyTable.qml", "SELECT",
                                                       function (result) {
                            var id = Pickers.resultId(result, "rst_id_company");
                            if (id !== undefined)
                                companyValue.value = id;
                        })
                        Component.onCompleted: company_name.errorCode = ["400"]
                    }

                    LabelEx { text: qsTr("Driver balance group:") }
                    ComboBoxEx {
                        id: groupBox

                        objectName: "groupBox"
                        Layout.fillWidth: true
                        model: balanceGroups.proxyModel
                        textRole: "name"
                        ignoreUpdateModel: true
                        onActivated: essentials.chooseGroup()
                    }
                    LabelEx { text: qsTr("Driver balance type:") }
                    ComboBoxEx {
                        id: typeBox

                        objectName: "typeBox"
                        Layout.fillWidth: true
                        model: balanceTypes.proxyModel
                        textRole: "name_string"
                        ignoreUpdateModel: true
                        errorCode: ["251", "254"]
                        onActivated: balanceTypeValue.value = essentials.idAt(balanceTypes, currentIndex)
                    }
                    LabelEx { text: qsTr("Name:") }
                    TextFieldEx {
                        id: name

                        objectName: "name"
                        Layout.fillWidth: true
                        errorCode: ["250"]
                    }
                    LabelEx { text: qsTr("Price:") }
                    TextFieldDouble {
                        id: price

                        objectName: "price"
                        errorCode: ["252"]
                    }
                    Item { width: 1; height: 1 }
                    CheckBoxEx {
                        id: enabled

                        objectName: "enabled"
                        text: qsTr("Enabled")
                    }
                }
            }

            GroupBoxEx {
                Layout.fillWidth: true
                title: qsTr("Inner note")

                TextAreaEx {
                    id: innerNote

                    objectName: "inner_note"
                    width: parent.width
                    height: 80
                }
            }
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        form: typeForm
    }

    ItemSeparator {
        Layout.fillWidth: true
    }
}
