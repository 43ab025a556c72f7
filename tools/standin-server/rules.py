"""What the platform's server refuses beyond what PostgreSQL refuses: the field rules of records,
with the error codes that the pages' error tables and fields know.

Checked on "trNew", "trUpdate" and "trDuplicate" (the copy as it would be stored), before anything
is written; an update checks only the fields it gives, and the rules marked (changed) only the
fields whose stored value it changes, so that a record stored before a rule stays editable. Every
refusal carries the reason.

  driver, user, terminalCmp  sign: 250 empty, 251 prohibited characters (white space, control
                             characters, # = / \\ ' " < > ; ,), 252 taken by another record
  user                       rst_id_group: a user group that exists; 700 on a new user, 600 otherwise;
                             first_name: 500 empty, last_name: 501 empty (changed);
                             max_sim_calls: 505 below 0 (changed)
  driver                     rating: 450 outside 1.0 to 5.0
  driverGroup                name: 250 empty, 251 taken; utc_offset: 450 below -840, 451 above +840
  ug                         name: 700 empty, 701 taken, 510 line breaks or other control characters,
                             200 a system group renamed (changed)
  city                       name: 210 empty, 500 taken
  sms                        name: 210 empty, 200 taken by another text
  paymentSysAccComp          rst_id_payment_system: 250 without an existing payment system
  driverPaidServiceType      name: 250 taken; rst_id_bt: 251 none chosen, 254 no such type;
                             price: 252 its sign is not its balance type's (changed, with the type):
                             a top-up type (type_operation 1, "+") takes no price below 0, any other
                             ("-") none above 0; rst_id_company: 400 no such company
  driverPaidService          250: the owner already has that paid service
  dbt                        code: 250 taken

Removals ("trRemove"): a company, user or user group that is a system record: 200; the
administrators' user group (code "admin"): 400; a driver's last car: 200.
"""

import re

from psycopg2 import sql

OWNER_CONTROLLERS = ("driver", "user", "terminalCmp")
PROHIBITED_IN_SIGN = re.compile(r"[\s\x00-\x1f\x7f#=/\\'\"<>;,]")
CONTROL_CHARACTERS = re.compile(r"[\x00-\x1f\x7f]")
MAX_OFFSET = 840
SYSTEM_REMOVAL = ("company", "ug", "user")
ADMIN_GROUP_CODE = "admin"
TOP_UP_OPERATION = 1


