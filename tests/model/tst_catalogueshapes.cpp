#include "shapefile.h"
#include "shapenames.h"

#include "model/base/balance/balancegroup.h"
#include "model/base/balance/balancetype.h"
#include "model/base/balance/companybalancegroup.h"
#include "model/base/balance/companybalancetype.h"
#include "model/base/balance/driverbalancegroup.h"
#include "model/base/balance/driverbalancetype.h"
#include "model/base/car/car.h"
#include "model/base/company/company.h"
#include "model/base/databaseinitializer.h"
#include "model/base/driver/attributes/bodytype.h"
#include "model/base/driver/attributes/carbrand.h"
#include "model/base/driver/attributes/carcolor.h"
#include "model/base/driver/driver.h"
#include "model/base/rating/driverratinglog.h"
#include "model/base/sms/sms.h"
#include "model/catalogues.h"
#include "model/orlem/balance/companybalancegroup.h"
#include "model/orlem/balance/companybalancetype.h"
#include "model/orlem/company/company.h"
#include "model/orlem/company/terminalcompany.h"
#include "model/orlem/driver/attributes/bodytype.h"
#include "model/orlem/driver/attributes/carbrand.h"
#include "model/orlem/driver/attributes/carcolor.h"
#include "model/orlem/driver/driver.h"

#include "common/core/db/querybuilder.h"
#include "common/core/exception/exception.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <memory>
#include <typeinfo>

using namespace Model;

namespace {

using Factory = Creator::Factory;

const QHash<QString, Factory> &factories()
{
    static const QHash<QString, Factory> all{
        {"Model::Base::Company", Creator::factory<Base::Company>()},
        {"Model::Orlem::Company", Creator::factory<Orlem::Company>()},
        {"Model::Orlem::TerminalCompany", Creator::factory<Orlem::TerminalCompany>()},
        {"Model::Base::Driver", Creator::factory<Base::Driver>()},
        {"Model::Orlem::Driver", Creator::factory<Orlem::Driver>()},
        {"Model::Base::Car", Creator::factory<Base::Car>()},
        {"Model::Base::BodyType", Creator::factory<Base::BodyType>()},
        {"Model::Orlem::BodyType", Creator::factory<Orlem::BodyType>()},
        {"Model::Base::CarBrand", Creator::factory<Base::CarBrand>()},
        {"Model::Orlem::CarBrand", Creator::factory<Orlem::CarBrand>()},
        {"Model::Base::CarColor", Creator::factory<Base::CarColor>()},
        {"Model::Orlem::CarColor", Creator::factory<Orlem::CarColor>()},
        {"Model::Base::Sms", Creator::factory<Base::Sms>()},
        {"Model::Base::DriverRatingLog", Creator::factory<Base::DriverRatingLog>()},
        {"Model::Base::BalanceGroup", Creator::factory<Base::BalanceGroup>()},
        {"Model::Base::CompanyBalanceGroup", Creator::factory<Base::CompanyBalanceGroup>()},
        {"Model::Orlem::CompanyBalanceGroup", Creator::factory<Orlem::CompanyBalanceGroup>()},
        {"Model::Base::DriverBalanceGroup", Creator::factory<Base::DriverBalanceGroup>()},
        {"Model::Base::BalanceType", Creator::factory<Base::BalanceType>()},
        {"Model::Base::CompanyBalanceType", Creator::factory<Base::CompanyBalanceType>()},
        {"Model::Orlem::CompanyBalanceType", Creator::factory<Orlem::CompanyBalanceType>()},
        {"Model::Base::DriverBalanceType", Creator::factory<Base::DriverBalanceType>()},
    };
    return all;
}

// The fragments and classes of the shape files, merged.
struct ShapeFiles
{
    QJsonObject fragments;
    QJsonObject classes;
};

const ShapeFiles &shapeFiles()
{
    static const ShapeFiles files = [] {
        ShapeFiles result;
        for (const char *name : {"fleet", "balancegroups"}) {
            const QJsonObject root = ShapeFile::load(QStringLiteral("%1.json").arg(name));
            if (root.isEmpty())
                qFatal("cannot read shapes/%s.json", name);
            for (const QString &key : {QStringLiteral("fragments"), QStringLiteral("classes")}) {
                QJsonObject &target = key == QLatin1String("fragments") ? result.fragments : result.classes;
                const QJsonObject part = root.value(key).toObject();
                for (auto it = part.begin(); it != part.end(); ++it)
                    target.insert(it.key(), it.value());
            }
        }
        return result;
    }();
    return files;
}

struct Expected
{
    QVector<QJsonArray> fields;
    QList<QStringList> indexes;
};

void appendField(Expected &expected, const QJsonArray &row)
{
    const QString name = row.at(0).toString();
    for (int i = 0; i < expected.fields.size(); ++i) {
        if (expected.fields.at(i).at(0).toString() == name) {
            expected.fields.remove(i);
            break;
        }
    }
    expected.fields.append(row);
}

// A fragment, or a class built from its parts, its changes and its own fields and indexes.
Expected compose(const QString &name)
{
    const ShapeFiles &files = shapeFiles();
    const QJsonObject entry = files.classes.contains(name) ? files.classes.value(name).toObject()
                                                           : files.fragments.value(name).toObject();
    if (entry.isEmpty())
        qFatal("no shape named %s", qPrintable(name));
    Expected expected;
    for (const QJsonValue &part : entry.value("from").toArray()) {
        const Expected inner = compose(part.toString());
        for (const QJsonArray &row : inner.fields)
            appendField(expected, row);
        expected.indexes += inner.indexes;
    }
    const QJsonObject changes = entry.value("changes").toObject();
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        for (QJsonArray &row : expected.fields) {
            if (row.at(0).toString() == it.key())
                row[3] = it.value();
        }
    }
    for (const QJsonValue &row : entry.value("fields").toArray())
        appendField(expected, row.toArray());
    for (const QJsonValue &index : entry.value("indexes").toArray()) {
        QStringList columns;
        for (const QJsonValue &column : index.toArray())
            columns.append(column.toString());
        expected.indexes.append(columns);
    }
    return expected;
}

