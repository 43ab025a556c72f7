#include "prefixtranslator.h"

#include "model/base/abstractmodel.h"
#include "model/base/creator.h"
#include "model/base/namedmodel.h"
#include "model/base/nosuchfieldexception.h"
#include "model/helper/balance.h"
#include "model/helper/drivergroupadditionalpayment.h"
#include "model/helper/drivergroupdistancepenalty.h"
#include "model/helper/groupbalance.h"
#include "model/helper/ownerbalance.h"
#include "model/helper/useutcoffset.h"
#include "model/helper/utcoffset.h"

#include <QtTest>

#include <ctime>

using namespace Model;

namespace {

// A catalogue mixing groups the way the owner catalogues do; GroupBalance comes last and so wins
// the columns it shares with OwnerBalance.
class Owner : public AbstractModel, public Helper::UtcOffset, public Helper::OwnerBalance, public Helper::GroupBalance
{
public:
    Owner()
        : UtcOffset(this)
        , OwnerBalance(this)
        , GroupBalance(this)
    {
        declareColumn("sign", SQL_TEXT, true, QVariant(), QObject::tr("Sign"), UNIQUE);
        declareReference("rst_id_group", "owner_groups", QObject::tr("Group"));
        declareAttached("group_name", "owner_groups", "name", QObject::tr("Group"));
        declareDisplay("sign_string", QObject::tr("Sign"));
        declareColumn("password", SQL_TEXT, false, QVariant(), QObject::tr("Password"));
        declareColumn("note", SQL_TEXT, false, QVariant(), QObject::tr("Note"), HIDDEN);
        declareColumn("rating", SQL_DOUBLE, false, QVariant(), QObject::tr("Rating"));
    }
    QString tableName() const override { return QStringLiteral("owners"); }
};

void setZone(const QByteArray &tz)
{
    qputenv("TZ", tz);
    tzset();
}

} // namespace

// Field descriptors, the catalogue base, field groups and the catalogue registry.
class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void fieldDescriptor();
    void commonFields();
    void byNameAccess();
    void declarationOrder();
    void debugString();
    void populateDefault();
    void fieldGroups();
    void utcOffsetDefault_data();
    void utcOffsetDefault();
    void translatedCaptions();
    void requestOptions();
    void creator();
};

void TestModel::fieldDescriptor()
{
    const Field first;
    const Field second(REFERENCE, "cars");
    QCOMPARE(second.serial, first.serial + 1);
    const Field copy = second;
    QCOMPARE(copy.serial, second.serial);

    QVERIFY(first.required);
    QVERIFY(first.value.isValid());
    QCOMPARE(first.value.toString(), QString());
    QVERIFY(!first.defaultValue.isValid());
    QCOMPARE(first.type, qint32(SQL_UNDEFINED));
    QVERIFY(!second.required);
    QCOMPARE(second.refTable, QString("cars"));

    Field f(UNIQUE);
    f.addFlags(0).clearFlags(HIDDEN);
    QCOMPARE(f.flags, quint64(UNIQUE));
    f.addFlags(HIDDEN | CUSTOM).clearFlags(CUSTOM);
    QCOMPARE(f.flags, quint64(UNIQUE | HIDDEN));

    Field ref(REFERENCE, "drivers");
    ref.setReference(FK_CASCADE, FK_SET_NULL, SQL_BIGINTEGER, true, 1);
    QCOMPARE(ref.refColumn, QString("id"));
    QCOMPARE(ref.onDelete(), quint8(3));
    QCOMPARE(ref.onUpdate(), quint8(4));
    QCOMPARE(ref.defaultValue.toInt(), 1);
    QVERIFY(ref.required);
    Field explicitRef(REFERENCE, "drivers");
    explicitRef.setReference("uid", FK_RESTRICT, FK_NONE, SQL_INTEGER, false);
    QCOMPARE(explicitRef.refColumn, QString("uid"));
    QCOMPARE(explicitRef.onUpdate(), quint8(0));
    QVERIFY(!explicitRef.required);
    const Field toCars = Field::referenceTo("cars", FK_SET_DEFAULT, NON_UPDATABLE);
    QCOMPARE(toCars.flags, quint64(REFERENCE | NON_UPDATABLE));
    QCOMPARE(toCars.refTable, QString("cars"));
    QCOMPARE(toCars.refColumn, QString("id"));
    QCOMPARE(toCars.onDelete(), quint8(FK_SET_DEFAULT));
    QCOMPARE(toCars.onUpdate(), quint8(FK_CASCADE));
    QCOMPARE(toCars.type, qint32(SQL_BIGINTEGER));
    QVERIFY(toCars.required);
    QCOMPARE(toCars.defaultValue, QVariant(1));

    // An empty text in a numeric column is bound as SQL NULL; in a text column it stays empty text.
    Field number;
    number.setType(SQL_BIGINTEGER, false);
    QVERIFY(number.bindValue().isNull());
    Field text;
    text.setType(SQL_TEXT, false);
    QVERIFY(!text.bindValue().isNull());
    number.value = 7;
    QCOMPARE(number.bindValue().toInt(), 7);
}