class Rules:
    """The checks, over the backend's open transaction; refusal is the backend's exception."""

    def __init__(self, refusal):
        self.refusal = refusal
        self.checks = {
            "driver": [self._sign, self._rating],
            "user": [self._sign, self._user_group, self._user_names, self._sim_calls],
            "terminalCmp": [self._sign],
            "driverGroup": [self._driver_group_name, self._offset],
            "ug": [self._user_group_name, self._system_group_name],
            "city": [self._city_name],
            "sms": [self._sms_name],
            "paymentSysAccComp": [self._account_payment_system],
            "driverPaidServiceType": [self._paid_service_type],
            "driverPaidService": [self._owner_paid_service],
            "dbt": [self._balance_type_code],
        }

    def check(self, cursor, controller, table, action, values, record=None, source=None):
        """Refuses a record that breaks a rule. action is "new", "update" or "duplicate"; values
        the columns given; record the updated record's id; source the copied row (as texts)."""
        checks = self.checks.get(controller)
        if not checks:
            return
        change = Change(cursor, table, action, values, record, source)
        for rule in checks:
            rule(change)

    def check_removal(self, cursor, controller, table, row):
        """Refuses the removal of a system record of the tables whose pages know it, and of a
        driver's last car; row is the record as texts."""
        if controller == "car":
            self._last_car(cursor, row)
        if controller not in SYSTEM_REMOVAL:
            return
        if controller == "ug" and row.get("code") == ADMIN_GROUP_CODE:
            raise self.refusal(400, "the administrators' group %s cannot be removed" % row.get("id"))
        if row.get("is_system") == "1":
            raise self.refusal(200, "record %s of %s is a system record" % (row.get("id"), table.name))

    # Rules --------------------------------------------------------------------------------------

    def _sign(self, change):
        if not change.touches("sign"):
            return
        sign = change.text("sign")
        if not sign.strip():
            raise self.refusal(250, "the sign is empty")
        if PROHIBITED_IN_SIGN.search(sign):
            raise self.refusal(251, "the sign %r holds prohibited characters" % sign)
        if change.taken("sign", sign):
            raise self.refusal(252, "the sign %r is taken" % sign)

    def _rating(self, change):
        if not change.touches("rating") or change.value("rating") is None:
            return
        rating = float(change.value("rating"))
        if not 1.0 <= rating <= 5.0:
            raise self.refusal(450, "the rating %s is outside 1.0 to 5.0" % rating)

    def _user_group(self, change):
        if not change.touches("rst_id_group"):
            return
        code = 700 if change.action == "new" else 600
        group = change.value("rst_id_group")
        if group is None or int(group) <= 1 or not change.exists("user_groups", group):
            raise self.refusal(code, "the user group %s does not exist" % group)

    def _user_names(self, change):
        for column, code, what in (("first_name", 500, "first"), ("last_name", 501, "last")):
            if change.changes(column) and not change.text(column).strip():
                raise self.refusal(code, "the %s name is empty" % what)

    def _sim_calls(self, change):
        calls = change.value("max_sim_calls")
        if change.changes("max_sim_calls") and calls is not None and int(calls) < 0:
            raise self.refusal(505, "the simultaneous calls %s are below 0" % calls)

    def _named(self, change, empty_code, taken_code, what):
        if not change.touches("name"):
            return
        name = change.text("name")
        if not name.strip():
            raise self.refusal(empty_code, "the %s has no name" % what)
        if taken_code is not None and change.taken("name", name):
            raise self.refusal(taken_code, "the %s name %r is taken" % (what, name))

    def _driver_group_name(self, change):
        self._named(change, 250, 251, "driver group")

    def _user_group_name(self, change):
        self._named(change, 700, 701, "user group")
        if change.touches("name") and CONTROL_CHARACTERS.search(change.text("name")):
            raise self.refusal(510, "the user group name %r is not one line" % change.text("name"))

    def _system_group_name(self, change):
        if change.action == "update" and change.changes("name") and change.stored("is_system") == 1:
            raise self.refusal(200, "user group %s is a system group: its name stays" % change.record)

    def _city_name(self, change):
        self._named(change, 210, 500, "city")

    def _sms_name(self, change):
        self._named(change, 210, 200, "SMS text")

    def _offset(self, change):
        if not change.touches("utc_offset") or change.value("utc_offset") is None:
            return
        offset = int(change.value("utc_offset"))
        if offset < -MAX_OFFSET:
            raise self.refusal(450, "the UTC offset %d is below -%d minutes" % (offset, MAX_OFFSET))
        if offset > MAX_OFFSET:
            raise self.refusal(451, "the UTC offset %d is above +%d minutes" % (offset, MAX_OFFSET))

    def _account_payment_system(self, change):
        if not change.touches("rst_id_payment_system"):
            return
        system = change.value("rst_id_payment_system")
        if system is None or int(system) <= 1 or not change.exists("payment_systems", system):
            raise self.refusal(250, "the account names no payment system")

    def _paid_service_type(self, change):
        if change.touches("name") and change.taken("name", change.text("name")):
            raise self.refusal(250, "the paid service name %r is taken" % change.text("name"))
        if change.touches("rst_id_bt"):
            balance_type = change.value("rst_id_bt")
            if balance_type is None or int(balance_type) <= 1:
                raise self.refusal(251, "no balance type is chosen")
            if not change.exists("driver_balance_types", balance_type):
                raise self.refusal(254, "the balance type %s does not exist" % balance_type)
        self._price_sign(change)
        if change.touches("rst_id_company"):
            company = change.value("rst_id_company")
            if company is not None and int(company) > 1 and not change.exists("companies", company):
                raise self.refusal(400, "the company %s does not exist" % company)

    def _price_sign(self, change):
        if not (change.changes("price") or change.changes("rst_id_bt")):
            return
        price, balance_type = change.current("price"), change.current("rst_id_bt")
        if price is None or balance_type is None:
            return
        change.cursor.execute("SELECT type_operation FROM driver_balance_types WHERE id = %s", (int(balance_type),))
        found = change.cursor.fetchone()
        top_up = found is not None and found[0] == TOP_UP_OPERATION
        if (top_up and float(price) < 0) or (not top_up and float(price) > 0):
            raise self.refusal(252, "the price %s does not take the sign of balance type %s (%s)"
                               % (price, balance_type, "+" if top_up else "-"))

    def _owner_paid_service(self, change):
        if not (change.touches("rst_id_owner") or change.touches("rst_id_pst")):
            return
        owner, service = change.value("rst_id_owner"), change.value("rst_id_pst")
        if owner is None or service is None:
            return
        if change.taken_pair(("rst_id_owner", owner), ("rst_id_pst", service)):
            raise self.refusal(250, "driver %s already has paid service %s" % (owner, service))

    def _balance_type_code(self, change):
        if change.touches("code") and change.text("code") and change.taken("code", change.text("code")):
            raise self.refusal(250, "the balance type code %r is taken" % change.text("code"))

    def _last_car(self, cursor, row):
        driver = int(row.get("rst_id_driver") or 1)
        if driver <= 1:
            return
        cursor.execute("SELECT count(*) FROM cars WHERE rst_id_driver = %s AND id > 1", (driver,))
        if cursor.fetchone()[0] <= 1:
            raise self.refusal(200, "car %s is the last car of driver %s" % (row.get("id"), driver))


