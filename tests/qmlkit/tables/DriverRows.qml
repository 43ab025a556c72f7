import QtQuick 2.15
import Koriv.Test 1.0

// Drivers as the server sends them, and loading them into a page's list through the network.
QtObject {
    readonly property var brands: ["Skoda", "Kia", "Renault", "Kia", "Skoda", "Toyota", "Kia", "Ford"]
    readonly property var names: ["Shevchenko", "Kovalenko", "Bondarenko", "Tkachenko", "Kravchenko",
                                  "Oliynyk", "Lysenko", "Melnyk"]

    function driver(i) {
        return { "id": String(i), "sign": "D" + (100 + i), "last_name": names[i % names.length],
                 "phone": "+38050" + (1000000 + i * 7919), "brand_name": brands[i % brands.length],
                 "rating": String(3 + (i % 20) / 10), "color_rgb_code": i % 2 ? "#c03030" : "#3050c0",
                 "is_archived": i % 3 ? "0" : "1", "rst_id_user_locked": i === 4 ? "2" : "1",
                 "dt_utc_insert": String(1710000000000 + i * 60000),
                 "dt_utc_last_update": String(1710000000000 + i * 120000) };
    }

    function drivers(count) {
        var rows = [];
        for (var i = 1; i <= count; ++i)
            rows.push(driver(i));
        return rows;
    }

    // The answers to the page's list request: start, one row each, end.
    function load(controller, rows) {
        var receiver = controller.objectNumber;
        ScriptedNetwork.answer(controller.name, "saGetList", { "STATE": "start", "RES": "10", "RECEIVER": receiver });
        for (var i = 0; i < rows.length; ++i) {
            var row = rows[i];
            row["RECEIVER"] = receiver;
            ScriptedNetwork.answer(controller.name, "saListInfo", row);
        }
        ScriptedNetwork.answer(controller.name, "saGetList", { "STATE": "end", "RES": "10", "RECEIVER": receiver });
    }
}
