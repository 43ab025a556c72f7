"""The stand-in over PostgreSQL, through real sockets on 127.0.0.1.

Needs the PG* variables of a throwaway cluster (scripts/test.sh exports them) and KORIV_DBINIT,
the built koriv-dbinit (ctest sets it). Every run works in a database of its own, dropped at the
end; the stand-in builds it with koriv-dbinit and signs in the seeded users "admin" and
"operator" (seeded without a usable password; configured here with empty ones) and the
configured user "tester".
"""

import json
import os
import socket
import struct
import subprocess
import threading
import time
import unittest
import uuid
import zlib

from psycopg2 import sql

import protocol
from testclient import built_tool, Client, ScratchDatabase, StandinOnDatabase, StandinProcess, digest, require_cluster, signed_in, time_limit

DBINIT = os.environ.get("KORIV_DBINIT", "")
TESTER_PASSWORD = "tester's secret"

shared = {}


def require_dbinit():
    built_tool("KORIV_DBINIT")


def setUpModule():
    require_cluster()
    require_dbinit()
    standin = StandinOnDatabase("standin", [
        "--dbinit", DBINIT, "--min-version", "1.6.0", "--user", "admin:" + digest(""),
        "--user", "operator:" + digest(""), "--user", "tester:" + digest(TESTER_PASSWORD)])
    shared.update(standin=standin, server=standin.server, sql=standin.sql)


def tearDownModule():
    if "standin" in shared:
        shared["standin"].close()


def rows(statement, args=()):
    return shared["standin"].rows(statement, args)


def scalar(statement, args=()):
    return shared["standin"].value(statement, args)


def unique(prefix):
    return "%s_%s" % (prefix, uuid.uuid4().hex[:10])


def user_id(sign):
    return scalar("SELECT id FROM users WHERE sign = %s", (sign,))


def option_id(code):
    return scalar("SELECT id FROM security_options WHERE code = %s", (code,))


def table_state(table):
    """Everything a table holds, as one digest: equal digests, unchanged table."""
    return scalar(sql.SQL("SELECT count(*) || md5(COALESCE(string_agg(t::text, ',' ORDER BY t.id), '')) FROM {} t")
                  .format(sql.Identifier(table)))


def copy_default_row(table, **values):
    """A new row made of the table's default row 1 with some values replaced; its id."""
    columns = [c for (c,) in rows("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                  "'public' AND table_name = %s AND column_name <> 'id' ORDER BY ordinal_position",
                                  (table,))]
    sources = [sql.Placeholder() if c in values else sql.Identifier(c) for c in columns]
    args = [values[c] for c in columns if c in values]
    return scalar(sql.SQL("INSERT INTO {} ({}) SELECT {} FROM {} WHERE id = 1 RETURNING id").format(
        sql.Identifier(table), sql.SQL(", ").join(map(sql.Identifier, columns)), sql.SQL(", ").join(sources),
        sql.Identifier(table)), args)


def new_city(name):
    return scalar("INSERT INTO cities (name, dt_utc_insert, dt_utc_last_update) VALUES (%s, 1, 1) RETURNING id",
                  (name,))


def contains(role, value, condition="and"):
    return {"role": role, "operation": "contains", "value": value, "condition": condition}


def where(*groups):
    return json.dumps(list(groups))


class StandinCase(unittest.TestCase):
    port = None

    def setUp(self):
        self.port = shared["server"].port

    def client(self, sign="admin", password=""):
        client = signed_in(self.port, sign, password)
        self.addCleanup(client.close)
        return client

    def set_option(self, name, value):
        """Sets one of the stand-in's switches on its stdin, as the page tests do, once it said done."""
        server = shared["server"]
        done = len([e for e in server.all_events if e["event"] == "done"])
        server.process.stdin.write("set %s %s\n" % (name, value))
        server.process.stdin.flush()
        self.assertTrue(server.events_after(lambda e: e["event"] == "done", done))

    def assertRefused(self, answer, code):
        self.assertEqual((answer.get("RES"), answer.get("ERRCODE")), ("0", str(code)), answer)
        self.assertTrue(answer.get("exception_description"), "a refusal says why: %r" % answer)


class SignIn(StandinCase):
    def test_seeded_and_configured_users_sign_in_and_open_a_session(self):
        for sign, password in (("admin", ""), ("operator", ""), ("tester", TESTER_PASSWORD)):
            with self.subTest(sign=sign):
                client = Client(self.port)
                self.addCleanup(client.close)
                self.assertEqual(client.sign_in(sign, password).get("RES"), "10")
                opened = client.open_session()
                self.assertEqual(opened["RES"], "10")
                self.assertEqual(opened["rst_id_owner"], str(user_id(sign)))
                self.assertEqual(opened["rst_id_group"],
                                 str(scalar("SELECT rst_id_group FROM users WHERE sign = %s", (sign,))))
                self.assertEqual(opened["sign"], sign)
                self.assertAlmostEqual(int(opened["utc_dt"]), time.time() * 1000, delta=60000)
                self.assertEqual(scalar("SELECT count(*) FROM user_sessions WHERE id = %s AND rst_id_owner = %s "
                                        "AND version = '1.6.0'", (opened["id"], user_id(sign))), 1)

    def test_the_sign_in_clock_runs_apart_from_the_records_stamps(self):
        for ahead in (5000, -5000):
            with self.subTest(ahead=ahead):
                self.set_option("sign_in_clock_ahead", ahead)
                self.addCleanup(self.set_option, "sign_in_clock_ahead", 0)
                client = Client(self.port)
                self.addCleanup(client.close)
                self.assertEqual(client.sign_in("admin", "").get("RES"), "10")
                before = time.time() * 1000
                opened = client.open_session()
                after = time.time() * 1000
                self.assertEqual(opened["RES"], "10")
                self.assertGreaterEqual(int(opened["utc_dt"]), int(before) + ahead)
                self.assertLessEqual(int(opened["utc_dt"]), int(after) + 1 + ahead)
                stamp = scalar("SELECT dt_utc_last_update FROM user_sessions WHERE id = %s", (opened["id"],))
                self.assertGreaterEqual(stamp, int(before))
                self.assertLessEqual(stamp, int(after) + 1)

    def test_wrong_password_unknown_and_blocked_users_are_refused(self):
        blocked = unique("blocked")
        copy_default_row("users", sign=blocked, pwd=digest("pw"), blocked=1)
        for sign, password in (("admin", "not the password"), ("nobody", ""), (blocked, "pw"),
                               ("tester", "")):
            with self.subTest(sign=sign):
                client = Client(self.port)
                self.addCleanup(client.close)
                answer = client.sign_in(sign, password)
                self.assertEqual(answer.get("FN"), "auth_saFailed", answer)
                # Nothing is served to a connection that is not signed in.
                self.assertRefused(client.call("city", "trGetList"), 50)

    def test_a_too_old_client_gets_code_50(self):
        client = Client(self.port)
        self.addCleanup(client.close)
        client.sign_in("admin", "")
        self.assertEqual(client.open_session("1.5.9")["RES"], "50")
        self.assertEqual(client.open_session("1.6.0")["RES"], "10")

    def test_closing_another_users_session_pushes_srclosed_and_ends_its_connection(self):
        admin = self.client()
        tester = self.client("tester", TESTER_PASSWORD)
        session_row = scalar("SELECT max(id) FROM user_sessions WHERE rst_id_owner = %s", (user_id("tester"),))
        answer = admin.call("userSession", "trClose", rst_id_owner=str(user_id("tester")))
        self.assertEqual(answer["RES"], "10")
        tester.take(lambda m: m.get("FN") == "userSession_srClosed")
        with self.assertRaises(ConnectionError):
            tester.take(lambda m: False, timeout=5)
        self.assertEqual(scalar("SELECT type_close FROM user_sessions WHERE id = %s", (session_row,)), 4)


