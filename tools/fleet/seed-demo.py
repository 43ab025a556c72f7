#!/usr/bin/env python3
"""Fills the stand-in's database with a small demo platform on which every page and report shows rows.

    PGDATABASE=... tools/fleet/seed-demo.py [--now MILLISECONDS]

Run it once on a database that the stand-in (or koriv-dbinit) has created. It adds:
  - 8 cities, 6 driver groups, 4 companies (one of them a car company), 3 terminal companies;
  - 300 drivers (15 archived, statuses mixed, 40 of the car company), 280 cars, photos of 5 drivers;
  - over the last 30 days: driver balance logs (of every type for every driver), driver sessions,
    orders with their status logs (most ended well, paid in cash or by card, the rest cancelled after
    a driver's refusal) and terminal refills; company balance logs;
  - the 4 payment providers the program knows (by its codes), an account of every company with
    each, and a payment log: the car company's drivers pay through LiqPay, EasyPay and City24;
  - a notification of every notification type for each operator, a driver's change request among
    them; each of a kind that leads to a record names it as the program reads it;
  - rating logs, the raise-rating cost (the rating rules come with the product's seeds), paid service types and the drivers who use them;
  - the operator "second" (password "second") in the administrators' group, and a security option
    row of every option for each operator (not in use: the group's values count).
Dates are relative to --now (default: the time of the run). Names and numbers come from a fixed
sequence, so the same --now gives the same rows. One transaction; prints one JSON line of counts.
"""

import argparse
import base64
import hashlib
import json
import random
import struct
import sys
import time
import zlib

DAY_MS = 86400000
DAYS = 30
SECOND_OPERATOR = ("second", "second")
CITIES = [("Kyiv", "50.45 30.52"), ("Lviv", "49.84 24.03"), ("Odesa", "46.48 30.72"), ("Kharkiv", "49.99 36.23"),
          ("Dnipro", "48.46 35.04"), ("Vinnytsia", "49.23 28.47"), ("Poltava", "49.59 34.55"), ("Uzhhorod", "48.62 22.29")]
GROUPS = [("Economy", 120), ("Comfort", 120), ("Business", 120), ("Minivan", 180), ("Night shift", 180),
          ("Airport", 0)]
COMPANIES = [("Koriv Taxi", "koriv-taxi"), ("Lviv Cabs", "lviv-cabs"), ("Odesa Line", "odesa-line"),
             ("Brand Motors", "brand-motors")]
TERMINALS = [("term_mall", "Shopping mall, ground floor"), ("term_station", "Railway station"),
             ("term_airport", "Airport, arrivals")]
FIRST = ["Oleksandr", "Andrii", "Serhii", "Dmytro", "Ivan", "Mykola", "Yurii", "Petro", "Olena", "Iryna",
         "Nataliia", "Oksana", "Taras", "Bohdan", "Maksym", "Roman", "Viktor", "Anna", "Mariia", "Pavlo"]
LAST = ["Kovalenko", "Bondarenko", "Tkachenko", "Shevchenko", "Kravchenko", "Boiko", "Melnyk", "Polishchuk",
        "Lysenko", "Savchenko", "Rudenko", "Moroz", "Marchenko", "Petrenko", "Klymenko", "Pavlenko"]
STATUSES = [0, 100, 200, 1000, 1000, 1000, 2000, 2000, 2200, 3000, 4000]
MODELS = ["Camry", "Octavia", "Corolla", "Logan", "Accent", "Elantra", "Passat", "Megane", "Leaf", "Prius"]
BALANCE_NOTES = ["Order", "Refill", "Penalty", "Bonus", "Compensation", ""]
# Completion codes of finished orders: those the driver report counts as successful (not 1070, which
# it counts as cancelled too), and those it counts as cancelled (by the client, by the driver, by the
# dispatcher).
SUCCESS_CODES = [5000, 7000, 7001, 7002, 9000]
CANCELLED_CODES = [1000, 1000, 1500, 2100, 5100, 9010, 9020]
# Payment types of orders: cash and card.
CASH, CARD = 0, 2
# Status log entries of a driver's refusal: by cancel, by time-out.
REFUSALS = [1100, 1105]
DRIVERS = 300
ARCHIVED_EVERY = 20
CAR_COMPANY_DRIVERS = 40
# The payment providers as the program knows them: (name, code).
PROVIDERS = [("LiqPay", "lqp"), ("EasyPay", "esp"), ("City24", "city24"), ("Fondy", "fondy")]
# Those of the brand payment report's columns.
BRAND_CHANNELS = ["lqp", "esp", "city24"]


