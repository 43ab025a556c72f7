#!/usr/bin/env python3
"""Fills the stand-in's database with a fleet: drivers, cars and balance-log rows.

    PGDATABASE=... tools/fleet/seed-fleet.py [--drivers N]      # default 100000

Run it on a database that the stand-in (or koriv-dbinit) has created. It adds N drivers in a
dozen groups and fifteen cities (a twentieth of them archived), N/5 cars (every fifth driver
drives one), 10*N balance-log rows spread over the drivers, and the groups and cities they
name. Names, phones, statuses, ratings, balances and dates vary from row to row and the same N
always gives the same rows. Everything is generated inside PostgreSQL (INSERT ... SELECT over
generate_series) in one transaction; a second run adds another fleet after the first.
It prints one JSON line: {"drivers": N, "cars": ..., "balance_logs": ..., "seconds": ...}.
"""

import argparse
import json
import sys
import time

GROUPS = ["Economy", "Comfort", "Business", "Minivan", "Cargo", "Night shift", "Airport", "Students",
          "Pensioners", "New drivers", "Partners", "Premium"]
CITIES = ["Kyiv", "Lviv", "Odesa", "Kharkiv", "Dnipro", "Zaporizhzhia", "Vinnytsia", "Poltava", "Chernihiv",
          "Cherkasy", "Sumy", "Rivne", "Lutsk", "Uzhhorod", "Ternopil"]
FIRST_NAMES = ["Oleksandr", "Andrii", "Serhii", "Volodymyr", "Dmytro", "Ivan", "Mykola", "Yurii", "Petro",
               "Vasyl", "Olena", "Iryna", "Nataliia", "Oksana", "Taras", "Bohdan", "Maksym", "Roman",
               "Viktor", "Ihor", "Anna", "Mariia", "Yaroslav", "Pavlo"]
LAST_NAMES = ["Kovalenko", "Bondarenko", "Tkachenko", "Shevchenko", "Kravchenko", "Boiko", "Melnyk",
              "Shevchuk", "Polishchuk", "Lysenko", "Savchenko", "Rudenko", "Moroz", "Marchenko", "Petrenko",
              "Klymenko", "Pavlenko", "Levchenko", "Kharchenko", "Ponomarenko", "Hrytsenko", "Oliinyk",
              "Tkachuk", "Kozak", "Ivanenko", "Zinchenko", "Vasylenko", "Karpenko", "Yakovenko", "Sydorenko"]
MIDDLE_NAMES = ["Oleksandrovych", "Ivanovych", "Petrovych", "Serhiiovych", "Mykolaiovych", "Vasylivna",
                "Ivanivna", "Petrivna", ""]
STATUSES = [0, 100, 200, 1000, 1000, 1000, 2000, 2000, 2200, 3000, 4000]
NOTES = ["", "", "", "Night shifts only", "Speaks English", "Child seat", "Pets allowed", "Card payments",
         "Airport pass", "Large boot"]
# 2024-05-13 12:00 UTC in milliseconds; rows are dated back from it.
EPOCH_MS = 1715601600000
DAY_MS = 86400000


def sql_literal(value):
    if isinstance(value, int):
        return str(value)
    return "'%s'" % str(value).replace("'", "''")


def sql_array(values):
    return "ARRAY[%s]" % ", ".join(sql_literal(v) for v in values)


def pick(values, expression):
    """An SQL expression choosing one of values by the integer expression."""
    return "(%s)[1 + (%s) %% %d]" % (sql_array(values), expression, len(values))


def ensure_names(cursor, table, names, now):
    """Adds the names table lacks; their ids in the order of names."""
    for name in names:
        cursor.execute("INSERT INTO %s (name, dt_utc_insert, dt_utc_last_update) VALUES (%%s, %%s, %%s) "
                       "ON CONFLICT (name) DO NOTHING" % table, (name, now, now))
    cursor.execute("SELECT name, id FROM %s WHERE name = ANY(%%s)" % table, (names,))
    ids = dict(cursor.fetchall())
    return [ids[name] for name in names]


def max_id(cursor, table):
    cursor.execute("SELECT coalesce(max(id), 0) FROM %s" % table)
    return cursor.fetchone()[0]


def ids_of(cursor, table):
    cursor.execute("SELECT id FROM %s WHERE id > 1 ORDER BY id" % table)
    return [row[0] for row in cursor.fetchall()] or [1]