class KeepAlive(StandinCase):
    def test_a_ping_is_answered_while_the_database_work_before_it_waits(self):
        client = self.client()
        blocker = shared["standin"].database.connect()
        self.addCleanup(blocker.close)
        blocker.autocommit = False
        with blocker.cursor() as cursor:
            cursor.execute("LOCK TABLE cities IN ACCESS EXCLUSIVE MODE")
        receiver = client.next_number()
        try:
            client.send({"FN": "city_trGetList", "RECEIVER": receiver})
            client.send({"FN": "userSession_trPing"})
            client.take(lambda m: m.get("FN") == "userSession_saPing")
            self.assertTrue(client.nothing(lambda m: m.get("RECEIVER") == receiver), "the list waits for the lock")
        finally:
            blocker.rollback()
        first = client.take(lambda m: m.get("FN") == "city_saGetList" and m.get("RECEIVER") == receiver)
        self.assertEqual((first["RES"], first["STATE"]), ("10", "start"))


class Lists(StandinCase):
    def setUp(self):
        super().setUp()
        self.prefix = unique("list")
        self.ids = [new_city("%s_%s" % (self.prefix, name)) for name in ("alpha", "beta", "gamma", "delta")]
        self.admin = self.client()

    def mine(self, **params):
        return self.admin.get_list("city", JSON_WHERE=where(
            {"condition": "and", "expressions": [contains("name", self.prefix)]}), **params)

    def test_a_list_is_framed_by_markers_newest_first_without_row_1(self):
        end, listed = self.admin.get_list("city")
        self.assertEqual(end["RES"], "10")
        ids = [int(row["id"]) for row in listed]
        self.assertNotIn(1, ids)
        self.assertEqual(ids, sorted(ids, reverse=True))
        self.assertTrue(set(self.ids) <= set(ids))
        self.assertEqual(len(ids), scalar("SELECT count(*) FROM cities WHERE id > 1"))
        row = next(r for r in listed if r["id"] == str(self.ids[0]))
        self.assertEqual(row["name"], self.prefix + "_alpha")
        self.assertEqual((row["FN"], row["rst_id_user_locked"]), ("city_saListInfo", "1"))

    def test_plain_keys_filter_by_equality_and_json_where_groups_combine(self):
        end, listed = self.admin.get_list("city", name=self.prefix + "_beta")
        self.assertEqual([r["id"] for r in listed], [str(self.ids[1])])
        self.assertEqual(end["name"], self.prefix + "_beta", "markers echo the request")
        cases = [
            ([{"condition": "and", "expressions": [contains("name", self.prefix + "_a", "or"),
                                                    contains("name", self.prefix + "_g")]}], [0, 2]),
            ([{"condition": "and", "expressions": [contains("name", self.prefix)]},
              {"condition": "and", "expressions": [{"role": "name", "operation": "not_contains",
                                                    "value": "ta", "condition": "and"}]}], [0, 2]),
            ([{"condition": "and", "expressions": [contains("name", self.prefix)]},
              {"condition": "AND", "expressions": [{"role": "id", "operation": ">=", "value": str(self.ids[2]),
                                                    "condition": "and"}]}], [2, 3]),
            ([{"condition": "and", "expressions": [{"role": "name", "operation": "=",
                                                    "value": self.prefix + "_delta", "condition": "and"}]},
              {"condition": "or", "expressions": [{"role": "id", "operation": "=", "value": str(self.ids[0]),
                                                   "condition": "and"}]}], [0, 3]),
            ([{"condition": "and", "expressions": []},
              {"condition": "and", "expressions": [contains("name", self.prefix + "_beta")]}], [1]),
        ]
        for groups, expected in cases:
            with self.subTest(groups=groups):
                end, listed = self.admin.get_list("city", JSON_WHERE=json.dumps(groups))
                self.assertEqual(end["RES"], "10", end)
                self.assertEqual(sorted(int(r["id"]) for r in listed), sorted(self.ids[i] for i in expected))

    def test_an_or_group_never_reaches_row_1_or_rows_older_than_the_reload(self):
        rows("UPDATE cities SET dt_utc_last_update = 900 WHERE id = %s", (self.ids[0],))
        by_prefix = {"condition": "and", "expressions": [contains("name", self.prefix)]}
        row_1 = {"condition": "or", "expressions": [{"role": "id", "operation": "<=", "value": "1",
                                                     "condition": "and"}]}
        _, listed = self.admin.get_list("city", JSON_WHERE=where(by_prefix, row_1))
        self.assertEqual(sorted(int(r["id"]) for r in listed), sorted(self.ids))
        older = {"condition": "or", "expressions": [contains("name", self.prefix + "_beta")]}
        _, listed = self.admin.get_list("city", dt_utc_last_update="900", JSON_WHERE=where(by_prefix, older))
        self.assertEqual([int(r["id"]) for r in listed], [self.ids[0]])

    def test_query_limit_keeps_the_newest_rows(self):
        end, listed = self.mine(query_limit="2")
        self.assertEqual([int(r["id"]) for r in listed], [self.ids[3], self.ids[2]])
        self.assertEqual(len(self.mine(query_limit="0")[1]), 4)

    def test_incremental_reload_lists_only_rows_changed_since(self):
        rows("UPDATE cities SET dt_utc_last_update = 500 WHERE id = %s", (self.ids[1],))
        rows("UPDATE cities SET dt_utc_last_update = 700 WHERE id = %s", (self.ids[3],))
        end, listed = self.mine(dt_utc_last_update="500", _do_not_clear_model="1")
        self.assertEqual([int(r["id"]) for r in listed], [self.ids[3], self.ids[1]])
        self.assertEqual(end.get("_do_not_clear_model"), "1", "markers keep the request's keys")
        self.assertEqual([int(r["id"]) for r in self.mine(dt_utc_last_update="501")[1]], [self.ids[3]])

    def test_rows_carry_the_fields_their_catalogue_joins(self):
        group = scalar("SELECT rst_id_group FROM users WHERE sign = 'operator'")
        group_name = scalar("SELECT name FROM user_groups WHERE id = %s", (group,))
        _, users = self.admin.get_list("user", sign="operator")
        self.assertEqual(len(users), 1)
        self.assertEqual(users[0]["group_name"], group_name)
        self.assertNotIn("pwd", users[0], "password digests stay on the server")
        _, filtered = self.admin.get_list("user", group_name=group_name)
        self.assertIn("operator", [u["sign"] for u in filtered])
        self.assertEqual({u["rst_id_group"] for u in filtered}, {str(group)})

        _, types = self.admin.get_list("sot", code="user.crud")
        self.assertEqual(len(types), 1)
        self.assertEqual(types[0]["sog_group_name"],
                         scalar("SELECT group_name FROM security_option_groups WHERE code = 'user'"))

    def test_a_refused_list_sends_no_rows(self):
        bad = {
            "unknown column": {"no_such_column": "1"},
            "unknown joined field": {"sog_group_name": "x"},
            "wrong type": {"id": "twelve"},
            "not json": {"JSON_WHERE": "[{"},
            "not an array": {"JSON_WHERE": '{"condition": "and"}'},
            "unknown role": {"JSON_WHERE": where({"condition": "and", "expressions": [contains("nope", "x")]})},
            "unknown operation": {"JSON_WHERE": where({"condition": "and", "expressions": [
                {"role": "name", "operation": "like", "value": "x", "condition": "and"}]})},
            "bad group condition": {"JSON_WHERE": where({"condition": "xor", "expressions": [contains("name", "x")]})},
            "bad expression condition": {"JSON_WHERE": where({"condition": "and", "expressions": [
                {"role": "name", "operation": "=", "value": "x", "condition": ""}]})},
            "value not a string": {"JSON_WHERE": where({"condition": "and", "expressions": [
                {"role": "id", "operation": "=", "value": 5, "condition": "and"}]})},
            "value of the wrong type": {"JSON_WHERE": where({"condition": "and", "expressions": [
                {"role": "id", "operation": ">", "value": "5; DROP TABLE cities", "condition": "and"}]})},
            "negative limit": {"query_limit": "-1"},
            "bad reload time": {"dt_utc_last_update": "yesterday"},
        }
        for case, params in bad.items():
            with self.subTest(case=case):
                end, listed = self.admin.get_list("city", **params)
                self.assertRefused(end, 100)
                self.assertEqual(listed, [])
        self.assertRefused(self.admin.get_list("nosuchcontroller")[0], 100)
        self.assertEqual(scalar("SELECT count(*) FROM cities WHERE name LIKE %s", (self.prefix + "%",)), 4)


