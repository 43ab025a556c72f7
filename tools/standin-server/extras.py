"""Requests that single controllers add to the list and record edits, answered from PostgreSQL.

Each runs inside the transaction of Backend.handle, so a refusal leaves the database as it was,
and needs every right its entry in ACTIONS names (as Backend.check_right enforces them: a right
that no security option names is not enforced). The answers carry "RES" "10" on success;
refusals carry "ERRCODE" as listed in backend.py, and:

  driver_trArchive {id, is_archived "0"/"1"}: moves a driver into the archive or back.
      110 no such driver, 120 locked by another session.
  driver_trRemoveRecommender {id}: empties the driver's recommender. 110, 120 as above.
  driver_trApprove {rst_id_nm, ok "1"/"0"}: resolves a driver's change request, the notification
      message of context "driver.update" whose value is {"data": {column: proposed value}} naming
      the driver by "id" or "sign"; "1" writes the proposed values, "0" only resolves it. The
      message and its notifications are marked completed (pushed as the system's, user 1). 110 no
      such message or driver, 100 a message already resolved or not a driver's change request,
      120 the driver is locked.
  driver_trGetBrandDrivers {dt_utc_insert_start, dt_utc_insert_end}: "drivers", the JSON array of
      {"id", "sign"} of the drivers of a branded car, those of a car company (a car company
      reference above the placeholder 1), who were registered by the end of the period.
  crashReport_trGetDb {id}: "db", the report's database as stored (base64 text). 110 no such report.
  driverPaidServiceType_trImplementPaidService {id}: books the type's price on the balance of every
      driver who uses the service (enabled), one balance log entry each, under the type's balance
      type (a "+" type credits, any other debits, whatever the price's own sign). 200 no such type, 201 an entry not booked,
      202 the operator's user row is gone, 203 the type is disabled, 204 its price is 0.
  notification_trBatchRemove {id: JSON array of ids}: removes those notifications; ids that no
      longer exist are passed over; "ids" lists the removed ones. 101 row 1, 120 one is locked by
      another session: then none is removed.
  driverSession_trClose {rst_id_owner}: ends the open sessions of that driver (close type 4,
      closed by another user); "closed" counts them. 100 without a driver.
"""

import json
import time

import psycopg2
from psycopg2 import sql

from schema import InputError


def _flag(params, key):
    value = params.get(key)
    if value not in ("0", "1"):
        raise InputError("%s takes \"0\" or \"1\", got %r" % (key, value))
    return value


def _integer(params, key):
    try:
        return int(params[key])
    except KeyError:
        raise InputError("no %s given" % key) from None
    except (TypeError, ValueError):
        raise InputError("%s takes an integer, got %r" % (key, params[key])) from None


