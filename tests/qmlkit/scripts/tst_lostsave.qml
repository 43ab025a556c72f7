import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/js/lostsave.js" as LostSave

// What the stand-in cannot show: a credential the server never returns is not taken for saved,
// and a record found is tied to the send by its creator or by the insert pushes received.
TestCase {
    name: "LostSave"

    function test_compare() {
        var sent = { "id": "7", "login": "m", "password": "new" };
        compare(LostSave.compare({ "id": "7", "login": "m" }, sent), "unknown");
        compare(LostSave.compare({ "login": "x" }, sent), "different");
    }

    function test_isTied_data() {
        return [
            { tag: "created by a colleague", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "3" },
              expected: false },
            { tag: "created by this user", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "2" },
              expected: true },
            { tag: "pushed as a colleague's", row: { "id": "8", "dt_utc_insert": "2000" }, expected: false },
            { tag: "pushed as this user's", row: { "id": "9", "dt_utc_insert": "10" }, expected: true },
        ];
    }

    function test_isTied(data) {
        var edit = { "params": { "name": "Odesa" }, "announced": { "8": "3", "9": "2" } };
        compare(LostSave.isTied(data.row, edit, 1000, "2"), data.expected);
    }
}
