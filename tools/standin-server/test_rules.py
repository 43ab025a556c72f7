"""The field rules of records and the removal of system records and last cars (rules.py), the
password of a user made without one, and lock refusals naming their holder; against the stand-in
over PostgreSQL.

Needs the PG* variables of a throwaway cluster and KORIV_DBINIT, as test_server does.
"""

import unittest
import uuid

from psycopg2 import sql

from testclient import built_tool, StandinOnDatabase, digest, require_cluster, signed_in


shared = {}


def setUpModule():
    require_cluster()
    shared["standin"] = StandinOnDatabase("rules", [
        "--dbinit", built_tool("KORIV_DBINIT"), "--user", "admin:" + digest(""), "--user", "second:" + digest("")])


def tearDownModule():
    if "standin" in shared:
        shared["standin"].close()


def value(statement, args=()):
    return shared["standin"].value(statement, args)


def insert(table, **values):
    return shared["standin"].insert(table, **values)


def unique(prefix):
    return "%s_%s" % (prefix, uuid.uuid4().hex[:8])


def new_company(**values):
    name = unique("company")
    return insert("companies", company_name=name, sign=name, uuid_company=name, **values)


def admin_group():
    return value("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1")


def person(**values):
    """A new user's fields besides the sign: the administrators' group and both names."""
    return dict(dict(rst_id_group=str(admin_group()), first_name="Olena", last_name="Koval"), **values)


def balance_type(operation):
    """A driver balance type of its own with that type_operation (1: "+", 0: "-")."""
    group = value("SELECT id FROM driver_balance_groups WHERE id > 1 ORDER BY id LIMIT 1")
    return insert("driver_balance_types", rst_id_bg=group, code=unique("bt"), name=unique("type"),
                  type_operation=operation)


class RulesCase(unittest.TestCase):
    def client(self, sign="admin", password=""):
        client = signed_in(shared["standin"].server.port, sign, password)
        self.addCleanup(client.close)
        return client

    def setUp(self):
        self.admin = self.client()

    def assertRefused(self, answer, code):
        self.assertEqual(answer.get("RES"), "0", answer)
        self.assertEqual(answer.get("ERRCODE"), str(code), answer)
        self.assertTrue(answer.get("exception_description"), answer)

    def assertDone(self, answer):
        self.assertEqual(answer.get("RES"), "10", answer)
        return answer

    def edit(self, controller, record, **values):
        """trLock, trUpdate and trUnlock of one record; the update's answer."""
        self.assertDone(self.admin.call(controller, "trLock", id=str(record)))
        try:
            return self.admin.call(controller, "trUpdate", id=str(record), **values)
        finally:
            self.admin.call(controller, "trUnlock", id=str(record))


class OwnerSigns(RulesCase):
    def test_sign_empty_prohibited_or_taken_is_refused_on_every_change(self):
        extra = {"driver": {}, "user": person(), "terminalCmp": {}}
        tables = {"driver": "drivers", "user": "users", "terminalCmp": "terminal_companies"}
        for controller, more in extra.items():
            with self.subTest(controller=controller):
                count = value(sql.SQL("SELECT count(*) FROM {}").format(sql.Identifier(tables[controller])))
                self.assertRefused(self.admin.call(controller, "trNew", sign="", **more), 250)
                self.assertRefused(self.admin.call(controller, "trNew", sign="   ", **more), 250)
                for bad in ("two words", "a#b", "a=b", "tab\there", "quote'd"):
                    self.assertRefused(self.admin.call(controller, "trNew", sign=bad, **more), 251)
                first = self.assertDone(self.admin.call(controller, "trNew", sign=unique("s"), **more))
                self.assertRefused(self.admin.call(controller, "trNew", sign=first["sign"], **more), 252)
                self.assertEqual(value(sql.SQL("SELECT count(*) FROM {}").format(
                    sql.Identifier(tables[controller]))), count + 1)

                second = self.assertDone(self.admin.call(controller, "trNew", sign=unique("s"), **more))
                self.assertRefused(self.edit(controller, second["id"], sign=""), 250)
                self.assertRefused(self.edit(controller, second["id"], sign="a b"), 251)
                self.assertRefused(self.edit(controller, second["id"], sign=first["sign"]), 252)
                # Its own sign is no other's; other fields leave the sign alone.
                self.assertDone(self.edit(controller, second["id"], sign=second["sign"]))
                # A copy keeps its source's sign unless it gets a new one.
                self.assertRefused(self.admin.call(controller, "trDuplicate", id=second["id"]), 252)
                self.assertDone(self.admin.call(controller, "trDuplicate", id=second["id"], sign=unique("c")))


