import QtQuick 2.15
import QtQuick.Layouts 1.15
import "pickers.js" as Pickers

// The company of a record. The page opens its chooser on clicked and stores the picked id;
// F3 asks for the chooser, F2 opens the company's editor.
SubjectBox {
    id: box

    property string rst_id_company: "1"
    property var parentItem: null
    property alias company_name: nameField

    function openEditor() {
        return Pickers.openEditor("qrc:/qml/company/company/CompanyEditor.qml", rst_id_company, parentItem);
    }

    labelName: qsTr("Company")

    RecordName {
        id: recordName

        model: GLOBAL.company ? GLOBAL.company.originalModel : null
        recordId: box.rst_id_company
        role: "company_name"
    }

    SubjectField {
        id: nameField

        objectName: "company_name"
        legalText: recordName.text
        onBrowseRequested: box.clicked()
        onEditorRequested: box.openEditor()
    }
}
