import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/js/timezones.js" as TimeZones

TestCase {
    name: "TimeZones"

    function test_order() {
        var keys = [];
        for (var key in TimeZones.TZ)
            keys.push(Number(key));
        var zero = keys.indexOf(0);
        compare(zero, 0, "UTC0 comes first");
        var positive = keys.filter(function (k) { return k >= 0; });
        var negative = keys.filter(function (k) { return k < 0; });
        compare(keys.slice(0, positive.length), positive, "offsets from 0 up come first");
        compare(positive, positive.slice().sort(function (a, b) { return a - b; }));
        compare(negative, negative.slice().sort(function (a, b) { return a - b; }),
                "then the negative ones from -840 up");
        compare(positive[positive.length - 1], 840);
        compare(negative[0], -840);
        compare(negative[negative.length - 1], -60);
        verify(positive.indexOf(330) === positive.indexOf(300) + 1, "330 between 300 and 345");
        verify(positive.indexOf(345) === positive.indexOf(330) + 1);
    }

    function test_labels_data() {
        return [
            { tag: "0", minutes: 0, label: "UTC0" },
            { tag: "60", minutes: 60, label: "UTC+01" },
            { tag: "840", minutes: 840, label: "UTC+14" },
            { tag: "-60", minutes: -60, label: "UTC-01" },
            { tag: "-840", minutes: -840, label: "UTC-14" },
            { tag: "330", minutes: 330, label: "UTC+05:30" },
            { tag: "345", minutes: 345, label: "UTC+05:45" },
            { tag: "-210", minutes: -210, label: "UTC-03:30" },
            { tag: "text 180", minutes: "180", label: "UTC+03" }
        ];
    }

    function test_labels(data) {
        compare(TimeZones.getByMinutes(data.minutes), data.label);
        compare(TimeZones.getByUTC(data.label), String(Number(data.minutes)), "the label reads back as itself");
    }

    function test_unknown() {
        compare(TimeZones.getByMinutes(30), undefined);
        compare(TimeZones.getByMinutes("abc"), undefined);
        compare(TimeZones.getByMinutes(900), undefined);
        compare(TimeZones.getByUTC("UTC0"), "0");
        compare(TimeZones.getByUTC("UTC+15"), undefined);
        compare(TimeZones.label(17), "UTC+00:17");
        compare(TimeZones.label(-17), "UTC-00:17");
    }
}
