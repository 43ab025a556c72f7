import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/js/lostsave.js" as LostSave

// What the stand-in cannot show: a credential the server never returns is not taken for saved,
// and a record found is tied to the send by its creator or by the insert pushes received, never
// by a clock: only a stamp older than the newest one held at the send places a record before it.
TestCase {
    name: "LostSave"

    function test_compare() {
        var sent = { "id": "7", "login": "m", "password": "new" };
        compare(LostSave.compare({ "id": "7", "login": "m" }, sent), "unknown");
        compare(LostSave.compare({ "login": "x" }, sent), "different");
    }

    function test_sameRecord() {
        var base = { "id": "7", "name": "Odesa", "dt_utc_last_update": "2000", "rst_id_user_locked": "1" };
        verify(LostSave.sameRecord({ "id": "7", "name": "Odesa", "dt_utc_last_update": "2000",
                                     "rst_id_user_locked": "3", "RES": "10" }, base), "a lock stores nothing");
        verify(!LostSave.sameRecord({ "id": "7", "name": "Odesa", "dt_utc_last_update": "2001" }, base),
               "stored again with the same values");
        verify(!LostSave.sameRecord({ "id": "7", "name": "Lviv", "dt_utc_last_update": "2000" }, base),
               "another value under the same stamp");
        verify(!LostSave.sameRecord({ "id": "7", "name": "Odesa", "dt_utc_last_update": "2000", "note": "x" }, base),
               "a value the base lacks");
        verify(!LostSave.sameRecord(base, null), "no base known");
        verify(!LostSave.sameRecord({ "id": "7", "name": "Odesa" }, { "id": "7", "name": "Odesa" }), "no stamp");
    }

    function test_whose_data() {
        return [
            { tag: "created by a colleague", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "3" },
              expected: "other" },
            { tag: "created by this user", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "2" },
              expected: "this" },
            { tag: "created by this user before the newest stamp held",
              row: { "id": "5", "dt_utc_insert": "999", "rst_id_user_created": "2" }, expected: "other" },
            { tag: "created by this user, stamped as the newest held",
              row: { "id": "5", "dt_utc_insert": "1000", "rst_id_user_created": "2" }, expected: "unknown" },
            { tag: "created by this user, no stamp held", row: { "id": "5", "dt_utc_insert": "2000", "rst_id_user_created": "2" },
              seenStamp: NaN, expected: "unknown" },
            { tag: "pushed as a colleague's", row: { "id": "8", "dt_utc_insert": "2000" }, expected: "other" },
            { tag: "pushed as this user's", row: { "id": "9", "dt_utc_insert": "10" }, expected: "this" },
            { tag: "no creator, before the newest stamp held", row: { "id": "5", "dt_utc_insert": "999" }, expected: "other" },
            { tag: "no creator, stamped as the newest held", row: { "id": "5", "dt_utc_insert": "1000" }, expected: "unknown" },
            { tag: "held at the send", row: { "id": "6", "dt_utc_insert": "1000" }, expected: "other" },
            { tag: "no creator, long after", row: { "id": "5", "dt_utc_insert": "3001" }, expected: "unknown" },
            { tag: "no creator, no stamp held", row: { "id": "5", "dt_utc_insert": "2" }, seenStamp: NaN,
              expected: "unknown" },
        ];
    }

    function test_whose(data) {
        var edit = { "params": { "name": "Odesa" }, "announced": { "8": "3", "9": "2" }, "seenIds": ["6"] };
        var seenStamp = data.seenStamp === undefined ? 1000 : data.seenStamp;
        compare(LostSave.whose(data.row, edit, seenStamp, "2"), data.expected);
    }
}
