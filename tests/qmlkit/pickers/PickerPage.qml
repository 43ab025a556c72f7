import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/components"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/components/subject/pickers.js" as Pickers

// An editor-like page with the record pickers as the application's editors place them.
NtFrame {
    id: page

    property string companyId: "1"
    property alias companyBox: companyBox
    property alias cityBox: cityBox
    property alias userBox: userBox
    property alias ustBox: ustBox
    property alias lockedBox: lockedBox
    property alias focusedBox: focusedBox
    property alias plainField: plainField
    property alias owners: owners

    ColumnLayout {
        anchors.fill: parent

        CompanyBox {
            id: companyBox

            Layout.fillWidth: true
            rst_id_company: page.companyId
            parentItem: page
            isBrowseButton: true
            shortcut: "Ctrl+1"
            onClicked: Pickers.openChooser("qrc:/qml/company/company/CompanyTable.qml", "SELECT", function (result) {
                page.companyId = result["rst_id_company"];
            })
        }

        CityBox {
            id: cityBox

            Layout.fillWidth: true
            shortcut: "Ctrl+2"
        }

        UserBox {
            id: userBox

            Layout.fillWidth: true
            parentItem: page
        }

        UstBox {
            id: ustBox

            Layout.fillWidth: true
            parentItem: page
        }

        SubjectBox {
            id: lockedBox

            Layout.fillWidth: true
            labelName: "Locked"
            isBrowseButton: true
            readOnly: true
        }

        SubjectBox {
            id: focusedBox

            Layout.fillWidth: true
            labelName: "Note"
            shortcut: "Ctrl+3"
            focusItem: plainField

            TextFieldEx {
                id: plainField

                Layout.fillWidth: true
            }
        }

        DoubleOwnerTables {
            id: owners

            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
