"""Security options that a platform server's database carries and the product's seeds do not.

The seeds name no option for several controllers and reports that the client checks, so without
these every page and report frame of theirs is refused, administrators included. Each gets what
the seeded options have: its security option group, a "crud operations" type and one option per
operation of the seeded "city" options, with the values the group "admin" holds there.
"""

import time

from psycopg2 import sql

TEMPLATE = "city"

# Option name -> the name of its group as the options dialog lists it.
PLATFORM_OPTIONS = {
    "terminalCmp": "Terminal companies",
    "crashReport": "Crash reports",
    "version": "Versions",
    "value": "Values",
    "driverSession": "Driver sessions",
    "driverPaidService": "Driver paid services",
    "driverPaidServiceType": "Driver paid service types",
    "driverRatingCoefficient": "Driver rating coefficients",
    "driverBalanceTransfer": "Driver balance transfers",
    "paymentSysDriversPaymentsLog": "Driver payments logs",
    "brandCarReport": "Brand car report",
    "brandPaymentReport": "Brand payment report",
    "driverConsolidatedReport": "Consolidated driver report",
    "driverBalanceReport": "Driver balance report",
    "driverSessionReport": "Driver session report",
}

TABLES = ("security_option_groups", "security_option_types", "security_options", "user_groups",
          "user_group_security_options")


def _insert(cursor, table, values):
    names = list(values)
    cursor.execute(sql.SQL("INSERT INTO {} ({}) VALUES ({}) RETURNING id").format(
        sql.Identifier(table), sql.SQL(", ").join(map(sql.Identifier, names)),
        sql.SQL(", ").join(sql.Placeholder() * len(names))), [values[n] for n in names])
    return cursor.fetchone()[0]


def _template(cursor):
    """The operations of the template's options: (operation, option row, admin value) each."""
    cursor.execute("SELECT so.code, so.option_name, so.data_type, so.option_key_words, so.is_visible,"
                   "       so.description,"
                   "       (SELECT g.option_value FROM user_group_security_options g"
                   "        JOIN user_groups ug ON ug.id = g.rst_id_group"
                   "        WHERE g.rst_id_so = so.id AND ug.code = 'admin' ORDER BY g.id LIMIT 1)"
                   " FROM security_options so WHERE so.code LIKE %s ORDER BY so.id", (TEMPLATE + ".crud.%",))
    rows = []
    for code, name, data_type, key_words, visible, description, value in cursor.fetchall():
        rows.append((code.rsplit(".", 1)[1], name, data_type, key_words, visible, description, value))
    return rows


def add_platform_options(connection, names=PLATFORM_OPTIONS):
    """Adds the options of names that the database lacks, granted to the admin groups as the
    template is; returns the option names added. Running it again adds nothing."""
    with connection.cursor() as cursor:
        cursor.execute("SELECT count(*) FROM information_schema.tables WHERE table_name = ANY(%s)", (list(TABLES),))
        if cursor.fetchone()[0] != len(TABLES):
            return []
        template = _template(cursor)
        if not template:
            return []
        cursor.execute("SELECT code, group_name FROM security_option_groups WHERE code = %s", (TEMPLATE,))
        template_group = (cursor.fetchone() or (TEMPLATE, ""))[1]
        cursor.execute("SELECT id FROM user_groups WHERE code = 'admin'")
        admin_groups = [row[0] for row in cursor.fetchall()]
        now = int(time.time() * 1000)
        stamps = {"dt_utc_insert": now, "dt_utc_last_update": now}
        added = []
        for name, group_name in names.items():
            cursor.execute("SELECT 1 FROM security_option_types WHERE code = %s", (name + ".crud",))
            if cursor.fetchone():
                continue
            cursor.execute("SELECT id FROM security_option_groups WHERE code = %s", (name,))
            found = cursor.fetchone()
            group = found[0] if found else _insert(cursor, "security_option_groups",
                                                   dict(stamps, code=name, group_name=group_name))
            option_type = _insert(cursor, "security_option_types",
                                  dict(stamps, rst_id_sog=group, type_name="crud operations", code=name + ".crud",
                                       so_option_key_words=""))
            for operation, option_name, data_type, key_words, visible, description, value in template:
                words = (key_words or "").replace(template_group, group_name) if template_group else key_words
                option = _insert(cursor, "security_options",
                                 dict(stamps, rst_id_sot=option_type, option_name=option_name,
                                      code="%s.crud.%s" % (name, operation), data_type=data_type,
                                      option_key_words=words, is_visible=visible, description=description))
                if value is None:
                    continue
                for admin in admin_groups:
                    _insert(cursor, "user_group_security_options",
                            dict(stamps, rst_id_group=admin, rst_id_so=option, option_value=value))
            added.append(name)
    connection.commit()
    return added
