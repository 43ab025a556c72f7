#include "shapefile.h"

#include "model/base/city/city.h"
#include "model/base/creator.h"
#include "model/base/driver/drivergroup.h"
#include "model/base/group/group.h"
#include "model/base/notification/notification.h"
#include "model/base/notification/notificationmessage.h"
#include "model/base/notification/notificationtype.h"
#include "model/base/paidservice/paidserviceofowner.h"
#include "model/base/paidservice/paidservicetype4owner.h"
#include "model/base/user/user.h"
#include "model/base/user/usergroup.h"
#include "model/orlem/city/city.h"
#include "model/orlem/driver/drivergroup.h"
#include "model/orlem/paidservice/paidserviceofdriver.h"
#include "model/orlem/paidservice/paidservicetype4driver.h"
#include "model/tavik/security/controllernames.h"
#include "model/tavik/security/securityoption.h"
#include "model/tavik/security/securityoptiongroup.h"
#include "model/tavik/security/securityoptiontype.h"
#include "model/tavik/security/usergroupsecurityoption.h"
#include "model/tavik/security/usersecurityoption.h"
#include "model/tavik/user/user.h"
#include "model/tavik/user/usergroup.h"

#include <QJsonArray>
#include <QtTest>

#include <functional>
#include <memory>
#include <type_traits>

using namespace Model;

// The option-record lists belong to one catalogue object; copying one is refused at compile time.
static_assert(!std::is_copy_constructible_v<Tavik::SecurityOption>);
static_assert(!std::is_copy_assignable_v<Tavik::SecurityOption>);
static_assert(!std::is_copy_constructible_v<Tavik::SecurityOptionType>);
static_assert(!std::is_copy_constructible_v<Tavik::SecurityOptionGroup>);

namespace {

// Abstract bases made concrete without adding fields.
class AnyGroup : public Base::Group
{
public:
    QString tableName() const override { return QString(); }
};
class AnyServiceType : public Base::PaidServiceType4Owner
{
public:
    QString tableName() const override { return QString(); }
};
class AnyService : public Base::PaidServiceOfOwner
{
public:
    QString tableName() const override { return QString(); }
};

using Factory = Creator::Factory;

const QMap<QString, Factory> &factories()
{
    static const QMap<QString, Factory> map = {
        {"Model::Base::Group", Creator::factory<AnyGroup>()},
        {"Model::Base::DriverGroup", Creator::factory<Base::DriverGroup>()},
        {"Model::Orlem::DriverGroup", Creator::factory<Orlem::DriverGroup>()},
        {"Model::Base::City", Creator::factory<Base::City>()},
        {"Model::Orlem::City", Creator::factory<Orlem::City>()},
        {"Model::Base::PaidServiceType4Owner", Creator::factory<AnyServiceType>()},
        {"Model::Orlem::PaidServiceType4Driver", Creator::factory<Orlem::PaidServiceType4Driver>()},
        {"Model::Base::PaidServiceOfOwner", Creator::factory<AnyService>()},
        {"Model::Orlem::PaidServiceOfDriver", Creator::factory<Orlem::PaidServiceOfDriver>()},
        {"Model::Base::NotificationType", Creator::factory<Base::NotificationType>()},
        {"Model::Base::NotificationMessage", Creator::factory<Base::NotificationMessage>()},
        {"Model::Base::Notification", Creator::factory<Base::Notification>()},
        {"Model::Tavik::SecurityOptionGroup", Creator::factory<Tavik::SecurityOptionGroup>()},
        {"Model::Tavik::SecurityOptionType", Creator::factory<Tavik::SecurityOptionType>()},
        {"Model::Base::SecurityOption", Creator::factory<Base::SecurityOption>()},
        {"Model::Tavik::SecurityOption", Creator::factory<Tavik::SecurityOption>()},
        {"Model::Tavik::UserGroupSecurityOption", Creator::factory<Tavik::UserGroupSecurityOption>()},
        {"Model::Tavik::UserSecurityOption", Creator::factory<Tavik::UserSecurityOption>()},
        {"Model::Base::UserGroup", Creator::factory<Base::UserGroup>()},
        {"Model::Tavik::UserGroup", Creator::factory<Tavik::UserGroup>()},
        {"Model::Base::User", Creator::factory<Base::User>()},
        {"Model::Tavik::User", Creator::factory<Tavik::User>()},
    };
    return map;
}

} // namespace

// Shapes of the security, user group, notification, driver group, city and paid service catalogues
// against the expected ones: columns, captions, types, flags, defaults, references and indexes.
class TestSecurityShapes : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void controllerNames();
    void operatorRights();
    void optionValue_data();
    void optionValue();
};

