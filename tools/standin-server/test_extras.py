"""The requests that single controllers add (extras.py), against the stand-in over PostgreSQL.

Needs the PG* variables of a throwaway cluster and KORIV_DBINIT, as test_server does. The seeded
"admin" holds every right; the seeded "operator" may read drivers but change none of them.
"""

import base64
import json
import unittest
import uuid

from testclient import built_tool, StandinOnDatabase, digest, require_cluster, signed_in


shared = {}


def setUpModule():
    require_cluster()
    shared["standin"] = StandinOnDatabase("extras", [
        "--dbinit", built_tool("KORIV_DBINIT"), "--user", "admin:" + digest(""), "--user", "operator:" + digest("")])


def tearDownModule():
    if "standin" in shared:
        shared["standin"].close()


def rows(statement, args=()):
    return shared["standin"].rows(statement, args)


def value(statement, args=()):
    return shared["standin"].value(statement, args)


def insert(table, **values):
    return shared["standin"].insert(table, **values)


def new_driver(**values):
    values.setdefault("sign", "d_" + uuid.uuid4().hex[:10])
    return insert("drivers", **values)


class ExtrasCase(unittest.TestCase):
    def client(self, sign="admin"):
        client = signed_in(shared["standin"].server.port, sign, "")
        self.addCleanup(client.close)
        return client

    def assertRefused(self, answer, code):
        self.assertEqual(answer.get("RES"), "0", answer)
        self.assertEqual(answer.get("ERRCODE"), str(code), answer)

    def assertDone(self, answer):
        self.assertEqual(answer.get("RES"), "10", answer)
        return answer


