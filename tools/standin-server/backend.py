"""Requests of signed-in clients, answered from PostgreSQL.

Every request runs in one transaction: an answer with "RES" "0" leaves the database as it was.
Result codes ("RES" "10" success, "0" failure) and error codes ("ERRCODE"):
  50   the signed-in user's right <controller>.crud.<operation> is not "1" (or nobody signed in)
  51   a controller the stand-in knows but an action it does not serve
  100  bad input: unknown controller or column, malformed JSON_WHERE or one over its caps (20 groups,
       100 expressions), a value of the wrong type;
       on saLock / saUnlock also a record that is missing or locked by another session
  105  the database refused the change (unique, not-null or foreign-key violation)
  70   saUpdate: the record is locked by another session (without update_locked_record right)
  72   saUpdate: the record is not locked by the requesting session
  110  saInfo / saRemove: the record does not exist
  130  saUpdate / saDuplicate: the record does not exist
  101  saRemove: the default row 1 or a system row (is_system 1) of a table without its own code
  120  saRemove: the record is locked by another session
  140  saDuplicate: a copy could not be inserted
  150, 160  saDuplicate: "amount" missing or not a number, larger than 100
  170  saDuplicate: the source could not be removed (locked by another session, system row)
  200 to 204  saChangePwd: no such record, passwords differ, old password wrong, update failed
       (also: the new password is empty, given as the digest of the empty text), password missing;
       a record without a password takes the empty old password
  200 to 701  the field rules of records and the removal of system records: see rules.py
  report_saCreate: 100 for a type or options that are not a report request, 180 when the report
       tool refused the options or failed (its message is the reason)
Credentials (a payment system's "password" and "fondy_credit_key", an account's "private_key")
come only with a single record (trInfo and the answers to its editor's edits): lists leave them
out and refuse them as filter keys or JSON_WHERE roles (100).
Every refusal carries "exception_description" with the reason. The requests that single
controllers add (archive, approval, batch removal, ...) and their codes are in extras.py.

Rights: a request needs the user's effective value "1" of <controller>.crud.<operation>, where
lists and single records need "read", trLock / trUnlock "read", trNew "create", trUpdate and
trChangePwd "update", trRemove "delete", trDuplicate "duplicate". The user's own rights (ugso of
the own group, uso of the own user) and own GUI sessions are always readable, and a right that
no security option names is not enforced.

Locks belong to sessions (connections): trUpdate needs the requester's own lock (or, on a record
locked by another session, the right update_locked_record); trRemove and trDuplicate with
"remove_src" are refused on a record another session holds. Lock changes are pushed as "saLock" /
"saUnlock" with "RECEIVER" "ALL"; a closed connection frees its locks.

Users and user groups: a new one, and a copy, gets a value row of every security option, and a
copy takes its source's rights ("copySecurityRights") and saved GUI sessions ("copySettings") as
asked; see owners.py.

Balance entries: "trNew" of a balance log ("cmpbl", "dbl") books the entry. Its balance type (which
must exist) gives the group and the names "bg_name" and "bt_name"; the type's operation signs the
amount ("1" credits it, any other value debits it); the owner's (the company's or the driver's,
not row 1) "balance" moves by the amount in the same transaction, and the entry keeps the new
balance and the user who booked it. Both changes are pushed to the other clients.

Reports: "report_trCreate" {"type", "options"} runs the report's extraction through the report tool
(koriv-report) on the same database and answers "saCreate" with "JSON", the report data object. It
needs the right <report>.crud.read of the type's report name; unlike the rights of tables, a
report whose option does not exist is refused too, as the client's report frames refuse it.
"""

import base64
import json
import select
import subprocess
import sys
import time
import traceback
import uuid

import psycopg2
import psycopg2.extensions
from psycopg2 import sql

import notifications
from extras import Extras
import owners
from rules import Rules
from schema import InputError, Select

ACTION_RIGHTS = {
    "trGetList": "read",
    "trInfo": "read",
    "trLock": "read",
    "trUnlock": "read",
    "trNew": "create",
    "trUpdate": "update",
    "trRemove": "delete",
    "trDuplicate": "duplicate",
    "trChangePwd": "update",
}

# Keys of a list request that are not equality filters.
LIST_KEYS = {"FN", "RECEIVER", "SIGN", "query_limit", "dt_utc_last_update", "dt_utc_insert_start",
             "dt_utc_insert_end", "JSON_WHERE"}
# Keys of an edit that are not written as columns.
EDIT_KEYS = {"FN", "RECEIVER", "SIGN", "RES", "ERRCODE", "STATE", "id", "rst_id_user_locked",
             "dt_utc_insert", "dt_utc_last_update", "id_owner_modify"}
# The password digest of the empty text: a new password that is no password.
EMPTY_PASSWORD_DIGEST = "d41d8cd98f00b204e9800998ecf8427e"
# Columns that lists and records never show (a crash database comes by its own request).
HIDDEN_COLUMNS = ("pwd", "db")
# Credentials that only a single record shows (to its editor): never a list column or a filter.
LIST_HIDDEN_COLUMNS = HIDDEN_COLUMNS + ("password", "fondy_credit_key", "private_key")

CONDITIONS = {"and", "or"}
OPERATIONS = {"=": "=", "!=": "<>", ">": ">", ">=": ">=", "<": "<", "<=": "<="}
TEXT_OPERATIONS = {"contains": "> 0", "not_contains": "= 0"}

MAX_COPIES = 100
# Keys of a duplicate request that are not columns: the copies' number, the source's removal and
# what the copy of a user or user group takes from its source.
DUPLICATE_KEYS = ("amount", "remove_src", "copySettings", "copySecurityRights")
# The caps of the client library's query builder on JSON_WHERE: groups, and expressions in all.
MAX_GROUPS = 20
MAX_EXPRESSIONS = 100