class EditsAndLocks(StandinCase):
    def setUp(self):
        super().setUp()
        self.admin = self.client()
        self.tester = self.client("tester", TESTER_PASSWORD)
        self.city = new_city(unique("edit"))

    def forbid_tester(self, operation):
        """Withdraws a right of the tester's group from the tester through a user value in use."""
        row = scalar("INSERT INTO user_security_options (rst_id_owner, rst_id_so, option_value, is_using) "
                     "VALUES (%s, %s, '0', 1) RETURNING id", (user_id("tester"), option_id("city.crud." + operation)))
        self.addCleanup(rows, "DELETE FROM user_security_options WHERE id = %s", (row,))

    def pushed(self, client, fn, record):
        return client.take(lambda m: m.get("FN") == fn and m.get("id") == str(record))

    def test_new_record_is_answered_whole_and_pushed_to_every_client(self):
        name = unique("new")
        answer = self.admin.call("city", "trNew", id="0", name=name, coords_vertex="1,2")
        self.assertEqual(answer["RES"], "10", answer)
        record = int(answer["id"])
        stored = rows("SELECT name, coords_vertex, rst_id_user_locked, dt_utc_insert, dt_utc_last_update "
                      "FROM cities WHERE id = %s", (record,))[0]
        self.assertEqual(stored[:3], (name, "1,2", 1))
        self.assertEqual((answer["name"], answer["dt_utc_insert"]), (name, str(stored[3])))
        self.assertAlmostEqual(stored[4], time.time() * 1000, delta=60000)
        # The author's own lists reload too.
        for client in (self.tester, self.admin):
            push = self.pushed(client, "city_srInserted", record)
            self.assertEqual((push["RECEIVER"], push["id_owner_modify"]), ("ALL", str(user_id("admin"))))

    def test_uuid_columns_get_a_fresh_uuid_on_insert_and_copy(self):
        created = self.admin.call("company", "trNew", sign=unique("company"))
        self.assertEqual(created["RES"], "10", created)
        copied = self.admin.call("company", "trDuplicate", id=created["id"], sign=unique("company"))
        self.assertEqual(copied["RES"], "10", copied)
        values = [scalar("SELECT uuid_company FROM companies WHERE id = %s", (row["id"],)) for row in (created, copied)]
        self.assertEqual([str(uuid.UUID(v)) for v in values], values)
        self.assertNotEqual(values[0], values[1])

    def test_a_record_locked_by_one_session_is_refused_to_another(self):
        locked = self.admin.call("city", "trLock", id=str(self.city))
        self.assertEqual((locked["RES"], locked["rst_id_user_locked"]), ("10", str(user_id("admin"))))
        self.assertEqual(scalar("SELECT rst_id_user_locked FROM cities WHERE id = %s", (self.city,)), user_id("admin"))
        self.assertEqual(self.pushed(self.tester, "city_saLock", self.city)["rst_id_user_locked"],
                         str(user_id("admin")))
        self.assertTrue(self.admin.nothing(lambda m: m.get("FN") == "city_saLock"), "the holder gets its answer alone")

        self.forbid_tester("update_locked_record")
        before = table_state("cities")
        refused = self.tester.call("city", "trLock", id=str(self.city))
        self.assertRefused(refused, 100)
        self.assertEqual((refused.get("id"), refused.get("rst_id_user_locked")), (str(self.city), str(user_id("admin"))))
        self.assertIn("locked by admin", refused["exception_description"])
        # A test may ask for a refusal that names the holder in its text only.
        self.set_option("lock_refusal_holder", 0)
        try:
            refused = self.tester.call("city", "trLock", id=str(self.city))
            self.assertRefused(refused, 100)
            self.assertNotIn("rst_id_user_locked", refused)
            self.assertIn("locked by admin", refused["exception_description"])
        finally:
            self.set_option("lock_refusal_holder", 1)
        self.assertEqual(self.tester.call("city", "trLock", id=str(self.city))["rst_id_user_locked"],
                         str(user_id("admin")))
        self.assertEqual(self.tester.call("city", "trInfo", id=str(self.city))["rst_id_user_locked"], str(user_id("admin")))
        self.assertRefused(self.tester.call("city", "trUpdate", id=str(self.city), name=unique("x")), 70)
        self.assertRefused(self.tester.call("city", "trRemove", id=str(self.city)), 120)
        self.assertRefused(self.tester.call("city", "trUnlock", id=str(self.city)), 100)
        self.assertRefused(self.tester.call("city", "trDuplicate", id=str(self.city), name=unique("copy"),
                                            remove_src="1"), 170)
        self.assertEqual(table_state("cities"), before)

        self.assertEqual(self.admin.call("city", "trUnlock", id=str(self.city))["RES"], "10")
        self.assertEqual(self.pushed(self.tester, "city_saUnlock", self.city)["rst_id_user_locked"], "1")
        self.assertEqual(self.tester.call("city", "trLock", id=str(self.city))["RES"], "10")
        self.assertRefused(self.admin.call("city", "trLock", id=str(self.city)), 100)

    def test_the_update_locked_record_right_lets_an_update_through_a_foreign_lock(self):
        self.admin.call("city", "trLock", id=str(self.city))
        name = unique("through")
        self.assertEqual(self.tester.call("city", "trUpdate", id=str(self.city), name=name)["RES"], "10")
        self.assertEqual(scalar("SELECT name FROM cities WHERE id = %s", (self.city,)), name)

    def test_update_needs_the_own_lock_and_pushes_srupdated(self):
        self.assertRefused(self.admin.call("city", "trUpdate", id=str(self.city), name=unique("x")), 72)
        self.admin.call("city", "trLock", id=str(self.city))
        name = unique("renamed")
        before = scalar("SELECT dt_utc_last_update FROM cities WHERE id = %s", (self.city,))
        answer = self.admin.call("city", "trUpdate", id=str(self.city), name=name, name_string="shown only")
        self.assertEqual((answer["RES"], answer["name"]), ("10", name))
        self.assertGreater(int(answer["dt_utc_last_update"]), before)
        for client in (self.tester, self.admin):
            push = self.pushed(client, "city_srUpdated", self.city)
            self.assertEqual({k: v for k, v in push.items() if k not in ("FN", "SIGN")},
                             {"RECEIVER": "ALL", "id": str(self.city), "id_owner_modify": str(user_id("admin")), "sign": "admin"})
        # The other client reloads incrementally from the push and gets the new row.
        _, changed = self.tester.get_list("city", dt_utc_last_update=answer["dt_utc_last_update"],
                                          _do_not_clear_model="1")
        self.assertIn((str(self.city), name), [(r["id"], r["name"]) for r in changed])
        self.assertRefused(self.admin.call("city", "trUpdate", id="999999999", name="x"), 130)
        # A test may ask for the update time in the push too.
        self.set_option("push_update_time", 1)
        try:
            timed = self.admin.call("city", "trUpdate", id=str(self.city), name=unique("timed"))
            self.assertEqual(self.pushed(self.tester, "city_srUpdated", self.city)["dt_utc_last_update"],
                             timed["dt_utc_last_update"])
        finally:
            self.set_option("push_update_time", 0)

    def test_a_closed_connection_frees_its_locks(self):
        self.tester.call("city", "trLock", id=str(self.city))
        self.tester.close()
        self.pushed(self.admin, "city_saUnlock", self.city)
        self.assertEqual(self.admin.call("city", "trLock", id=str(self.city))["RES"], "10")
        self.assertEqual(scalar("SELECT rst_id_user_locked FROM cities WHERE id = %s", (self.city,)), user_id("admin"))

    def test_info_and_remove(self):
        info = self.admin.call("city", "trInfo", id=str(self.city))
        self.assertEqual((info["RES"], info["id"]), ("10", str(self.city)))
        self.assertRefused(self.admin.call("city", "trRemove", id="1"), 101)
        self.assertRefused(self.admin.call("user", "trRemove", id=str(user_id("admin"))), 200)
        removed = self.admin.call("city", "trRemove", id=str(self.city))
        self.assertEqual((removed["RES"], removed["id"]), ("10", str(self.city)))
        self.assertEqual(scalar("SELECT count(*) FROM cities WHERE id = %s", (self.city,)), 0)
        push = self.pushed(self.tester, "city_saRemove", self.city)
        self.assertEqual((push["RES"], push["RECEIVER"]), ("10", "ALL"))
        self.assertRefused(self.admin.call("city", "trInfo", id=str(self.city)), 110)
        self.assertRefused(self.admin.call("city", "trRemove", id=str(self.city)), 110)

    def test_duplicate_makes_copies_and_can_remove_the_source(self):
        base = unique("dup")
        rows("UPDATE cities SET name = %s, coords_vertex = '5,5' WHERE id = %s", (base, self.city))
        answer = self.admin.call("city", "trDuplicate", id=str(self.city), name=base + "_copy", amount="1")
        self.assertEqual(answer["RES"], "10", answer)
        self.assertEqual(rows("SELECT name, coords_vertex FROM cities WHERE id = %s", (answer["id"],)),
                         [(base + "_copy", "5,5")])
        self.pushed(self.tester, "city_srInserted", answer["id"])

        moved = self.admin.call("city", "trDuplicate", id=str(self.city), name=base + "_moved", remove_src="1")
        self.assertEqual(moved["RES"], "10", moved)
        self.assertEqual(scalar("SELECT count(*) FROM cities WHERE id = %s", (self.city,)), 0)
        self.pushed(self.tester, "city_saRemove", self.city)

        source = int(moved["id"])
        before = table_state("cities")
        self.assertRefused(self.admin.call("city", "trDuplicate", id=str(source), amount="101"), 160)
        self.assertRefused(self.admin.call("city", "trDuplicate", id=str(source), amount="many"), 150)
        self.assertRefused(self.admin.call("city", "trDuplicate", id="999999999"), 130)
        # Names are unique: the second of two copies with one name fails, and takes the first with it.
        self.assertRefused(self.admin.call("city", "trDuplicate", id=str(source), name=base + "_twin",
                                           amount="2"), 140)
        self.assertEqual(table_state("cities"), before)