class Change:
    """A record as a request would store it: its given values over its stored row."""

    def __init__(self, cursor, table, action, values, record, source):
        self.cursor = cursor
        self.table = table
        self.action = action
        self.values = values
        self.record = record
        self.source = source or {}
        self._stored = None

    def touches(self, column):
        """Whether the rule of the column applies: a new record or a copy always has it (when the
        table does), an update only when it changes it."""
        if not self.table.has(column):
            return False
        return column in self.values or self.action in ("new", "duplicate")

    def changes(self, column):
        """Like touches, but an update that gives the stored value again does not change it."""
        if not self.touches(column):
            return False
        return self.action != "update" or not _same(self.values[column], self.stored(column))

    def value(self, column):
        if column in self.values:
            return self.values[column]
        if self.action == "duplicate":
            return self.source.get(column) or None
        return None

    def stored(self, column):
        """The updated record's stored value of the column (None for a new record or a copy)."""
        if self.action != "update" or self.record is None or not self.table.has(column):
            return None
        if self._stored is None:
            self.cursor.execute(sql.SQL("SELECT * FROM {} WHERE id = %s").format(sql.Identifier(self.table.name)),
                                (self.record,))
            found = self.cursor.fetchone()
            names = [description[0] for description in self.cursor.description]
            self._stored = dict(zip(names, found)) if found else {}
        return self._stored.get(column)

    def current(self, column):
        """The column as the record will hold it: given, copied, or stored."""
        if column in self.values or self.action != "update":
            return self.value(column)
        return self.stored(column)

    def text(self, column):
        value = self.value(column)
        return "" if value is None else str(value)

    def exists(self, table_name, record):
        self.cursor.execute(sql.SQL("SELECT 1 FROM {} WHERE id = %s").format(sql.Identifier(table_name)),
                            (int(record),))
        return self.cursor.fetchone() is not None

    def taken(self, column, value):
        return self.taken_pair((column, value))

    def taken_pair(self, *pairs):
        """Whether another row (not the updated record) holds these values."""
        conditions = [sql.SQL("{} = %s").format(sql.Identifier(column)) for column, _ in pairs]
        args = [value for _, value in pairs]
        if self.action == "update" and self.record is not None:
            conditions.append(sql.SQL("id <> %s"))
            args.append(self.record)
        self.cursor.execute(sql.SQL("SELECT 1 FROM {} WHERE id > 1 AND {} LIMIT 1").format(
            sql.Identifier(self.table.name), sql.SQL(" AND ").join(conditions)), args)
        return self.cursor.fetchone() is not None


def _same(given, stored):
    """Whether a given value is the stored one: an empty text is NULL, numbers compare as numbers."""
    if given in (None, "") or stored in (None, ""):
        return given in (None, "") and stored in (None, "")
    if isinstance(given, (int, float)) and not isinstance(given, bool):
        try:
            return float(given) == float(stored)
        except (TypeError, ValueError):
            return False
    return given == stored
