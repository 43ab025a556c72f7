"""Notifications as a platform server raises them: the event's message and one notification for
every user who receives its type.

A platform's database carries the notification types that its events use; the product's seeds do
not, so add_types() adds them (enabled, received by the groups "admin"). raise_event() stores the
message of an event (its context and its value text, stored as given: a JSON object whose "data"
is an object, as a platform's events carry) and a notification of it for every user of the type's
"users" list and every user of a group of its "groups" list, while the type is enabled; the new
rows are pushed as the system's ("id_owner_modify" "1").
"""

import json
import time

# An event's context -> the code of its notification type.
TYPE_OF_CONTEXT = {
    "driver.update": "driver.update.request",
    "car.update": "car.update.request",
    "driver.unarchive": "driver.unarchive.info",
}

TABLES = ("notification_types", "notification_messages", "notifications", "user_groups", "users")


class EventError(Exception):
    """An event that cannot be raised; the message says why."""


def _has_tables(cursor):
    cursor.execute("SELECT count(*) FROM information_schema.tables WHERE table_name = ANY(%s)", (list(TABLES),))
    return cursor.fetchone()[0] == len(TABLES)


def add_types(connection):
    """Adds the types of TYPE_OF_CONTEXT that the database lacks; returns their codes. Running it
    again adds nothing."""
    added = []
    with connection.cursor() as cursor:
        if not _has_tables(cursor):
            return added
        cursor.execute("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id")
        groups = json.dumps([row[0] for row in cursor.fetchall()])
        now = int(time.time() * 1000)
        for code in TYPE_OF_CONTEXT.values():
            cursor.execute("SELECT 1 FROM notification_types WHERE code = %s", (code,))
            if cursor.fetchone():
                continue
            cursor.execute("INSERT INTO notification_types (code, enabled, groups, users, dt_utc_insert,"
                           " dt_utc_last_update) VALUES (%s, 1, %s, '[]', %s, %s)", (code, groups, now, now))
            added.append(code)
    connection.commit()
    return added


def _ids(text_value, what):
    """The ids of a type's JSON list of ids; EventError when it is not one."""
    try:
        ids = json.loads(text_value or "[]")
    except ValueError:
        raise EventError("%s is not a JSON list of ids: %r" % (what, text_value)) from None
    if not isinstance(ids, list):
        raise EventError("%s is not a JSON list of ids: %r" % (what, text_value))
    result = []
    for item in ids:
        try:
            result.append(int(item))
        except (TypeError, ValueError):
            raise EventError("%s holds %r, which is no id" % (what, item)) from None
    return result


def _receivers(cursor, type_code, groups_text, users_text):
    groups = _ids(groups_text, "groups of type %s" % type_code)
    users = _ids(users_text, "users of type %s" % type_code)
    cursor.execute("SELECT id FROM users WHERE id > 1 AND (id = ANY(%s) OR rst_id_group = ANY(%s)) ORDER BY id",
                   (users, groups))
    return [row[0] for row in cursor.fetchall()]


def _check_value(value):
    """EventError unless value is the text of a JSON object with a "data" object."""
    if not isinstance(value, str):
        raise EventError("the value of an event is text")
    try:
        parsed = json.loads(value)
    except ValueError as error:
        raise EventError("the value is not JSON: %s" % error) from None
    if not isinstance(parsed, dict) or not isinstance(parsed.get("data"), dict):
        raise EventError("the value is not a JSON object with a \"data\" object: %s" % value[:200])


def raise_event(backend, context, value, outcome):
    """Stores the event and its notifications (the caller commits); returns (message id, the ids
    of the notifications). EventError when the type is unknown or the value is not a JSON object
    with "data"."""
    _check_value(value)
    schema = backend.schema
    types, messages, notifications = (schema.table(name) for name in TABLES[:3])
    if None in (types, messages, notifications):
        raise EventError("the database has no notification tables")
    code = TYPE_OF_CONTEXT.get(context, context)
    system = backend.system_session()
    with backend.db.cursor() as cursor:
        cursor.execute("SELECT id, enabled, groups, users FROM notification_types WHERE code = %s AND id > 1",
                       (code,))
        found = cursor.fetchone()
        if found is None:
            raise EventError("no notification type %r for context %r" % (code, context))
        type_id, enabled, groups, users = found
        message = backend._write_insert(cursor, messages, {"rst_id_nt": type_id, "context": context,
                                                           "value": value, "is_completed": 0}, backend.timestamp())
        backend._push(outcome, messages, "srInserted", system, message)
        created = []
        if enabled == 1:
            for user in _receivers(cursor, code, groups, users):
                notification = backend._write_insert(
                    cursor, notifications, {"rst_id_nt": type_id, "rst_id_nm": message, "rst_id_owner": user,
                                            "is_readed": 0}, backend.timestamp())
                backend._push(outcome, notifications, "srInserted", system, notification)
                created.append(notification)
    return message, created