class DriverRequests(ExtrasCase):
    def test_archive_moves_a_driver_and_back_unless_refused(self):
        admin, watcher = self.client(), self.client()
        driver = new_driver()
        answer = self.assertDone(admin.call("driver", "trArchive", id=str(driver), is_archived="1"))
        self.assertEqual((answer["id"], answer["is_archived"]), (str(driver), "1"))
        self.assertEqual(value("SELECT is_archived FROM drivers WHERE id = %s", (driver,)), 1)
        watcher.take(lambda m: m.get("FN") == "driver_srUpdated" and m.get("id") == str(driver))
        self.assertDone(admin.call("driver", "trArchive", id=str(driver), is_archived="0"))
        self.assertEqual(value("SELECT is_archived FROM drivers WHERE id = %s", (driver,)), 0)

        self.assertRefused(admin.call("driver", "trArchive", id=str(driver), is_archived="yes"), 100)
        self.assertRefused(admin.call("driver", "trArchive", id="999999999", is_archived="1"), 110)
        self.assertDone(watcher.call("driver", "trLock", id=str(driver)))
        self.assertRefused(admin.call("driver", "trArchive", id=str(driver), is_archived="1"), 120)
        self.assertEqual(value("SELECT is_archived FROM drivers WHERE id = %s", (driver,)), 0)

    def test_remove_recommender_empties_it(self):
        admin = self.client()
        driver = new_driver(recommender="r_1")
        self.assertDone(admin.call("driver", "trRemoveRecommender", id=str(driver)))
        self.assertIsNone(value("SELECT recommender FROM drivers WHERE id = %s", (driver,)))
        self.assertRefused(admin.call("driver", "trRemoveRecommender", id="999999999"), 110)

    def test_approval_writes_the_proposal_and_resolves_the_request(self):
        admin, watcher = self.client(), self.client()
        driver = new_driver(first_name="Old")
        sign = value("SELECT sign FROM drivers WHERE id = %s", (driver,))
        proposal = json.dumps({"data": {"sign": sign, "first_name": "New", "phone": "+100"}})
        message = insert("notification_messages", context="driver.update", value=proposal)
        notification = insert("notifications", rst_id_nm=message)
        answer = self.assertDone(admin.call("driver", "trApprove", rst_id_nm=str(message), ok="1"))
        self.assertEqual(answer["id"], str(driver))
        self.assertEqual(rows("SELECT first_name, phone FROM drivers WHERE id = %s", (driver,)), [("New", "+100")])
        self.assertEqual(value("SELECT is_completed FROM notification_messages WHERE id = %s", (message,)), 1)
        # The notification's row shows the completed flag: it is pushed and newer than before.
        watcher.take(lambda m: m.get("FN") == "notification_srUpdated" and m.get("id") == str(notification))
        self.assertGreater(value("SELECT dt_utc_last_update FROM notifications WHERE id = %s", (notification,)), 1)
        # A resolved request is not resolved again.
        self.assertRefused(admin.call("driver", "trApprove", rst_id_nm=str(message), ok="0"), 100)

        rejected = insert("notification_messages", context="driver.update",
                          value=json.dumps({"data": {"id": str(driver), "first_name": "Other"}}))
        self.assertDone(admin.call("driver", "trApprove", rst_id_nm=str(rejected), ok="0"))
        self.assertEqual(value("SELECT first_name FROM drivers WHERE id = %s", (driver,)), "New")
        self.assertEqual(value("SELECT is_completed FROM notification_messages WHERE id = %s", (rejected,)), 1)

    def test_bad_approvals_change_nothing(self):
        admin = self.client()
        driver = new_driver(first_name="Kept")
        sign = value("SELECT sign FROM drivers WHERE id = %s", (driver,))
        cases = [
            ("car.update", json.dumps({"data": {"sign": sign}}), 100),
            ("driver.update", "not json", 100),
            ("driver.update", json.dumps({"data": {"sign": "nobody_" + uuid.uuid4().hex}}), 110),
            ("driver.update", json.dumps({"data": {"sign": sign, "first_name": "X", "no_such_column": "1"}}), 100),
        ]
        for context, proposal, code in cases:
            with self.subTest(context=context, proposal=proposal):
                message = insert("notification_messages", context=context, value=proposal)
                self.assertRefused(admin.call("driver", "trApprove", rst_id_nm=str(message), ok="1"), code)
                self.assertEqual(value("SELECT is_completed FROM notification_messages WHERE id = %s", (message,)), 0)
        self.assertRefused(admin.call("driver", "trApprove", rst_id_nm="999999999", ok="1"), 110)
        self.assertRefused(admin.call("driver", "trApprove", rst_id_nm="2", ok="maybe"), 100)
        self.assertEqual(value("SELECT first_name FROM drivers WHERE id = %s", (driver,)), "Kept")

    def test_brand_drivers_are_those_of_a_car_company(self):
        admin = self.client()
        car_company = insert("companies", company_name="Brand", sign="c_" + uuid.uuid4().hex[:8],
                             uuid_company=uuid.uuid4().hex)
        brand = insert("car_brands", code="b_" + uuid.uuid4().hex[:8], name="Brand")
        branded = new_driver(dt_utc_insert=1000, rst_id_car_company=car_company)
        # A car of a make is no branded car; an archived driver of the car company still drives one.
        plain = new_driver(dt_utc_insert=1000)
        archived = new_driver(dt_utc_insert=1000, rst_id_car_company=car_company, is_archived=1)
        late = new_driver(dt_utc_insert=9000, rst_id_car_company=car_company)
        for driver in (branded, plain, archived, late):
            car = insert("cars", rst_id_driver=driver, rst_id_car_brands=brand)
            rows("UPDATE drivers SET rst_id_car = %s WHERE id = %s", (car, driver))
        answer = self.assertDone(admin.call("driver", "trGetBrandDrivers", dt_utc_insert_start="0",
                                            dt_utc_insert_end="5000"))
        listed = {entry["id"]: entry["sign"] for entry in json.loads(answer["drivers"])}
        self.assertIn(branded, listed)
        self.assertIn(archived, listed)
        self.assertEqual(listed[branded], value("SELECT sign FROM drivers WHERE id = %s", (branded,)))
        self.assertNotIn(plain, listed)
        self.assertNotIn(late, listed)
        self.assertRefused(admin.call("driver", "trGetBrandDrivers", dt_utc_insert_start="9",
                                      dt_utc_insert_end="1"), 100)
        self.assertRefused(admin.call("driver", "trGetBrandDrivers", dt_utc_insert_start="0"), 100)

    def test_the_operator_may_list_brand_drivers_but_change_no_driver(self):
        operator = self.client("operator")
        driver = new_driver(recommender="r_2")
        message = insert("notification_messages", context="driver.update",
                         value=json.dumps({"data": {"id": str(driver), "first_name": "Z"}}))
        self.assertDone(operator.call("driver", "trGetBrandDrivers", dt_utc_insert_start="0",
                                      dt_utc_insert_end="1"))
        for action, params in (("trArchive", {"id": str(driver), "is_archived": "1"}),
                               ("trRemoveRecommender", {"id": str(driver)}),
                               ("trApprove", {"rst_id_nm": str(message), "ok": "1"}),
                               ("trChangePwd", {"id": str(driver), "pwd": digest("a"), "pwd_confirm": digest("a")})):
            with self.subTest(action=action):
                self.assertRefused(operator.call("driver", action, **params), 50)
        self.assertEqual(rows("SELECT is_archived, recommender, first_name FROM drivers WHERE id = %s", (driver,)),
                         [(0, "r_2", None)])


