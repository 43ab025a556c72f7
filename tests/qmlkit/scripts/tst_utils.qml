import QtQuick 2.15
import QtTest 1.2
import Koriv.Test 1.0
import "qrc:/qml/js/utils.js" as Utils

TestCase {
    id: testCase

    name: "Utils"

    Item {
        id: tree

        Item {
            objectName: "a"

            Item { objectName: "deep" }
        }

        Item { objectName: "b" }

        Item { objectName: "deep" }
    }

    StandinRowModel { id: people }

    function test_wrapNameWithAll() {
        // Nothing drawn before the text: the lists sort the placeholder row first themselves.
        compare(Utils.wrapNameWithAll("All groups"), "[All groups]");
    }

    function test_durations_data() {
        return [
            { tag: "mmss 3599", fn: "formatMMSS", value: 3599, expected: "59:59" },
            { tag: "mmss 3600", fn: "formatMMSS", value: 3600, expected: "59:59" },
            { tag: "mmss 65", fn: "formatMMSS", value: 65, expected: "01:05" },
            { tag: "mmss decimal text", fn: "formatMMSS", value: "65.9", expected: "01:05" },
            { tag: "mmss garbage", fn: "formatMMSS", value: "abc", expected: "00:00" },
            { tag: "hhmm 90000", fn: "formatHHMM", value: 90000, expected: "25:00" },
            { tag: "hhmm drops seconds", fn: "formatHHMM", value: 3719, expected: "01:01" },
            { tag: "hhmmss 3661", fn: "formatHHMMSS", value: 3661, expected: "1:01:01" },
            { tag: "secondsTime wraps", fn: "setSecondsTime", value: 90000, expected: "01:00" },
            { tag: "secondsTime midnight", fn: "setSecondsTime", value: 0, expected: "00:00" }
        ];
    }

    function test_durations(data) {
        compare(Utils[data.fn](data.value), data.expected);
    }

    function test_msToTime() {
        var duration = 3600000 + 2 * 60000 + 3456;
        compare(Utils.msToTime(duration, true), "01:02:03.4");
        compare(Utils.msToTime(duration, false), "01:02:03");
        compare(Utils.msToTime(duration + 24 * 3600000, false), "01:02:03");
    }

    function test_formatNumber_data() {
        return [
            { tag: "default separators", args: [1234567.891, 2], expected: "1,234,567.89" },
            { tag: "blank and comma", args: [1234567.891, 2, 3, " ", ","], expected: "1 234 567,89" },
            { tag: "no decimals", args: [1234567.891, 0], expected: "1,234,568" },
            { tag: "negative decimals", args: [1234.5, -2], expected: "1,235" },
            { tag: "fractional n cut", args: [1.23456, 2.9], expected: "1.23" },
            { tag: "group of four", args: [123456789, 0, 4], expected: "1,2345,6789" },
            { tag: "negative number", args: [-1234567.5, 1], expected: "-1,234,567.5" },
            { tag: "small", args: [999, 2], expected: "999.00" }
        ];
    }

    function test_formatNumber(data) {
        compare(Utils.formatNumber.apply(null, data.args), data.expected);
    }

    function test_zeroFill_data() {
        return [
            { tag: "7 to 3", number: 7, width: 3, expected: "007" },
            { tag: "1.5 to 4", number: 1.5, width: 4, expected: "001.5" },
            { tag: "longer stays", number: 12345, width: 3, expected: "12345" },
            { tag: "as long stays", number: 123, width: 3, expected: "123" }
        ];
    }

    function test_zeroFill(data) {
        compare(Utils.zeroFill(data.number, data.width), data.expected);
    }

    function test_createDate() {
        compare(Utils.createDate(2024, 1, 31), undefined, "31 February");
        compare(Utils.createDate(2024, 12, 1), undefined, "month 12");
        var leap = Utils.createDate(2024, 1, 29);
        verify(leap !== undefined);
        compare(leap.getDate(), 29);
        compare(Utils.createDate(2023, 1, 29), undefined);
    }

    function test_findChild() {
        var found = Utils.findChild(tree, "deep");
        verify(found);
        compare(found.parent.objectName, "a", "each child is searched before the next sibling");
        compare(Utils.findChild(tree, "b").objectName, "b");
        compare(Utils.findChild(tree, "none"), undefined);
    }

    function test_isNumeric_data() {
        return [
            { tag: "number", value: 12, expected: true },
            { tag: "text 12", value: "12", expected: true },
            { tag: "decimal text", value: "-1.5", expected: true },
            { tag: "text 12abc", value: "12abc", expected: false },
            { tag: "empty", value: "", expected: false },
            { tag: "infinity", value: Infinity, expected: false }
        ];
    }

    function test_isNumeric(data) {
        compare(Utils.isNumeric(data.value), data.expected);
    }

    function test_jsonWhere() {
        var request = Utils.createJSONRequest();
        request.addExpr("is_completed", "=", "1", "or");
        request.addExpr("completed_code", "=", "1010", "or");
        compare(request.commit()["JSON_WHERE"],
                '[{"condition":"and","expressions":[{"role":"is_completed","operation":"=","value":"1","condition":"or"},{"role":"completed_code","operation":"=","value":"1010","condition":"or"}]}]');
        compare(Utils.createJSONRequest().commit(), { "JSON_WHERE": "[]" });

        var grouped = Utils.createJSONRequest();
        grouped.addExpr("dt_utc_insert", ">=", "1700000000000");
        grouped.addGroup("or");
        grouped.addExpr("name", "=", 'O"Brien \\ it\'s');
        compare(grouped.commit()["JSON_WHERE"],
                '[{"condition":"or","expressions":[{"role":"dt_utc_insert","operation":">=","value":"1700000000000","condition":"and"}]},'
                + '{"condition":"and","expressions":[{"role":"name","operation":"=","value":"O\\"Brien \\\\ it\'s","condition":"and"}]}]');
        compare(JSON.parse(grouped.commit()["JSON_WHERE"])[1].expressions[0].value, 'O"Brien \\ it\'s',
                "a value comes back exactly as given");
    }

    function test_secureStringify() {
        var map = { "note": 'a "quoted" \\ it\'s', "count": 3 };
        var text = Utils.secureStringify(map);
        compare(JSON.parse(text), { "note": 'a "quoted" \\ it\'s', "count": 3 });
        compare(map.note, 'a "quoted" \\ it\'s', "the caller's map is untouched");
    }

    function test_objects() {
        var dst = { "a": 1, "b": 2 };
        Utils.appendProp2Object({ "b": 3, "c": 4 }, dst);
        compare(dst, { "a": 1, "b": 3, "c": 4 });
        Utils.appendProp2Object(undefined, dst);
        compare(dst, { "a": 1, "b": 3, "c": 4 });
        compare(Utils.cleanupIllegalCarProperty({ "system_note": "x", "sign": "AA" }), { "sign": "AA" });
        compare(Utils.capitalize("driver"), "Driver");
        compare(Utils.timeToMins("07:45"), 465);
        compare(Utils.minsToTime(465), "07:45");
        compare(Utils.minsToTime(5), "00:05");
    }

    function test_fullName() {
        people.clear();
        people.addRow({ "id": "1", "last_name": "Koval", "first_name": "Ivan", "middle_name": "P", "sign": "ik" });
        people.addRow({ "id": "2", "first_name": "Olena", "sign": "ol" });
        compare(Utils.fullName("1", people), "Koval Ivan P");
        compare(Utils.fullName("2", people), "Olena", "only a first name has no leading blank");
        compare(Utils.fullName("", people), "");
        compare(Utils.fullNameSign("2", people), "Olena (ol)");
        compare(Utils.fullNameSign("", people), "");
    }

    function test_getControllerByName() {
        compare(Utils.getControllerByName("cdr", testCase), null, "no type in this program");
        compare(Utils.getControllerByName("nothing", testCase), null);
        var controller = Utils.getControllerByName("uso", testCase);
        verify(controller !== null);
        verify(controller.objectNumber !== undefined, "made from the registered type");
        controller.destroy();
    }

    function test_carLabels() {
        GLOBAL.driver.originalModel.setRoleTitle("sign", "Sign");
        GLOBAL.driver.originalModel.setRoleTitle("brand_name", "Brand");
        var labels = Utils.carLabels();
        compare(labels.sign, "Sign");
        compare(labels.brand_name, "Brand");
        compare(labels.car_model, "");
        compare(labels.send_message, "Send message");
        compare(labels.name, "Name");
    }

    function test_paramsUrl() {
        compare(Utils.paramsUrl("http://host/api", undefined), "http://host/api");
        var url = Utils.paramsUrl("http://host/api", { "q": "a&b=c #1 \u0416" });
        compare(url, "http://host/api?params=" + encodeURIComponent('{"q":"a&b=c #1 \u0416"}'));
        verify(url.indexOf("&") < 0 && url.indexOf("#") < 0 && url.indexOf(" ") < 0,
               "no character of the text can end or split the parameter");
        compare(JSON.parse(decodeURIComponent(url.split("?params=")[1])), { "q": "a&b=c #1 \u0416" });
    }

    function test_createDynamicObject() {
        var properties = { "objectName": "made" };
        var object = Utils.createDynamicObject(tree, "qrc:/qml/components/ItemSeparator.qml", properties);
        verify(object);
        compare(object.parent, tree);
        compare(object.objectName, "made");
        compare(properties, { "objectName": "made" }, "the caller's map is untouched");
        object.destroy();
        ignoreWarning(/qrc:\/qml\/components\/Missing\.qml.*/);
        compare(Utils.createDynamicObject(tree, "qrc:/qml/components/Missing.qml", {}), undefined);
    }
}