void TestModel::commonFields()
{
    const NamedModel model("company_balance_groups");
    QCOMPARE(model.tableName(), QString("company_balance_groups"));
    QCOMPARE(model.fieldNamesBySerial(),
             QStringList({"id", "rst_id_user_locked", "dt_utc_last_update", "dt_utc_insert"}));
    QCOMPARE(model.limit(), qint64(0));
    QCOMPARE(model.uuidFieldName(), QString("uuid"));
    QCOMPARE(model.indexes(), QList<QStringList>({{"rst_id_user_locked"}}));

    struct Expected
    {
        const char *name, *title;
        quint64 flags;
        bool required;
        QVariant defaultValue;
    };
    const Expected expected[] = {
        {"id", "Id", PRIMARY_KEY | SYNC_TAX, true, QVariant()},
        {"rst_id_user_locked", "User locked", NON_UPDATABLE, false, 1},
        {"dt_utc_last_update", "Update time", UPDATE_TIMESTAMP, true, 0},
        {"dt_utc_insert", "Insert time", INSERT_TIMESTAMP, true, 0},
    };
    for (const Expected &e : expected) {
        const Field &f = model.field(e.name);
        QCOMPARE(f.title, QString(e.title));
        QCOMPARE(f.type, qint32(SQL_BIGINTEGER));
        QCOMPARE(f.flags, e.flags);
        QCOMPARE(f.required, e.required);
        QCOMPARE(f.defaultValue, e.defaultValue);
    }
}

void TestModel::byNameAccess()
{
    Owner model;
    const auto throwsFor = [&model](const char *what, const std::function<void()> &call) {
        try {
            call();
        } catch (const NoSuchFieldException &e) {
            return e.message() == QStringLiteral("Field name %1 doesn't exist in controller owners").arg(what);
        }
        return false;
    };
    QVERIFY(throwsFor("nope", [&] { model.value("nope"); }));
    QVERIFY(throwsFor("nope", [&] { model.setValue("nope", 1); }));
    QVERIFY(throwsFor("nope", [&] { model.field("nope"); }));
    QVERIFY(throwsFor("nope", [&] { model.clearFieldFlags("nope", UNIQUE); }));
    QVERIFY(throwsFor("nope", [&] { model.renameField("nope", "other"); }));
    QVERIFY(throwsFor(" sign", [&] { model.value(" sign"); }));
    // The kind is caught through the base as well.
    try {
        model.setFieldFlags("%1", 0);
        QFAIL("no exception");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QString("Field name %1 doesn't exist in controller owners"));
    }

    model.setId(42);
    QCOMPARE(model.id(), qint64(42));
    model.setValue("sign", "A-1");
    QCOMPARE(model.value("sign").toString(), QString("A-1"));
    model.clearFieldFlags("sign", UNIQUE).clearFieldFlags("note", HIDDEN);
    QCOMPARE(model.field("sign").flags, quint64(0));
    QCOMPARE(model.field("note").flags, quint64(0));

    const quint64 serial = model.field("sign").serial;
    model.renameField("sign", "sign");
    QCOMPARE(model.fields().count("sign"), 1);
    QCOMPARE(model.field("sign").serial, serial);
    model.renameField("sign", "login");
    QVERIFY(!model.fields().contains("sign"));
    QCOMPARE(model.field("login").serial, serial);
    QCOMPARE(model.value("login").toString(), QString("A-1"));
}