class OtherRequests(ExtrasCase):
    def test_crash_database_comes_on_request_only(self):
        admin = self.client()
        data = base64.b64encode(b"SQLite format 3\0 and more").decode("ascii")
        driver = new_driver()
        report = insert("crash_reports", rst_id_driver=driver, db=data)
        answer = self.assertDone(admin.call("crashReport", "trGetDb", id=str(report)))
        self.assertEqual(answer["db"], data)
        self.assertRefused(admin.call("crashReport", "trGetDb", id="999999999"), 110)
        # Lists leave the database out.
        _, listed = admin.get_list("crashReport")
        self.assertTrue(listed)
        self.assertTrue(all("db" not in row for row in listed))

    def _paid_service(self, price=15.0, enabled=1, operation=0):
        group = insert("driver_balance_groups", code="g" + uuid.uuid4().hex[:6], name="Services")
        code = value("SELECT code FROM driver_balance_groups WHERE id = %s", (group,))
        balance_type = insert("driver_balance_types", rst_id_bg=group, code=code + "01", name="Parking",
                              type_operation=operation)
        return insert("paid_service_type_driver", rst_id_bt=balance_type, name="s_" + uuid.uuid4().hex[:8],
                      price=price, enabled=enabled)

    def test_implementing_a_paid_service_books_it_for_its_drivers(self):
        admin = self.client()
        service = self._paid_service(price=15.0)
        users, idle, other = new_driver(balance=100), new_driver(balance=100), new_driver(balance=100)
        insert("paid_driver_services", rst_id_owner=users, rst_id_pst=service, enabled=1)
        insert("paid_driver_services", rst_id_owner=idle, rst_id_pst=service, enabled=0)
        answer = self.assertDone(admin.call("driverPaidServiceType", "trImplementPaidService", id=str(service)))
        self.assertEqual(answer["count"], "1")
        balances = dict(rows("SELECT id, balance FROM drivers WHERE id IN (%s, %s, %s)", (users, idle, other)))
        self.assertEqual(balances, {users: 85, idle: 100, other: 100})
        entries = rows("SELECT value, balance, bt_name, bg_name, sign_user_created FROM driver_balance_logs"
                       " WHERE rst_id_owner = %s", (users,))
        self.assertEqual(entries, [(-15, 85, "Parking", "Services", "admin")])

    def test_paid_service_refusals_book_nothing(self):
        admin = self.client()
        driver = new_driver(balance=50)
        for service, code in ((self._paid_service(enabled=0), 203), (self._paid_service(price=0), 204)):
            insert("paid_driver_services", rst_id_owner=driver, rst_id_pst=service, enabled=1)
            with self.subTest(code=code):
                self.assertRefused(admin.call("driverPaidServiceType", "trImplementPaidService", id=str(service)),
                                   code)
        self.assertRefused(admin.call("driverPaidServiceType", "trImplementPaidService", id="999999999"), 200)
        self.assertRefused(admin.call("driverPaidServiceType", "trImplementPaidService", id="x"), 200)
        self.assertEqual(value("SELECT balance FROM drivers WHERE id = %s", (driver,)), 50)
        self.assertEqual(value("SELECT count(*) FROM driver_balance_logs WHERE rst_id_owner = %s", (driver,)), 0)
        service = self._paid_service()
        insert("paid_driver_services", rst_id_owner=driver, rst_id_pst=service, enabled=1)
        self.assertRefused(self.client("operator").call("driverPaidServiceType", "trImplementPaidService",
                                                        id=str(service)), 50)
        self.assertEqual(value("SELECT balance FROM drivers WHERE id = %s", (driver,)), 50)

    def test_batch_removal_removes_all_or_nothing(self):
        admin, other = self.client(), self.client()
        first, second, third = (insert("notifications") for _ in range(3))
        answer = self.assertDone(admin.call("notification", "trBatchRemove", id=json.dumps([first, second, 999999999])))
        self.assertEqual(json.loads(answer["ids"]), [first, second])
        self.assertEqual(value("SELECT count(*) FROM notifications WHERE id IN (%s, %s)", (first, second)), 0)
        other.take(lambda m: m.get("FN") == "notification_saRemove" and m.get("id") == str(second))

        fourth = insert("notifications")
        self.assertDone(other.call("notification", "trLock", id=str(third)))
        self.assertRefused(admin.call("notification", "trBatchRemove", id=json.dumps([fourth, third])), 120)
        self.assertRefused(admin.call("notification", "trBatchRemove", id=json.dumps([1, fourth])), 101)
        for bad in ("[]", "not json", json.dumps({"id": fourth}), json.dumps(["x"])):
            with self.subTest(id=bad):
                self.assertRefused(admin.call("notification", "trBatchRemove", id=bad), 100)
        self.assertRefused(self.client("operator").call("notification", "trBatchRemove", id=json.dumps([fourth])), 50)
        self.assertEqual(value("SELECT count(*) FROM notifications WHERE id IN (%s, %s)", (third, fourth)), 2)

    def test_closing_a_drivers_sessions_ends_only_the_open_ones(self):
        admin, watcher = self.client(), self.client()
        driver, other = new_driver(), new_driver()
        open_one = insert("driver_sessions", rst_id_owner=driver, sign="s", dt_start=1000, dt_end=0)
        closed = insert("driver_sessions", rst_id_owner=driver, sign="s", dt_start=1000, dt_end=2000, type_close=3)
        elsewhere = insert("driver_sessions", rst_id_owner=other, sign="t", dt_start=1000, dt_end=0)
        answer = self.assertDone(admin.call("driverSession", "trClose", rst_id_owner=str(driver)))
        self.assertEqual(answer["closed"], "1")
        ended = dict((r[0], r[1:]) for r in rows("SELECT id, type_close, dt_end > 0 FROM driver_sessions"
                                                  " WHERE id IN (%s, %s, %s)", (open_one, closed, elsewhere)))
        self.assertEqual(ended, {open_one: (4, True), closed: (3, True), elsewhere: (0, False)})
        watcher.take(lambda m: m.get("FN") == "driverSession_srUpdated" and m.get("id") == str(open_one))
        # Without a driver nothing is closed; the requester's own connection stays.
        self.assertRefused(admin.call("driverSession", "trClose", rst_id_owner=""), 100)
        self.assertRefused(admin.call("driverSession", "trClose"), 100)
        self.assertDone(admin.call("city", "trGetList"))