def photo(shade):
    """A 96x96 PNG, base64 as the media table keeps it: a head and shoulders on a coloured ground."""
    size = 96
    rows = []
    for y in range(size):
        row = bytearray([0])
        for x in range(size):
            head = (x - 48) ** 2 + (y - 36) ** 2 < 18 ** 2
            body = (x - 48) ** 2 / 34 ** 2 + (y - 100) ** 2 / 40 ** 2 < 1
            row += bytes((70, 70, 80)) if head or body else bytes((shade, 160, 255 - shade))
        rows.append(bytes(row))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)) \
        + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
    return base64.b64encode(png).decode("ascii")


def md5(text):
    return hashlib.md5(text.encode("utf-8")).hexdigest()


class Seeder:
    """Adds the demo rows through one cursor; counts what it added per table."""

    def __init__(self, cursor, now):
        self.cursor = cursor
        self.now = now
        self.random = random.Random(20240513)
        self.counts = {}
        self.known = {}

    def columns(self, table):
        if table not in self.known:
            self.cursor.execute("SELECT column_name FROM information_schema.columns WHERE table_name = %s", (table,))
            self.known[table] = {row[0] for row in self.cursor.fetchall()}
        return self.known[table]

    def insert(self, table, row):
        """One row, dated now unless it says otherwise; its id."""
        row = dict(row)
        row.setdefault("dt_utc_insert", self.now)
        if "dt_utc_last_update" in self.columns(table):
            row.setdefault("dt_utc_last_update", row["dt_utc_insert"])
        names = list(row)
        self.cursor.execute("INSERT INTO %s (%s) VALUES (%s) RETURNING id" % (
            table, ", ".join(names), ", ".join(["%s"] * len(names))), [row[n] for n in names])
        self.counts[table] = self.counts.get(table, 0) + 1
        return self.cursor.fetchone()[0]

    def ago(self, low_days=0.0, high_days=DAYS):
        """A moment within the last days, as milliseconds."""
        return self.now - int(self.random.uniform(low_days, high_days) * DAY_MS)

    def sign_of(self, driver):
        return "D%03d" % (self.driver_ids.index(driver) + 1)

    def ids(self, statement, args=()):
        self.cursor.execute(statement, args)
        return [row[0] for row in self.cursor.fetchall()]

    # Reference data ---------------------------------------------------------------------------------

    def places(self):
        self.cities = [self.insert("cities", {"name": name, "coords_vertex": coords}) for name, coords in CITIES]
        self.groups = [self.insert("driver_groups", {"name": name, "utc_offset": offset})
                       for name, offset in GROUPS]
        self.companies = [self.insert("companies", {"company_name": name, "sign": sign, "uuid_company": md5(sign),
                                                    "balance": 1000 * (i + 1)})
                          for i, (name, sign) in enumerate(COMPANIES)]
        self.car_company = self.companies[-1]
        self.terminals = [self.insert("terminal_companies", {"sign": sign, "blocked": 0, "inner_note": note})
                          for sign, note in TERMINALS]

    def operators(self):
        """The second operator, and a security option row of every option for each operator."""
        admin_group = self.ids("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1")[0]
        sign, password = SECOND_OPERATOR
        if not self.ids("SELECT id FROM users WHERE sign = %s", (sign,)):
            self.insert("users", {"sign": sign, "pwd": md5(password), "rst_id_group": admin_group,
                                  "first_name": "Second", "last_name": "Operator", "utc_offset": 120})
        self.admin = self.ids("SELECT id FROM users WHERE sign = 'admin' ORDER BY id LIMIT 1")[0]
        self.operators_ids = self.ids("SELECT id FROM users WHERE sign IN ('admin', %s) ORDER BY id", (sign,))
        self.cursor.execute(
            "INSERT INTO user_security_options (rst_id_owner, rst_id_so, option_value, is_using, dt_utc_insert,"
            " dt_utc_last_update) SELECT u.id, so.id, CASE so.data_type WHEN 'bool' THEN '0' WHEN 'list' THEN '[]'"
            " ELSE '' END, 0, %s, %s FROM users u, security_options so WHERE u.id = ANY(%s) AND so.id > 1"
            " AND NOT EXISTS (SELECT 1 FROM user_security_options v WHERE v.rst_id_owner = u.id"
            " AND v.rst_id_so = so.id)", (self.now, self.now, self.operators_ids))
        self.counts["user_security_options"] = self.cursor.rowcount

    # Drivers ------------------------------------------------------------------------------------------

    def drivers(self):
        brands = self.ids("SELECT id FROM car_brands WHERE id > 1 ORDER BY id") or [1]
        colors = self.ids("SELECT id FROM car_colors WHERE id > 1 ORDER BY id") or [1]
        bodies = self.ids("SELECT id FROM car_body_types WHERE id > 1 ORDER BY id") or [1]
        self.driver_ids = []
        self.active = []
        self.car_of = {}
        for i in range(1, DRIVERS + 1):
            pick = self.random.choice
            registered = self.now - (DAYS + i) * DAY_MS
            archived = 1 if i % ARCHIVED_EVERY == 0 else 0
            driver = self.insert("drivers", {
                "sign": "D%03d" % i, "first_name": pick(FIRST), "last_name": pick(LAST), "sex": i % 2,
                "phone": "+38050%07d" % (i * 7919 % 10000000), "rating": round(self.random.uniform(3.2, 5.0), 2),
                "status": pick(STATUSES), "is_archived": archived, "blocked": 1 if i % 50 == 3 else 0,
                "rst_id_group": self.groups[i % len(self.groups)], "rst_id_city": self.cities[i % len(self.cities)],
                "rst_id_car_company": self.car_company if i <= CAR_COMPANY_DRIVERS else 1,
                "balance": round(self.random.uniform(-200, 1500), 2), "utc_offset": 120,
                "inner_note": pick(["", "", "Child seat", "Pets allowed", "Speaks English"]),
                "dt_utc_insert": registered, "dt_utc_last_update": self.ago(0, 3)})
            self.driver_ids.append(driver)
            if not archived:
                self.active.append(driver)
            if i <= 280:
                car = self.insert("cars", {
                    "rst_id_driver": driver, "rst_id_car_brands": brands[i % len(brands)],
                    "rst_id_car_colors": colors[i % len(colors)], "rst_id_body_types": bodies[i % len(bodies)],
                    "uuid": md5("car%d" % i), "approved": 0 if i % 25 == 0 else 1,
                    "identifier": "AA%04dKA" % (i * 37 % 10000), "model": pick(MODELS),
                    "year": 2008 + i % 16, "place_amount": 7 if i % 10 == 0 else 4, "dt_utc_insert": registered})
                self.cursor.execute("UPDATE drivers SET rst_id_car = %s WHERE id = %s", (car, driver))
                self.car_of[driver] = car
            if i <= 5:
                self.insert("media", {"rst_id_driver": driver, "tag": "profile", "data": photo(40 * i),
                                      "uuid": md5("photo%d" % i), "approved": 1})

    def balance_logs(self):
        self.cursor.execute("SELECT t.id, t.rst_id_bg, t.name, g.name, t.type_operation FROM driver_balance_types t"
                            " JOIN driver_balance_groups g ON g.id = t.rst_id_bg WHERE t.id > 1 ORDER BY t.id")
        types = self.cursor.fetchall()
        balances = {}
        # Every driver has entries of every type, so that a report of any of them has rows.
        for n in range(max(3000, len(self.driver_ids) * len(types))):
            driver = self.driver_ids[n % len(self.driver_ids)]
            type_id, group, type_name, group_name, operation = types[n // len(self.driver_ids) % len(types)]
            amount = round(self.random.uniform(5, 300), 2) * (1 if operation == 1 else -1)
            balances[driver] = round(balances.get(driver, 0) + amount, 2)
            self.insert("driver_balance_logs", {
                "rst_id_owner": driver, "rst_id_bg": group, "rst_id_bt": type_id, "bg_name": group_name,
                "bt_name": type_name, "value": amount, "balance": balances[driver],
                "note": self.random.choice(BALANCE_NOTES), "trn_key": "demo-%d" % n,
                "rst_id_user_created": self.admin, "sign_user_created": "admin", "dt_utc_insert": self.ago()})
        self.cursor.execute("SELECT t.id, t.rst_id_bg, t.name, g.name FROM company_balance_types t"
                            " JOIN company_balance_groups g ON g.id = t.rst_id_bg WHERE t.id > 1 ORDER BY t.id")
        company_types = self.cursor.fetchall()
        for n in range(60 if company_types else 0):
            type_id, group, type_name, group_name = company_types[n % len(company_types)]
            self.insert("company_balance_logs", {
                "rst_id_owner": self.companies[n % len(self.companies)], "rst_id_bg": group, "rst_id_bt": type_id,
                "bg_name": group_name, "bt_name": type_name, "value": round(self.random.uniform(-500, 500), 2),
                "note": "Settlement", "trn_key": "demo-company-%d" % n, "dt_utc_insert": self.ago()})

    def sessions_and_orders(self):
        for n, driver in enumerate(self.active * 6):
            start = self.ago(0.2, DAYS)
            duration = int(self.random.uniform(1, 10) * 3600000)
            self.insert("driver_sessions", {
                "rst_id_owner": driver, "sign": "D%03d" % (self.driver_ids.index(driver) + 1), "dt_start": start,
                "dt_end": min(start + duration, self.now), "duration": min(duration, self.now - start),
                "version": "5.2.0", "os": "Android", "type_close": 1 + n % 4, "dt_utc_insert": start})
        # Each driver's sixth order is still under way; of the others three in four ended well, a third
        # of all paid by card, and the fourth was cancelled after a refusal (by cancel, then by time-out).
        taken = {}
        for n in range(3000):
            driver = self.active[n * 13 % len(self.active)]
            nth = taken[driver] = taken.get(driver, -1) + 1
            created = self.ago()
            status = 500 if nth % 10 == 5 else 1000
            success = nth % 4 != 3
            code = self.random.choice(SUCCESS_CODES if success else CANCELLED_CODES) if status >= 900 else 0
            order = self.insert("orders", {
                "rst_id_driver": driver, "rst_id_company": self.companies[n % 3], "dt_utc_insert": created,
                "dt_complete": created + 1800000, "is_completed": 1 if status >= 900 else 0,
                "completed_code": code, "order_status": status,
                "payment_type": CARD if nth % 3 == 1 else CASH, "is_free": 1 if n % 17 == 0 else 0,
                "sum_tip": round(self.random.uniform(60, 600), 2),
                "assumed_feed_way": round(self.random.uniform(0.5, 6), 2),
                "assumed_feed_time": round(self.random.uniform(2, 15), 1), "client_name": self.random.choice(FIRST),
                "identifier": "ORD-%05d" % n})
            self.insert("order_status_logs", {"rst_id_order": order, "rst_id_driver": driver, "status": status,
                                              "dt_utc_insert": created + 600000})
            if code in CANCELLED_CODES:
                self.insert("order_status_logs", {"rst_id_order": order, "rst_id_driver": driver,
                                                  "status": REFUSALS[nth // 4 % 2], "dt_utc_insert": created + 300000})
        for n in range(120):
            driver = self.driver_ids[n % CAR_COMPANY_DRIVERS]
            self.insert("driver_refill_balance_logs", {
                "rst_id_driver": driver, "sign_user": TERMINALS[n % len(TERMINALS)][0],
                "sign_drv": "D%03d" % (n % CAR_COMPANY_DRIVERS + 1), "value": round(self.random.uniform(50, 500), 2),
                "company_name": COMPANIES[-1][0], "dt_utc_insert": self.ago()})

    # Payments, notifications, settings ----------------------------------------------------------------

    def payments(self):
        systems = {}
        for name, code in PROVIDERS:
            systems[code] = self.insert("payment_systems", {
                "uuid": md5("ps-" + code), "name": name, "code": code, "login": "merchant-" + code,
                "password": "demo-secret", "incoming_commiss": 1.5, "outgoing_commiss": 2.5, "enabled": 1,
                "api_url": "https://pay.example.com/" + code, "server_url": "https://merchant.example.com/status",
                "result_url": "https://merchant.example.com/done"})
        accounts = {}
        for i, company in enumerate(self.companies):
            for j, (_, code) in enumerate(PROVIDERS):
                accounts[company, code] = self.insert("payment_systems_company_accounts", {
                    "uuid": md5("account%d-%s" % (i, code)), "rst_id_company": company,
                    "rst_id_payment_system": systems[code], "public_key": "pk-demo-%d-%d" % (i, j),
                    "private_key": "private-demo", "enabled": 1, "currency": "UAH", "weight": 100,
                    "client_lang": "uk", "payee": COMPANIES[i][0] + " LLC", "bank": "First Bank"})

        def pay(driver, company, code, amount, completed, key, low_days=0.0, high_days=DAYS):
            self.insert("payment_systems_drivers_payments_logs", {
                "rst_id_owner": driver, "rst_id_payment_system": systems[code],
                "rst_id_payments_system_acc_comp": accounts[company, code], "rst_id_company": company,
                "sign": self.sign_of(driver), "amount": amount,
                "is_completed": completed, "is_successfully": completed, "trn_key": key,
                "dt_utc_insert": self.ago(low_days, high_days)})

        for n in range(200):
            driver = self.driver_ids[n * 3 % len(self.driver_ids)]
            company = self.car_company if n % 4 == 0 else self.companies[n % 3]
            pay(driver, company, PROVIDERS[n % len(PROVIDERS)][1], round(self.random.uniform(50, 800), 2),
                1 if n % 5 else 0, "demo-payment-%d" % n)
        # The car company's drivers pay through each provider of the brand payment report.
        for n in range(CAR_COMPANY_DRIVERS):
            pay(self.driver_ids[n], self.car_company, BRAND_CHANNELS[n % len(BRAND_CHANNELS)], 100 + n, 1,
                "demo-brand-%d" % n, 0, 7)

    def notifications(self):
        """A message of every type and a notification of it for each operator. A driver's change
        request names its driver by "data"."id", a car's change its car by "data"."id" and the driver
        by "data"."sign", a driver's return from the archive the driver by the top-level "id"."""
        self.cursor.execute("SELECT id, code FROM notification_types WHERE id > 1 ORDER BY id")
        for type_id, code in self.cursor.fetchall():
            context = code.rsplit(".", 1)[0] if code.count(".") >= 2 else code
            if context == "driver.update":
                value = json.dumps({"data": {"id": str(self.active[0]), "first_name": "Oleh",
                                             "phone": "+380671234567"}})
            elif context == "car.update":
                driver = self.active[2]
                value = json.dumps({"data": {"id": str(self.car_of[driver]), "sign": self.sign_of(driver),
                                             "identifier": "BC7777AA"}})
            elif context == "driver.unarchive":
                driver = self.active[1]
                value = json.dumps({"id": str(driver), "data": {"sign": self.sign_of(driver)}})
            else:
                value = json.dumps({"data": {"id": str(self.active[1])}})
            created = self.ago(0, 3)
            message = self.insert("notification_messages", {"rst_id_nt": type_id, "context": context,
                                                            "value": value, "is_completed": 0,
                                                            "dt_utc_insert": created})
            for user in self.operators_ids:
                self.insert("notifications", {"rst_id_nt": type_id, "rst_id_nm": message, "rst_id_owner": user,
                                              "is_readed": 0, "dt_utc_insert": created})

    def settings(self):
        """Rating logs, the raise-rating cost and paid services (the rating rules come with the seeds)."""
        for n in range(60):
            driver = self.active[n % len(self.active)]
            rating = self.random.choice([3, 4, 4, 5, 5, 5])
            self.insert("driver_rating_logs", {"rst_id_driver": driver, "rating": rating, "average_rating": 4.5,
                                               "delta": rating - 4.5, "note": "Client's mark",
                                               "identifier_client": "+38093%07d" % n, "dt_utc_insert": self.ago()})
        if not self.ids("SELECT id FROM values WHERE code = 'raise_rating_cost'"):
            self.insert("values", {"code": "raise_rating_cost",
                                   "value": json.dumps({"cost": 50, "rating": 0.1, "days": 7})})
        debit = self.ids("SELECT id FROM driver_balance_types WHERE id > 1 AND type_operation <> 1 ORDER BY id")
        kinds = [self.insert("paid_service_type_driver", {
            "rst_id_bt": (debit or [1])[0], "rst_id_company": self.companies[n], "name": name, "price": price,
            "enabled": 1, "inner_note": note})
            for n, (name, price, note) in enumerate((("Parking", -12.5, "Night parking"),
                                                     ("Car wash", -80, "Weekly"), ("Insurance", -250, "Monthly")))]
        for n in range(30):
            self.insert("paid_driver_services", {"rst_id_owner": self.active[n], "rst_id_pst": kinds[n % 3],
                                                 "enabled": 1 if n % 6 else 0})


def seed(connection, now):
    with connection.cursor() as cursor:
        seeder = Seeder(cursor, now)
        seeder.places()
        seeder.operators()
        seeder.drivers()
        seeder.balance_logs()
        seeder.sessions_and_orders()
        seeder.payments()
        seeder.notifications()
        seeder.settings()
    connection.commit()
    return seeder.counts


def main(argv):
    parser = argparse.ArgumentParser(description="Fills the stand-in's database with a small demo platform.")
    parser.add_argument("--now", type=int, default=None, help="the run's now in milliseconds since the epoch")
    args = parser.parse_args(argv)
    import psycopg2

    started = time.monotonic()
    connection = psycopg2.connect("")
    try:
        counts = seed(connection, args.now if args.now is not None else int(time.time() * 1000))
    except psycopg2.Error as error:
        connection.rollback()
        print("seed-demo: %s" % str(error).strip(), file=sys.stderr)
        return 1
    finally:
        connection.close()
    counts["seconds"] = round(time.monotonic() - started, 2)
    print(json.dumps(counts, sort_keys=True))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
