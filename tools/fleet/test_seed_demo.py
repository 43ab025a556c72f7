"""The demo platform of seed-demo.py as the program meets it: through the stand-in over PostgreSQL,
its lists, its five reports (koriv-report), and its second operator.

Needs the PG* variables of a throwaway cluster, KORIV_DBINIT and KORIV_REPORT_TOOL (ctest sets them).
"""

import base64
import json
import os
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "standin-server"))

from testclient import built_tool, StandinOnDatabase, digest, require_cluster, signed_in  # noqa: E402

DAY_MS = 86400000
NOW = 1796650000000  # a fixed now: the rows hang off it
shared = {}


def setUpModule():
    require_cluster()
    standin = StandinOnDatabase("demo", ["--dbinit", built_tool("KORIV_DBINIT"), "--report-tool", built_tool("KORIV_REPORT_TOOL"),
                                         "--user", "admin:" + digest("admin")])
    shared["standin"] = standin
    done = subprocess.run(["/usr/bin/python3", "-B", os.path.join(HERE, "seed-demo.py"), "--now", str(NOW)],
                          env=standin.database.environment, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if done.returncode != 0:
        raise RuntimeError("seed-demo.py failed: %s" % done.stderr)
    shared["counts"] = json.loads(done.stdout)


def tearDownModule():
    if "standin" in shared:
        shared["standin"].close()


def rows(statement, args=()):
    return shared["standin"].rows(statement, args)


class DemoPlatform(unittest.TestCase):
    def client(self, sign="admin", password="admin"):
        client = signed_in(shared["standin"].server.port, sign, password)
        self.addCleanup(client.close)
        return client

    def listed(self, client, controller, **params):
        end, found = client.get_list(controller, **params)
        self.assertEqual(end.get("RES"), "10", (controller, end))
        return found

    def test_every_page_lists_rows(self):
        admin = self.client()
        for controller in ("city", "driverGroup", "car", "company", "terminalCmp", "paymentSystem",
                           "paymentSysAccComp", "paymentSysDriversPaymentsLog", "dbl", "cmpbl", "driverSession",
                           "driverRatingLog", "driverPaidServiceType", "driverPaidService", "notificationMessage",
                           "media"):
            with self.subTest(controller=controller):
                self.assertTrue(self.listed(admin, controller), controller)
        active = self.listed(admin, "driver", is_archived="0")
        archived = self.listed(admin, "driver", is_archived="1")
        self.assertGreaterEqual(len(active), 250)
        self.assertTrue(archived)
        self.assertGreaterEqual(len({row["status"] for row in active}), 5)
        self.assertTrue(all(row["rst_id_car"] != "1" for row in active[-100:]), "the first drivers drive cars")
        photo = base64.b64decode(self.listed(admin, "media")[0]["data"])
        self.assertEqual(photo[:8], b"\x89PNG\r\n\x1a\n")

    def test_notifications_of_every_type_for_each_operator(self):
        admin = self.client()
        admin_id = rows("SELECT id FROM users WHERE sign = 'admin'")[0][0]
        mine = self.listed(admin, "notification", rst_id_owner=str(admin_id))
        types = {row[0] for row in rows("SELECT id FROM notification_types WHERE id > 1")}
        self.assertTrue(types)
        self.assertEqual({int(row["rst_id_nt"]) for row in mine}, types)
        request = rows("SELECT value FROM notification_messages WHERE context = 'driver.update'")
        self.assertEqual(len(request), 1)
        driver = json.loads(request[0][0])["data"]["id"]
        self.assertEqual(rows("SELECT is_archived FROM drivers WHERE id = %s", (int(driver),)), [(0,)])
        # The records "More..." leads to, named where the program reads them: a car's change by
        # its car and driver, a driver's return from the archive by the top-level "id".
        car_change = json.loads(rows("SELECT value FROM notification_messages WHERE context = 'car.update'")[0][0])
        self.assertEqual(rows("SELECT d.sign FROM cars c JOIN drivers d ON d.id = c.rst_id_driver WHERE c.id = %s",
                              (int(car_change["data"]["id"]),)), [(car_change["data"]["sign"],)])
        returned = json.loads(rows("SELECT value FROM notification_messages WHERE context = 'driver.unarchive'")[0][0])
        self.assertEqual(rows("SELECT sign FROM drivers WHERE id = %s", (int(returned["id"]),)),
                         [(returned["data"]["sign"],)])
        # The change request can be approved as a real one.
        message = rows("SELECT id FROM notification_messages WHERE context = 'driver.update'")[0][0]
        self.assertEqual(admin.call("driver", "trApprove", rst_id_nm=str(message), ok="1").get("RES"), "10")
        self.assertEqual(rows("SELECT first_name FROM drivers WHERE id = %s", (int(driver),)), [("Oleh",)])

    def test_the_five_reports_have_rows_for_the_last_thirty_days(self):
        admin = self.client()
        period = {"utc": 120, "dt_utc_insert_start": NOW - 30 * DAY_MS, "dt_utc_insert_end": NOW}
        brand = admin.call("driver", "trGetBrandDrivers", dt_utc_insert_start=str(period["dt_utc_insert_start"]),
                           dt_utc_insert_end=str(NOW))
        brand_ids = [str(d["id"]) for d in json.loads(brand["drivers"])]
        # The branded cars are those of the car company, Brand Motors, which has 40 drivers.
        self.assertEqual(brand_ids, [str(row[0]) for row in rows(
            "SELECT d.id FROM drivers d JOIN companies c ON c.id = d.rst_id_car_company"
            " WHERE c.company_name = 'Brand Motors' ORDER BY d.id")])
        self.assertEqual(len(brand_ids), 40)
        drivers = [str(row[0]) for row in rows("SELECT id FROM drivers WHERE id > 1 AND is_archived = 0"
                                               " ORDER BY id LIMIT 10")]
        types = [str(row[0]) for row in rows("SELECT id FROM driver_balance_types WHERE id > 1")]
        reports = {
            11: period,
            12: dict(period, id_owners_list=brand_ids, signs=brand_ids),
            13: dict(period, id_owners_list=drivers),
            # One type, as a frame with its first type chosen asks: every driver has entries of each.
            14: dict(period, rst_id_owner=drivers, group_by_bt=False, sign_role="sign", rst_id_bt=types[-1:]),
            15: dict(period, rst_id_owner=drivers, date_truncate="day"),
        }
        for report, options in reports.items():
            with self.subTest(report=report):
                answer = admin.call("report", "trCreate", type=str(report), options=json.dumps(options))
                self.assertEqual(answer.get("RES"), "10", answer)
                results = json.loads(answer["JSON"])["results"]
                self.assertTrue(results)
                if report in (14, 15):
                    self.assertTrue(all(owner["values"] for owner in results), results)
                if report == 13:
                    # Every driver has successful orders, takings in cash and by card, cancelled
                    # orders and refusals of both kinds; no order counts as both.
                    values = results[0]["values"]
                    self.assertEqual(len(values), len(drivers))
                    for key in ("amt_suc_order", "amt_unsuc_order", "cash_sum", "cards_sum",
                                "canceled_order_reject", "canceled_order_timeout"):
                        self.assertTrue(all(driver.get(key, 0) > 0 for driver in values), (key, values))
                    self.assertTrue(all(d["amt_suc_order"] + d["amt_unsuc_order"] <= d["amt_all_order"]
                                        for d in values), values)
                if report == 12:
                    # Every column of the report holds a sum: the codes the program reads.
                    paid = {row["code"] for row in results if float(row["sum_amount"]) > 0}
                    self.assertLessEqual({"lqp", "esp", "city24", "term"}, paid)
                if report == 11:
                    brand_signs = {row[0] for row in rows("SELECT sign FROM drivers WHERE id = ANY(%s)",
                                                          ([int(i) for i in brand_ids],))}
                    self.assertLessEqual({row["sign"] for row in results}, brand_signs)

    def test_dated_within_the_last_thirty_days(self):
        for table in ("driver_balance_logs", "orders", "driver_sessions", "payment_systems_drivers_payments_logs",
                      "driver_refill_balance_logs"):
            with self.subTest(table=table):
                low, high = rows("SELECT min(dt_utc_insert), max(dt_utc_insert) FROM %s WHERE id > 1" % table)[0]
                self.assertGreaterEqual(low, NOW - 30 * DAY_MS)
                self.assertLessEqual(high, NOW)

    def test_the_second_operator_signs_in_and_both_have_option_rows(self):
        second = self.client("second", "second")
        own = rows("SELECT id, rst_id_group FROM users WHERE sign = 'second'")[0]
        self.assertEqual(own[1], rows("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1")[0][0])
        self.assertTrue(self.listed(second, "driver", is_archived="0"))
        options = rows("SELECT count(*) FROM security_options WHERE id > 1")[0][0]
        for sign in ("admin", "second"):
            with self.subTest(sign=sign):
                self.assertEqual(rows("SELECT count(*), max(is_using) FROM user_security_options u JOIN users s"
                                      " ON s.id = u.rst_id_owner WHERE s.sign = %s", (sign,)), [(options, 0)])
        self.assertEqual(shared["counts"]["drivers"], 300)


if __name__ == "__main__":
    unittest.main()