class BalanceEntries(StandinCase):
    def test_an_entry_is_booked_against_its_owner_in_one_transaction(self):
        admin = self.client()
        company = int(admin.call("company", "trNew", sign=unique("company"))["id"])
        # The refill group's "+" type (operation 1) and its "-" type.
        credit, debit = (scalar("SELECT id FROM company_balance_types WHERE code LIKE 'sys.refill_company_balance.%%' "
                                "AND (type_operation = 1) = %s", (plus,)) for plus in (True, False))
        booked = []
        for bt, value, balance in ((credit, "12.5", 12.5), (debit, "2.25", 10.25)):
            answer = admin.call("cmpbl", "trNew", rst_id_owner=str(company), rst_id_bt=str(bt), value=value,
                                note="refill")
            self.assertEqual(answer["RES"], "10", answer)
            booked.append(int(answer["id"]))
            self.assertEqual(float(answer["balance"]), balance)
        self.assertEqual(scalar("SELECT balance FROM companies WHERE id = %s", (company,)), 10.25)
        stored = rows("SELECT l.value, l.balance, l.rst_id_bg, l.bg_name, l.bt_name, l.sign_user_created, l.note "
                      "FROM company_balance_logs l WHERE l.id = ANY(%s) ORDER BY l.id", (booked,))
        group, group_name = rows("SELECT g.id, g.name FROM company_balance_groups g JOIN company_balance_types t "
                                 "ON t.rst_id_bg = g.id WHERE t.id = %s", (debit,))[0]
        names = [scalar("SELECT name FROM company_balance_types WHERE id = %s", (bt,)) for bt in (credit, debit)]
        self.assertEqual(stored, [(12.5, 12.5, group, group_name, names[0], "admin", "refill"),
                                  (-2.25, 10.25, group, group_name, names[1], "admin", "refill")])
        before = [table_state(t) for t in ("companies", "company_balance_logs")]
        for params, code in (({"rst_id_owner": str(company), "rst_id_bt": "999999", "value": "1"}, 100),
                             ({"rst_id_owner": "1", "rst_id_bt": str(credit), "value": "1"}, 100),
                             ({"rst_id_owner": str(company), "rst_id_bt": str(credit), "value": ""}, 100)):
            with self.subTest(params=params):
                self.assertRefused(admin.call("cmpbl", "trNew", **params), code)
        self.assertEqual([table_state(t) for t in ("companies", "company_balance_logs")], before)


