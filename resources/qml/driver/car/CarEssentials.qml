import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers

// A car's attributes: brand, body type and colour from their catalogues, identifier, model,
// year and seats; its driver and whether it is approved and the driver's selected car are
// shown. A new car is stored as a car of the editor's driver.
ColumnLayout {
    id: essentials

    property alias form: carForm
    property alias car: car
    property alias buttonBox: buttonBox
    property alias brandValue: brandValue
    property alias bodyTypeValue: bodyTypeValue
    property alias colorValue: colorValue
    // The driver of the car: the editor's, then the one the stored car names.
    property string rst_id_driver: "1"
    readonly property bool isDirty: carForm.isFieldsDirty || brandValue.modify || bodyTypeValue.modify
                                    || colorValue.modify
    readonly property string formState: typeof editorItem !== "undefined" && editorItem ? editorItem.state : ""

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function referenceOf(value) {
        var text = textOf(value);
        return text === "" ? "1" : text;
    }

    function driverSign(id) {
        if (id === "1" || id === "" || !GLOBAL.driver)
            return "";
        return textOf(GLOBAL.driver.originalModel.data("id", id, "sign"));
    }

    function colorOf(id) {
        if (id === "1" || !GLOBAL.carColors)
            return "black";
        var code = textOf(GLOBAL.carColors.originalModel.data("id", id, "rgb_code"));
        return code === "" ? "black" : code;
    }

    function choose(url, box) {
        return Pickers.openChooser(url, "SELECT", function (result) {
            var id = Pickers.resultId(result, "id");
            if (id !== undefined)
                box.value = id;
        });
    }

    spacing: 0

    Car {
        id: car
    }

    PropertyBox {
        id: brandValue
    }

    PropertyBox {
        id: bodyTypeValue
    }

    PropertyBox {
        id: colorValue
    }

    Form {
        id: carForm

        function populateForm(mapParams) {
            populateFields(mapParams);
            brandValue.setLegalValue(essentials.referenceOf(mapParams["rst_id_car_brands"]));
            bodyTypeValue.setLegalValue(essentials.referenceOf(mapParams["rst_id_body_types"]));
            colorValue.setLegalValue(essentials.referenceOf(mapParams["rst_id_car_colors"]));
            approved.text = essentials.textOf(mapParams["approved"]);
            selected.text = essentials.textOf(mapParams["is_selected"]);
            var driver = essentials.textOf(mapParams["rst_id_driver"]);
            if (driver !== "")
                essentials.rst_id_driver = driver;
            sign.legalText = essentials.textOf(mapParams["sign"]);
        }

        function setDefaultFields() {
            setFieldDefaults();
            brandValue.setLegalValue("1");
            bodyTypeValue.setLegalValue("1");
            colorValue.setLegalValue("1");
            sign.legalText = essentials.driverSign(essentials.rst_id_driver);
        }

        // A new car names its driver; the driver of a stored car never changes.
        function getMapParams() {
            var params = {
                "id": id,
                "rst_id_body_types": bodyTypeValue.value,
                "rst_id_car_brands": brandValue.value,
                "rst_id_car_colors": colorValue.value,
                "identifier": identifier.text,
                "model": carModel.text,
                "year": year.text,
                "place_amount": placeAmount.text
            };
            if (essentials.formState === "ADD" && essentials.rst_id_driver !== "1" && essentials.rst_id_driver !== "")
                params["rst_id_driver"] = essentials.rst_id_driver;
            return params;
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: car
        defaultActiveField: identifier
        fields: [identifier, carModel, year, placeAmount]

        ColumnLayout {
            width: parent.width
            spacing: 5

            GridLayout {
                columns: 2
                columnSpacing: 10

                LabelEx { text: qsTr("Id:") }
                TextFieldId { text: carForm.id }
                LabelEx { text: qsTr("Approved:") }
                LabelYes { id: approved; objectName: "approved" }
                LabelEx { text: qsTr("Selected:") }
                LabelYes { id: selected; objectName: "is_selected" }
            }

            SubjectBox {
                id: brandBox

                objectName: "brandBox"
                Layout.fillWidth: true
                labelName: qsTr("Brand")
                isBrowseButton: true
                shortcut: "Ctrl+1"
                onClicked: essentials.choose("qrc:/qml/driver/attributes/CarBrandsTable.qml", brandValue)

                RecordName {
                    id: brandName

                    model: GLOBAL.carBrands ? GLOBAL.carBrands.originalModel : null
                    recordId: brandValue.value
                    role: "name"
                }

                SubjectField {
                    objectName: "brand_name"
                    legalText: brandName.text
                    onBrowseRequested: brandBox.clicked()
                }
            }

            SubjectBox {
                id: bodyTypeBox

                objectName: "bodyTypeBox"
                Layout.fillWidth: true
                labelName: qsTr("Body type")
                isBrowseButton: true
                shortcut: "Ctrl+2"
                onClicked: essentials.choose("qrc:/qml/driver/attributes/CarBodyTypesTable.qml", bodyTypeValue)

                RecordName {
                    id: bodyTypeName

                    model: GLOBAL.carBodyTypes ? GLOBAL.carBodyTypes.originalModel : null
                    recordId: bodyTypeValue.value
                    role: "name"
                }

                SubjectField {
                    objectName: "body_type_name"
                    legalText: bodyTypeName.text
                    onBrowseRequested: bodyTypeBox.clicked()
                }
            }

            SubjectBox {
                id: colorBox

                objectName: "colorBox"
                Layout.fillWidth: true
                labelName: qsTr("Color")
                isBrowseButton: true
                shortcut: "Ctrl+3"
                onClicked: essentials.choose("qrc:/qml/driver/attributes/CarColorsTable.qml", colorValue)

                RecordName {
                    id: colorName

                    model: GLOBAL.carColors ? GLOBAL.carColors.originalModel : null
                    recordId: colorValue.value
                    role: "name"
                }

                Rectangle {
                    objectName: "colorSwatch"
                    Layout.preferredWidth: 24
                    Layout.preferredHeight: 24
                    border.color: "gray"
                    color: {
                        colorName.text;
                        return essentials.colorOf(colorValue.value);
                    }
                }

                SubjectField {
                    objectName: "color_name"
                    legalText: colorName.text
                    onBrowseRequested: colorBox.clicked()
                }
            }

            SubjectBox {
                Layout.fillWidth: true
                labelName: qsTr("Sign")
                readOnly: true

                SubjectField {
                    id: sign

                    objectName: "sign"
                    onEditorRequested: Pickers.openEditor("qrc:/qml/driver/driver/DriverEditor.qml",
                                                          essentials.rst_id_driver, Pickers.pageFrame())
                }
            }

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 10

                LabelEx { text: qsTr("Identifier:") }
                TextFieldEx { id: identifier; objectName: "identifier"; Layout.fillWidth: true }
                LabelEx { text: qsTr("Model:") }
                TextFieldEx { id: carModel; objectName: "model"; Layout.fillWidth: true }
                LabelEx { text: qsTr("Year:") }
                TextFieldEx {
                    id: year

                    objectName: "year"
                    Layout.fillWidth: true
                    validator: IntValidator { bottom: 0; top: 9999 }
                }
                LabelEx { text: qsTr("Place amount:") }
                TextFieldEx {
                    id: placeAmount

                    objectName: "place_amount"
                    Layout.fillWidth: true
                    validator: IntValidator { bottom: 0; top: 999 }
                }
            }
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        Layout.margins: 5
        form: carForm
    }

    ItemSeparator {
        Layout.preferredHeight: 5
    }
}
