import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components"

TestCase {
    id: testCase

    name: "SmallComponents"
    when: windowShown
    visible: true
    width: 600
    height: 400

    Component { id: comboComponent; ComboBoxEx { width: 200 } }
    Component { id: utcComponent; UTCComboBox { } }
    Component { id: labelYes; LabelYes { } }
    Component { id: checkBoxComponent; CheckBoxEx { } }
    Component { id: colorBoxComponent; ColorBox { } }
    Component { id: propertyBoxComponent; PropertyBox { } }
    Component { id: labelDateComponent; LabelDate { } }
    Component { id: indicatorComponent; Item { width: 50; height: 50; CountIndicator { } } }
    Component { id: buttonComponent; ButtonEx { text: "Save"; fontIcon: "\uf0c7" } }
    Component { id: groupComponent; GroupBoxEx { title: "Zone"; checkable: true; Item { width: 10; height: 10 } } }

    Component {
        id: toolBarComponent

        ToolBarEx {
            width: 200

            Repeater {
                model: 10

                Rectangle { width: 50; height: 20 }
            }
        }
    }

    Component {
        id: groupOfButtons

        Row {
            property alias first: first
            property alias second: second

            ButtonGroup { id: group }
            ShortcutButton { id: first; name: "Free"; shortcut: "Ctrl+1"; ButtonGroup.group: group }
            ShortcutButton { id: second; name: "Busy"; ButtonGroup.group: group }
        }
    }

    ListModel { id: entries }

    function make(component, properties) {
        var object = createTemporaryObject(component, testCase, properties || {});
        verify(object);
        return object;
    }

    function fill(model, names) {
        for (var i = 0; i < names.length; ++i)
            model.append({ "name": names[i] });
    }

    function test_comboBoxRefill() {
        entries.clear();
        var combo = make(comboComponent, { "model": entries, "textRole": "name" });
        fill(entries, ["a", "b", "c"]);
        compare(combo.currentIndex, 0, "the first entry of a new list");
        combo.legalCurrentIndex = 2;
        compare(combo.currentIndex, 2);
        verify(!combo.modify);
        combo.currentIndex = 1;
        verify(combo.modify);
        entries.clear();
        compare(combo.legalCurrentIndex, -1);
        verify(combo.isEmpty);
        fill(entries, ["x", "y"]);
        compare(combo.currentIndex, 0, "never an entry of the previous list");
        compare(combo.currentText, "x");

        entries.clear();
        combo.legalCurrentIndex = 1;
        fill(entries, ["p", "q", "r"]);
        compare(combo.currentIndex, 1, "a legal value set before the list arrived is kept");

        combo.ignoreUpdateModel = true;
        entries.clear();
        compare(combo.legalCurrentIndex, 1, "ignoring model updates");
        entries.clear();
        combo.resetCurrentIndex();
        compare(combo.currentIndex, 0);
    }

    function test_utcComboBox() {
        var combo = make(utcComponent);
        compare(combo.currentText, "UTC0", "filled, and the first entry chosen");
        compare(combo.tzModel.get(1).tz, "UTC+01");
        var names = [];
        for (var i = 0; i < combo.tzModel.count; ++i)
            names.push(combo.tzModel.get(i).tz);
        verify(names.indexOf("UTC+14") < names.indexOf("UTC-14"), "positive offsets first");
        compare(names[names.length - 1], "UTC-01");

        combo.legalCurrentIndex = combo.indexOfMinutes(330);
        compare(combo.currentText, "UTC+05:30");
        compare(combo.currentMinutes, "330", "saves as itself");
        combo.legalCurrentIndex = combo.indexOfMinutes("345");
        compare(combo.currentMinutes, "345");
        var count = combo.tzModel.count;
        combo.legalCurrentIndex = combo.indexOfMinutes(17);
        compare(combo.tzModel.count, count + 1, "an offset outside the table gets its entry");
        compare(combo.currentText, "UTC+00:17");
        compare(combo.currentMinutes, "17");
        compare(combo.indexOfMinutes(17), count, "once");
        compare(combo.indexOfMinutes("x"), -1);
    }

    function test_shortcutButton() {
        var row = make(groupOfButtons);
        compare(row.first.text, "Free (Ctrl+1)");
        compare(row.second.text, "Busy");
        mouseClick(row.first);
        verify(row.first.checked);
        mouseClick(row.second);
        verify(row.second.checked && !row.first.checked);
        mouseClick(row.second);
        verify(!row.second.checked, "a click on the checked button unchecks it, also in an exclusive group");
        row.first.shortcutControl.activated();
        verify(row.first.checked, "the shortcut toggles a checkable button");
        row.first.shortcutControl.activated();
        verify(!row.first.checked);
    }

    function test_toolBarWheel() {
        var bar = make(toolBarComponent);
        var flickable = bar.flickable;
        tryVerify(function () { return flickable.contentWidth > flickable.width; }, TestTime.limit(5000));
        mouseWheel(bar, 20, 10, 0, -120);
        compare(flickable.contentX, 20, "one step scrolls by 20 pixels");
        mouseWheel(bar, 20, 10, 0, 120);
        mouseWheel(bar, 20, 10, 0, 120);
        compare(flickable.contentX, 0, "never before the start");
        for (var i = 0; i < 40; ++i)
            mouseWheel(bar, 20, 10, 0, -120);
        compare(flickable.contentX, flickable.contentWidth - flickable.width, "never past the end");
    }

    function test_labelYes() {
        var label = make(labelYes, { "text": "1" });
        verify(label.children[0].visible);
        label.text = "0";
        verify(!label.children[0].visible);
        label.text = "";
        verify(!label.children[0].visible);
    }

    function test_legalValues() {
        var check = make(checkBoxComponent);
        check.legalChecked = true;
        verify(check.checked && !check.modify);
        check.checked = false;
        verify(check.modify);
        check.setLegalValue("1");
        verify(check.checked);

        var box = make(colorBoxComponent);
        box.legalColor = "#102030";
        verify(Qt.colorEqual(box.color, "#102030") && !box.modify);
        box.color = "red";
        verify(box.modify);

        var holder = make(propertyBoxComponent);
        verify(!holder.modify);
        holder.value = "0";
        verify(holder.modify);
        holder.setLegalValue("5");
        verify(!holder.modify);
        compare(holder.value, "5");

        var group = make(groupComponent);
        verify(group.contentItem.enabled);
        group.checked = false;
        verify(!group.contentItem.enabled, "the content follows the check");
        verify(group.modify);
    }

    function test_labelDate() {
        var label = make(labelDateComponent);
        compare(label.text, "n/a");
        // 14 May 2024 09:30 UTC is 12:30 at the session's +180 minutes, the day of the clock.
        label.value = "1715679000000";
        compare(label.text, "12:30");
    }

    function test_buttonEx() {
        var button = make(buttonComponent);
        compare(button.contentItem, button.iconLabel);
        compare(button.iconLabel.text, "\uf0c7 Save");
        var clicks = 0;
        button.clicked.connect(function () { ++clicks; });
        button.forceActiveFocus();
        keyClick(Qt.Key_Return);
        compare(clicks, 1);
    }

    function test_countIndicator() {
        var holder = make(indicatorComponent);
        var indicator = holder.children[0];
        verify(!indicator.visible);
        indicator.count = 3;
        verify(indicator.visible);
        compare(indicator.x, 25 - 10 + 12);
    }
}