quint64 flagsOf(const QString &text)
{
    quint64 flags = 0;
    for (const QString &name : text.split('|', Qt::SkipEmptyParts))
        flags |= ShapeNames::flag(name);
    return flags;
}

// Empty when the field matches the row; otherwise what differs.
QString mismatch(const Field &field, const QJsonArray &row)
{
    QStringList faults;
    const auto check = [&faults](bool ok, const QString &what) {
        if (!ok)
            faults.append(what);
    };
    check(field.title == row.at(1).toString(), QStringLiteral("caption '%1'").arg(field.title));
    check(field.type == ShapeNames::type(row.at(2).toString()), QStringLiteral("type %1").arg(field.type));
    check(field.flags == flagsOf(row.at(3).toString()), QStringLiteral("flags %1").arg(field.flags));
    check(field.required == row.at(4).toBool(), QStringLiteral("required %1").arg(field.required));

    const QString defaultText = row.at(5).toString();
    const QVariant value = field.defaultValue;
    if (row.at(5).isNull()) {
        check(!value.isValid(), QStringLiteral("default %1").arg(value.toString()));
    } else if (defaultText == QLatin1String("utc_offset")) {
        const QString minutes = QString::number(QDateTime::currentDateTime().offsetFromUtc() / 60);
        check(value.userType() == QMetaType::QString && value.toString() == minutes,
              QStringLiteral("default %1").arg(value.toString()));
    } else {
        const QString kind = defaultText.section(':', 0, 0);
        const QString text = defaultText.section(':', 1);
        const int type = kind == QLatin1String("int")      ? QMetaType::Int
                       : kind == QLatin1String("double") ? QMetaType::Double
                       : kind == QLatin1String("float")  ? QMetaType::Float
                                                          : QMetaType::QString;
        const bool same = kind == QLatin1String("text") ? value.toString() == text
                                                        : value.toDouble() == text.toDouble();
        check(value.userType() == type && same,
              QStringLiteral("default %1 of type %2").arg(value.toString(), QLatin1String(value.typeName())));
    }

    const QString reference = row.at(6).toString();
    if (reference.startsWith(QLatin1String("ref:"))) {
        const QStringList parts = reference.split(':');
        check(field.refTable == parts.at(1) && field.refColumn == QLatin1String("id")
                  && field.onDelete() == ShapeNames::action(parts.at(2))
                  && field.onUpdate() == ShapeNames::action(parts.at(3)),
              QStringLiteral("reference %1(%2) %3/%4")
                  .arg(field.refTable, field.refColumn)
                  .arg(field.onDelete())
                  .arg(field.onUpdate()));
    } else if (reference.startsWith(QLatin1String("from:"))) {
        const QString source = reference.section(' ', 0, 0).mid(5);
        const QString via = reference.contains(QLatin1String(" via:")) ? reference.section(" via:", 1) : QString();
        check(field.refTable + '.' + field.attachedColumn == source && field.attachedJoin == via,
              QStringLiteral("source %1.%2 via '%3'").arg(field.refTable, field.attachedColumn, field.attachedJoin));
    } else {
        check(field.refTable.isEmpty() && field.attachedColumn.isEmpty() && field.onDelete() == FK_NONE,
              QStringLiteral("reference to '%1'").arg(field.refTable));
    }
    return faults.join(QLatin1String(", "));
}

} // namespace