void TestModel::declarationOrder()
{
    Owner model;
    // Common fields, groups in base order, own fields; shared columns take the later group's place.
    QCOMPARE(model.fieldNamesBySerial(),
             QStringList({"id", "rst_id_user_locked", "dt_utc_last_update", "dt_utc_insert", "utc_offset",
                          "override_group_low_balance", "enabled_low_balance", "low_balance", "sign",
                          "rst_id_group", "group_name", "sign_string", "password", "note", "rating"}));
    // Every field but the joined and the display one is a column.
    QCOMPARE(model.columnCount(), 13);
    // Re-declaring replaces the whole descriptor, caption included, and moves the column last.
    model.declare("sign", Field(ORDINARY).setType(SQL_INTEGER, false));
    QCOMPARE(model.field("sign").title, QString());
    QCOMPARE(model.field("sign").type, qint32(SQL_INTEGER));
    QCOMPARE(model.fieldNamesBySerial().last(), QString("sign"));

    const Field &reference = model.field("rst_id_group");
    QCOMPARE(reference.flags, quint64(REFERENCE));
    QCOMPARE(reference.type, qint32(SQL_BIGINTEGER));
    QCOMPARE(reference.defaultValue.toInt(), 1);
    QCOMPARE(reference.onDelete(), quint8(FK_CASCADE));
    QCOMPARE(reference.onUpdate(), quint8(FK_CASCADE));
    QVERIFY(reference.required);
    const Field &attached = model.field("group_name");
    QCOMPARE(attached.flags, quint64(ATTACHED));
    QCOMPARE(attached.type, qint32(SQL_UNDEFINED));
    QVERIFY(!attached.required);
    QCOMPARE(attached.attachedColumn, QString("name"));
    QCOMPARE(model.field("sign_string").flags, quint64(CUSTOM));
}

void TestModel::debugString()
{
    Owner model;
    QCOMPARE(model.debugString({}), QString());
    QCOMPARE(model.debugString({"id"}), QString("'id'=''"));
    model.setValue("sign", "A-1");
    model.setValue("password", "hunter2");
    model.setValue("note", "secret note");
    QCOMPARE(model.debugString({"sign", "password", "note", "unknown"}),
             QString("'sign'='A-1', 'password'='***', 'note'='***', 'unknown'=''"));
}

void TestModel::populateDefault()
{
    Owner model;
    model.setValue("group_name", "kept");
    model.setValue("rating", "kept too");
    model.populateDefault();
    QCOMPARE(model.value("id").toLongLong(), qint64(1));
    QCOMPARE(model.value("sign").toString(), QString("value absent"));
    QCOMPARE(model.value("rst_id_group").toString(), QString("1"));
    QCOMPARE(model.value("rst_id_user_locked").toString(), QString("1"));
    QCOMPARE(model.value("low_balance").toString(), QString("0"));
    QCOMPARE(model.value("group_name").toString(), QString("kept"));
    QCOMPARE(model.value("rating").toString(), QString("kept too"));
    QCOMPARE(model.value("password").toString(), QString());

    model.resetValues();
    QCOMPARE(model.value("group_name").toString(), QString());
    QCOMPARE(model.value("sign").toString(), QString());
}

void TestModel::fieldGroups()
{
    NamedModel model("driver_groups");
    Helper::GroupBalance balance(&model);
    Helper::DriverGroupAdditionalPayment payment(&model);
    Helper::DriverGroupDistancePenalty penalty(&model);
    Helper::UseUtcOffset use(&model);
    Helper::Balance own(&model);

    struct Expected
    {
        const char *name, *title;
        qint32 type;
        quint64 flags;
        QVariant defaultValue;
    };
    const Expected expected[] = {
        {"enabled_low_balance", "Enable low balance", SQL_INTEGER, 0, 0},
        {"low_balance", "Low balance", SQL_REAL, 0, 0},
        {"enabled_additional_payment", "Enable additional payment", SQL_INTEGER, 0, 0},
        {"additional_percent", "Percent", SQL_TEXT, 0, "1=0"},
        {"additional_abs", "Absolute values", SQL_TEXT, 0, "1=0"},
        {"enabled_distance_penalty", "Enable distance penalty", SQL_INTEGER, 0, 0},
        {"distance_penalty", "Distance penalty", SQL_TEXT, 0, "1=0"},
        {"cancel_per_day", "Cancel per day", SQL_INTEGER, 0, 0},
        {"use_utc_offset", "Use UTC offset", SQL_INTEGER, 0, 0},
        {"use_utc_offset_string", "Use UTC offset", SQL_UNDEFINED, CUSTOM, QVariant()},
        {"balance", "Balance", SQL_REAL, NON_UPDATABLE | HIDDEN, 0},
    };
    for (const Expected &e : expected) {
        const Field &f = model.field(e.name);
        QVERIFY2(f.title == e.title, e.name);
        QVERIFY2(f.type == e.type, e.name);
        QVERIFY2(f.flags == e.flags, e.name);
        QVERIFY2(f.defaultValue == e.defaultValue, e.name);
        QVERIFY2(f.required == (e.type != SQL_UNDEFINED), e.name);
    }
    QCOMPARE(model.indexes(), QList<QStringList>({{"rst_id_user_locked"}, {"enabled_additional_payment"},
                                                  {"enabled_distance_penalty"}}));
}

