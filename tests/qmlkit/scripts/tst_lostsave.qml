import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/js/lostsave.js" as LostSave

// What the stand-in cannot show: a credential the server never returns is not taken for saved,
// and a record found is tied to the send by its creator or by the insert pushes received; one
// that names no creator only while pushes still came, up to the last message received before
// the loss of the connection.
TestCase {
    name: "LostSave"

    function test_compare() {
        var sent = { "id": "7", "login": "m", "password": "new" };
        compare(LostSave.compare({ "id": "7", "login": "m" }, sent), "unknown");
        compare(LostSave.compare({ "login": "x" }, sent), "different");
    }

    function test_whose_data() {
        return [
            { tag: "created by a colleague", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "3" },
              expected: "other" },
            { tag: "created by this user", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "2" },
              expected: "this" },
            { tag: "created by this user before the send",
              row: { "id": "5", "dt_utc_insert": "999", "rst_id_user_created": "2" }, expected: "other" },
            { tag: "pushed as a colleague's", row: { "id": "8", "dt_utc_insert": "2000" }, expected: "other" },
            { tag: "pushed as this user's", row: { "id": "9", "dt_utc_insert": "10" }, expected: "this" },
            { tag: "no creator, before the send", row: { "id": "5", "dt_utc_insert": "999" }, expected: "other" },
            { tag: "no creator, before the last message", row: { "id": "5", "dt_utc_insert": "3000" }, expected: "this" },
            { tag: "no creator, after the last message", row: { "id": "5", "dt_utc_insert": "3001" },
              expected: "unknown" },
            { tag: "no creator, last message not known", row: { "id": "5", "dt_utc_insert": "2000" }, aliveUntil: NaN,
              expected: "unknown" },
        ];
    }

    function test_whose(data) {
        var edit = { "params": { "name": "Odesa" }, "announced": { "8": "3", "9": "2" } };
        var aliveUntil = data.aliveUntil === undefined ? 3000 : data.aliveUntil;
        compare(LostSave.whose(data.row, edit, 1000, aliveUntil, "2"), data.expected);
    }
}
