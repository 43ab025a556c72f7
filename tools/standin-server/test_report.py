"""Report requests of the stand-in over PostgreSQL, through real sockets on 127.0.0.1.

Needs the PG* variables of a throwaway cluster, KORIV_DBINIT (the built koriv-dbinit) and
KORIV_REPORT_TOOL (the built koriv-report); ctest sets both. The run works in a database of its
own, dropped at the end.
"""

import json
import unittest

from psycopg2 import sql

from testclient import built_tool, StandinOnDatabase, digest, require_cluster, signed_in

shared = {}


def setUpModule():
    require_cluster()
    standin = StandinOnDatabase("report", [
        "--dbinit", built_tool("KORIV_DBINIT"), "--report-tool", built_tool("KORIV_REPORT_TOOL"),
        "--user", "admin:" + digest(""), "--user", "operator:" + digest("")])
    shared.update(standin=standin, server=standin.server, sql=standin.sql)
    seed(shared["sql"])


def tearDownModule():
    if "standin" in shared:
        shared["standin"].close()


def seed(connection):
    """Drivers 9 and 10 with balance logs; the driver balance report granted to the admins only."""
    with connection.cursor() as cursor:
        cursor.execute("INSERT INTO drivers (id, sign, first_name, last_name, balance) VALUES "
                       "(9, 'd9', 'Ivan', 'Petrov', 12.5), (10, 'd10', 'Olga', 'Koval', 3)")
        cursor.execute("INSERT INTO driver_balance_logs (rst_id_owner, bt_name, value, dt_utc_insert, trn_key) "
                       "VALUES (9, 'Order', 10, 1000, 'a'), (9, 'Refill', 5, 2000, 'b'), (10, 'Order', 7, 1500, 'c')")
        # The stand-in grants the report options to the admins; the other groups get "0", and the
        # brand car report is withheld from the admins too.
        cursor.execute("INSERT INTO user_group_security_options (rst_id_group, rst_id_so, option_value) "
                       "SELECT g.id, o.id, '0' FROM user_groups g, security_options o "
                       "WHERE g.id > 1 AND g.code <> 'admin' AND o.code = 'driverBalanceReport.crud.read'")
        cursor.execute("UPDATE user_group_security_options SET option_value = '0' WHERE rst_id_so = "
                       "(SELECT id FROM security_options WHERE code = 'brandCarReport.crud.read')")


def table_state(table):
    """Everything a table holds, as one digest."""
    with shared["sql"].cursor() as cursor:
        cursor.execute(sql.SQL("SELECT count(*) || md5(COALESCE(string_agg(t::text, ',' ORDER BY t.id), '')) "
                               "FROM {} t").format(sql.Identifier(table)))
        return cursor.fetchone()[0]


def options(**overrides):
    values = {"rst_id_owner": ["9", "10"], "rst_id_bt": ["1"], "group_by_bt": False, "sign_role": "sign",
              "utc": "180", "dt_utc_insert_start": "0", "dt_utc_insert_end": "5000"}
    values.update(overrides)
    return json.dumps(values)


class ReportRequests(unittest.TestCase):
    def client(self, sign="admin"):
        client = signed_in(shared["server"].port, sign, "")
        self.addCleanup(client.close)
        return client

    def assertRefused(self, answer, code):
        self.assertEqual((answer.get("FN"), answer.get("RES"), answer.get("ERRCODE")),
                         ("report_saCreate", "0", str(code)), answer)
        self.assertTrue(answer.get("exception_description"), answer)

    def test_granted_request_answers_the_report_data(self):
        answer = self.client().call("report", "trCreate", type="14", options=options())
        self.assertEqual(answer.get("RES"), "10", answer)
        data = json.loads(answer["JSON"])
        self.assertEqual(data["options"], json.loads(options()))
        owners = [(o["sign"], o["full_name"], [(v["bt_name"], v["value"]) for v in o["values"]])
                  for o in data["results"]]
        self.assertEqual(owners, [("d10", "Olga Koval", [("Order", 7)]),
                                  ("d9", "Ivan Petrov", [("Order", 10), ("Refill", 5)])])

    def test_rights_are_enforced(self):
        # The operators' group has the option with "0"; no group is granted the brand car report.
        self.assertRefused(self.client("operator").call("report", "trCreate", type="14", options=options()), 50)
        self.assertRefused(self.client().call("report", "trCreate", type="11", options=options()), 50)

    def test_what_is_no_report_request_is_refused(self):
        client = self.client()
        for fields in ({"type": "16", "options": options()}, {"type": "x", "options": options()},
                       {"options": options()}, {"type": "14", "options": "not JSON"},
                       {"type": "14", "options": "[1]"}):
            with self.subTest(fields=fields):
                self.assertRefused(client.call("report", "trCreate", **fields), 100)

    def test_hostile_options_are_refused_and_change_nothing(self):
        client = self.client()
        before = [table_state(table) for table in ("drivers", "driver_balance_logs")]
        for hostile in (options(rst_id_owner=["9; DELETE FROM drivers"]),
                        options(rst_id_bt=["1) OR (1=1"]),
                        options(sign_role="sign; DROP TABLE drivers"),
                        options(rst_id_owner=["99999999999999999999999"])):
            with self.subTest(options=hostile):
                self.assertRefused(client.call("report", "trCreate", type="14", options=hostile), 180)
        self.assertEqual([table_state(table) for table in ("drivers", "driver_balance_logs")], before)


if __name__ == "__main__":
    unittest.main()