class GroupsAndOffsets(RulesCase):
    def test_group_names_and_offsets(self):
        taken = unique("group")
        self.assertDone(self.admin.call("driverGroup", "trNew", name=taken, utc_offset="840"))
        self.assertRefused(self.admin.call("driverGroup", "trNew", name=""), 250)
        self.assertRefused(self.admin.call("driverGroup", "trNew", name=taken), 251)
        self.assertRefused(self.admin.call("driverGroup", "trNew", name=unique("g"), utc_offset="-841"), 450)
        self.assertRefused(self.admin.call("driverGroup", "trNew", name=unique("g"), utc_offset="841"), 451)
        group = self.assertDone(self.admin.call("driverGroup", "trNew", name=unique("g"), utc_offset="-840"))
        self.assertRefused(self.edit("driverGroup", group["id"], utc_offset="900"), 451)
        self.assertRefused(self.edit("driverGroup", group["id"], name=" "), 250)
        self.assertEqual(value("SELECT utc_offset FROM driver_groups WHERE id = %s", (group["id"],)), -840)

        taken = unique("team")
        self.assertDone(self.admin.call("ug", "trNew", name=taken))
        self.assertRefused(self.admin.call("ug", "trNew", name=""), 700)
        self.assertRefused(self.admin.call("ug", "trNew", name=taken), 701)
        team = self.assertDone(self.admin.call("ug", "trNew", name=unique("team")))
        self.assertRefused(self.edit("ug", team["id"], name=taken), 701)
        self.assertRefused(self.admin.call("ug", "trDuplicate", id=team["id"]), 701)

    def test_a_user_needs_an_existing_group(self):
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u")), 700)
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u"), rst_id_group="1"), 700)
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u"), rst_id_group="999999"), 700)
        user = self.assertDone(self.admin.call("user", "trNew", sign=unique("u"), **person()))
        self.assertRefused(self.edit("user", user["id"], rst_id_group="999999"), 600)
        self.assertEqual(value("SELECT rst_id_group FROM users WHERE id = %s", (user["id"],)), admin_group())

    def test_a_user_has_both_names_and_no_negative_calls(self):
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u"), **person(first_name="")), 500)
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u"), **person(first_name=" ")), 500)
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u"), **person(last_name="")), 501)
        self.assertRefused(self.admin.call("user", "trNew", sign=unique("u"), **person(max_sim_calls="-1")), 505)
        user = self.assertDone(self.admin.call("user", "trNew", sign=unique("u"), **person(max_sim_calls="0")))
        self.assertRefused(self.edit("user", user["id"], first_name=""), 500)
        self.assertRefused(self.edit("user", user["id"], last_name="  "), 501)
        self.assertRefused(self.edit("user", user["id"], max_sim_calls="-3"), 505)
        self.assertEqual(value("SELECT first_name || ' ' || last_name FROM users WHERE id = %s", (user["id"],)),
                         "Olena Koval")
        # A copy takes its source's names; one stored without names keeps what it has when an
        # editor sends its fields back unchanged.
        self.assertDone(self.admin.call("user", "trDuplicate", id=user["id"], sign=unique("c")))
        nameless = insert("users", sign=unique("old"), rst_id_group=admin_group())
        self.assertDone(self.edit("user", nameless, phone="+380501112233", first_name="", last_name="",
                                  max_sim_calls="6"))
        self.assertRefused(self.admin.call("user", "trDuplicate", id=str(nameless), sign=unique("c")), 500)

    def test_a_group_name_is_one_line_and_a_system_group_keeps_its_own(self):
        self.assertRefused(self.admin.call("ug", "trNew", name="night\nshift"), 510)
        self.assertRefused(self.admin.call("ug", "trNew", name="night\tshift"), 510)
        team = self.assertDone(self.admin.call("ug", "trNew", name=unique("team")))
        self.assertRefused(self.edit("ug", team["id"], name="two\rlines"), 510)
        self.assertDone(self.edit("ug", team["id"], name=unique("renamed")))
        admins = admin_group()
        name = value("SELECT name FROM user_groups WHERE id = %s", (admins,))
        self.assertRefused(self.edit("ug", admins, name=unique("bosses")), 200)
        self.assertEqual(value("SELECT name FROM user_groups WHERE id = %s", (admins,)), name)
        # Its other fields change; its name given back unchanged is no renaming.
        self.assertDone(self.edit("ug", admins, name=name, description="the platform's own"))
        # Its copy is an ordinary group.
        copy = self.assertDone(self.admin.call("ug", "trDuplicate", id=str(admins), name=unique("copy")))
        self.assertDone(self.edit("ug", copy["id"], name=unique("renamed")))
        self.assertEqual(value("SELECT is_system FROM user_groups WHERE id = %s", (copy["id"],)), 0)

    def test_a_driver_rating_stays_within_one_to_five(self):
        for rating in ("0.9", "5.01", "-1"):
            self.assertRefused(self.admin.call("driver", "trNew", sign=unique("r"), rating=rating), 450)
        driver = self.assertDone(self.admin.call("driver", "trNew", sign=unique("r"), rating="1.0"))
        self.assertDone(self.edit("driver", driver["id"], rating="5"))
        self.assertRefused(self.edit("driver", driver["id"], rating="7.5"), 450)