void TestSecurityShapes::shapes_data()
{
    QTest::addColumn<QJsonObject>("description");
    QTest::addColumn<QJsonObject>("common");
    for (const QString &file : {QStringLiteral("access.json")}) {
        const QJsonObject shapes = ShapeFile::load(file);
        QVERIFY2(!shapes.isEmpty(), qPrintable(file));
        const QJsonObject common = shapes.value("common").toObject();
        for (const QJsonValue &entry : shapes.value("catalogues").toArray()) {
            const QJsonObject description = entry.toObject();
            QTest::newRow(qPrintable(description.value("class").toString())) << description << common;
        }
    }
}

void TestSecurityShapes::shapes()
{
    QFETCH(QJsonObject, description);
    QFETCH(QJsonObject, common);
    const QString name = description.value("class").toString();
    QVERIFY2(factories().contains(name), qPrintable("no factory for " + name));
    const std::unique_ptr<AbstractModel> model(factories().value(name)());
    const QString problems = ShapeFile::compare(*model, description, common);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestSecurityShapes::controllerNames()
{
    const QJsonArray expected = ShapeFile::load("controllernames.json").value("entries").toArray();
    QCOMPARE(expected.size(), 119);
    const QVector<Tavik::ControllerNames::Entry> &entries = Tavik::ControllerNames::entries();
    QCOMPARE(entries.size(), expected.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonArray row = expected.at(i).toArray();
        QCOMPARE(QString::fromLatin1(entries.at(i).key), row.at(0).toString());
        QCOMPARE(Tavik::ControllerNames::displayText(entries.at(i)), row.at(1).toString());
    }

    // The group list follows the catalogue and grows with every call.
    Tavik::SecurityOptionGroup groups;
    QVERIFY(groups.populateListControllerName(nullptr));
    QCOMPARE(groups.records().size(), 119);
    QCOMPARE(groups.records().first().code, QString("ugso"));
    QCOMPARE(groups.records().last().groupName, QString("Missed calls report"));
    QVERIFY(groups.populateListControllerName(nullptr));
    QCOMPARE(groups.records().size(), 238);
    QCOMPARE(groups.records().at(119).code, QString("ugso"));

    // The base option catalogue lists nothing.
    Base::SecurityOption options;
    QVERIFY(options.populateListControllerName(nullptr));
    QVERIFY(options.records().isEmpty());
}

void TestSecurityShapes::operatorRights()
{
    const QJsonObject rights = ShapeFile::load("access.json").value("operatorRights").toObject();
    QSet<QString> expected;
    for (const QJsonValue &controller : rights.value("readOnly").toArray())
        expected.insert(controller.toString() + ".crud.read");
    const QJsonObject wider = rights.value("wider").toObject();
    for (auto it = wider.begin(); it != wider.end(); ++it) {
        for (const QJsonValue &operation : it.value().toArray())
            expected.insert(it.key() + ".crud." + operation.toString());
    }
    QCOMPARE(expected.size(), 78);
    QCOMPARE(Tavik::UserGroup::operatorRights(), expected);
}

void TestSecurityShapes::optionValue_data()
{
    QTest::addColumn<QString>("dataType");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QString>("value");
    QTest::newRow("bool, admin") << "bool" << "user.crud.read" << true << "1";
    QTest::newRow("bool, other group") << "bool" << "user.crud.read" << false << "0";
    QTest::newRow("open_editor, other group") << "bool" << "user.crud.open_editor" << false << "1";
    QTest::newRow("open_editor, admin") << "bool" << "user.crud.open_editor" << true << "1";
    QTest::newRow("open_editor is case-sensitive") << "bool" << "user.crud.OPEN_EDITOR" << false << "0";
    QTest::newRow("list, admin") << "list" << "user.crud.table_mapping" << true << "[]";
    QTest::newRow("list, other group") << "list" << "user.crud.table_mapping" << false << "[]";
    QTest::newRow("other type keeps the value") << "int" << "user.crud.read" << true << "kept";
}

void TestSecurityShapes::optionValue()
{
    QFETCH(QString, dataType);
    QFETCH(QString, code);
    QFETCH(bool, admin);
    QFETCH(QString, value);
    Tavik::UserGroupSecurityOption option;
    option.setValue("option_value", "kept");
    option.populateOptionValue(dataType, code, admin);
    QCOMPARE(option.value("option_value").toString(), value);
}

QTEST_GUILESS_MAIN(TestSecurityShapes)
#include "tst_securityshapes.moc"
