import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components/base"

TestCase {
    id: testCase

    // The Material variants size by 0.035 and 0.3, the plain ones by 0.03 and 0.35.
    readonly property bool material: !Qt.colorEqual(frameBase.backgroundColor, "white")
    readonly property real heightFactor: material ? 0.035 : 0.03
    readonly property real fontFactor: material ? 0.3 : 0.35

    name: "BaseControls"
    when: windowShown
    width: 400
    height: 400

    NtFrameBase { id: frameBase }

    Component { id: buttonBase; ButtonExBase { text: "Button" } }
    Component { id: checkBoxBase; CheckBoxExBase { text: "Check" } }
    Component { id: radioButtonBase; RadioButtonExBase { text: "Radio" } }
    Component { id: switchBase; SwitchExBase {} }
    Component { id: spinBoxBase; SpinBoxExBase {} }
    Component { id: textFieldBase; TextFieldExBase {} }
    Component { id: toolButtonBase; ToolButtonExBase { text: "Tool" } }
    Component { id: tabBarBase; TabBarExBase {} }
    Component { id: tabButtonBase; TabButtonExBase { text: "Tab" } }
    Component { id: menuItemBase; MenuItemExBase { text: "Item" } }
    Component { id: menuBarBase; MenuBarExBase {} }
    Component { id: comboBoxBase; ComboBoxExBase {} }
    Component { id: labelBase; LabelExBase { text: "Label" } }
    Component { id: textAreaBase; TextAreaExBase {} }
    Component { id: textInputBase; TextInputBase {} }
    Component { id: menuBase; MenuExBase {} }
    Component { id: toolTipBase; ToolTipExBase {} }
    Component { id: metrics; TextMetrics {} }

    Component {
        id: rowsView

        ListView {
            width: 240
            height: 200
            model: 3
            delegate: TableListViewRowBase { }
        }
    }

    Component {
        id: tableView

        C1.TableView {
            width: 300
            height: 200
            model: 4
            style: TableViewExStyleBase {}

            C1.TableViewColumn { title: "Value" }
        }
    }

    function init() {
        GLOBAL.scaleFactor = 1.0;
    }

    function make(component, properties) {
        var control = createTemporaryObject(component, testCase, properties || {});
        verify(control);
        control.style.screenHeight = 1080;
        return control;
    }

    function test_sizedControls_data() {
        return [
            { tag: "ButtonExBase", component: buttonBase },
            { tag: "CheckBoxExBase", component: checkBoxBase },
            { tag: "RadioButtonExBase", component: radioButtonBase },
            { tag: "SwitchExBase", component: switchBase },
            { tag: "SpinBoxExBase", component: spinBoxBase },
            { tag: "TextFieldExBase", component: textFieldBase },
            { tag: "ToolButtonExBase", component: toolButtonBase },
            { tag: "TabBarExBase", component: tabBarBase },
            { tag: "TabButtonExBase", component: tabButtonBase },
            { tag: "MenuItemExBase", component: menuItemBase },
            { tag: "MenuBarExBase", component: menuBarBase },
            { tag: "ComboBoxExBase", component: comboBoxBase }
        ];
    }

    function test_sizedControls(data) {
        var control = make(data.component);
        fuzzyCompare(control.implicitHeight, 1080 * heightFactor, 0.001);
        compare(control.font.pixelSize, Math.floor(control.height * fontFactor));
        GLOBAL.scaleFactor = 2.0;
        fuzzyCompare(control.implicitHeight, 2 * 1080 * heightFactor, 0.001, "follows the scale at once");
        compare(control.font.pixelSize, Math.floor(2 * 1080 * heightFactor * fontFactor));
        control.height = 100;
        compare(control.font.pixelSize, Math.floor(100 * fontFactor), "the font follows the real height");
        control.style.screenHeight = 720;
        GLOBAL.scaleFactor = 1.0;
        fuzzyCompare(control.implicitHeight, 720 * heightFactor, 0.001, "another screen height");
    }

    function test_materialNumbers() {
        if (!material)
            skip("Material style only");
        var button = make(buttonBase);
        fuzzyCompare(button.implicitHeight, 37.8, 0.001);
        compare(button.font.pixelSize, 11);
        compare(make(labelBase).font.pixelSize, 11);
        compare(make(textAreaBase).font.pixelSize, 12);
    }

    function test_fonts() {
        var label = make(labelBase);
        compare(label.font.pixelSize, Math.floor(1080 * 0.035 * 0.3));
        var neighbour = make(labelBase);
        neighbour.style.additionalScaleHeight = 1.5;
        compare(neighbour.font.pixelSize, Math.floor(1080 * 0.035 * 0.3 * 1.5));
        compare(make(textAreaBase).font.pixelSize, Math.floor(1080 * 0.04 * 0.3));
        compare(make(textInputBase).font.pixelSize, Math.floor(1080 * 0.03 * 0.35));
        compare(make(menuBase).font.pixelSize, Math.floor(1080 * 0.03 * 0.35));
        GLOBAL.scaleFactor = 2.0;
        compare(label.font.pixelSize, Math.floor(2 * 1080 * 0.035 * 0.3));
    }

    function test_colours() {
        var button = make(buttonBase);
        compare(button.style.innerAccent, "darkorange");
        var input = make(textInputBase);
        var frame = createTemporaryObject(Qt.createComponent("qrc:/qml/components/base/NtFrameBase.qml"), testCase);
        if (material) {
            verify(Qt.colorEqual(button.Material.accent, "darkorange"));
            compare(button.Material.foreground, testCase.Material.foreground, "the theme's text colour");
            compare(frame.backgroundColor, testCase.Material.background);
            compare(input.textColor, testCase.Material.foreground);
            button.style.innerForeground = "black";
            verify(Qt.colorEqual(button.Material.foreground, "black"));
            button.style.innerForeground = undefined;
            compare(button.Material.foreground, testCase.Material.foreground, "unset again inherits");
        } else {
            verify(Qt.colorEqual(frame.backgroundColor, "white"));
            verify(Qt.colorEqual(frame.foregroundColor, "black"));
            verify(Qt.colorEqual(input.textColor, "black"));
        }
        frame.style.innerBackground = "#123456";
        verify(Qt.colorEqual(frame.backgroundColor, "#123456"));
        input.style.innerForeground = "red";
        verify(Qt.colorEqual(input.textColor, "red"));
    }

    function textWidth(font, text) {
        var measure = createTemporaryObject(metrics, testCase, { "font": font, "text": text });
        return measure.advanceWidth - 1;
    }

    function test_comboBoxEntries() {
        var combo = make(comboBoxBase, { "textRole": "name",
                                         "model": [{ "name": "First" }, { "name": "Second" }] });
        combo.currentIndex = 1;
        combo.popup.open();
        var list = combo.popup.contentItem;
        tryVerify(function () { return list.itemAtIndex(1) !== null; }, TestTime.limit(5000));
        compare(list.itemAtIndex(0).text, "First");
        compare(list.itemAtIndex(1).text, "Second");
        compare(list.itemAtIndex(0).width, combo.popup.width);
        if (!material) {
            compare(list.itemAtIndex(1).font.weight, Font.DemiBold, "the current entry");
            compare(list.itemAtIndex(0).font.weight, Font.Normal);
        } else {
            compare(list.itemAtIndex(1).Material.foreground, combo.popup.Material.accent, "the current entry");
        }
        combo.popup.close();
        var plain = make(comboBoxBase, { "model": ["a", "b"] });
        plain.popup.open();
        tryVerify(function () { return plain.popup.contentItem.itemAtIndex(1) !== null; }, TestTime.limit(5000));
        compare(plain.popup.contentItem.itemAtIndex(1).text, "b", "entries without a text role show themselves");
        plain.popup.close();
    }

    // The entries of a combo box and tool tips show record values: a tag in one is drawn as the
    // characters it is, whatever the style.
    function test_valuesDrawnAsText() {
        var tagged = "<b>bold</b> <img src=\"qrc:/images/locked.png\">";
        var combo = make(comboBoxBase, { "model": [tagged, "plain"] });
        combo.popup.open();
        var list = combo.popup.contentItem;
        tryVerify(function () { return list.itemAtIndex(0) !== null; }, TestTime.limit(5000));
        var entry = list.itemAtIndex(0).contentItem;
        compare(entry.textFormat, Text.PlainText, "a combo box entry");
        compare(entry.text, tagged);
        verify(entry.implicitWidth >= textWidth(entry.font, tagged), "laid out as its characters: " + entry.implicitWidth);
        combo.popup.close();

        var tip = createTemporaryObject(toolTipBase, testCase, { "text": tagged, "delay": 0 });
        tip.open();
        tryCompare(tip, "opened", true, TestTime.limit(5000));
        compare(tip.contentItem.textFormat, Text.PlainText, "a tool tip");
        verify(tip.contentItem.implicitWidth >= textWidth(tip.contentItem.font, tagged));
        tip.close();
    }

    function test_listRows() {
        var view = createTemporaryObject(rowsView, testCase);
        tryVerify(function () { return view.itemAtIndex(0) !== null; }, TestTime.limit(5000));
        var row = view.itemAtIndex(0);
        compare(row.width, 240);
        fuzzyCompare(row.height, row.style.screenHeight * 0.030, 0.001);
        compare(row.leftPadding, 5);
        compare(row.topPadding, material ? 2 : 0);
        verify(Qt.colorEqual(row.highlightedTextColor, material ? "darkorange" : "white"));
    }

    function test_tableViewStyle() {
        var table = createTemporaryObject(tableView, testCase);
        verify(table);
        compare(table.rowCount, 4);
        waitForRendering(table, TestTime.limit(5000));
    }
}