class PlatformEvents(ExtrasCase):
    """The "notify" command: an event's message and its notifications, as a platform raises them."""

    def notify(self, context, value_text):
        process = shared["standin"].server
        done = len(process.events_after(lambda e: e["event"] in ("notified", "error"), 0, timeout=0))
        process.process.stdin.write("notify %s %s\n" % (context, value_text))
        process.process.stdin.flush()
        found = process.events_after(lambda e: e["event"] in ("notified", "error"), done)
        self.assertTrue(found, "the stand-in reported nothing")
        return found[0]

    def user_id(self, sign):
        return value("SELECT id FROM users WHERE sign = %s", (sign,))

    def test_a_change_request_reaches_its_receivers_and_its_approval_completes_it(self):
        admin, operator = self.client(), self.client("operator")
        driver = new_driver(first_name="Old")
        proposal = json.dumps({"data": {"id": str(driver), "first_name": "New"}})
        event = self.notify("driver.update", proposal)
        self.assertEqual(event["event"], "notified", event)
        message = event["message"]
        self.assertEqual(rows("SELECT context, value, is_completed FROM notification_messages WHERE id = %s",
                              (message,)), [("driver.update", proposal, 0)])
        # The type goes to the groups "admin": each of their users gets one notification, unread.
        admins = [r[0] for r in rows("SELECT u.id FROM users u JOIN user_groups g ON g.id = u.rst_id_group"
                                     " WHERE g.code = 'admin' AND u.id > 1 ORDER BY u.id")]
        owners = rows("SELECT rst_id_owner, is_readed FROM notifications WHERE rst_id_nm = %s ORDER BY rst_id_owner",
                      (message,))
        self.assertEqual(owners, [(user, 0) for user in admins])
        self.assertIn(self.user_id("admin"), admins)
        self.assertNotIn(self.user_id("operator"), admins)
        mine = value("SELECT id FROM notifications WHERE rst_id_nm = %s AND rst_id_owner = %s",
                     (message, self.user_id("admin")))
        self.assertIn(mine, event["notifications"])
        for client in (admin, operator):
            pushed = client.take(lambda m: m.get("FN") == "notification_srInserted" and m.get("id") == str(mine))
            self.assertEqual(pushed["id_owner_modify"], "1")
        _, listed = admin.get_list("notification", rst_id_owner=str(self.user_id("admin")))
        row = [r for r in listed if r["id"] == str(mine)][0]
        self.assertEqual((row["context"], row["value"], row["is_completed"], row["is_readed"]),
                         ("driver.update", proposal, "0", "0"))

        self.assertDone(admin.call("driver", "trApprove", rst_id_nm=str(message), ok="1"))
        self.assertEqual(value("SELECT first_name FROM drivers WHERE id = %s", (driver,)), "New")
        # The completion is the system's: an open notification editor reloads on it.
        pushed = operator.take(lambda m: m.get("FN") == "notification_srUpdated" and m.get("id") == str(mine))
        self.assertEqual(pushed["id_owner_modify"], "1")
        self.assertEqual(admin.call("notification", "trInfo", id=str(mine))["is_completed"], "1")

    def test_receivers_follow_the_type_and_bad_events_store_nothing(self):
        operator = self.user_id("operator")
        rows("UPDATE notification_types SET groups = '[]', users = %s WHERE code = 'car.update.request'",
             (json.dumps([operator]),))
        event = self.notify("car.update", '{"data": {"id": "5"}}')
        self.assertEqual(rows("SELECT rst_id_owner FROM notifications WHERE rst_id_nm = %s", (event["message"],)),
                         [(operator,)])
        rows("UPDATE notification_types SET enabled = 0 WHERE code = 'car.update.request'")
        event = self.notify("car.update", '{"data": {"id": "6"}, "note": "stored as sent"}')
        self.assertEqual(event["notifications"], [])
        self.assertEqual(value("SELECT value FROM notification_messages WHERE id = %s", (event["message"],)),
                         '{"data": {"id": "6"}, "note": "stored as sent"}')
        messages = value("SELECT count(*) FROM notification_messages")
        self.assertEqual(self.notify("car.update", "not json")["event"], "error")
        self.assertEqual(self.notify("order.create", "{\"data\": {}}")["event"], "error")
        rows("UPDATE notification_types SET enabled = 1, users = '[\"x\"]' WHERE code = 'car.update.request'")
        self.assertEqual(self.notify("car.update", "{\"data\": {}}")["event"], "error")
        self.assertEqual(value("SELECT count(*) FROM notification_messages"), messages)


if __name__ == "__main__":
    unittest.main()