// Field catalogues of companies, drivers, cars, car attributes, balance groups and types, SMS and
// driver rating logs, against the expected shapes in tests/model/shapes.
class TestCatalogueShapes : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void libraryList();
    void secretsAreNoFilterOrSortKeys();
};

void TestCatalogueShapes::shapes_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = shapeFiles().classes.keys();
    QCOMPARE(QSet<QString>(names.begin(), names.end()),
             QSet<QString>(factories().keyBegin(), factories().keyEnd()));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestCatalogueShapes::shapes()
{
    QFETCH(QString, name);
    const QJsonObject entry = shapeFiles().classes.value(name).toObject();
    const Expected expected = compose(name);
    const std::unique_ptr<AbstractModel> model(factories().value(name)());

    QCOMPARE(model->tableName(), entry.value("table").toString());
    QStringList names;
    for (const QJsonArray &row : expected.fields)
        names.append(row.at(0).toString());
    QCOMPARE(model->fieldNamesBySerial(), names);
    for (const QJsonArray &row : expected.fields) {
        const QString fault = mismatch(model->field(row.at(0).toString()), row);
        QVERIFY2(fault.isEmpty(), qPrintable(row.at(0).toString() + QLatin1String(": ") + fault));
    }
    QCOMPARE(model->indexes(), expected.indexes);
    QCOMPARE(model->limit(), qint64(entry.value("limit").toInt(0)));
    QCOMPARE(model->uuidFieldName(), entry.value("uuidFieldName").toString("uuid"));

    // The expected totals, where the shape file gives them.
    int attached = 0;
    for (const Field &field : model->fields())
        attached += field.has(ATTACHED) ? 1 : 0;
    const QVector<QPair<const char *, int>> totals{
        {"fieldCount", model->fields().size()}, {"columnCount", model->columnCount()}, {"attachedCount", attached}};
    for (const auto &[key, actual] : totals) {
        if (entry.contains(key))
            QVERIFY2(actual == entry.value(key).toInt(), qPrintable(QStringLiteral("%1 %2").arg(key).arg(actual)));
    }
}

