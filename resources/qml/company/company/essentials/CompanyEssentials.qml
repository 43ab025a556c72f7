import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// A company's attributes, read-only: its balances are moved through balance entries, and the
// form never sends a change.
ColumnLayout {
    id: essentials

    property alias form: companyForm
    property alias company: company
    property alias buttonBox: buttonBox
    readonly property bool isDirty: false
    property string companyName

    spacing: 0

    Company {
        id: company
    }

    Form {
        id: companyForm

        function textOf(mapParams, key) {
            var value = mapParams[key];
            return value === undefined || value === null ? "" : String(value);
        }

        function getMapParams() {
            return { "id": companyForm.id };
        }

        function populateForm(mapParams) {
            essentials.companyName = textOf(mapParams, "company_name");
            editorItem.editorTitle = essentials.companyName;
            nameField.setLegalValue(essentials.companyName);
            balance.setLegalValue(textOf(mapParams, "balance"));
            lostProfit.setLegalValue(textOf(mapParams, "lost_profit"));
            isSystem.text = textOf(mapParams, "is_system");
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: company
        defaultActiveField: nameField

        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 10
            rowSpacing: 5

            LabelEx { text: qsTr("Id:") }
            TextFieldId { id: idField; text: companyForm.id }
            LabelEx { text: qsTr("Name:") }
            TextFieldEx { id: nameField; Layout.fillWidth: true; readOnly: true; errorCode: ["200", "230"] }
            LabelEx { text: qsTr("Balance:") }
            TextFieldEx { id: balance; Layout.preferredWidth: 160; readOnly: true }
            LabelEx { text: qsTr("Lost profit:") }
            TextFieldEx { id: lostProfit; Layout.preferredWidth: 160; readOnly: true }
            LabelEx { text: qsTr("Is system:") }
            LabelYes { id: isSystem; objectName: "isSystem" }
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        Layout.margins: 5
        applyEnabled: false
        okDefault: true
        onAccepted: {
            companyForm.runAction();
            editorItem.isCloseOnSa = true;
        }
        onApply: companyForm.runAction()
        onRejected: editorItem.closed()
    }

    ItemSeparator {
        Layout.preferredHeight: 5
    }
}
