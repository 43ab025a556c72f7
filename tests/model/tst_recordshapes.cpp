#include "shapefile.h"
#include "shapenames.h"

#include "model/base/balance/balancelog.h"
#include "model/base/balance/driverbalancelog.h"
#include "model/base/creator.h"
#include "model/base/media/media.h"
#include "model/base/payment/paymentsystem.h"
#include "model/base/payment/paymentsystemaccountscompany.h"
#include "model/base/payment/paymentsystempaymentslog.h"
#include "model/base/search/searchrole.h"
#include "model/base/session/guisession.h"
#include "model/base/session/usersession.h"
#include "model/base/shell/launcher.h"
#include "model/base/shell/ownerkeeper.h"
#include "model/base/shell/toolbar.h"
#include "model/base/value/value.h"
#include "model/base/version/version.h"
#include "model/orlem/balance/companybalancelog.h"
#include "model/orlem/balance/driverbalancetransfer.h"
#include "model/orlem/crash/crashreport.h"
#include "model/orlem/rating/driverratingcoefficient.h"
#include "model/orlem/session/driversession.h"
#include "model/orlem/sms/sms.h"
#include "model/orlem/value/value.h"
#include "model/tavik/balance/cardbalancelog.h"
#include "model/tavik/balance/userbalancelog.h"
#include "model/tavik/rating/driverratinglog.h"
#include "model/tavik/session/userguisession.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Model;

namespace {

using Factory = Creator::Factory;

const QHash<QString, Factory> &factories()
{
    static const QHash<QString, Factory> all{
        {"Model::Base::BalanceLog", Creator::factory<Base::BalanceLog>()},
        {"Model::Orlem::CompanyBalanceLog", Creator::factory<Orlem::CompanyBalanceLog>()},
        {"Model::Base::DriverBalanceLog", Creator::factory<Base::DriverBalanceLog>()},
        {"Model::Tavik::CardBalanceLog", Creator::factory<Tavik::CardBalanceLog>()},
        {"Model::Tavik::UserBalanceLog", Creator::factory<Tavik::UserBalanceLog>()},
        {"Model::Orlem::DriverBalanceTransfer", Creator::factory<Orlem::DriverBalanceTransfer>()},
        {"Model::Base::UserSession", Creator::factory<Base::UserSession>()},
        {"Model::Orlem::DriverSession", Creator::factory<Orlem::DriverSession>()},
        {"Model::Base::GuiSession", Creator::factory<Base::GuiSession>()},
        {"Model::Tavik::UserGuiSession", Creator::factory<Tavik::UserGuiSession>()},
        {"Model::Base::Media", Creator::factory<Base::Media>()},
        {"Model::Orlem::Sms", Creator::factory<Orlem::Sms>()},
        {"Model::Base::Value", Creator::factory<Base::Value>()},
        {"Model::Orlem::Value", Creator::factory<Orlem::Value>()},
        {"Model::Orlem::DriverRatingCoefficient", Creator::factory<Orlem::DriverRatingCoefficient>()},
        {"Model::Tavik::DriverRatingLog", Creator::factory<Tavik::DriverRatingLog>()},
        {"Model::Base::Version", Creator::factory<Base::Version>()},
        {"Model::Orlem::CrashReport", Creator::factory<Orlem::CrashReport>()},
        {"Model::Base::SearchRole", Creator::factory<Base::SearchRole>()},
        {"Model::Base::PaymentSystem", Creator::factory<Base::PaymentSystem>()},
        {"Model::Base::PaymentSystemAccountsCompany", Creator::factory<Base::PaymentSystemAccountsCompany>()},
        {"Model::Base::PaymentSystemPaymentsLog", Creator::factory<Base::PaymentSystemPaymentsLog>()},
        {"Model::Base::ToolBar", Creator::factory<Base::ToolBar>()},
        {"Model::Base::Launcher", Creator::factory<Base::Launcher>()},
        {"Model::Base::OwnerKeeper", Creator::factory<Base::OwnerKeeper>()},
    };
    return all;
}

const QStringList shapeFiles{"ledgers", "sessions", "services", "payments", "shell"};

// Every entry of the shape files by class name.
QJsonObject shapes()
{
    QJsonObject all;
    for (const QString &file : shapeFiles) {
        const QJsonObject entries = ShapeFile::load(file + ".json");
        if (entries.isEmpty())
            qFatal("cannot read shapes/%s.json", qPrintable(file));
        for (auto it = entries.begin(); it != entries.end(); ++it)
            all.insert(it.key(), it.value());
    }
    return all;
}

// Fields in declaration order: the common ones, then each base's and the class's own; a field
// declared again leaves its former place for the new one.
QVector<QJsonObject> expectedFields(const QJsonObject &all, const QString &name)
{
    const QJsonObject entry = all.value(name).toObject();
    QVector<QJsonObject> fields;
    if (entry.contains("base")) {
        fields = expectedFields(all, entry.value("base").toString());
    } else {
        for (const char *common : {"id", "rst_id_user_locked", "dt_utc_last_update", "dt_utc_insert"})
            fields.append(QJsonObject{{"name", common}, {"common", true}});
    }
    for (const QJsonValue &value : entry.value("declared").toArray()) {
        const QJsonObject field = value.toObject();
        for (int i = 0; i < fields.size(); ++i) {
            if (fields[i].value("name") == field.value("name")) {
                fields.remove(i);
                break;
            }
        }
        fields.append(field);
    }
    return fields;
}

quint64 flagsOf(const QJsonArray &names)
{
    quint64 flags = 0;
    for (const QJsonValue &name : names)
        flags |= ShapeNames::flag(name.toString());
    return flags;
}

// Why the default differs from "int:N", "real:X", "text:S", "url:/path" (an https address with
// that path) or none; empty when it matches.
QString defaultFault(const QVariant &actual, const QString &expected)
{
    const QString kind = expected.section(':', 0, 0);
    const QString text = expected.section(':', 1);
    const int type = actual.userType();
    if (expected.isEmpty())
        return actual.isValid() ? "a default " + actual.toString() + ", none expected" : QString();
    const QString shown = QStringLiteral("%1 (%2)").arg(actual.toString(), QLatin1String(actual.typeName()));
    if (kind == "int") {
        const bool integer = type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt
                          || type == QMetaType::ULongLong;
        return integer && actual.toLongLong() == text.toLongLong() ? QString() : shown;
    }
    if (kind == "real") {
        const bool real = type == QMetaType::Double || type == QMetaType::Float;
        return real && qFuzzyCompare(actual.toDouble(), text.toDouble()) ? QString() : shown;
    }
    if (type != QMetaType::QString)
        return shown;
    if (kind == "text")
        return actual.toString() == text ? QString() : shown;
    const QUrl url(actual.toString());
    return url.scheme() == "https" && !url.host().isEmpty() && url.path() == text ? QString() : shown;
}

} // namespace

