"""What the platform's server refuses beyond what PostgreSQL refuses: the field rules of records,
with the error codes that the pages' error tables and fields know.

Checked on "trNew", "trUpdate" and "trDuplicate" (the copy as it would be stored), before anything
is written; an update checks only the fields it changes. Every refusal carries the reason.

  driver, user, terminalCmp  sign: 250 empty, 251 prohibited characters (white space, control
                             characters, # = / \\ ' " < > ; ,), 252 taken by another record
  user                       rst_id_group: a user group that exists; 700 on a new user, 600 otherwise
  driver                     rating: 450 outside 1.0 to 5.0
  driverGroup                name: 250 empty, 251 taken; utc_offset: 450 below -840, 451 above +840
  ug                         name: 700 empty, 701 taken
  city                       name: 210 empty
  paymentSysAccComp          rst_id_payment_system: 250 without an existing payment system
  driverPaidServiceType      name: 250 taken; rst_id_bt: 251 none chosen, 254 no such type;
                             price: 252 negative (its balance type gives the sign); rst_id_company:
                             400 no such company
  driverPaidService          250: the owner already has that paid service
  dbt                        code: 250 taken

Removals ("trRemove"): a company, user or user group that is a system record: 200; the
administrators' user group (code "admin"): 400.
"""

import re

from psycopg2 import sql

OWNER_CONTROLLERS = ("driver", "user", "terminalCmp")
PROHIBITED_IN_SIGN = re.compile(r"[\s\x00-\x1f\x7f#=/\\'\"<>;,]")
MAX_OFFSET = 840
SYSTEM_REMOVAL = ("company", "ug", "user")
ADMIN_GROUP_CODE = "admin"


class Rules:
    """The checks, over the backend's open transaction; refusal is the backend's exception."""

    def __init__(self, refusal):
        self.refusal = refusal
        self.checks = {
            "driver": [self._sign, self._rating],
            "user": [self._sign, self._user_group],
            "terminalCmp": [self._sign],
            "driverGroup": [self._driver_group_name, self._offset],
            "ug": [self._user_group_name],
            "city": [self._city_name],
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

    def check_removal(self, controller, table, row):
        """Refuses the removal of a system record of the tables whose pages know it."""
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

    def _city_name(self, change):
        self._named(change, 210, None, "city")

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
        if change.touches("price") and change.value("price") is not None and float(change.value("price")) < 0:
            raise self.refusal(252, "the price is negative: the balance type gives its sign")
        if change.touches("rst_id_company"):
            company = change.value("rst_id_company")
            if company is not None and int(company) > 1 and not change.exists("companies", company):
                raise self.refusal(400, "the company %s does not exist" % company)

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


class Change:
    """A record as a request would store it: its given values over its stored row."""

    def __init__(self, cursor, table, action, values, record, source):
        self.cursor = cursor
        self.table = table
        self.action = action
        self.values = values
        self.record = record
        self.source = source or {}

    def touches(self, column):
        """Whether the rule of the column applies: a new record or a copy always has it (when the
        table does), an update only when it changes it."""
        if not self.table.has(column):
            return False
        return column in self.values or self.action in ("new", "duplicate")

    def value(self, column):
        if column in self.values:
            return self.values[column]
        if self.action == "duplicate":
            return self.source.get(column) or None
        return None

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