# Balance ledgers: log table -> its type table, group table and owner table.
LEDGERS = {
    "company_balance_logs": ("company_balance_types", "company_balance_groups", "companies"),
    "driver_balance_logs": ("driver_balance_types", "driver_balance_groups", "drivers"),
}

# Report type -> the report name whose ".crud.read" grants it.
REPORT_ACCESS = {
    0: "individualCardGroupReport", 1: "individualCardGroupBalanceReport", 2: "consolidatedCompanyReport",
    3: "consolidatedUserSalaryReport", 4: "individualUserSalaryReport", 5: "missedCallsReport",
    6: "individualUserBalanceReport", 7: "consolidatedUserCallsReport", 8: "consolidatedUserDutiesReport",
    9: "userSessionReport", 10: "userTransactionsReport", 11: "brandCarReport", 12: "brandPaymentReport",
    13: "driverConsolidatedReport", 14: "driverBalanceReport", 15: "driverSessionReport",
}
REPORT_TIMEOUT = 300


class Refusal(Exception):
    def __init__(self, code, reason, **extra):
        super().__init__(reason)
        self.code = code
        self.extra = extra


class Session:
    """What the stand-in knows of one connection."""

    def __init__(self, number, peer=("", 0)):
        self.number = number
        self.peer = peer
        self.sign = ""
        self.user_id = None
        self.session_row = None
        self.opened_at = 0

    @property
    def signed_in(self):
        return self.user_id is not None


class Outcome:
    """Messages to the requester, pushes to the signed-in clients, users to sign out."""

    def __init__(self):
        self.to_sender = []
        self.pushes = []  # (entries, whether the requester gets it too), in order
        self.close_users = []

    def push_to_others(self, entries):
        self.pushes.append((entries, False))

    def push_to_all(self, entries):
        """A change pushed to the requester's connection as well: its other lists reload."""
        self.pushes.append((entries, True))


def text(value):
    if value is None:
        return ""
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, (bytes, memoryview)):
        return base64.b64encode(bytes(value)).decode("ascii")
    return str(value)


def answer_name(action):
    return "sa" + action[2:] if action.startswith("tr") and len(action) > 2 else "saError"