// Field catalogues of ledgers, transfers, sessions, media, SMS, values, rating, versions, crash
// reports, payments and the client-side lists, against their expected shapes in the shape files.
class TestRecordShapes : public QObject
{
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
    void secretsMasked();
};

void TestRecordShapes::shape_data()
{
    QTest::addColumn<QString>("name");
    const QJsonObject all = shapes();
    int tested = 0;
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.value().toObject().value("abstract").toBool())
            continue;
        QTest::newRow(qPrintable(it.key())) << it.key();
        ++tested;
    }
    // Every catalogue of the factory list has a shape, and every shape a catalogue.
    if (tested != factories().size())
        qFatal("%d shapes for %d catalogues", tested, int(factories().size()));
}

void TestRecordShapes::shape()
{
    QFETCH(QString, name);
    const QJsonObject all = shapes();
    const QJsonObject entry = all.value(name).toObject();
    QVERIFY2(factories().contains(name), "no catalogue of that name");
    const std::unique_ptr<AbstractModel> model(factories().value(name)());

    QCOMPARE(model->tableName(), entry.value("table").toString());
    QCOMPARE(model->limit(), qint64(entry.value("limit").toInt()));
    QCOMPARE(model->uuidFieldName(), QString("uuid"));
    QCOMPARE(model->fields().size(), entry.value("fields").toInt());
    QCOMPARE(model->columnCount(), entry.value("columns").toInt());

    const QVector<QJsonObject> expected = expectedFields(all, name);
    QStringList expectedOrder;
    for (const QJsonObject &field : expected)
        expectedOrder.append(field.value("name").toString());
    QCOMPARE(model->fieldNamesBySerial(), expectedOrder);
    if (entry.contains("order")) {
        QStringList order;
        for (const QJsonValue &value : entry.value("order").toArray())
            order.append(value.toString());
        QCOMPARE(model->fieldNamesBySerial(), order);
    }

    for (const QJsonObject &e : expected) {
        if (e.value("common").toBool())
            continue;
        const QString column = e.value("name").toString();
        const Field &f = model->field(column);
        const QByteArray where = (name + "." + column).toUtf8();
        QVERIFY2(f.title == e.value("title").toString(), where + ": title " + f.title.toUtf8());
        QVERIFY2(f.type == ShapeNames::type(e.value("type").toString()), where + ": type");
        QVERIFY2(f.flags == flagsOf(e.value("flags").toArray()), where + ": flags " + QByteArray::number(f.flags));
        QVERIFY2(f.required == e.value("required").toBool(), where + ": required");
        const QString fault = defaultFault(f.defaultValue, e.value("default").toString());
        QVERIFY2(fault.isEmpty(), where + ": default " + fault.toUtf8());
        if (e.contains("ref")) {
            QVERIFY2(f.refTable == e.value("ref").toString(), where + ": referenced table " + f.refTable.toUtf8());
            QVERIFY2(f.refColumn == "id", where + ": referenced column");
            QVERIFY2(f.onDelete() == ShapeNames::action(e.value("onDelete").toString()), where + ": ON DELETE");
            QVERIFY2(f.onUpdate() == ShapeNames::action(e.value("onUpdate").toString()), where + ": ON UPDATE");
        } else if (e.contains("attached")) {
            const QString source = f.refTable + "." + f.attachedColumn;
            QVERIFY2(source == e.value("attached").toString(), where + ": joined from " + source.toUtf8());
            QVERIFY2(f.attachedJoin.isEmpty(), where + ": joined through another table");
        } else {
            QVERIFY2(f.refTable.isEmpty(), where + ": references " + f.refTable.toUtf8());
        }
    }

    QList<QStringList> indexes;
    for (const QJsonValue &index : entry.value("indexes").toArray()) {
        QStringList columns;
        for (const QJsonValue &column : index.toArray())
            columns.append(column.toString());
        indexes.append(columns);
    }
    QCOMPARE(model->indexes(), indexes);

    const QJsonObject populated = entry.value("afterPopulate").toObject();
    if (!populated.isEmpty()) {
        model->populateDefault();
        for (auto it = populated.begin(); it != populated.end(); ++it)
            QVERIFY2(model->value(it.key()).toString() == it.value().toString(),
                     qPrintable(it.key() + ": " + model->value(it.key()).toString()));
    }
}

