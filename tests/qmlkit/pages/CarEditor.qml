import QtQuick 2.15
import QtQuick.Layouts 1.15
import Koriv.Test 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"

// An editor page as the application writes them: a car's fields, the form's two functions and
// the button box.
Editor {
    id: editor

    property alias cars: cars
    property alias buttons: buttonBox

    isDirty: identifier.modify || carModel.modify || year.modify || description.modify
    form: carForm
    onEnterPressed: buttonBox.enterPressed()

    KitCar {
        id: cars
    }

    ColumnLayout {
        anchors.fill: parent

        Form {
            id: carForm

            function getMapParams() {
                return { "id": editor.id, "identifier": identifier.text, "model": carModel.text,
                         "year": year.text, "description": description.text };
            }

            function populateForm(mapParams) {
                editor.editorTitle = mapParams["model"] === undefined ? "" : String(mapParams["model"]);
                identifier.setLegalValue(mapParams["identifier"] === undefined ? "" : String(mapParams["identifier"]));
                carModel.setLegalValue(mapParams["model"] === undefined ? "" : String(mapParams["model"]));
                year.setLegalValue(mapParams["year"] === undefined ? "" : String(mapParams["year"]));
                description.legalText = mapParams["description"] === undefined ? "" : String(mapParams["description"]);
            }

            Layout.fillWidth: true
            Layout.fillHeight: true
            controller: cars
            defaultActiveField: identifier
            toolBar: ToolBarEx {
                ToolButtonDuplicateEditor { objectName: "duplicateEditorButton" }
            }

            GridLayout {
                width: parent.width
                columns: 2
                columnSpacing: 10

                LabelEx { text: "Id:" }
                TextFieldId { id: idField; text: editor.id }
                LabelEx { text: "Identifier:" }
                TextFieldEx { id: identifier; Layout.fillWidth: true; errorCode: ["250"] }
                LabelEx { text: "Model:" }
                TextFieldEx { id: carModel; Layout.fillWidth: true }
                LabelEx { text: "Year:" }
                TextFieldDouble { id: year; Layout.preferredWidth: 80 }
                LabelEx { text: "Description:" }
                TextAreaEx { id: description; Layout.fillWidth: true; Layout.preferredHeight: 60 }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            applyEnabled: editor.isDirty
            okDefault: !editor.isDirty
            onAccepted: {
                carForm.runAction();
                editor.isCloseOnSa = true;
            }
            onApply: carForm.runAction()
            onRejected: editor.closed()
        }
    }
}
