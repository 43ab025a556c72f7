import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/text"

// A company's attributes, read-only: its balances move through balance entries, and the form
// sends no change (OK just closes).
ColumnLayout {
    id: essentials

    property alias form: companyForm
    property alias company: company
    property alias buttonBox: buttonBox
    readonly property bool isDirty: companyForm.isFieldsDirty
    readonly property string companyName: nameField.legalText

    spacing: 0

    Company {
        id: company
    }

    Form {
        id: companyForm

        function populateForm(mapParams) {
            populateFields(mapParams);
            var system = mapParams["is_system"];
            isSystem.text = system === undefined || system === null ? "" : String(system);
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: company
        defaultActiveField: nameField
        shownFields: [nameField, balance, lostProfit]
        titleRole: "company_name"

        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 10
            rowSpacing: 5

            LabelEx { text: qsTr("Id:") }
            TextFieldId { text: companyForm.id }
            LabelEx { text: qsTr("Name:") }
            TextFieldEx {
                id: nameField

                objectName: "company_name"
                Layout.fillWidth: true
                readOnly: true
                errorCode: ["200", "230"]
            }
            LabelEx { text: qsTr("Balance:") }
            TextFieldEx {
                id: balance

                objectName: "balance"
                Layout.preferredWidth: 160
                readOnly: true
            }
            LabelEx { text: qsTr("Lost profit:") }
            TextFieldEx {
                id: lostProfit

                objectName: "lost_profit"
                Layout.preferredWidth: 160
                readOnly: true
            }
            LabelEx { text: qsTr("Is system:") }
            LabelYes {
                id: isSystem

                objectName: "is_system"
            }
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        Layout.margins: 5
        form: companyForm
    }

    ItemSeparator {
        Layout.preferredHeight: 5
    }
}