void TestModel::utcOffsetDefault_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("UTC+5:30") << QByteArray("<+0530>-5:30") << "330";
    QTest::newRow("UTC-3:30") << QByteArray("<-0330>3:30") << "-210";
    QTest::newRow("UTC") << QByteArray("UTC0") << "0";
    QTest::newRow("UTC+3") << QByteArray("Europe/Moscow") << "180";
}

void TestModel::utcOffsetDefault()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, minutes);
    const QByteArray saved = qgetenv("TZ");
    setZone(zone);
    NamedModel model("owners");
    Helper::UtcOffset offset(&model);
    setZone(saved);
    const Field &f = model.field("utc_offset");
    QCOMPARE(f.defaultValue.toString(), minutes);
    QCOMPARE(f.flags, quint64(SYNC_TAX));
    QCOMPARE(f.title, QString("UTC offset"));
    // Taken once: a later change of zone does not touch a built catalogue.
    QCOMPARE(model.field("utc_offset").defaultValue.toString(), minutes);
}

void TestModel::translatedCaptions()
{
    PrefixTranslator translator(QStringLiteral("[ru] "));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const Owner translated;
    QCoreApplication::removeTranslator(&translator);
    const Owner plain;
    QCOMPARE(translated.field("id").title, QString("[ru] Id"));
    QCOMPARE(translated.field("low_balance").title, QString("[ru] Low balance"));
    QCOMPARE(translated.field("sign").title, QString("[ru] Sign"));
    QCOMPARE(plain.field("low_balance").title, QString("Low balance"));
}

void TestModel::requestOptions()
{
    Owner model;
    model.applyRequestOptions({{"dt_utc_insert_start", "1700000000000"},
                               {"dt_utc_insert_end", "1 OR 1=1"},
                               {"_where_string", "OR 1=1"}});
    QCOMPARE(model.queryOption("dt_utc_insert_start"), QString("1700000000000"));
    QCOMPARE(model.queryOption("dt_utc_insert_end"), QString());
    QCOMPARE(model.queryOption("_where_string"), QString());
    QCOMPARE(model.whereString(), QString());
}

void TestModel::creator()
{
    const auto failure = [](const QString &name) -> QString {
        try {
            delete Creator::instance(name);
        } catch (const Exception &e) {
            return e.message();
        }
        return QString();
    };
    QVERIFY(failure("").endsWith(": Creator for getting instance of model '' not found"));
    QVERIFY(failure("owners").contains("Model::Creator::instance:"));
    QVERIFY(failure("owners").endsWith("Creator for getting instance of model 'owners' not found"));

    QVERIFY(Creator::registerModel<Owner>());
    QVERIFY(!Creator::registerModel<Owner>());
    QVERIFY(!Creator::registerFactory("", [] { return static_cast<AbstractModel *>(new Owner); }));
    QVERIFY(!Creator::registerFactory("empty", Creator::Factory()));
    QVERIFY(Creator::registerFactory("broken", [] { return static_cast<AbstractModel *>(nullptr); }));

    std::unique_ptr<AbstractModel> made(Creator::instance("owners"));
    QVERIFY(dynamic_cast<Owner *>(made.get()));
    QVERIFY(failure("Owners").endsWith("model 'Owners' not found"));
    QVERIFY(failure("broken").endsWith(": Failed to create model 'broken'"));
    QCOMPARE(Creator::names(), QStringList({"broken", "owners"}));
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
