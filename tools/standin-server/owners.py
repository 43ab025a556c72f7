"""What a platform server keeps beside users and user groups.

A new group and a new user get one security option value row per security option, so that the
option pages, which only change rows that exist, can grant anything: a group's rows refuse
("0" for yes/no options, an empty list for list options, an empty text otherwise); a user's rows
hold the same values and are not in use, so the group's values count. A copy of a group or user
takes the source's rows when the security rights are copied, the fresh rows otherwise; a copy of
a user takes the source's saved GUI sessions when the settings are copied.
"""

from psycopg2 import sql

# Owner table -> (its option value table, the column naming the owner, extra columns of a new row).
OPTION_TABLES = {
    "user_groups": ("user_group_security_options", "rst_id_group", {}),
    "users": ("user_security_options", "rst_id_owner", {"is_using": 0}),
}
# Owner table -> tables of settings rows that a copy with "copySettings" takes, by owner column.
SETTINGS_TABLES = {
    "users": (("user_gui_sessions", "rst_id_owner"),),
}
DEFAULT_VALUE = sql.SQL("CASE so.data_type WHEN 'bool' THEN '0' WHEN 'list' THEN '[]' ELSE '' END")


def _stamps(table, ts):
    return {name: value for name, value in (("dt_utc_insert", ts), ("dt_utc_last_update", ts),
                                             ("rst_id_user_locked", 1)) if table.has(name)}


def add_option_rows(cursor, schema, table_name, owner, ts, source=None):
    """Gives the new owner its option rows (the source's first, where given); the number added."""
    if table_name not in OPTION_TABLES or schema.table("security_options") is None:
        return 0
    values_name, key, extra = OPTION_TABLES[table_name]
    values = schema.table(values_name)
    if values is None:
        return 0
    fixed = dict(_stamps(values, ts))
    added = 0
    if source is not None:
        copied = ["rst_id_so", "option_value"] + [name for name in extra if values.has(name)]
        names = [key] + copied + list(fixed)
        cursor.execute(sql.SQL("INSERT INTO {} ({}) SELECT %s, {}{} FROM {} WHERE {} = %s").format(
            sql.Identifier(values_name), sql.SQL(", ").join(map(sql.Identifier, names)),
            sql.SQL(", ").join(map(sql.Identifier, copied)),
            sql.SQL("").join(sql.SQL(", ") + sql.Placeholder() for _ in fixed),
            sql.Identifier(values_name), sql.Identifier(key)),
            [owner] + list(fixed.values()) + [source])
        added += cursor.rowcount
    fresh = dict(fixed, **{name: value for name, value in extra.items() if values.has(name)})
    names = [key, "rst_id_so", "option_value"] + list(fresh)
    cursor.execute(sql.SQL("INSERT INTO {} ({}) SELECT %s, so.id, {}{} FROM security_options so WHERE so.id > 1 "
                           "AND NOT EXISTS (SELECT 1 FROM {} v WHERE v.{} = %s AND v.rst_id_so = so.id)").format(
        sql.Identifier(values_name), sql.SQL(", ").join(map(sql.Identifier, names)), DEFAULT_VALUE,
        sql.SQL("").join(sql.SQL(", ") + sql.Placeholder() for _ in fresh),
        sql.Identifier(values_name), sql.Identifier(key)),
        [owner] + list(fresh.values()) + [owner])
    return added + cursor.rowcount


def copy_settings(cursor, schema, table_name, source, copy, ts):
    """Copies the source owner's settings rows to the copy; the number copied."""
    copied = 0
    for settings_name, key in SETTINGS_TABLES.get(table_name, ()):
        settings = schema.table(settings_name)
        if settings is None:
            continue
        fixed = _stamps(settings, ts)
        kept = [name for name in settings.columns if name not in ("id", key) and name not in fixed]
        names = [key] + kept + list(fixed)
        cursor.execute(sql.SQL("INSERT INTO {} ({}) SELECT %s{}{} FROM {} WHERE {} = %s AND id > 1").format(
            sql.Identifier(settings_name), sql.SQL(", ").join(map(sql.Identifier, names)),
            sql.SQL("").join(sql.SQL(", ") + sql.Identifier(name) for name in kept),
            sql.SQL("").join(sql.SQL(", ") + sql.Placeholder() for _ in fixed),
            sql.Identifier(settings_name), sql.Identifier(key)),
            [copy] + list(fixed.values()) + [source])
        copied += cursor.rowcount
    return copied
