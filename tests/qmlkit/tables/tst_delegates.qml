import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// The cell delegates as a table view makes them: each with the styleData of its cell.
TestCase {
    id: testCase

    name: "Delegates"
    visible: true
    when: windowShown

    function cell(type, value, properties) {
        var holder = Qt.createQmlObject(
                    "import QtQuick 2.15; import \"qrc:/qml/components/table/delegates\"; Item {"
                    + " width: 160; height: 20; property alias cell: delegate;"
                    + " property QtObject styleData: QtObject { property var value; property color textColor: \"white\" }; "
                    + type + " { id: delegate; " + (properties || "") + " } }", testCase);
        holder.styleData.value = value;
        return holder.cell;
    }

    function test_texts_data() {
        var now = 1715688000000;
        return [
            { tag: "base", type: "TableBaseDelegate", value: "Koriv", text: "Koriv" },
            { tag: "base, no value", type: "TableBaseDelegate", value: undefined, text: "" },
            { tag: "date today", type: "TableDateDelegate", value: String(now), text: "15:00" },
            { tag: "date with format", type: "TableDateDelegate", value: now, props: "format: \"dd.MM.yyyy hh:mm\"",
              text: "14.05.2024 15:00" },
            { tag: "date 0", type: "TableDateDelegate", value: "0", text: "" },
            { tag: "insert time", type: "TableInsertDelegate", value: String(now - 86400000), text: "yesterday, 15:00" },
            { tag: "update time", type: "TableUpdateDelegate", value: "", text: "" },
            { tag: "duration", type: "TableDurationDelegate", value: "90061000",
              text: DESKTOP_UTILS.formatDuration(90061000) },
            { tag: "duration 0", type: "TableDurationDelegate", value: "0", text: "" },
            { tag: "duration 0 shown", type: "TableDurationDelegate", value: "0", props: "isZeroShow: true",
              text: DESKTOP_UTILS.formatDuration(0) },
            { tag: "duration in hours", type: "TableDurationDelegate", value: "90061000", props: "isDaysShow: false",
              text: DESKTOP_UTILS.formatHourDuration(90061000) },
            { tag: "number", type: "TableNumDelegate", value: "1234567.891", text: "1 234 567.89" },
            { tag: "number, precision 0", type: "TableNumDelegate", value: 2.5, props: "precision: 0", text: "3" },
            { tag: "number, prepared", type: "TableNumDelegate", value: "12345",
              props: "function prepareValue(n) { return n / 100; }", text: "123.45" },
            { tag: "number as written", type: "TableNumDelegate", value: "30.5234", props: "precision: -1",
              text: "30.5234" },
            { tag: "number as written, zero", type: "TableNumDelegate", value: "0.0", props: "precision: -1", text: "0.0" },
            { tag: "number as written, a number", type: "TableNumDelegate", value: -12.25, props: "precision: -1",
              text: "-12.25" },
            { tag: "price", type: "TablePriceDelegate", value: 1234.5, text: "+1 234.50" },
            { tag: "price, negative", type: "TablePriceDelegate", value: "-7", text: "-7.00" },
            { tag: "price, no sign", type: "TablePriceDelegate", value: "1234.5", props: "useLeadingSign: false",
              text: "1 234.50" },
            { tag: "offset", type: "TableUTCDelegate", value: "180", text: "UTC+03" },
            { tag: "offset +330", type: "TableUTCDelegate", value: 330, text: "UTC+05:30" },
            { tag: "offset -300", type: "TableUTCDelegate", value: "-300", text: "UTC-05" },
            { tag: "offset not a number", type: "TableUTCDelegate", value: "abc", text: "" },
            { tag: "time", type: "TableTimeDelegate", value: "3661", text: "01:01" },
            { tag: "time with seconds", type: "TableTimeDelegate", value: 3661, props: "isSecondsShow: true",
              text: "01:01:01" },
            { tag: "time past midnight", type: "TableTimeDelegate", value: 86460, text: "00:01" }
        ];
    }

    function test_texts(data) {
        compare(cell(data.type, data.value, data.props).text, data.text);
    }

    // Values no cell can show as they stand: nothing, and a logged warning, rather than a moment
    // of 1970 or of year -292275056; the infinities and NaN as what they are, never grouped.
    function test_hostileValues_data() {
        var dayOfYear9999 = 253402214400000;
        return [
            { tag: "date, not a number", type: "TableDateDelegate", value: "abc", text: "",
              warning: /Not a time in milliseconds: \\?"abc/ },
            { tag: "date, a clock time", type: "TableInsertDelegate", value: "12:30", text: "",
              warning: /Not a time in milliseconds/ },
            { tag: "date, largest 64-bit", type: "TableDateDelegate", value: "9223372036854775807", text: "",
              warning: /Time out of range: 9223372036854775807 ms/ },
            { tag: "date, smallest 64-bit", type: "TableUpdateDelegate", value: "-9223372036854775808", text: "",
              warning: /Time out of range: -9223372036854775808 ms/ },
            { tag: "date, last year shown", type: "TableDateDelegate", value: String(dayOfYear9999),
              props: "format: \"dd.MM.yyyy\"", text: "31.12.9999" },
            { tag: "number, infinite", type: "TableNumDelegate", value: Infinity, text: "\u221e" },
            { tag: "number, inf text", type: "TableNumDelegate", value: "inf", text: "\u221e" },
            { tag: "number, -inf text", type: "TableNumDelegate", value: "-inf", text: "-\u221e" },
            { tag: "number, Infinity text", type: "TableNumDelegate", value: "-Infinity", text: "-\u221e" },
            { tag: "number, NaN", type: "TableNumDelegate", value: "nan", text: "NaN" },
            { tag: "number, beyond fixed digits", type: "TableNumDelegate", value: "1e300", text: "1e+300" },
            { tag: "price, infinite", type: "TablePriceDelegate", value: "inf", text: "+\u221e" },
            { tag: "price, minus infinite", type: "TablePriceDelegate", value: -Infinity, text: "-\u221e" },
            { tag: "number as written, not a number", type: "TableNumDelegate", value: "north", props: "precision: -1",
              text: "NaN" },
            { tag: "time, not a number", type: "TableTimeDelegate", value: "noon", text: "",
              warning: /not a number of seconds: noon/ },
            { tag: "duration, not a number", type: "TableDurationDelegate", value: "1h", text: "",
              warning: /not a number of milliseconds: 1h/ }
        ];
    }

    function test_hostileValues(data) {
        if (data.warning)
            ignoreWarning(data.warning);
        compare(cell(data.type, data.value, data.props).text, data.text);
    }

    // Minus infinity, as a number or as the server writes it, reads the same in every numeric cell.
    function test_minusInfinityAlike() {
        var numeric = [["TableNumDelegate", ""], ["TableNumDelegate", "precision: 0"],
                       ["TableNumDelegate", "precision: -1"], ["TablePriceDelegate", ""],
                       ["TablePriceDelegate", "useLeadingSign: false"]];
        var values = [-Infinity, "-inf", "-Infinity", " -inf "];
        for (var i = 0; i < numeric.length; ++i) {
            for (var k = 0; k < values.length; ++k)
                compare(cell(numeric[i][0], values[k], numeric[i][1]).text, "-\u221e",
                        numeric[i][0] + " { " + numeric[i][1] + " } of " + JSON.stringify(values[k]));
        }
    }

    // A cut cell's tool tip shows the start of a long text, broken into lines, drawn as it is.
    function test_toolTipOfLongWord() {
        var word = new Array(5 * 1024 * 1024 + 1).join("w");
        var cut = cell("TableBaseDelegate", word);
        compare(cut.text.length, 1001, "a cell lays out the start of its text");
        compare(cut.text.substring(995), "wwwww\u2026");
        verify(cut.truncated);
        var area = cut.tipArea;
        verify(area, "a cut cell has its tool tip");
        compare(area.parent, cut);
        compare(area.width, cut.width);
        var tip = area.toolTip;
        compare(tip.text.length, 1001);
        compare(tip.text.substring(995), "wwwww\u2026");
        compare(tip.contentItem.text, tip.text);
        compare(tip.contentItem.textFormat, Text.PlainText);
        tip.delay = 0;
        tip.open();
        tryCompare(tip, "opened", true, TestTime.limit(5000));
        verify(tip.width <= tip.maximumWidth, "no wider than a tool tip may be: " + tip.width);
        verify(tip.contentItem.lineCount > 5, "the word broken into lines: " + tip.contentItem.lineCount);
        verify(tip.contentItem.contentWidth <= tip.contentItem.width + 1);
        tip.close();

        // The tip goes with the cut: a cell given a text that fits has none, until cut again.
        cut.parent.styleData.value = "short";
        verify(!cut.truncated);
        compare(cut.tipArea, null);
        cut.parent.styleData.value = "a longer text than the cell can hold in its width";
        verify(cut.truncated);
        compare(cut.tipArea.toolTip.text, cut.text);
        compare(cell("TableBaseDelegate", "Koriv").tipArea, null);

        // The tool tip bounds what it is given itself.
        var own = createTemporaryQmlObject("import \"qrc:/qml/components\"; TooltipMouseArea { width: 50; height: 20 }",
                                           testCase);
        own.text = word;
        compare(own.toolTip.text.length, 1001);
        compare(own.toolTip.contentItem.wrapMode, Text.Wrap);
    }

    function test_colours() {
        compare(String(cell("TablePriceDelegate", "-7", "posNegColor: true").color), "#ff0000");
        compare(String(cell("TablePriceDelegate", "-7").color), "#ffffff", "the row's text colour by default");
        compare(String(cell("TablePriceDelegate", "7", "posNegColor: true").color), "#ffffff");
        compare(String(cell("TableColorDelegate", "#3050c0").children[0].color), "#3050c0");
    }

    function test_marks() {
        verify(cell("TableYesIconDelegate", "1").children[0].visible);
        verify(!cell("TableYesIconDelegate", "0").children[0].visible);
        // A cell given another row's value follows it: the tick comes and goes, drawn whole.
        var flag = cell("TableYesIconDelegate", "0");
        flag.parent.styleData.value = "1";
        var tick = flag.children[0].item;
        verify(tick && flag.children[0].visible, "the tick of a set flag");
        compare(tick.text, FontAwesome.Ok);
        compare(tick.height, 16);
        compare(tick.font.pixelSize, 16);
        flag.parent.styleData.value = "0";
        verify(!flag.children[0].visible);
        var option = cell("TableSecurityOptionDelegate", "[\"phone\"]");
        verify(option.children[1].visible, "a role list shows as text");
        compare(option.children[1].text, "[\"phone\"]");
        verify(!cell("TableSecurityOptionDelegate", "1").children[1].visible);
        verify(cell("TableSecurityOptionDelegate", "1").children[0].children[0].visible, "and a grant as the tick");
    }

    function test_lockHolder() {
        GLOBAL.user.originalModel.addRow({ "id": "11", "sign": "petro" });
        var free = cell("TableUserLockedDelegate", "1");
        verify(!free.locked);
        verify(!free.children[0].visible && !free.children[1].visible, "a free record shows nothing");
        var held = cell("TableUserLockedDelegate", "11");
        verify(held.children[0].visible);
        compare(held.children[0].source, "qrc:/images/locked.png");
        compare(held.children[1].text, "petro");
        compare(cell("TableUserLockedDelegate", "77").children[1].text, "n/a");
    }

    function test_multiline() {
        var multiline = cell("TableMultilineDelegate", "first\nsecond");
        compare(multiline.lineCount, 1);
        compare(cell("TableCenterDelegate", "x").horizontalAlignment, Text.AlignHCenter);
    }

    Component { id: presets; Item { property var columns: [id_, locked, inserted, updated, status, feed, offset, order]
            TableViewColumnId { id: id_ }
            TableViewColumnLocked { id: locked }
            TableViewColumnInsertTime { id: inserted }
            TableViewColumnUpdateTime { id: updated }
            TableViewColumnDriverStatus { id: status }
            TableViewColumnFeedTime { id: feed }
            TableViewColumnFeedTimeOffset { id: offset }
            TableViewColumnOrderStatus { id: order } } }

    function test_presetColumns() {
        var set = createTemporaryObject(presets, testCase);
        var expected = [["id", 60], ["rst_id_user_locked", 90], ["dt_utc_insert", 120], ["dt_utc_last_update", 120],
                        ["status_string", 60], ["dt_feed_time", 90], ["feed_time_offset", 80], ["order_status", 60]];
        for (var i = 0; i < expected.length; ++i) {
            compare(set.columns[i].role, expected[i][0]);
            compare(set.columns[i].width, expected[i][1]);
            verify(set.columns[i].delegate, "every column has its cells");
        }
    }
}