class Rights(StandinCase):
    def setUp(self):
        super().setUp()
        self.operator = self.client("operator", "")

    def grant_operator(self, code, value, is_using):
        row = scalar("INSERT INTO user_security_options (rst_id_owner, rst_id_so, option_value, is_using) "
                     "VALUES (%s, %s, %s, %s) RETURNING id", (user_id("operator"), option_id(code), value, is_using))
        self.addCleanup(rows, "DELETE FROM user_security_options WHERE id = %s", (row,))

    def test_the_server_refuses_what_the_group_does_not_grant(self):
        self.assertEqual(self.operator.get_list("city")[0]["RES"], "10")
        self.assertRefused(self.operator.get_list("dbl")[0], 50)
        self.assertEqual(self.client().get_list("dbl")[0]["RES"], "10", "the administrators may read it")
        before = table_state("cities")
        self.assertRefused(self.operator.call("city", "trNew", name=unique("x")), 50)
        city = new_city(unique("rights"))
        self.assertRefused(self.operator.call("city", "trRemove", id=str(city)), 50)
        self.assertRefused(self.operator.call("city", "trDuplicate", id=str(city)), 50)
        self.assertEqual(self.operator.call("city", "trLock", id=str(city))["RES"], "10")
        self.assertRefused(self.operator.call("city", "trUpdate", id=str(city), name=unique("x")), 50)
        rows("DELETE FROM cities WHERE id = %s", (city,))
        self.assertEqual(table_state("cities"), before)

    def test_a_user_value_overrides_the_group_only_while_in_use(self):
        self.grant_operator("city.crud.create", "1", 0)
        self.assertRefused(self.operator.call("city", "trNew", name=unique("x")), 50)
        rows("UPDATE user_security_options SET is_using = 1 WHERE rst_id_owner = %s AND rst_id_so = %s",
             (user_id("operator"), option_id("city.crud.create")))
        self.assertEqual(self.operator.call("city", "trNew", name=unique("granted"))["RES"], "10")
        self.grant_operator("city.crud.read", "0", 1)
        self.assertRefused(self.operator.get_list("city")[0], 50)

    def test_new_and_copied_groups_and_users_get_their_option_rows(self):
        admin = self.client()
        options = scalar("SELECT count(*) FROM security_options WHERE id > 1")
        read = option_id("city.crud.read")
        group = admin.call("ug", "trNew", name=unique("night"))["id"]
        self.addCleanup(rows, "DELETE FROM user_groups WHERE id = %s", (int(group),))
        values = dict(rows("SELECT rst_id_so, option_value FROM user_group_security_options WHERE rst_id_group = %s",
                           (int(group),)))
        self.assertEqual(len(values), options)
        self.assertEqual(values[read], "0", "a new group is granted nothing")
        self.assertEqual(values[option_id("city.crud.table_mapping")], "[]")
        user = admin.call("user", "trNew", sign=unique("clerk"), rst_id_group=group, first_name="Ivan",
                          last_name="Moroz")["id"]
        self.addCleanup(rows, "DELETE FROM users WHERE id = %s", (int(user),))
        own = rows("SELECT option_value, is_using FROM user_security_options WHERE rst_id_owner = %s", (int(user),))
        self.assertEqual(len(own), options)
        self.assertEqual({using for _, using in own}, {0}, "the group's values count")

        rows("UPDATE user_group_security_options SET option_value = '1' WHERE rst_id_group = %s AND rst_id_so = %s",
             (int(group), read))
        for copy_rights, expected in (("1", "1"), ("0", "0")):
            with self.subTest(copySecurityRights=copy_rights):
                admin.call("ug", "trLock", id=group)
                answer = admin.call("ug", "trDuplicate", id=group, name=unique("copy"), copySecurityRights=copy_rights)
                self.assertEqual(answer["RES"], "10", answer)
                copy = scalar("SELECT max(id) FROM user_groups")
                self.addCleanup(rows, "DELETE FROM user_groups WHERE id = %s", (copy,))
                self.assertEqual(scalar("SELECT count(*) FROM user_group_security_options WHERE rst_id_group = %s",
                                        (copy,)), options)
                self.assertEqual(scalar("SELECT option_value FROM user_group_security_options WHERE rst_id_group = %s"
                                        " AND rst_id_so = %s", (copy, read)), expected)

        rows("UPDATE user_security_options SET option_value = '1', is_using = 1 WHERE rst_id_owner = %s "
             "AND rst_id_so = %s", (int(user), read))
        rows("INSERT INTO user_gui_sessions (rst_id_owner, name, value) VALUES (%s, 'desk', '{}')", (int(user),))
        for copy_flag, sessions, using in (("1", 1, 1), ("0", 0, 0)):
            with self.subTest(copySettings=copy_flag):
                answer = admin.call("user", "trDuplicate", id=user, sign=unique("twin"), copySettings=copy_flag,
                                    copySecurityRights=copy_flag)
                self.assertEqual(answer["RES"], "10", answer)
                copy = scalar("SELECT max(id) FROM users")
                self.addCleanup(rows, "DELETE FROM users WHERE id = %s", (copy,))
                self.assertEqual(scalar("SELECT count(*) FROM user_gui_sessions WHERE rst_id_owner = %s", (copy,)),
                                 sessions)
                self.assertEqual(scalar("SELECT is_using FROM user_security_options WHERE rst_id_owner = %s "
                                        "AND rst_id_so = %s", (copy, read)), using)

    def test_the_options_beyond_the_seeds_exist_and_admin_holds_them(self):
        import options
        admin = self.client()
        for name in options.PLATFORM_OPTIONS:
            with self.subTest(option=name):
                codes = [code for (code,) in rows("SELECT code FROM security_options WHERE code LIKE %s ORDER BY id",
                                                   (name + ".crud.%",))]
                self.assertEqual([c.rsplit(".", 1)[1] for c in codes],
                                 [c.rsplit(".", 1)[1] for (c,) in rows(
                                     "SELECT code FROM security_options WHERE code LIKE %s ORDER BY id",
                                     ("city.crud.%",))])
                granted = scalar("SELECT g.option_value FROM user_group_security_options g JOIN user_groups ug "
                                 "ON ug.id = g.rst_id_group WHERE ug.code = 'admin' AND g.rst_id_so = %s",
                                 (option_id(name + ".crud.read"),))
                self.assertEqual(granted, "1")
        # Enforced now: the administrators read the lists, the operators (not granted) do not.
        self.assertEqual(admin.get_list("terminalCmp")[0]["RES"], "10")
        self.assertRefused(self.operator.get_list("terminalCmp")[0], 50)
        # A second run adds nothing.
        self.assertEqual(options.add_platform_options(shared["sql"]), [])

    def test_own_rights_and_gui_sessions_stay_readable_without_the_right(self):
        for controller in ("ugso", "uso", "userGuiSession"):
            self.grant_operator(controller + ".crud.read", "0", 1)
        own_group = str(scalar("SELECT rst_id_group FROM users WHERE sign = 'operator'"))
        other_group = str(scalar("SELECT rst_id_group FROM users WHERE sign = 'admin'"))
        owner, other = str(user_id("operator")), str(user_id("admin"))
        self.assertEqual(self.operator.get_list("ugso", rst_id_group=own_group)[0]["RES"], "10")
        self.assertRefused(self.operator.get_list("ugso", rst_id_group=other_group)[0], 50)
        self.assertRefused(self.operator.get_list("ugso")[0], 50)
        for controller in ("uso", "userGuiSession"):
            with self.subTest(controller=controller):
                self.assertEqual(self.operator.get_list(controller, rst_id_owner=owner)[0]["RES"], "10")
                self.assertRefused(self.operator.get_list(controller, rst_id_owner=other)[0], 50)
        _, own = self.operator.get_list("uso", rst_id_owner=owner)
        self.assertEqual({r["rst_id_owner"] for r in own}, {owner})
        self.assertEqual(len(own), 3)

    def test_security_option_rows_come_from_the_seeded_tables(self):
        _, groups = self.operator.get_list("sog")
        _, options = self.operator.get_list("so")
        self.assertEqual(len(groups), scalar("SELECT count(*) FROM security_option_groups WHERE id > 1"))
        self.assertEqual(len(options), scalar("SELECT count(*) FROM security_options WHERE id > 1"))
        self.assertIn("city.crud.read", {o["code"] for o in options})

        group = scalar("SELECT rst_id_group FROM users WHERE sign = 'operator'")
        end, values = self.operator.get_list("ugso", rst_id_group=str(group))
        self.assertEqual(end["rst_id_group"], str(group), "the end marker names the group")
        by_option = {v["rst_id_so"]: v for v in values}
        self.assertEqual(by_option[str(option_id("city.crud.read"))]["option_value"], "1")
        self.assertEqual(len(values), scalar("SELECT count(*) FROM user_group_security_options "
                                             "WHERE rst_id_group = %s", (group,)))
        self.assertEqual(by_option[str(option_id("city.crud.read"))]["so_option_name"],
                         scalar("SELECT option_name FROM security_options WHERE code = 'city.crud.read'"))
        city_type = scalar("SELECT rst_id_sot FROM security_options WHERE code = 'city.crud.read'")
        _, of_type = self.client().get_list("ugso", rst_id_group=str(group), rst_id_sot1=str(city_type))
        self.assertTrue(of_type)
        self.assertEqual({v["rst_id_sot1"] for v in of_type}, {str(city_type)})