class OtherRecords(RulesCase):
    def test_cities_accounts_paid_services_and_balance_types(self):
        self.assertRefused(self.admin.call("city", "trNew", name=""), 210)
        city = self.assertDone(self.admin.call("city", "trNew", name=unique("city")))
        self.assertRefused(self.edit("city", city["id"], name="  "), 210)
        self.assertRefused(self.admin.call("city", "trNew", name=city["name"]), 500)
        other = self.assertDone(self.admin.call("city", "trNew", name=unique("city")))
        self.assertRefused(self.edit("city", other["id"], name=city["name"]), 500)
        self.assertRefused(self.admin.call("city", "trDuplicate", id=city["id"]), 500)
        self.assertDone(self.edit("city", other["id"], name=other["name"]))

        company = new_company()
        system = insert("payment_systems", name=unique("ps"), uuid=unique("uuid"), code=unique("code"))
        self.assertRefused(self.admin.call("paymentSysAccComp", "trNew", rst_id_company=str(company)), 250)
        self.assertRefused(self.admin.call("paymentSysAccComp", "trNew", rst_id_company=str(company),
                                           rst_id_payment_system="1"), 250)
        self.assertDone(self.admin.call("paymentSysAccComp", "trNew", rst_id_company=str(company),
                                        rst_id_payment_system=str(system)))

        top_up = balance_type(1)
        service = dict(rst_id_company=str(company), rst_id_bt=str(top_up), price="10", enabled="1")
        first = self.assertDone(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"), **service))
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew", **dict(service, name=first["name"])), 250)
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew",
                                           **dict(service, name=unique("svc"), rst_id_bt="1")), 251)
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew",
                                           **dict(service, name=unique("svc"), rst_id_bt="999999")), 254)
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew",
                                           **dict(service, name=unique("svc"), price="-5")), 252)
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew",
                                           **dict(service, name=unique("svc"), rst_id_company="999999")), 400)

        driver = insert("drivers", sign=unique("d"))
        connected = dict(rst_id_owner=str(driver), rst_id_pst=first["id"], enabled="1")
        self.assertDone(self.admin.call("driverPaidService", "trNew", **connected))
        self.assertRefused(self.admin.call("driverPaidService", "trNew", **connected), 250)

        group = value("SELECT rst_id_bg FROM driver_balance_types WHERE id = %s", (top_up,))
        code = unique("code")
        self.assertDone(self.admin.call("dbt", "trNew", name=unique("t"), code=code, rst_id_bg=str(group)))
        self.assertRefused(self.admin.call("dbt", "trNew", name=unique("t"), code=code, rst_id_bg=str(group)), 250)

    def test_sms_names(self):
        texts = [insert("sms", name=unique("sms"), code=unique("code"), value="{SIGN}") for _ in range(2)]
        taken = value("SELECT name FROM sms WHERE id = %s", (texts[0],))
        self.assertRefused(self.edit("sms", texts[1], name=""), 210)
        self.assertRefused(self.edit("sms", texts[1], name=taken), 200)
        self.assertDone(self.edit("sms", texts[0], name=taken, value="Driver {SIGN}"))
        self.assertDone(self.edit("sms", texts[1], name=unique("sms")))

    def test_a_price_takes_the_sign_of_its_balance_type(self):
        top_up, write_off = balance_type(1), balance_type(0)
        service = dict(rst_id_company=str(new_company()), enabled="1")
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"),
                                           rst_id_bt=str(top_up), price="-5", **service), 252)
        self.assertRefused(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"),
                                           rst_id_bt=str(write_off), price="5", **service), 252)
        bonus = self.assertDone(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"),
                                                rst_id_bt=str(top_up), price="5", **service))
        fee = self.assertDone(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"),
                                              rst_id_bt=str(write_off), price="-7.5", **service))
        self.assertDone(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"),
                                        rst_id_bt=str(write_off), price="0", **service))
        # The price against the stored type, the type against the stored price.
        self.assertRefused(self.edit("driverPaidServiceType", bonus["id"], price="-1"), 252)
        self.assertRefused(self.edit("driverPaidServiceType", fee["id"], rst_id_bt=str(top_up)), 252)
        self.assertDone(self.edit("driverPaidServiceType", fee["id"], rst_id_bt=str(top_up), price="7.5"))
        self.assertEqual(value("SELECT price FROM paid_service_type_driver WHERE id = %s", (fee["id"],)), 7.5)
        # A record stored against the rule keeps its price while its editor saves another field.
        legacy = insert("paid_service_type_driver", rst_id_bt=write_off, name=unique("svc"), price=12.5, enabled=1)
        self.assertDone(self.edit("driverPaidServiceType", legacy, name=unique("svc"), price="12.5",
                                  rst_id_bt=str(write_off)))

        # A write-off charged: the driver's balance goes down by the price's size.
        charged = self.assertDone(self.admin.call("driverPaidServiceType", "trNew", name=unique("svc"),
                                                  rst_id_bt=str(write_off), price="-20", **service))
        driver = insert("drivers", sign=unique("d"), balance=100)
        insert("paid_driver_services", rst_id_owner=driver, rst_id_pst=int(charged["id"]), enabled=1)
        self.assertDone(self.admin.call("driverPaidServiceType", "trImplementPaidService", id=charged["id"]))
        self.assertEqual(value("SELECT balance FROM drivers WHERE id = %s", (driver,)), 80)

    def test_a_driver_keeps_a_car(self):
        driver = insert("drivers", sign=unique("d"))
        cars = [insert("cars", rst_id_driver=driver, uuid=unique("car"), identifier=unique("AA"), model="Lanos")
                for _ in range(2)]
        self.assertDone(self.admin.call("car", "trRemove", id=str(cars[0])))
        refused = self.admin.call("car", "trRemove", id=str(cars[1]))
        self.assertRefused(refused, 200)
        self.assertEqual(value("SELECT count(*) FROM cars WHERE id = %s", (cars[1],)), 1)
        # A car of no driver goes.
        spare = insert("cars", uuid=unique("car"), identifier=unique("AA"), model="Lanos")
        self.assertDone(self.admin.call("car", "trRemove", id=str(spare)))

    def test_system_records_stay(self):
        company = new_company(is_system=1)
        self.assertRefused(self.admin.call("company", "trRemove", id=str(company)), 200)
        group = insert("user_groups", name=unique("group"), is_system=1)
        self.assertRefused(self.admin.call("ug", "trRemove", id=str(group)), 200)
        self.assertRefused(self.admin.call("ug", "trRemove", id=str(admin_group())), 400)
        user = insert("users", sign=unique("sys"), rst_id_group=admin_group(), is_system=1)
        self.assertRefused(self.admin.call("user", "trRemove", id=str(user)), 200)
        self.assertEqual(value("SELECT count(*) FROM users WHERE id = %s", (user,)), 1)
        ordinary = new_company()
        self.assertDone(self.admin.call("company", "trRemove", id=str(ordinary)))

    def test_a_lock_refusal_names_the_holder(self):
        second = self.client("second")
        city = self.assertDone(self.admin.call("city", "trNew", name=unique("city")))
        self.assertDone(second.call("city", "trLock", id=city["id"]))
        refused = self.admin.call("city", "trLock", id=city["id"])
        self.assertRefused(refused, 100)
        self.assertIn("locked by second", refused["exception_description"])


class NewColleaguePassword(RulesCase):
    def test_a_user_made_without_password_gets_one(self):
        sign = unique("colleague")
        user = self.assertDone(self.admin.call("user", "trNew", sign=sign, **person()))
        new = digest("first day")
        # The dialog sends the digest of the empty old password.
        self.assertRefused(self.admin.call("user", "trChangePwd", id=user["id"], pwd=new, pwd_confirm=new,
                                           old_pwd=digest("guess")), 202)
        self.assertDone(self.admin.call("user", "trChangePwd", id=user["id"], pwd=new, pwd_confirm=new,
                                        old_pwd=digest("")))
        self.client(sign, "first day")
        # Once it has one, the empty old password no longer does.
        other = digest("second day")
        self.assertRefused(self.admin.call("user", "trChangePwd", id=user["id"], pwd=other, pwd_confirm=other,
                                           old_pwd=digest("")), 202)
        self.assertDone(self.admin.call("user", "trChangePwd", id=user["id"], pwd=other, pwd_confirm=other,
                                        old_pwd=new))


if __name__ == "__main__":
    unittest.main()