class Backend:
    def __init__(self, connection, schema, controllers, utc_offset=180, sys_utc_offset=0, min_version="",
                 dsn="", report_tool=""):
        self.db = connection
        self.dsn = dsn
        self.report_tool = report_tool
        self.schema = schema
        self.controllers = {name: table for name, table in controllers.items() if schema.table(table)}
        self.utc_offset = utc_offset
        self.sys_utc_offset = sys_utc_offset
        self.min_version = min_version
        self.locks = {}
        self.lock_users = {}
        # The platform's change pushes name the record, the author and the author's sign; the
        # record's update time goes with them only where a test asks for it ("set push_update_time 1").
        self.push_update_time = False
        # How far the clock the sign-in answers with ("utc_dt") runs ahead of the clock that stamps
        # the records, in ms (negative: behind): the platform's session and database clocks drift.
        self.sign_in_clock_ahead = 0
        # The platform's refusal of a lock names the holder as its success does; a test may ask for a
        # refusal without it ("set lock_refusal_holder 0").
        self.lock_refusal_holder = True
        self.selects = {}
        self.last_timestamp = 0
        self.has_rights = all(schema.table(t) for t in (
            "security_options", "user_group_security_options", "user_security_options", "users"))
        self.extras = Extras(self, Refusal).actions()
        self.rules = Rules(Refusal)

    def new_session(self, number, peer):
        return Session(number, peer)

    # Start-up ----------------------------------------------------------------------------------

    def clear_stale_locks(self):
        """Locks live with sessions; rows still marked locked from an earlier run are freed."""
        with self.db.cursor() as cursor:
            for table in self.schema.tables.values():
                if table.has("rst_id_user_locked"):
                    cursor.execute(sql.SQL("UPDATE {} SET rst_id_user_locked = 1 WHERE rst_id_user_locked <> 1")
                                   .format(sql.Identifier(table.name)))
        self.db.commit()

    def configure_user(self, sign, digest):
        """Makes sure a user with that sign and password digest exists (new ones join group admin)."""
        users = self.schema.table("users")
        if users is None or not users.has("sign") or not users.has("pwd"):
            raise RuntimeError("the database has no users table with sign and pwd")
        with self.db.cursor() as cursor:
            cursor.execute("SELECT id FROM users WHERE sign = %s AND id > 1", (sign,))
            found = cursor.fetchone()
            ts = self.timestamp()
            if found:
                values = {"pwd": digest}
                self._write_update(cursor, users, found[0], values, ts)
            else:
                values = {"sign": sign, "pwd": digest}
                if users.has("rst_id_group") and self.schema.table("user_groups"):
                    cursor.execute("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1")
                    group = cursor.fetchone()
                    values["rst_id_group"] = group[0] if group else 1
                self._write_insert(cursor, users, values, ts)
        self.db.commit()

    # Entry points -------------------------------------------------------------------------------

    def sign_in(self, session, sign, digest):
        """auth_trAuth: True when sign and digest match a user that is not blocked."""
        users = self.schema.table("users")
        if users is None:
            return False
        blocked = sql.SQL(" AND blocked = 0") if users.has("blocked") else sql.SQL("")
        try:
            self._reconnect_if_lost()
            with self.db.cursor() as cursor:
                cursor.execute(sql.SQL("SELECT id, pwd FROM users WHERE sign = %s AND id > 1") + blocked, (sign,))
                row = cursor.fetchone()
            self.db.rollback()
        except psycopg2.Error as error:
            self._rollback()
            print("sign-in of %r failed: %s" % (sign, error), file=sys.stderr)
            return False
        if row is None or (row[1] or "").lower() != (digest or "").lower():
            return False
        session.sign = sign
        session.user_id = row[0]
        self.lock_users[session.number] = row[0]
        return True

    def handle(self, session, message):
        """One request: its answers and pushes. Whatever fails is answered and leaves no change."""
        fn = message.get("FN", "")
        controller, _, action = fn.partition("_")
        outcome = Outcome()
        base = {"FN": "%s_%s" % (controller, answer_name(action)), "RECEIVER": message.get("RECEIVER", "")}
        if "id" in message:
            base["id"] = message["id"]
        locks = dict(self.locks)
        try:
            self._reconnect_if_lost()
            if not session.signed_in:
                raise Refusal(50, "not signed in")
            if controller == "userSession" and action in ("trOpen", "trClose"):
                opening = self.open_session if action == "trOpen" else self.close_session
                result = opening(session, message, outcome)
            elif controller == "report" and action == "trCreate":
                result = self.create_report(session, message)
            else:
                result = self.serve(session, controller, action, message, outcome)
            self.db.commit()
            if result is not None:
                outcome.to_sender.append(dict(base, **result))
            return outcome
        except Refusal as refusal:
            code, reason, extra = refusal.code, str(refusal), refusal.extra
        except InputError as error:
            code, reason, extra = 100, str(error), {}
        except psycopg2.DataError as error:
            code, reason, extra = 100, _db_message(error), {}
        except psycopg2.Error as error:
            code, reason, extra = 105, _db_message(error), {}
        except Exception as error:  # a fault of the stand-in: answered and logged, the server goes on
            traceback.print_exc(file=sys.stderr)
            code, reason, extra = 105, "stand-in failure: %r" % error, {}
        self._rollback()
        self.locks = locks
        refused = Outcome()
        refused.to_sender.append(dict(base, RES="0", ERRCODE=str(code), exception_description=reason, **extra))
        return refused

    def _rollback(self):
        try:
            self.db.rollback()
        except psycopg2.Error:
            pass  # a lost connection: the next request opens a new one

    def _reconnect_if_lost(self):
        """A new connection when the server ended the old one (a restart, for instance), found
        before the request runs rather than by its failure."""
        if not self.db.closed and self._ended_by_server():
            self.db.close()
        if self.db.closed:
            self.db = psycopg2.connect(self.dsn)

    def _ended_by_server(self):
        """Whether the idle connection is gone. An idle connection has nothing to read unless the
        server said something on its own, which is mostly its goodbye: then one round trip tells."""
        status = self.db.get_transaction_status()
        if status == psycopg2.extensions.TRANSACTION_STATUS_UNKNOWN:
            return True
        if status != psycopg2.extensions.TRANSACTION_STATUS_IDLE:
            return False
        try:
            readable, _, _ = select.select([self.db.fileno()], [], [], 0)
        except (OSError, ValueError):
            return True
        if not readable:
            return False
        try:
            with self.db.cursor() as cursor:
                cursor.execute("SELECT 1")
            self.db.rollback()
            return False
        except (psycopg2.OperationalError, psycopg2.InterfaceError):
            return True

    def disconnect(self, session):
        """A connection ended: its locks are freed and its session row is closed."""
        outcome = Outcome()
        try:
            self._reconnect_if_lost()
            with self.db.cursor() as cursor:
                for (table_name, record), holder in list(self.locks.items()):
                    if holder == session.number:
                        self._release(cursor, table_name, record, outcome)
                self._end_session_row(cursor, session, 2, outcome)
            self.db.commit()
        except psycopg2.Error:
            self._rollback()
        self.lock_users.pop(session.number, None)
        return outcome

    def raise_event(self, context, value):
        """A platform event (notifications.py): its message and notifications, pushed to every
        client. Returns (outcome, message id, notification ids); EventError when refused."""
        outcome = Outcome()
        try:
            self._reconnect_if_lost()
            message, created = notifications.raise_event(self, context, value, outcome)
            self.db.commit()
        except notifications.EventError:
            self._rollback()
            raise
        except (psycopg2.Error, InputError) as error:
            self._rollback()
            raise notifications.EventError(_db_message(error) if isinstance(error, psycopg2.Error) else str(error))
        return outcome, message, created

    def system_session(self):
        """The platform's own changes: pushed as made by user 1."""
        session = Session(0)
        session.sign = "system"
        session.user_id = 1
        return session

    # Requests -----------------------------------------------------------------------------------

    def serve(self, session, controller, action, params, outcome):
        table_name = self.controllers.get(controller)
        if table_name is None:
            raise InputError("unknown controller %r" % controller)
        table = self.schema.table(table_name)
        extra = self.extras.get((controller, action))
        if extra is not None:
            rights, handler = extra
            for right in rights:
                self.check_right(session, *right)
            return handler(session, table, params, outcome)
        operation = ACTION_RIGHTS.get(action)
        if operation is None:
            raise Refusal(51, "the stand-in does not serve %s" % params.get("FN", ""))
        if not (action == "trGetList" and self._own_rows(session, controller, params)):
            self.check_right(session, controller, operation)
        handler = getattr(self, "_" + action[2:].lower())
        return handler(session, controller, table, params, outcome)

    def _getlist(self, session, controller, table, params, outcome):
        select = self.select(table, LIST_HIDDEN_COLUMNS)
        where, args = self._list_filters(select, table, params)
        limit = sql.SQL("")
        if params.get("query_limit", "") not in ("", "0"):
            limit = sql.SQL(" LIMIT %s")
            args.append(_integer(params["query_limit"], "query_limit", minimum=0))
        statement = select.head() + sql.SQL(" WHERE ") + where + sql.SQL(" ORDER BY t.id DESC") + limit
        with self.db.cursor() as cursor:
            cursor.execute(statement, args)
            names = [d[0] for d in cursor.description]
            rows = cursor.fetchall()
        marker = {key: value for key, value in params.items() if key not in ("FN", "SIGN")}
        marker.update({"FN": controller + "_saGetList", "RES": "10"})
        receiver = params.get("RECEIVER", "")
        outcome.to_sender.append(dict(marker, STATE="start"))
        for row in rows:
            entries = {name: text(value) for name, value in zip(names, row)}
            entries.update({"FN": controller + "_saListInfo", "RECEIVER": receiver})
            outcome.to_sender.append(entries)
        outcome.to_sender.append(dict(marker, STATE="end"))
        return None

    def _list_filters(self, select, table, params):
        """WHERE of a list: row 1 and the time bounds always hold; the equality filters and the
        JSON_WHERE groups follow, each group joined by its condition to what stands before it."""
        fixed = [sql.SQL("t.id > 1")]
        args = []
        bounds = (("dt_utc_last_update", ">="), ("dt_utc_insert_start", ">="), ("dt_utc_insert_end", "<="))
        for key, operator in bounds:
            if params.get(key, "") != "":
                column = "dt_utc_insert" if key.startswith("dt_utc_insert") else key
                if not table.has(column):
                    raise InputError("table %s has no column %s" % (table.name, column))
                fixed.append(sql.SQL("t.{} " + operator + " %s").format(sql.Identifier(column)))
                args.append(_integer(params[key], key))
        filters = []
        for key, value in sorted(params.items()):
            if key in LIST_KEYS or key.startswith("_"):
                continue
            expression = select.expression(key)
            if expression is None:
                raise InputError("unknown column %r of table %s" % (key, table.name))
            filters.append(expression + sql.SQL(" = %s"))
            args.append(_filter_value(select.source_columns[key], value, key))
        chosen = sql.SQL(" AND ").join(filters) if filters else sql.SQL("TRUE")
        if params.get("JSON_WHERE", "") != "":
            groups, group_args = self._json_where(select, params["JSON_WHERE"])
            chosen += groups
            args += group_args
        return sql.SQL(" AND ").join(fixed) + sql.SQL(" AND (") + chosen + sql.SQL(")"), args

    def _json_where(self, select, document):
        try:
            groups = json.loads(document)
        except (ValueError, RecursionError) as error:
            raise InputError("JSON_WHERE is not JSON: %s" % str(error)[:200]) from None
        if not isinstance(groups, list):
            raise InputError("JSON_WHERE must be an array of groups")
        if len(groups) > MAX_GROUPS:
            raise InputError("JSON_WHERE has more than %d groups" % MAX_GROUPS)
        expression_count = sum(len(g.get("expressions")) for g in groups
                               if isinstance(g, dict) and isinstance(g.get("expressions"), list))
        if expression_count > MAX_EXPRESSIONS:
            raise InputError("JSON_WHERE has more than %d expressions" % MAX_EXPRESSIONS)
        composed = sql.Composed([])
        args = []
        for g, group in enumerate(groups):
            if not isinstance(group, dict):
                raise InputError("JSON_WHERE group %d is not an object" % g)
            condition = _condition(group.get("condition"), "JSON_WHERE group %d" % g)
            expressions = group.get("expressions", [])
            if not isinstance(expressions, list):
                raise InputError("JSON_WHERE group %d: expressions must be an array" % g)
            if not expressions:
                continue
            pieces = sql.Composed([])
            joiner = None
            for e, expression in enumerate(expressions):
                where = "JSON_WHERE group %d expression %d" % (g, e)
                if not isinstance(expression, dict):
                    raise InputError(where + " is not an object")
                role = expression.get("role")
                column_sql = select.expression(role) if isinstance(role, str) else None
                if column_sql is None:
                    raise InputError("%s: unknown role %r" % (where, role))
                operation = expression.get("operation")
                operation = operation.strip().lower() if isinstance(operation, str) else operation
                value = expression.get("value")
                if not isinstance(value, str):
                    raise InputError("%s: value must be a JSON string" % where)
                if joiner is not None:
                    pieces += sql.SQL(" %s " % joiner.upper())
                if operation in OPERATIONS:
                    pieces += column_sql + sql.SQL(" %s %%s" % OPERATIONS[operation])
                    args.append(_filter_value(select.source_columns[role], value, "%s (%s)" % (where, role)))
                elif operation in TEXT_OPERATIONS:
                    pieces += sql.SQL("strpos(COALESCE(CAST({} AS TEXT), ''), %s) {}").format(
                        column_sql, sql.SQL(TEXT_OPERATIONS[operation]))
                    args.append(value)
                else:
                    raise InputError("%s: unknown operation %r" % (where, expression.get("operation")))
                joiner = _condition(expression.get("condition"), where)
            composed += sql.SQL(" %s (" % condition.upper()) + pieces + sql.SQL(")")
        return composed, args

    def _info(self, session, controller, table, params, outcome):
        row = self.fetch(table, self._record_id(params, 110))
        if row is None:
            raise Refusal(110, "record %s of %s does not exist" % (params.get("id"), table.name))
        return dict(row, RES="10")

    def _new(self, session, controller, table, params, outcome):
        values = self._record_values(table, params)
        with self.db.cursor() as cursor:
            self.rules.check(cursor, controller, table, "new", values)
            if table.name in LEDGERS:
                record = self.book(cursor, session, table, self._balance_entry(cursor, table, values, session), outcome)
            else:
                ts = self.timestamp()
                record = self._write_insert(cursor, table, values, ts)
                owners.add_option_rows(cursor, self.schema, table.name, record, ts)
                self._push(outcome, table, "srInserted", session, record)
        row = self.fetch(table, record)
        return dict(row, RES="10", id_owner_modify=text(session.user_id))

    def _balance_entry(self, cursor, table, values, session):
        """A new balance entry completed from its type: see "Balance entries" above."""
        types, groups, _ = LEDGERS[table.name]
        if values.get("value") is None:
            raise InputError("a balance entry needs a value")
        cursor.execute(sql.SQL("SELECT t.rst_id_bg, t.name, t.type_operation, g.name FROM {} AS t "
                               "JOIN {} AS g ON g.id = t.rst_id_bg WHERE t.id = %s").format(
                                   sql.Identifier(types), sql.Identifier(groups)), (values.get("rst_id_bt"),))
        found = cursor.fetchone()
        if found is None:
            raise InputError("unknown balance type %r" % values.get("rst_id_bt"))
        group, type_name, operation, group_name = found
        amount = values["value"] if operation == 1 else -values["value"]
        return dict(values, rst_id_bg=group, bg_name=group_name, bt_name=type_name, value=amount,
                    rst_id_user_created=session.user_id, sign_user_created=session.sign)

    def book(self, cursor, session, table, entry, outcome):
        """Writes a balance entry of a ledger table whose "value" is signed already: the owner's
        balance (row-locked) moves by it and the entry keeps the new balance; both changes are
        pushed. Returns the entry's id; InputError for an owner that is missing or row 1."""
        owners = self.schema.table(LEDGERS[table.name][2])
        owner = entry.get("rst_id_owner")
        cursor.execute(sql.SQL("SELECT balance FROM {} WHERE id = %s AND id > 1 FOR UPDATE").format(
            sql.Identifier(owners.name)), (owner,))
        found = cursor.fetchone()
        if found is None:
            raise InputError("unknown owner %r of a balance entry" % owner)
        balance = float(found[0] or 0) + entry["value"]
        ts = self.timestamp()
        record = self._write_insert(cursor, table, dict(entry, balance=balance), ts)
        self._write_update(cursor, owners, owner, {"balance": balance}, ts)
        self._push(outcome, table, "srInserted", session, record)
        self._push(outcome, owners, "srUpdated", session, owner)
        return record

    def _update(self, session, controller, table, params, outcome):
        record = self._record_id(params, 130)
        if self.fetch(table, record) is None:
            raise Refusal(130, "record %s of %s does not exist" % (record, table.name))
        holder = self.locks.get((table.name, record))
        if holder is None:
            raise Refusal(72, "record %s of %s is not locked for update: send trLock first" % (record, table.name))
        if holder != session.number:
            try:
                self.check_right(session, controller, "update_locked_record")
            except Refusal:
                raise Refusal(70, self._locked_reason(table, record, holder)) from None
        values = self._record_values(table, params)
        if values:
            with self.db.cursor() as cursor:
                self.rules.check(cursor, controller, table, "update", values, record=record)
                self._write_update(cursor, table, record, values, self.timestamp())
            self._push(outcome, table, "srUpdated", session, record)
        return dict(self.fetch(table, record), RES="10", id_owner_modify=text(session.user_id))

    def _remove(self, session, controller, table, params, outcome):
        record = self._record_id(params, 110)
        if record <= 1:
            raise Refusal(101, "the default row 1 of %s cannot be removed" % table.name)
        row = self.fetch(table, record)
        if row is None:
            raise Refusal(110, "record %s of %s does not exist" % (record, table.name))
        with self.db.cursor() as cursor:
            self.rules.check_removal(cursor, controller, table, row)
        if row.get("is_system") == "1":
            raise Refusal(101, "record %s of %s is a system record" % (record, table.name))
        holder = self.locks.get((table.name, record))
        if holder is not None and holder != session.number:
            raise Refusal(120, self._locked_reason(table, record, holder))
        with self.db.cursor() as cursor:
            cursor.execute(sql.SQL("DELETE FROM {} WHERE id = %s").format(sql.Identifier(table.name)), (record,))
        self.locks.pop((table.name, record), None)
        self._push_removed(outcome, table, session, record)
        return {"RES": "10", "id": text(record), "id_owner_modify": text(session.user_id)}

    def _duplicate(self, session, controller, table, params, outcome):
        record = self._record_id(params, 130)
        source = self.fetch(table, record)
        if source is None:
            raise Refusal(130, "source record %s of %s does not exist" % (record, table.name))
        amount = params.get("amount", "1")
        try:
            amount = int(amount)
        except ValueError:
            raise Refusal(150, "amount %r is not a number" % amount) from None
        if amount < 1:
            raise Refusal(150, "amount must be at least 1")
        if amount > MAX_COPIES:
            raise Refusal(160, "amount %d is larger than %d" % (amount, MAX_COPIES))
        overlay = self._record_values(table, params, extra_keys=DUPLICATE_KEYS)
        copies = []
        with self.db.cursor() as cursor:
            self.rules.check(cursor, controller, table, "duplicate", overlay, source=source)
            for _ in range(amount):
                cursor.execute("SAVEPOINT copy")
                ts = self.timestamp()
                try:
                    copy = self._write_copy(cursor, table, record, overlay, ts)
                except psycopg2.Error as error:
                    cursor.execute("ROLLBACK TO SAVEPOINT copy")
                    raise Refusal(140, "copy of record %s not inserted: %s" % (record, _db_message(error))) from None
                copies.append(copy)
                rights = record if params.get("copySecurityRights") == "1" else None
                owners.add_option_rows(cursor, self.schema, table.name, copy, ts, source=rights)
                if params.get("copySettings") == "1":
                    owners.copy_settings(cursor, self.schema, table.name, record, copy, ts)
            if params.get("remove_src") == "1":
                holder = self.locks.get((table.name, record))
                if holder is not None and holder != session.number:
                    raise Refusal(170, self._locked_reason(table, record, holder))
                if source.get("is_system") == "1":
                    raise Refusal(170, "record %s of %s is a system record" % (record, table.name))
                cursor.execute(sql.SQL("DELETE FROM {} WHERE id = %s").format(sql.Identifier(table.name)),
                               (record,))
                self.locks.pop((table.name, record), None)
                self._push_removed(outcome, table, session, record)
        for copy in copies:
            self._push(outcome, table, "srInserted", session, copy)
        return dict(self.fetch(table, copies[0]), RES="10", ids=json.dumps(copies),
                    id_owner_modify=text(session.user_id))

    def _lock(self, session, controller, table, params, outcome):
        record = self._record_id(params, 100)
        if record <= 1 or self.fetch(table, record) is None:
            raise Refusal(100, "record %s of %s does not exist" % (record, table.name))
        holder = self.locks.get((table.name, record))
        if holder is not None and holder != session.number:
            raise Refusal(100, self._locked_reason(table, record, holder), **self._refusal_holder(holder))
        if holder is None:
            self.locks[(table.name, record)] = session.number
            self._set_lock_column(table, record, session.user_id)
            for name in self._names_of(table):
                outcome.push_to_others({"FN": name + "_saLock", "RECEIVER": "ALL", "RES": "10",
                                        "id": text(record), "rst_id_user_locked": text(session.user_id)})
        return {"RES": "10", "id": text(record), "rst_id_user_locked": text(session.user_id)}

    def _unlock(self, session, controller, table, params, outcome):
        record = self._record_id(params, 100)
        holder = self.locks.get((table.name, record))
        if holder is not None and holder != session.number:
            raise Refusal(100, self._locked_reason(table, record, holder))
        if holder is not None:
            with self.db.cursor() as cursor:
                self._release(cursor, table.name, record, outcome)
        return {"RES": "10", "id": text(record), "rst_id_user_locked": "1"}

    def _changepwd(self, session, controller, table, params, outcome):
        if not table.has("pwd"):
            raise Refusal(51, "table %s has no password" % table.name)
        try:
            record = int(params.get("id", ""))
        except ValueError:
            raise Refusal(200, "id %r is not a record id" % params.get("id")) from None
        with self.db.cursor() as cursor:
            cursor.execute(sql.SQL("SELECT pwd FROM {} WHERE id = %s AND id > 1").format(
                sql.Identifier(table.name)), (record,))
            row = cursor.fetchone()
            if row is None:
                raise Refusal(200, "record %s of %s does not exist" % (record, table.name))
            pwd = params.get("pwd", "")
            if not pwd:
                raise Refusal(204, "no new password given")
            if pwd.lower() == EMPTY_PASSWORD_DIGEST:
                raise Refusal(203, "the new password is empty")
            if pwd != params.get("pwd_confirm", ""):
                raise Refusal(201, "password and confirmation differ")
            if "old_pwd" in params and not _old_password_matches(row[0], params["old_pwd"]):
                raise Refusal(202, "the old password does not match")
            try:
                cursor.execute("SAVEPOINT pwd")
                self._write_update(cursor, table, record, {"pwd": pwd}, self.timestamp())
            except psycopg2.Error as error:
                cursor.execute("ROLLBACK TO SAVEPOINT pwd")
                raise Refusal(203, _db_message(error)) from None
        self._push(outcome, table, "srUpdated", session, record)
        return {"RES": "10", "id": text(record)}

    # Sessions -----------------------------------------------------------------------------------

    def open_session(self, session, params, outcome):
        if self.min_version and _version(params.get("version", "")) < _version(self.min_version):
            return {"RES": "50"}
        code = "20" if session.session_row is not None else "10"
        group = 1
        with self.db.cursor() as cursor:
            if self.schema.table("users").has("rst_id_group"):
                cursor.execute("SELECT rst_id_group FROM users WHERE id = %s", (session.user_id,))
                group = cursor.fetchone()[0]
            now = int(time.time() * 1000)
            sessions = self.schema.table("user_sessions")
            if session.session_row is None and sessions is not None:
                candidates = {"sign": session.sign, "dt_start": now, "version": params.get("version", ""),
                              "os": params.get("os", ""), "build_abi": params.get("build_abi", ""),
                              "ip": session.peer[0], "port": session.peer[1], "rst_id_owner": session.user_id,
                              "rst_id_group": group, "type_close": 0}
                values = {k: v for k, v in candidates.items() if sessions.has(k)}
                session.session_row = self._write_insert(cursor, sessions, values, self.timestamp())
                self._push(outcome, sessions, "srInserted", session, session.session_row)
            session.opened_at = session.opened_at or now
        return {"RES": code, "id": text(session.session_row or session.number), "sign": session.sign,
                "rst_id_owner": text(session.user_id), "rst_id_group": text(group),
                "utc_offset": text(self.utc_offset), "sys_utc_offset": text(self.sys_utc_offset),
                "utc_dt": text(int(time.time() * 1000) + self.sign_in_clock_ahead), "isNewVersionAvailable": "0"}

    def close_session(self, session, params, outcome):
        if "rst_id_owner" not in params:
            with self.db.cursor() as cursor:
                self._end_session_row(cursor, session, 3, outcome)
            return {"RES": "10"}
        self.check_right(session, "userSession", "update")
        owner = _integer(params["rst_id_owner"], "rst_id_owner")
        outcome.close_users.append(owner)
        return {"RES": "10"}

    def end_session_of(self, session, type_close):
        """Another user closed this session: its row gets the close type."""
        outcome = Outcome()
        with self.db.cursor() as cursor:
            self._end_session_row(cursor, session, type_close, outcome)
        self.db.commit()
        return outcome

    def _end_session_row(self, cursor, session, type_close, outcome):
        sessions = self.schema.table("user_sessions")
        if session.session_row is None or sessions is None:
            return
        now = int(time.time() * 1000)
        candidates = {"dt_end": now, "duration": now - session.opened_at, "type_close": type_close}
        self._write_update(cursor, sessions, session.session_row,
                           {k: v for k, v in candidates.items() if sessions.has(k)}, self.timestamp())
        self._push(outcome, sessions, "srUpdated", session, session.session_row)
        session.session_row = None

    # Reports ------------------------------------------------------------------------------------

    def create_report(self, session, params):
        """report_trCreate: the report data object of the tool as "JSON"."""
        report_type = _integer(params.get("type", ""), "type")
        if report_type not in REPORT_ACCESS:
            raise InputError("there is no report of type %d" % report_type)
        try:
            options = json.loads(params.get("options", ""))
        except ValueError as error:
            raise InputError("options are not JSON: %s" % error) from None
        if not isinstance(options, dict):
            raise InputError("options must be a JSON object")
        self.check_right(session, REPORT_ACCESS[report_type], "read", strict=True)
        if not self.report_tool:
            raise Refusal(51, "the stand-in was started without a report tool (--report-tool)")
        try:
            done = subprocess.run([self.report_tool, str(report_type), "-"], input=json.dumps(options),
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                  timeout=REPORT_TIMEOUT)
        except (OSError, subprocess.TimeoutExpired) as error:
            raise Refusal(180, "report tool %s failed: %s" % (self.report_tool, error)) from None
        if done.returncode != 0:
            raise Refusal(180, done.stderr.strip() or "report tool exited with %d" % done.returncode)
        return {"RES": "10", "JSON": done.stdout.strip()}

    # Rights -------------------------------------------------------------------------------------

    def check_right(self, session, controller, operation, strict=False):
        """Refuses (50) unless the user's effective value of <controller>.crud.<operation> is "1".

        A right that no security option names is not enforced, unless strict. A user's own value
        wins while it is in use (is_using 1); otherwise the value of the user's group counts."""
        code = "%s.crud.%s" % (controller, operation)
        if not self.has_rights:
            if strict:
                raise Refusal(50, "right %s: the database has no security options" % code)
            return
        with self.db.cursor() as cursor:
            cursor.execute(
                "SELECT (SELECT option_value FROM user_security_options u"
                "        WHERE u.rst_id_owner = %(user)s AND u.rst_id_so = so.id AND u.is_using = 1 LIMIT 1),"
                "       EXISTS (SELECT 1 FROM user_security_options u"
                "        WHERE u.rst_id_owner = %(user)s AND u.rst_id_so = so.id AND u.is_using = 1),"
                "       (SELECT g.option_value FROM user_group_security_options g"
                "        WHERE g.rst_id_so = so.id"
                "        AND g.rst_id_group = (SELECT rst_id_group FROM users WHERE id = %(user)s) LIMIT 1)"
                " FROM security_options so WHERE so.code = %(code)s",
                {"user": session.user_id, "code": code})
            row = cursor.fetchone()
        if row is None:
            if strict:
                raise Refusal(50, "right %s is not granted to %s: no such security option" % (code, session.sign))
            return
        user_value, in_use, group_value = row
        value = user_value if in_use else group_value
        if value != "1":
            raise Refusal(50, "right %s is not granted to %s" % (code, session.sign))

    def _own_rows(self, session, controller, params):
        """A list of the user's own rights or GUI sessions, which every signed-in user may read."""
        if controller == "ugso":
            with self.db.cursor() as cursor:
                cursor.execute("SELECT rst_id_group FROM users WHERE id = %s", (session.user_id,))
                own = cursor.fetchone()
            return own is not None and params.get("rst_id_group") == str(own[0])
        if controller in ("uso", "userGuiSession"):
            return params.get("rst_id_owner") == str(session.user_id)
        return False

    # Helpers ------------------------------------------------------------------------------------

    def timestamp(self):
        """Milliseconds since the epoch, strictly growing, for dt_utc_insert / dt_utc_last_update."""
        self.last_timestamp = max(int(time.time() * 1000), self.last_timestamp + 1)
        return self.last_timestamp

    def select(self, table, hidden=HIDDEN_COLUMNS):
        key = (table.name, hidden)
        if key not in self.selects:
            self.selects[key] = Select(self.schema, table, hidden)
        return self.selects[key]

    def fetch(self, table, record, hidden=HIDDEN_COLUMNS):
        """The row with its joined fields as texts, or None; the default row 1 is not a record."""
        select = self.select(table, hidden)
        with self.db.cursor() as cursor:
            cursor.execute(select.head() + sql.SQL(" WHERE t.id = %s AND t.id > 1"), (record,))
            row = cursor.fetchone()
            if row is None:
                return None
            return {d[0]: text(v) for d, v in zip(cursor.description, row)}

    def _record_id(self, params, code):
        if "id" not in params:
            raise Refusal(code, "no record id given")
        try:
            return int(params["id"])
        except ValueError:
            raise InputError("id takes an integer, got %r" % params["id"]) from None

    def _record_values(self, table, params, extra_keys=()):
        values = {}
        for key, value in params.items():
            if key in EDIT_KEYS or key in extra_keys or key.startswith("_") or key.endswith("_string") \
                    or key in table.joined:
                continue
            column = table.columns.get(key)
            if column is None:
                raise InputError("unknown column %r of table %s" % (key, table.name))
            values[key] = column.convert(value, allow_null=True)
        return values

    def _write_insert(self, cursor, table, values, ts):
        values = dict(values)
        for column, value in (("rst_id_user_locked", 1), ("dt_utc_insert", ts), ("dt_utc_last_update", ts)):
            if table.has(column):
                values[column] = value
        for column in table.uuid_columns:
            if not values.get(column):
                values[column] = str(uuid.uuid4())
        values.pop("id", None)
        names = list(values)
        statement = sql.SQL("INSERT INTO {} ({}) VALUES ({}) RETURNING id").format(
            sql.Identifier(table.name), sql.SQL(", ").join(map(sql.Identifier, names)),
            sql.SQL(", ").join(sql.Placeholder() * len(names)))
        if not names:
            statement = sql.SQL("INSERT INTO {} DEFAULT VALUES RETURNING id").format(sql.Identifier(table.name))
        cursor.execute(statement, [values[n] for n in names])
        return cursor.fetchone()[0]

    def _write_copy(self, cursor, table, record, overlay, ts):
        """Inserts a copy of the row; overlay gives the values that differ from the source. A copy
        of a system record is an ordinary record."""
        fixed = {"rst_id_user_locked": 1, "dt_utc_insert": ts, "dt_utc_last_update": ts}
        if table.has("is_system"):
            fixed["is_system"] = 0
        fixed.update((column, str(uuid.uuid4())) for column in table.uuid_columns)
        names, sources, args = [], [], []
        for name in table.columns:
            if name == "id":
                continue
            names.append(sql.Identifier(name))
            if name in overlay or name in fixed:
                sources.append(sql.Placeholder())
                args.append(overlay[name] if name in overlay else fixed[name])
            else:
                sources.append(sql.SQL("t.{}").format(sql.Identifier(name)))
        cursor.execute(sql.SQL("INSERT INTO {} ({}) SELECT {} FROM {} AS t WHERE t.id = %s RETURNING id").format(
            sql.Identifier(table.name), sql.SQL(", ").join(names), sql.SQL(", ").join(sources),
            sql.Identifier(table.name)), args + [record])
        return cursor.fetchone()[0]

    def _write_update(self, cursor, table, record, values, ts):
        values = dict(values)
        if table.has("dt_utc_last_update"):
            values["dt_utc_last_update"] = ts
        if not values:
            return
        names = list(values)
        cursor.execute(sql.SQL("UPDATE {} SET {} WHERE id = %s").format(
            sql.Identifier(table.name),
            sql.SQL(", ").join(sql.SQL("{} = %s").format(sql.Identifier(n)) for n in names)),
            [values[n] for n in names] + [record])

    def _set_lock_column(self, table, record, user_id):
        if table.has("rst_id_user_locked"):
            with self.db.cursor() as cursor:
                cursor.execute(sql.SQL("UPDATE {} SET rst_id_user_locked = %s WHERE id = %s").format(
                    sql.Identifier(table.name)), (user_id, record))

    def _release(self, cursor, table_name, record, outcome):
        del self.locks[(table_name, record)]
        table = self.schema.table(table_name)
        self._set_lock_column(table, record, 1)
        for name in self._names_of(table):
            outcome.push_to_others({"FN": name + "_saUnlock", "RECEIVER": "ALL", "RES": "10",
                                    "id": text(record), "rst_id_user_locked": "1"})

    def _refusal_holder(self, holder):
        """The holder's user id that a refused lock names, unless a test asked for none."""
        user = self.lock_users.get(holder)
        return {"rst_id_user_locked": text(user)} if self.lock_refusal_holder and user is not None else {}

    def _locked_reason(self, table, record, holder):
        """Names the holder by sign, as an operator knows a colleague."""
        user = self.lock_users.get(holder)
        sign = None
        if user is not None:
            with self.db.cursor() as cursor:
                cursor.execute("SELECT sign FROM users WHERE id = %s", (user,))
                found = cursor.fetchone()
                sign = found[0] if found else None
        return "record %s of %s is locked by %s" % (
            record, table.name, sign if sign else "another session (user id %s)" % (user or "?"))

    def _names_of(self, table):
        return sorted(name for name, table_name in self.controllers.items() if table_name == table.name)

    def _push(self, outcome, table, push, session, record):
        message = {"RECEIVER": "ALL", "id": text(record), "id_owner_modify": text(session.user_id),
                   "sign": session.sign}
        if self.push_update_time and table.has("dt_utc_last_update"):
            with self.db.cursor() as cursor:
                cursor.execute(sql.SQL("SELECT dt_utc_last_update FROM {} WHERE id = %s").format(
                    sql.Identifier(table.name)), (record,))
                row = cursor.fetchone()
            if row is not None and row[0] is not None:
                message["dt_utc_last_update"] = text(row[0])
        for name in self._names_of(table):
            outcome.push_to_all(dict(message, FN=name + "_" + push))

    def _push_removed(self, outcome, table, session, record):
        for name in self._names_of(table):
            outcome.push_to_others({"FN": name + "_saRemove", "RECEIVER": "ALL", "RES": "10",
                                    "id": text(record), "id_owner_modify": text(session.user_id)})


