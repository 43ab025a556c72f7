import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/js/status-code.js" as StatusCode

TestCase {
    name: "StatusCode"

    function test_table() {
        var count = 0;
        for (var status in StatusCode.code) {
            var record = StatusCode.code[status];
            ++count;
            verify(record.desc !== "", status);
            var green = record.bg_color === StatusCode.bg_color_green;
            compare(record.txt_color, green ? StatusCode.txt_color_green : StatusCode.txt_color_red,
                    "text and background of one colour: " + status);
        }
        compare(count, 137);
    }

    function test_colours_data() {
        return [
            { tag: "prepare cashless 50", status: "50", green: true },
            { tag: "saved 100", status: "100", green: true },
            { tag: "undefined 250", status: "250", green: false },
            { tag: "black list 501", status: "501", green: false },
            { tag: "searching 500", status: "500", green: true },
            { tag: "rejected 1100", status: "1100", green: false },
            { tag: "expired 1105", status: "1105", green: false },
            { tag: "allowed to accept 1200", status: "1200", green: true },
            { tag: "denied 1201", status: "1201", green: false },
            { tag: "allowed to deny 1300", status: "1300", green: false },
            { tag: "complete 3500", status: "3500", green: true }
        ];
    }

    function test_colours(data) {
        var record = StatusCode.code[data.status];
        compare(record.bg_color, data.green ? "#7F00A000" : "#7FA00000");
    }

    function test_texts() {
        compare(StatusCode.code["1201"].desc, "Server denied order to accept");
        compare(StatusCode.code["475"].desc, "Undefined value of 'feed_is_fuzzy'");
        compare(StatusCode.code["2253"].desc,
                "Notification of client failed to start: Failed to get list of servers of notification by call");
        compare(StatusCode.code["300"], undefined, "a status the table does not hold");
    }
}
