import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/components"
import "qrc:/qml/components/base"
import "qrc:/qml/components/toolbuttons"

// A page of base controls in its frame, as an operator would see it.
NtFrame {
    id: page

    title: "Sample"
    toolBar: ToolBarEx {
        ToolButtonAdd { objectName: "addButton" }
        ToolButtonEdit {}
        ToolButtonRemove {}
        ToolButtonExcel {}
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        RowLayout {
            spacing: 10

            LabelEx { text: "Name:" }
            TextFieldExBase { text: "Koriv taxi"; Layout.preferredWidth: 200 }
            CheckBoxEx { text: "Enabled"; legalChecked: true }
            LabelYes { text: "1" }
            LabelLock { text: "Locked field"; lock: true; help: "Set by the server" }
        }

        RowLayout {
            spacing: 10

            ComboBoxEx { model: ["First", "Second", "Third"]; Layout.preferredWidth: 160 }
            UTCComboBox { Layout.preferredWidth: 140 }
            SpinBoxEx { value: 5 }
            ColorBox { legalColor: "#3b7dd8" }
        }

        RowLayout {
            spacing: 10

            ButtonEx { text: "Save"; fontIcon: "\uf0c7"; fontBold: true }
            ShortcutButton { name: "Only active"; shortcut: "Ctrl+1" }
            SwitchEx { legalChecked: true }
            RadioButtonEx { text: "Radio"; legalChecked: true }
        }

        GroupBoxEx {
            title: "Time zone"
            checkable: true
            Layout.fillWidth: true

            RowLayout {
                LabelEx { text: "Offset:" }
                TextAreaExBase { text: "Two lines\nof text" }
            }
        }

        TabViewEx {
            Layout.fillWidth: true
            Layout.fillHeight: true

            TabButtonEx {
                text: "Essentials"
                NtFrame { objectsSettingName: "sampleEssentials"; LabelEx { text: "First tab" } }
            }
            TabButtonEx {
                text: "Cars"
                NtFrame { objectsSettingName: "sampleCars"; LabelEx { text: "Second tab" } }
            }
        }
    }
}
