import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/components"
import "qrc:/qml/components/base"
import "qrc:/qml/components/toolbuttons"

// A page of the kit as the shell opens it: an editor-like frame with a record id, an editing
// state and unsaved data a test can set.
NtFrame {
    id: page

    property string id: ""
    property bool isDirty: false
    property string note: ""
    property int closeRequests: 0

    // The page's own close: counted, then the frame goes.
    function closeAction() {
        closeRequests += 1;
        closeFrame();
    }

    // A question a page may ask of GLOBAL; the error of an unknown operation is its own.
    function askRight(operation) {
        try {
            return "" + GLOBAL.securityStateByName("city", operation);
        } catch (error) {
            return "error: " + error.message;
        }
    }

    title: id === "" ? "Test page" : "Test page " + id
    toolBar: ToolBarEx {
        ToolButtonAdd {}
        ToolButtonEdit {}
        ToolButtonRemove {}
    }
    states: [
        State { name: "ADD" },
        State { name: "EDIT" },
        State { name: "DUPLICATE" },
        State { name: "SELECT" },
        State { name: "MULTI_SELECT" }
    ]

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 8

        RowLayout {
            spacing: 10

            LabelEx { text: "Name:" }
            TextFieldExBase { objectName: "name"; text: "Koriv taxi"; Layout.preferredWidth: 220 }
            CheckBoxEx { text: "Enabled"; legalChecked: true }
        }

        RowLayout {
            spacing: 10

            LabelEx { text: "Record:" }
            LabelEx { text: page.id === "" ? "none" : page.id }
            ButtonEx { text: "Save"; fontIcon: "\uf0c7" }
        }

        Item { Layout.fillHeight: true }
    }
}
