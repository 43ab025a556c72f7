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
    // The two titles; only the one in use gets a parent. The check box only shows checked: the
    // group box is the field, so the title has no legal value of its own.
    property Item checkTitle: CheckBoxExBase {
        x: groupBox.leftPadding
        focusPolicy: Qt.StrongFocus
        text: groupBox.title
        checked: groupBox.checked
        onCheckedChanged: groupBox.checked = checked
    }
    property Item labelTitle: LabelEx {
        x: groupBox.leftPadding
        text: groupBox.title
    }
    // A click on the box beside its fields (padding, frame, title) that lands nearest a text area
    // goes to it, as a click on its text does; beside any other field it does nothing.
    property Item besideFields: MouseArea {
        parent: groupBox
        anchors.fill: parent
        z: -1
        onPressed: {
            var nearest = groupBox.nearestInput(mouse.x, mouse.y);
            if (nearest && nearest.takeClick !== undefined)
                nearest.takeClick(groupBox.besideFields, mouse.x, mouse.y);
            else
                mouse.accepted = false;
        }
    }

    // The fields below item that take the focus; a text area counts by its frame.
    function inputsBelow(item, inputs) {
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (!child.visible)
                continue;
            if (child.activeFocusOnTab || (child.textArea && child.textArea.type === "textArea"))
                inputs.push(child);
            else
                inputsBelow(child, inputs);
        }
        return inputs;
    }

    // The field of the box nearest to (x, y) of the box; null when it has none.
    function nearestInput(x, y) {
        var inputs = contentItem ? inputsBelow(contentItem, []) : [];
        var nearest = null;
        var least = Infinity;
        for (var i = 0; i < inputs.length; ++i) {
            var at = inputs[i].mapToItem(groupBox, 0, 0);
            var dx = Math.max(at.x - x, 0, x - at.x - inputs[i].width);
            var dy = Math.max(at.y - y, 0, y - at.y - inputs[i].height);
            if (dx * dx + dy * dy < least) {
                least = dx * dx + dy * dy;
                nearest = inputs[i];
            }
        }
        return nearest;
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