class Passwords(StandinCase):
    def test_change_password_of_users_drivers_and_terminal_companies(self):
        admin = self.client()
        sign = unique("pwuser")
        person = copy_default_row("users", sign=sign, pwd=digest("old"), is_system=0)
        self.assertRefused(admin.call("user", "trChangePwd", id=str(person), pwd=digest("new"),
                                      pwd_confirm=digest("new"), old_pwd=digest("wrong")), 202)
        self.assertRefused(admin.call("user", "trChangePwd", id=str(person), pwd=digest("new"),
                                      pwd_confirm=digest("other"), old_pwd=digest("old")), 201)
        self.assertRefused(admin.call("user", "trChangePwd", id="999999999", pwd=digest("new"),
                                      pwd_confirm=digest("new")), 200)
        self.assertEqual(admin.call("user", "trChangePwd", id=str(person), pwd=digest("new"),
                                    pwd_confirm=digest("new"), old_pwd=digest("old"))["RES"], "10")
        for password, answer in (("old", "auth_saFailed"), ("new", "auth_saAuth")):
            client = Client(self.port)
            self.addCleanup(client.close)
            self.assertEqual(client.sign_in(sign, password)["FN"], answer)

        for controller, table in (("driver", "drivers"), ("terminalCmp", "terminal_companies")):
            with self.subTest(controller=controller):
                record = copy_default_row(table, sign=unique(controller), pwd=digest("a"))
                answer = admin.call(controller, "trChangePwd", id=str(record), pwd=digest("b"),
                                    pwd_confirm=digest("b"))
                self.assertEqual(answer["RES"], "10", answer)
                self.assertEqual(scalar(sql.SQL("SELECT pwd FROM {} WHERE id = %s").format(sql.Identifier(table)),
                                        (record,)), digest("b"))

    def test_an_empty_new_password_is_refused(self):
        admin = self.client()
        for controller, table in (("user", "users"), ("driver", "drivers"), ("terminalCmp", "terminal_companies")):
            with self.subTest(controller=controller):
                record = copy_default_row(table, sign=unique(controller), pwd=digest("kept"))
                for empty in (digest(""), digest("").upper()):
                    answer = admin.call(controller, "trChangePwd", id=str(record), pwd=empty, pwd_confirm=empty,
                                        old_pwd=digest("kept"))
                    self.assertRefused(answer, 203)
                self.assertEqual(scalar(sql.SQL("SELECT pwd FROM {} WHERE id = %s").format(sql.Identifier(table)),
                                        (record,)), digest("kept"))

    def test_without_the_update_right_no_password_changes(self):
        person = copy_default_row("users", sign=unique("pwuser"), pwd=digest("old"), is_system=0)
        answer = self.client("operator", "").call("user", "trChangePwd", id=str(person), pwd=digest("x"),
                                                  pwd_confirm=digest("x"), old_pwd=digest("old"))
        self.assertRefused(answer, 50)
        self.assertEqual(scalar("SELECT pwd FROM users WHERE id = %s", (person,)), digest("old"))