class Extras:
    """The handlers; each gets the session, the controller's table, the request and the outcome.
    refusal is the backend's refusal exception (code, reason)."""

    def __init__(self, backend, refusal):
        self.backend = backend
        self.refusal = refusal

    def actions(self):
        """(controller, action) -> (rights as (controller, operation) pairs, handler)."""
        return {
            ("driver", "trArchive"): ([("driverArchive", "update")], self.archive),
            ("driver", "trRemoveRecommender"): ([("driver", "update")], self.remove_recommender),
            ("driver", "trApprove"): ([("driver", "update"), ("notificationMessage", "update")], self.approve),
            ("driver", "trGetBrandDrivers"): ([("driver", "read")], self.brand_drivers),
            ("crashReport", "trGetDb"): ([("crashReport", "read")], self.crash_database),
            ("driverPaidServiceType", "trImplementPaidService"):
                ([("driverPaidServiceType", "update"), ("dbl", "create")], self.implement_paid_service),
            ("notification", "trBatchRemove"): ([("notification", "delete")], self.batch_remove),
            ("driverSession", "trClose"): ([("driverSession", "update")], self.close_driver_sessions),
        }

    # Drivers --------------------------------------------------------------------------------------

    def _free_driver(self, session, table, record):
        """The driver's row, refused when missing or locked by another session."""
        row = self.backend.fetch(table, record)
        if row is None:
            raise self.refusal(110, "driver %s does not exist" % record)
        holder = self.backend.locks.get((table.name, record))
        if holder is not None and holder != session.number:
            raise self.refusal(120, self.backend._locked_reason(table, record, holder))
        return row

    def _update_driver(self, session, table, record, values, outcome):
        with self.backend.db.cursor() as cursor:
            self.backend._write_update(cursor, table, record, values, self.backend.timestamp())
        self.backend._push(outcome, table, "srUpdated", session, record)

    def archive(self, session, table, params, outcome):
        record = _integer(params, "id")
        archived = _flag(params, "is_archived")
        self._free_driver(session, table, record)
        self._update_driver(session, table, record, {"is_archived": int(archived)}, outcome)
        return {"RES": "10", "id": str(record), "is_archived": archived}

    def remove_recommender(self, session, table, params, outcome):
        record = _integer(params, "id")
        self._free_driver(session, table, record)
        self._update_driver(session, table, record, {"recommender": None}, outcome)
        return {"RES": "10", "id": str(record)}

    def approve(self, session, table, params, outcome):
        message_id = _integer(params, "rst_id_nm")
        ok = _flag(params, "ok")
        messages = self.backend.schema.table("notification_messages")
        with self.backend.db.cursor() as cursor:
            cursor.execute("SELECT context, value, is_completed FROM notification_messages WHERE id = %s AND id > 1",
                           (message_id,))
            found = cursor.fetchone()
        if found is None:
            raise self.refusal(110, "notification message %s does not exist" % message_id)
        context, value, completed = found
        if context != "driver.update":
            raise self.refusal(100, "notification message %s is no driver's change request" % message_id)
        if completed == 1:
            raise self.refusal(100, "the change request %s is resolved already" % message_id)
        data = self._proposed_data(value, message_id)
        record = self._requesting_driver(data, message_id)
        self._free_driver(session, table, record)
        if ok == "1":
            proposed = {k: v for k, v in data.items() if k not in ("id", "sign")}
            self._update_driver(session, table, record, self.backend._record_values(table, proposed), outcome)
        self._complete_message(session, messages, message_id, outcome)
        return {"RES": "10", "rst_id_nm": str(message_id), "ok": ok, "id": str(record)}

    def _proposed_data(self, value, message_id):
        try:
            data = json.loads(value or "").get("data")
        except (ValueError, AttributeError):
            data = None
        if not isinstance(data, dict):
            raise InputError("notification message %s holds no proposed \"data\"" % message_id)
        return {key: item if isinstance(item, str) else json.dumps(item) for key, item in data.items()}

    def _requesting_driver(self, data, message_id):
        with self.backend.db.cursor() as cursor:
            if "id" in data:
                cursor.execute("SELECT id FROM drivers WHERE id = %s AND id > 1", (_integer(data, "id"),))
            else:
                cursor.execute("SELECT id FROM drivers WHERE sign = %s AND id > 1", (data.get("sign", ""),))
            found = cursor.fetchone()
        if found is None:
            raise self.refusal(110, "the driver of change request %s does not exist" % message_id)
        return found[0]

    def _complete_message(self, session, messages, message_id, outcome):
        """Marks the message completed and touches its notifications, whose rows show that flag:
        the system's changes, pushed as user 1's."""
        session = self.backend.system_session()
        notifications = self.backend.schema.table("notifications")
        with self.backend.db.cursor() as cursor:
            self.backend._write_update(cursor, messages, message_id, {"is_completed": 1}, self.backend.timestamp())
            self.backend._push(outcome, messages, "srUpdated", session, message_id)
            if notifications is None:
                return
            cursor.execute("SELECT id FROM notifications WHERE rst_id_nm = %s", (message_id,))
            for (notification,) in cursor.fetchall():
                self.backend._write_update(cursor, notifications, notification, {}, self.backend.timestamp())
                self.backend._push(outcome, notifications, "srUpdated", session, notification)

    def brand_drivers(self, session, table, params, outcome):
        start = _integer(params, "dt_utc_insert_start")
        end = _integer(params, "dt_utc_insert_end")
        if start > end:
            raise InputError("the period starts after its end")
        with self.backend.db.cursor() as cursor:
            cursor.execute("SELECT id, sign FROM drivers WHERE id > 1 AND rst_id_car_company > 1"
                           " AND dt_utc_insert <= %s ORDER BY id", (end,))
            drivers = [{"id": row[0], "sign": row[1] or ""} for row in cursor.fetchall()]
        return {"RES": "10", "drivers": json.dumps(drivers, ensure_ascii=False)}

    # Crash reports ----------------------------------------------------------------------------------

    def crash_database(self, session, table, params, outcome):
        record = _integer(params, "id")
        with self.backend.db.cursor() as cursor:
            cursor.execute("SELECT db FROM crash_reports WHERE id = %s AND id > 1", (record,))
            found = cursor.fetchone()
        if found is None:
            raise self.refusal(110, "crash report %s does not exist" % record)
        return {"RES": "10", "id": str(record), "db": found[0] or ""}

    # Paid services ----------------------------------------------------------------------------------

    def implement_paid_service(self, session, table, params, outcome):
        try:
            record = int(params.get("id", ""))
        except ValueError:
            raise self.refusal(200, "id %r is not a paid service type" % params.get("id")) from None
        logs = self.backend.schema.table("driver_balance_logs")
        with self.backend.db.cursor() as cursor:
            cursor.execute("SELECT rst_id_bt, price, enabled, name FROM paid_service_type_driver"
                           " WHERE id = %s AND id > 1", (record,))
            found = cursor.fetchone()
            if found is None:
                raise self.refusal(200, "paid service type %s does not exist" % record)
            type_id, price, enabled, service = found
            try:
                # The entry as a booking of the type's balance type: its group, names and sign (the
                # price carries the type's sign already).
                entry = self.backend._balance_entry(
                    cursor, logs, {"rst_id_bt": type_id, "value": abs(float(price or 0)), "note": service}, session)
            except InputError as error:
                raise self.refusal(200, "paid service type %s: %s" % (record, error)) from None
            if enabled != 1:
                raise self.refusal(203, "paid service type %s is disabled" % record)
            if not price:
                raise self.refusal(204, "the price of paid service type %s is 0" % record)
            cursor.execute("SELECT 1 FROM users WHERE id = %s", (session.user_id,))
            if cursor.fetchone() is None:
                raise self.refusal(202, "the operator's user %s does not exist" % session.user_id)
            cursor.execute("SELECT DISTINCT rst_id_owner FROM paid_driver_services"
                           " WHERE rst_id_pst = %s AND enabled = 1 AND rst_id_owner > 1 ORDER BY rst_id_owner",
                           (record,))
            drivers = [row[0] for row in cursor.fetchall()]
            for driver in drivers:
                self._book(cursor, session, logs, dict(entry, rst_id_owner=driver), outcome)
        return {"RES": "10", "id": str(record), "count": str(len(drivers))}

    def _book(self, cursor, session, logs, entry, outcome):
        """One balance log entry and the driver's new balance; 201 when the database refuses."""
        cursor.execute("SAVEPOINT booking")
        try:
            self.backend.book(cursor, session, logs, entry, outcome)
        except (psycopg2.Error, InputError) as error:
            cursor.execute("ROLLBACK TO SAVEPOINT booking")
            raise self.refusal(201, "no balance log entry for driver %s: %s" % (entry["rst_id_owner"], error)) from None

    # Notifications ----------------------------------------------------------------------------------

    def batch_remove(self, session, table, params, outcome):
        try:
            ids = json.loads(params.get("id", ""))
        except ValueError as error:
            raise InputError("id is not a JSON array of ids: %s" % error) from None
        if not isinstance(ids, list) or not ids:
            raise InputError("id must be a non-empty JSON array of ids")
        records = [_integer({"id": item}, "id") for item in ids]
        removed = []
        with self.backend.db.cursor() as cursor:
            for record in records:
                if record <= 1:
                    raise self.refusal(101, "the default row 1 of %s cannot be removed" % table.name)
                holder = self.backend.locks.get((table.name, record))
                if holder is not None and holder != session.number:
                    raise self.refusal(120, self.backend._locked_reason(table, record, holder))
                cursor.execute(sql.SQL("DELETE FROM {} WHERE id = %s").format(sql.Identifier(table.name)), (record,))
                if cursor.rowcount:
                    removed.append(record)
        for record in removed:
            self.backend.locks.pop((table.name, record), None)
            self.backend._push_removed(outcome, table, session, record)
        return {"RES": "10", "ids": json.dumps(removed)}

    # Driver sessions --------------------------------------------------------------------------------

    def close_driver_sessions(self, session, table, params, outcome):
        if str(params.get("rst_id_owner", "")).strip() == "":
            raise self.refusal(100, "no driver given (rst_id_owner)")
        owner = _integer(params, "rst_id_owner")
        now = int(time.time() * 1000)
        with self.backend.db.cursor() as cursor:
            cursor.execute("SELECT id, dt_start FROM driver_sessions WHERE rst_id_owner = %s AND dt_end = 0 AND id > 1",
                           (owner,))
            open_sessions = cursor.fetchall()
            for record, started in open_sessions:
                values = {"dt_end": now, "duration": max(0, now - started) if started else 0, "type_close": 4}
                self.backend._write_update(cursor, table, record, values, self.backend.timestamp())
                self.backend._push(outcome, table, "srUpdated", session, record)
        return {"RES": "10", "rst_id_owner": str(owner), "closed": str(len(open_sessions))}