void TestCatalogueShapes::libraryList()
{
    const QVector<Factory> list = allCatalogues();
    // Every catalogue with a table is listed, and every other catalogue of its table is a subset of
    // the most complete one (plan throws otherwise).
    QSet<QString> listed;
    for (const Factory &factory : list) {
        const std::unique_ptr<AbstractModel> model(factory());
        listed.insert(QLatin1String(typeid(*model).name()));
    }
    for (auto it = factories().cbegin(); it != factories().cend(); ++it) {
        const std::unique_ptr<AbstractModel> model(it.value()());
        if (!model->tableName().isEmpty())
            QVERIFY2(listed.contains(QLatin1String(typeid(*model).name())), qPrintable(it.key()));
    }
    QVector<DatabaseInitializer::Table> tables;
    try {
        tables = DatabaseInitializer::plan(list);
    } catch (const Exception &e) {
        QFAIL(qPrintable(e.message()));
    }

    // The registry gives the most complete catalogue of each table.
    registerAllCatalogues();
    registerAllCatalogues();
    const QVector<QPair<QString, std::function<bool(AbstractModel *)>>> expected{
        {"companies", [](AbstractModel *m) { return dynamic_cast<Orlem::Company *>(m); }},
        {"terminal_companies", [](AbstractModel *m) { return dynamic_cast<Orlem::TerminalCompany *>(m); }},
        {"drivers", [](AbstractModel *m) { return dynamic_cast<Orlem::Driver *>(m); }},
        {"cars", [](AbstractModel *m) { return dynamic_cast<Base::Car *>(m); }},
        {"car_body_types", [](AbstractModel *m) { return dynamic_cast<Orlem::BodyType *>(m); }},
        {"car_brands", [](AbstractModel *m) { return dynamic_cast<Orlem::CarBrand *>(m); }},
        {"car_colors", [](AbstractModel *m) { return dynamic_cast<Orlem::CarColor *>(m); }},
        {"company_balance_groups", [](AbstractModel *m) { return dynamic_cast<Orlem::CompanyBalanceGroup *>(m); }},
        {"company_balance_types", [](AbstractModel *m) { return dynamic_cast<Orlem::CompanyBalanceType *>(m); }},
        {"driver_balance_groups", [](AbstractModel *m) { return dynamic_cast<Base::DriverBalanceGroup *>(m); }},
        {"driver_balance_types", [](AbstractModel *m) { return dynamic_cast<Base::DriverBalanceType *>(m); }},
    };
    for (const auto &[table, isExpected] : expected) {
        const std::unique_ptr<AbstractModel> model(Creator::instance(table));
        QVERIFY2(isExpected(model.get()), qPrintable(table + QLatin1String(": ") + typeid(*model).name()));
    }
    for (const DatabaseInitializer::Table &table : tables)
        QVERIFY2(Creator::isRegistered(table.name), qPrintable(table.name));
}


// Requests may filter and sort by HIDDEN fields such as balances, but never by credentials, which
// would let a list request guess a stored secret one comparison at a time.
void TestCatalogueShapes::secretsAreNoFilterOrSortKeys()
{
    QSet<QString> credentials;
    QSet<QString> hiddenKeys;
    for (const Creator::Factory &factory : allCatalogues()) {
        const std::unique_ptr<AbstractModel> model(factory());
        const Common::QueryBuilder builder(*model);
        for (auto it = model->fields().cbegin(); it != model->fields().cend(); ++it) {
            const QString &name = it.key();
            const Field &field = it.value();
            if (field.has(CUSTOM) || name == QLatin1String("id"))
                continue;
            const bool credential = Common::Catalogue::isCredential(name, field);
            const QString where = QStringLiteral(R"([{"condition":"and","expressions":[)"
                                                 R"({"role":"%1","operation":">","value":"a","condition":"and"}]}])").arg(name);
            QString refusals;
            for (const auto &request : QVector<std::function<void()>>{
                     [&] { builder.listSelect({}, {}, {}, 0, QJsonDocument::fromJson(where.toUtf8())); },
                     [&] { builder.listSelect({}, {}, {{name, 0}}, 0, {}); }}) {
                try {
                    request();
                    refusals += QLatin1Char('-');
                } catch (const Exception &) {
                    refusals += QLatin1Char('x');
                }
            }
            const QString label = model->tableName() + QLatin1Char('.') + name;
            QVERIFY2(refusals == (credential ? "xx" : "--"), qPrintable(label + QLatin1Char(' ') + refusals));
            (credential ? credentials : hiddenKeys).insert(field.has(HIDDEN) ? name : QString());
        }
    }
    credentials.remove(QString());
    hiddenKeys.remove(QString());
    QCOMPARE(credentials, (QSet<QString>{"pwd", "password", "fondy_credit_key", "private_key"}));
    QVERIFY2(hiddenKeys.contains("balance") && hiddenKeys.contains("personal") && hiddenKeys.contains("db"),
             qPrintable(QStringList(hiddenKeys.values()).join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestCatalogueShapes)
#include "tst_catalogueshapes.moc"