class GuiSessions(StandinCase):
    def test_a_saved_gui_session_is_stored_and_returned(self):
        operator = self.client("operator", "")
        owner = str(user_id("operator"))
        value = json.dumps({"mainWindow": {"currentTabIndex": 1}, "openFrames": [{"url": "qrc:/a#b=c"}],
                            "tmpFramesSettings": {}}, separators=(",", ":"))
        created = operator.call("userGuiSession", "trNew", name="work", note="", auto_save="1", is_default="1",
                                value=value, rst_id_owner=owner)
        self.assertEqual(created["RES"], "10", created)
        record = created["id"]
        # Saving: lock, update, unlock, sent one after another without waiting.
        changed = value.replace('"currentTabIndex":1', '"currentTabIndex":2')
        operator.send({"FN": "userGuiSession_trLock", "RECEIVER": "7", "id": record})
        operator.send({"FN": "userGuiSession_trUpdate", "RECEIVER": "7", "id": record, "name": "work",
                       "note": "", "auto_save": "1", "is_default": "1", "value": changed, "rst_id_owner": owner})
        operator.send({"FN": "userGuiSession_trUnlock", "RECEIVER": "7", "id": record})
        for answer in ("saLock", "saUpdate", "saUnlock"):
            self.assertEqual(operator.take(lambda m: m.get("FN") == "userGuiSession_" + answer)["RES"], "10")
        end, listed = operator.get_list("userGuiSession", rst_id_owner=owner)
        self.assertEqual([(r["id"], r["value"], r["is_default"]) for r in listed], [(record, changed, "1")])


class PaymentRecords(StandinCase):
    def setUp(self):
        super().setUp()
        self.admin = self.client()
        self.prefix = unique("pay")
        self.companies = [copy_default_row("companies", company_name="%s_%s" % (self.prefix, name),
                                           sign="%s_%s" % (self.prefix, name), uuid_company=unique("c"))
                          for name in ("north", "south")]
        self.system = scalar(
            "INSERT INTO payment_systems (uuid, name, code, login, password, fondy_credit_key, dt_utc_insert,"
            " dt_utc_last_update) VALUES (%s, %s, %s, 'merchant', 'pass-secret', 'credit-secret', 1, 1) RETURNING id",
            (unique("ps"), self.prefix, self.prefix))
        self.account = scalar(
            "INSERT INTO payment_systems_company_accounts (uuid, rst_id_company, rst_id_payment_system, public_key,"
            " private_key, dt_utc_insert, dt_utc_last_update) VALUES (%s, %s, %s, %s, 'private-secret', 1, 1)"
            " RETURNING id", (unique("acc"), self.companies[0], self.system, self.prefix))

    def test_credentials_come_with_the_record_only(self):
        for controller, record, secrets in (("paymentSystem", self.system, ("password", "fondy_credit_key")),
                                            ("paymentSysAccComp", self.account, ("private_key",))):
            with self.subTest(controller=controller):
                end, listed = self.admin.get_list(controller, id=str(record))
                self.assertEqual(end["RES"], "10", end)
                self.assertEqual([r["id"] for r in listed], [str(record)])
                for secret in secrets:
                    self.assertNotIn(secret, listed[0])
                    self.assertRefused(self.admin.get_list(controller, **{secret: "x"})[0], 100)
                    by_role = where({"condition": "and", "expressions": [
                        {"role": secret, "operation": "=", "value": "x", "condition": "and"}]})
                    self.assertRefused(self.admin.get_list(controller, JSON_WHERE=by_role)[0], 100)
                info = self.admin.call(controller, "trInfo", id=str(record))
                self.assertEqual(info["RES"], "10", info)
                for secret in secrets:
                    self.assertTrue(info[secret].endswith("-secret"), info)

    def test_the_payment_log_lists_by_company_and_period_with_the_joined_names(self):
        def entry(company, inserted, key):
            return scalar("INSERT INTO payment_systems_drivers_payments_logs (rst_id_company, rst_id_payment_system,"
                          " sign, amount, trn_key, data, dt_utc_insert, dt_utc_last_update)"
                          " VALUES (%s, %s, 'drv', 25.5, %s, '{}', %s, %s) RETURNING id",
                          (company, self.system, key, inserted, inserted))
        north = [entry(self.companies[0], 5000, "n1"), entry(self.companies[0], 6000, "n2")]
        entry(self.companies[0], 9000, "late")
        entry(self.companies[1], 5500, "south")
        period = where({"condition": "and", "expressions": [
            {"role": "rst_id_company", "operation": "=", "value": str(self.companies[0]), "condition": "and"},
            {"role": "dt_utc_insert", "operation": ">=", "value": "5000", "condition": "and"},
            {"role": "dt_utc_insert", "operation": "<=", "value": "6000", "condition": "and"}]})
        end, listed = self.admin.get_list("paymentSysDriversPaymentsLog", JSON_WHERE=period)
        self.assertEqual(end["RES"], "10", end)
        self.assertEqual([int(r["id"]) for r in listed], sorted(north, reverse=True))
        self.assertEqual({(r["company_name"], r["ps_name"], r["amount"]) for r in listed},
                         {(self.prefix + "_north", self.prefix, "25.5")})


