import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers

// A paid service type connected to a driver. Opened from a driver's or a type's list, it starts
// with that driver or type.
Editor {
    id: editor

    property string rst_id_owner: "1"
    property string drv_sign: "n/a"
    property string rst_id_pst: "1"
    property string pst_name: "n/a"

    title: qsTr("Driver paid service") + " (" + id + ")" + (isDirty ? "*" : "")
    form: serviceForm
    isDirty: serviceForm.isFieldsDirty || ownerValue.modify || typeValue.modify
    onEnterPressed: buttonBox.enterPressed()

    DriverPaidService {
        id: paidService
    }

    PropertyBox {
        id: ownerValue
    }

    PropertyBox {
        id: typeValue
    }

    RecordName {
        id: typeName

        model: GLOBAL.driverPaidServiceType ? GLOBAL.driverPaidServiceType.originalModel : null
        recordId: typeValue.value
        role: "name"
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: serviceForm

            function textOf(value) {
                return value === undefined || value === null ? "" : String(value);
            }

            function referenceOf(value) {
                var id = textOf(value);
                return id === "" ? "1" : id;
            }

            function setDefaultFields() {
                setFieldDefaults();
                ownerValue.setLegalValue(referenceOf(editor.rst_id_owner));
                typeValue.setLegalValue(referenceOf(editor.rst_id_pst));
            }

            function populateForm(mapParams) {
                populateFields(mapParams);
                ownerValue.setLegalValue(referenceOf(mapParams["rst_id_owner"]));
                typeValue.setLegalValue(referenceOf(mapParams["rst_id_pst"]));
                editor.drv_sign = textOf(mapParams["drv_sign"]);
                editor.pst_name = textOf(mapParams["pst_name"]);
                editor.editorTitle = editor.drv_sign;
            }

            function getMapParams() {
                return { "id": id, "rst_id_owner": ownerValue.value, "rst_id_pst": typeValue.value,
                         "enabled": enabled.checked ? "1" : "0" };
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: paidService
            defaultActiveField: enabled
            fields: [enabled]

            GroupBoxEx {
                width: parent.width
                title: qsTr("Attributes")

                GridLayout {
                    width: parent.width
                    columns: 2

                    LabelEx { text: qsTr("Id:") }
                    TextFieldId { text: editor.id }

                    SubjectBox {
                        id: driverBox

                        objectName: "driverBox"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        labelName: qsTr("Driver")
                        isBrowseButton: true
                        shortcut: "Ctrl+1"
                        onClicked: Pickers.openChooser("qrc:/qml/driver/driver/DriverTable.qml", "SELECT", function (result) {
                            var id = Pickers.resultId(result, "id");
                            if (id === undefined)
                                return;
                            ownerValue.value = id;
                            editor.drv_sign = serviceForm.textOf(result["sign"]);
                        })

                        SubjectField {
                            objectName: "drv_sign"
                            legalText: ownerValue.value === "1" ? qsTr("n/a") : editor.drv_sign
                            errorCode: ["250"]
                            onBrowseRequested: driverBox.clicked()
                            onEditorRequested: Pickers.openEditor("qrc:/qml/driver/driver/DriverEditor.qml",
                                                                  ownerValue.value, Pickers.pageFrame())
                        }
                    }

                    SubjectBox {
                        id: typeBox

                        objectName: "typeBox"
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        labelName: qsTr("Driver paid service type")
                        isBrowseButton: true
                        shortcut: "Ctrl+2"
                        onClicked: Pickers.openChooser(
                                       "qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml", "SELECT",
                                       function (result) {
                            var id = Pickers.resultId(result, "rst_id_pst");
                            if (id !== undefined)
                                typeValue.value = id;
                        })

                        SubjectField {
                            objectName: "pst_name"
                            legalText: typeValue.value === "1" ? qsTr("n/a")
                                                               : (typeName.text !== "" ? typeName.text : editor.pst_name)
                            onBrowseRequested: typeBox.clicked()
                            onEditorRequested: Pickers.openEditor(
                                                   "qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml",
                                                   typeValue.value, Pickers.pageFrame())
                        }
                    }

                    Item { width: 1; height: 1 }
                    CheckBoxEx {
                        id: enabled

                        objectName: "enabled"
                        text: qsTr("Enabled")
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            form: serviceForm
        }
    }
}