def _integer(value, what, minimum=None):
    try:
        number = int(value)
    except (TypeError, ValueError):
        raise InputError("%s takes an integer, got %r" % (what, value)) from None
    if minimum is not None and number < minimum:
        raise InputError("%s must not be below %d" % (what, minimum))
    return number


def _filter_value(column, value, what):
    return column.convert(value, "filter %s" % what)


def _condition(value, where):
    if not isinstance(value, str) or value.strip().lower() not in CONDITIONS:
        raise InputError("%s: condition must be \"and\" or \"or\", got %r" % (where, value))
    return value.strip().lower()


def _old_password_matches(stored, given):
    """A record without a password (one made in the program) takes the empty old password."""
    stored = (stored or "").lower()
    given = (given or "").lower()
    if stored in ("", EMPTY_PASSWORD_DIGEST):
        return given in ("", EMPTY_PASSWORD_DIGEST)
    return stored == given


def _version(text_value):
    parts = []
    for piece in text_value.split("."):
        try:
            parts.append(int(piece))
        except ValueError:
            parts.append(0)
    return parts


def _db_message(error):
    message = getattr(getattr(error, "diag", None), "message_primary", None) or str(error)
    detail = getattr(getattr(error, "diag", None), "message_detail", None)
    return message + (" (" + detail + ")" if detail else "")