class BadInput(StandinCase):
    def test_bad_edits_are_answered_and_change_nothing(self):
        admin = self.client()
        session = admin.call("userGuiSession", "trNew", name="kept", value="{}",
                             rst_id_owner=str(user_id("admin")))["id"]
        admin.call("userGuiSession", "trLock", id=session)
        taken = unique("taken")
        new_city(taken)
        cases = [
            ("city", "trNew", {"name": unique("x"), "population": "5"}, 100),
            ("city", "trNew", {"coords_vertex": "1,1"}, 210),
            ("city", "trNew", {"name": taken}, 500),
            ("userGuiSession", "trNew", {"name": "x", "is_default": "yes"}, 100),
            ("userGuiSession", "trNew", {"name": "x", "rst_id_owner": "999999999"}, 105),
            ("userGuiSession", "trUpdate", {"id": session, "auto_save": "1.5"}, 100),
            ("userGuiSession", "trUpdate", {"id": session, "name": "y", "colour": "red"}, 100),
            ("userGuiSession", "trUpdate", {"id": "first"}, 100),
            ("city", "trInfo", {"id": "x"}, 100),
            ("city", "trArchive", {"id": "2"}, 51),
            ("nosuch", "trNew", {"name": "x"}, 100),
        ]
        before = {t: table_state(t) for t in ("cities", "user_gui_sessions")}
        for controller, action, params, code in cases:
            with self.subTest(controller=controller, action=action, params=params):
                self.assertRefused(admin.call(controller, action, **params), code)
        self.assertEqual({t: table_state(t) for t in before}, before)

    def test_garbage_on_one_connection_leaves_the_server_serving(self):
        nested = b'{"method":"x","a":' + b"[" * 200000 + b"]" * 200000 + b"}"
        garbage = {
            "not the protocol": b"GET / HTTP/1.1\r\nHost: x\r\n\r\n",
            "malformed zlib stream": struct.pack(">I", 10) + b"\x78garbage#ENDMSG",
            "10 bytes declared, 64 MiB inflated": struct.pack(">I", 10) + zlib.compress(bytes(64 << 20), 9) + b"#ENDMSG",
            "JSON nested 200,000 deep": struct.pack(">i", len(nested)) + nested,
        }
        for case, data in garbage.items():
            with self.subTest(case=case):
                is_error = lambda e: e["event"] == "error"  # noqa: E731
                errors = len([e for e in shared["server"].all_events if is_error(e)])
                raw = socket.create_connection(("127.0.0.1", self.port), timeout=time_limit(10))
                raw.sendall(data)
                self.assertEqual(raw.recv(100), b"", "the stand-in drops a connection that speaks no protocol")
                raw.close()
                self.assertEqual(self.client().get_list("city")[0]["RES"], "10")
                told = shared["server"].events_after(is_error, errors)
                self.assertEqual(len(told), 1, "the stand-in tells why it dropped the connection")
                self.assertNotIn("stand-in failure", told[0]["error"])

    def test_a_json_sign_in_with_params_that_are_no_object_is_refused(self):
        for params in ([], "admin", {"sign": ["admin"], "sid": digest("")}):
            with self.subTest(params=params):
                raw = socket.create_connection(("127.0.0.1", self.port), timeout=time_limit(10))
                self.addCleanup(raw.close)
                raw.sendall(protocol.json_frame({"method": "auth.auth", "params": params}))
                decoder = protocol.Decoder()
                frames = []
                while not frames:
                    data = raw.recv(65536)
                    self.assertTrue(data, "the stand-in answers before it closes")
                    frames = decoder.feed(data)
                kind, answer = frames[0]
                self.assertEqual((kind, answer["resCode"]), ("json", 0))
                self.assertIn("params", answer["error"])

    def test_json_where_over_the_caps_or_nested_too_deep_is_bad_input(self):
        admin = self.client()
        group = {"condition": "and", "expressions": [contains("name", "x")]}
        cases = {
            "21 groups": [group] * 21,
            "101 expressions": [{"condition": "and", "expressions": [contains("name", "x")] * 101}],
        }
        for case, groups in cases.items():
            with self.subTest(case=case):
                self.assertRefused(admin.get_list("city", JSON_WHERE=json.dumps(groups))[0], 100)
        self.assertRefused(admin.get_list("city", JSON_WHERE="[" * 200000 + "]" * 200000)[0], 100)
        self.assertEqual(admin.get_list("city", JSON_WHERE=json.dumps([group] * 20))[0]["RES"], "10")


class TwoClients(StandinCase):
    REQUESTS = 1000

    def test_two_clients_with_a_thousand_list_requests_each(self):
        prefix = unique("load")
        names = ["%s_%02d" % (prefix, i) for i in range(12)]
        for name in names:
            new_city(name)
        by_prefix = json.dumps([{"condition": "and", "expressions": [contains("name", prefix)]}])
        variants = [({"JSON_WHERE": by_prefix}, 12), ({"name": names[3]}, 1),
                    ({"JSON_WHERE": by_prefix, "query_limit": "5"}, 5)]
        failures = []

        def run(sign):
            try:
                client = signed_in(self.port, sign, "")
                try:
                    for i in range(self.REQUESTS):
                        params, expected = variants[i % len(variants)]
                        end, listed = client.get_list("city", **params)
                        if end.get("RES") != "10" or len(listed) != expected:
                            failures.append((sign, i, end, len(listed)))
                            return
                    answers = [m for m in client.inbox if m.get("RECEIVER") != "ALL"]
                    if answers:
                        failures.append((sign, "answers nobody asked for", answers[:3]))
                finally:
                    client.close()
            except Exception as error:  # reported below, with the thread's name
                failures.append((sign, repr(error)))

        started = time.monotonic()
        threads = [threading.Thread(target=run, args=(sign,)) for sign in ("admin", "operator")]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join(time_limit(120))
        self.assertFalse(any(thread.is_alive() for thread in threads), "a client hung")
        self.assertEqual(failures, [])
        self.assertLess(time.monotonic() - started, time_limit(120))


class DatabaseInitialiser(unittest.TestCase):
    """koriv-dbinit on a database of its own."""

    @classmethod
    def setUpClass(cls):
        require_cluster()
        require_dbinit()
        cls.database = ScratchDatabase("dbinit")
        cls.sql = cls.database.connect()

    @classmethod
    def tearDownClass(cls):
        cls.sql.close()
        cls.database.drop()

    def run_tool(self, *arguments, **environment):
        return subprocess.run([DBINIT] + list(arguments), env=dict(self.database.environment, **environment),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, timeout=time_limit(120))

    def counts(self):
        with self.sql.cursor() as cursor:
            cursor.execute("SELECT table_name FROM information_schema.tables WHERE table_schema = 'public' "
                           "ORDER BY table_name")
            tables = [t for (t,) in cursor.fetchall()]
            result = {}
            for table in tables:
                cursor.execute(sql.SQL("SELECT count(*) FROM {}").format(sql.Identifier(table)))
                result[table] = cursor.fetchone()[0]
            return result

    def test_builds_seeds_describes_and_runs_again_without_change(self):
        path = os.path.join(os.environ.get("TMPDIR", "/tmp"), unique("joined") + ".json")
        self.addCleanup(lambda: os.path.exists(path) and os.remove(path))
        first = self.run_tool("--describe", path)
        self.assertEqual(first.returncode, 0, first.stderr)
        counts = self.counts()
        for table in ("users", "user_groups", "cities", "security_options", "user_group_security_options",
                      "user_gui_sessions", "drivers"):
            self.assertGreaterEqual(counts.get(table, 0), 1, table)
        with self.sql.cursor() as cursor:
            cursor.execute("SELECT count(*) FROM users WHERE sign IN ('admin', 'operator') "
                           "AND pwd ~ '^[0-9a-f]{32}$' AND pwd <> %s", (digest(""),))
            self.assertEqual(cursor.fetchone()[0], 2, "seeded users get no known password")
        with open(path, encoding="utf-8") as f:
            joined = json.load(f)["tables"]
        self.assertEqual(joined["users"]["joined"]["group_name"],
                         {"table": "user_groups", "column": "name", "join": ""})
        self.assertEqual(joined["companies"]["uuid"], ["uuid_company"])

        second = self.run_tool()
        self.assertEqual(second.returncode, 0, second.stderr)
        self.assertEqual(self.counts(), counts)

    def test_failures_end_with_a_message_and_status(self):
        closed = socket.socket()
        closed.bind(("127.0.0.1", 0))
        port = str(closed.getsockname()[1])
        closed.close()
        result = self.run_tool(PGPORT=port)
        self.assertEqual(result.returncode, 1)
        self.assertIn("cannot connect", result.stderr)
        self.assertEqual(self.run_tool("--bogus").returncode, 2)

        with self.assertRaises(RuntimeError) as raised:
            StandinProcess(["--database", "--dbinit", DBINIT], environment=dict(self.database.environment, PGPORT=port))
        self.assertIn("exit status 1", str(raised.exception))
        self.assertIn("database initialiser failed", str(raised.exception))


if __name__ == "__main__":
    unittest.main()
