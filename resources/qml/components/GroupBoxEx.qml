import QtQuick 2.15
import QtQuick.Controls 2.15
import "base"

// A group box whose content is enabled only while it is checked; when checkable its title is a
// check box bound to checked, and a form takes it as a check box field.
GroupBoxExBase {
    id: groupBox

    readonly property string type: checkable ? "checkBox" : "groupBox"
    property bool legalChecked: true
    readonly property bool modify: checked !== legalChecked
    property var errorCode: []
    property bool checkable: false
    property bool checked: true
    // The two titles; only the one in use gets a parent.
    property Item checkTitle: CheckBoxEx {
        x: groupBox.leftPadding
        text: groupBox.title
        checked: groupBox.checked
        onCheckedChanged: groupBox.checked = checked
    }
    property Item labelTitle: LabelEx {
        x: groupBox.leftPadding
        text: groupBox.title
    }

    function setLegalValue(value) {
        legalChecked = value === true || value === "1" || value === 1;
        checked = legalChecked;
    }

    onLegalCheckedChanged: checked = legalChecked
    label: checkable ? checkTitle : labelTitle
    Component.onCompleted: {
        if (!contentItem)
            return;
        contentItem.clip = true;
        contentItem.enabled = Qt.binding(function () { return groupBox.checked; });
    }
}