void TestRecordShapes::secretsMasked()
{
    struct Case
    {
        Factory factory;
        QStringList secrets;
        QStringList plain;
    };
    const Case cases[] = {
        {Creator::factory<Base::PaymentSystem>(), {"password", "fondy_credit_key"}, {"login", "api_url", "name"}},
        {Creator::factory<Base::PaymentSystemAccountsCompany>(), {"private_key"}, {"public_key", "payee", "account"}},
        {Creator::factory<Orlem::DriverBalanceTransfer>(), {"password"}, {"trn_key", "sign_contributor"}},
        {Creator::factory<Orlem::CrashReport>(), {"db"}, {}},
    };
    for (const Case &c : cases) {
        const std::unique_ptr<AbstractModel> model(c.factory());
        QStringList names = c.secrets + c.plain;
        for (const QString &column : names)
            model->setValue(column, "value-of-" + column);
        const QString shown = model->debugString(names);
        for (const QString &column : c.secrets) {
            QVERIFY2(model->field(column).has(HIDDEN), qPrintable(column));
            QVERIFY2(shown.contains(QStringLiteral("'%1'='***'").arg(column)), qPrintable(shown));
            QVERIFY2(!shown.contains("value-of-" + column), qPrintable(shown));
        }
        for (const QString &column : c.plain)
            QVERIFY2(shown.contains(QStringLiteral("'%1'='value-of-%1'").arg(column)), qPrintable(shown));
    }
}

QTEST_GUILESS_MAIN(TestRecordShapes)
#include "tst_recordshapes.moc"