def seed(connection, drivers):
    cars = drivers // 5
    logs = drivers * 10
    with connection.cursor() as cursor:
        # The rows are consistent by construction: the foreign-key triggers would only slow the
        # load (a superuser's setting; the tests' clusters run as one).
        cursor.execute("SET LOCAL session_replication_role = replica")
        groups = ensure_names(cursor, "driver_groups", GROUPS, EPOCH_MS)
        cities = ensure_names(cursor, "cities", CITIES, EPOCH_MS)
        brands, colors, bodies = (ids_of(cursor, t) for t in ("car_brands", "car_colors", "car_body_types"))
        cursor.execute("SELECT id, rst_id_bg, name FROM driver_balance_types WHERE id > 1 ORDER BY id")
        types = cursor.fetchall() or [(1, 1, "n/a")]
        cursor.execute("SELECT id, name FROM driver_balance_groups")
        group_names = dict(cursor.fetchall())
        cursor.execute("SELECT id FROM users WHERE sign = 'admin'")
        admin = (cursor.fetchone() or (1,))[0]
        d0 = max_id(cursor, "drivers")
        c0 = max_id(cursor, "cars")
        b0 = max_id(cursor, "driver_balance_logs")

        # Driver i is id d0 + i; every fifth drives car i / 5 (id c0 + i / 5).
        cursor.execute(f"""
            INSERT INTO drivers (id, sign, first_name, middle_name, last_name, sex, phone, phone2, rating,
                status, is_archived, blocked, rst_id_group, rst_id_city, rst_id_car, balance, inner_note,
                recommender, utc_offset, use_utc_offset, lat, lon, spd, course, dt_utc_insert,
                dt_utc_last_update, dt_utc_status, dt_utc_shift_begin, dt_utc_shift_expected_complete,
                dt_utc_shift_complete)
            SELECT {d0} + i, 'D' || ({d0} + i),
                {pick(FIRST_NAMES, "i * 7")}, {pick(MIDDLE_NAMES, "i * 3")}, {pick(LAST_NAMES, "i * 13 + i / 7")},
                i % 2, '+38050' || lpad(((i * 7919) % 10000000)::text, 7, '0'),
                CASE WHEN i % 4 = 0 THEN '+38067' || lpad(((i * 104729) % 10000000)::text, 7, '0') ELSE '' END,
                round((2.5 + ((i * 37) % 250) / 100.0)::numeric, 2), {pick(STATUSES, "i * 7 + i / 13")},
                CASE WHEN i % 20 = 7 THEN 1 ELSE 0 END, CASE WHEN i % 50 = 3 THEN 1 ELSE 0 END,
                ({sql_array(groups)}::bigint[])[1 + (i * 17) % {len(groups)}],
                ({sql_array(cities)}::bigint[])[1 + (i * 29 + i / 100) % {len(cities)}],
                CASE WHEN i % 5 = 0 THEN {c0} + i / 5 ELSE 1 END,
                round((((i * 7907) % 400000) / 100.0 - 1500)::numeric, 2), {pick(NOTES, "i * 19")},
                CASE WHEN i % 9 = 0 THEN 'D' || ({d0} + 1 + (i * 31) % {drivers}) ELSE '' END,
                ((i % 5) - 2) * 60, CASE WHEN i % 10 = 1 THEN 1 ELSE 0 END,
                50.40 + ((i * 17) % 1000) / 10000.0, 30.50 + ((i * 23) % 1000) / 10000.0,
                (i * 13) % 90, (i * 41) % 360,
                {EPOCH_MS} - {DAY_MS}::bigint * 1500 + i::bigint * {DAY_MS * 1500 // max(drivers, 1)},
                {EPOCH_MS} - ((i * 7919) % 5000000)::bigint * 1000, {EPOCH_MS} - (i % 86400)::bigint * 1000,
                CASE WHEN i % 3 = 0 THEN NULL ELSE {EPOCH_MS} - ((i * 613) % 720)::bigint * 60000 END,
                CASE WHEN i % 3 = 0 THEN NULL ELSE {EPOCH_MS} + ((i * 311) % 720)::bigint * 60000 END,
                CASE WHEN i % 6 = 1 THEN {EPOCH_MS} - ((i * 97) % 600)::bigint * 60000 ELSE NULL END
            FROM generate_series(1::bigint, {drivers}) AS i""")

        cursor.execute(f"""
            INSERT INTO cars (id, rst_id_driver, rst_id_body_types, rst_id_car_brands, rst_id_car_colors, uuid,
                approved, identifier, year, model, place_amount, dt_utc_insert, dt_utc_last_update)
            SELECT {c0} + j, {d0} + j * 5,
                ({sql_array(bodies)}::bigint[])[1 + (j * 7) % {len(bodies)}],
                ({sql_array(brands)}::bigint[])[1 + (j * 11) % {len(brands)}],
                ({sql_array(colors)}::bigint[])[1 + (j * 13) % {len(colors)}],
                md5('car' || ({c0} + j)), CASE WHEN j % 25 = 0 THEN 0 ELSE 1 END,
                {pick(list("ABCEHKMOPTX"), "j")} || {pick(list("ABCEHKMOPTX"), "j / 11")}
                    || lpad(((j * 7919) % 10000)::text, 4, '0') || {pick(["AA", "KA", "BC", "BH", "AX"], "j * 3")},
                2005 + (j * 7) % 20, {pick(["Camry", "Octavia", "Corolla", "Logan", "Accent", "Elantra",
                                             "Passat", "Megane", "Leaf", "Prius", "Sonata", "Rapid"], "j * 5")},
                CASE WHEN j % 10 = 0 THEN 7 ELSE 4 END,
                {EPOCH_MS} - ((j * 613) % 1000)::bigint * {DAY_MS}, {EPOCH_MS} - ((j * 389) % 100000)::bigint * 1000
            FROM generate_series(1::bigint, {cars}) AS j""")

        type_ids = [t[0] for t in types]
        type_groups = [t[1] for t in types]
        cursor.execute(f"""
            INSERT INTO driver_balance_logs (id, rst_id_owner, rst_id_bg, rst_id_bt, bg_name, bt_name, value,
                balance, note, trn_key, rst_id_user_created, sign_user_created, dt_utc_insert, dt_utc_last_update)
            SELECT {b0} + k, {d0} + 1 + (k * 7) % {drivers},
                ({sql_array(type_groups)}::bigint[])[1 + k % {len(types)}],
                ({sql_array(type_ids)}::bigint[])[1 + k % {len(types)}],
                ({sql_array([group_names.get(g, "") for g in type_groups])})[1 + k % {len(types)}],
                ({sql_array([t[2] for t in types])})[1 + k % {len(types)}],
                round(((((k * 7919) % 20000) - 10000) / 100.0)::numeric, 2),
                round(((((k * 104729) % 400000) - 150000) / 100.0)::numeric, 2),
                {pick(["", "", "Order", "Refill", "Penalty", "Bonus", "Compensation"], "k")}, 'fleet-' || ({b0} + k),
                {admin}, 'admin',
                {EPOCH_MS} - (({logs} - k)::bigint * 3000), {EPOCH_MS} - (({logs} - k)::bigint * 3000)
            FROM generate_series(1::bigint, {logs}) AS k""")

        for table in ("drivers", "cars", "driver_balance_logs"):
            cursor.execute(f"SELECT setval(pg_get_serial_sequence('{table}', 'id'), (SELECT max(id) FROM {table}))")
    connection.commit()
    for table in ("drivers", "cars", "driver_balance_logs"):
        with connection.cursor() as cursor:
            cursor.execute(f"ANALYZE {table}")
    connection.commit()
    return {"drivers": drivers, "cars": cars, "balance_logs": logs}


def main(argv):
    parser = argparse.ArgumentParser(description="Fills the stand-in's database with a fleet.")
    parser.add_argument("--drivers", type=int, default=100000, help="drivers to add (default 100000)")
    args = parser.parse_args(argv)
    if args.drivers < 1:
        parser.error("--drivers must be at least 1")
    import psycopg2

    started = time.monotonic()
    connection = psycopg2.connect("")
    try:
        counts = seed(connection, args.drivers)
    except psycopg2.Error as error:
        connection.rollback()
        print("seed-fleet: %s" % str(error).strip(), file=sys.stderr)
        return 1
    finally:
        connection.close()
    counts["seconds"] = round(time.monotonic() - started, 2)
    print(json.dumps(counts))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
