#include "client/controller/security/securityoption.h"
#include "client/controller/security/securityoptiongroup.h"
#include "client/controller/security/securityoptiontype.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "optionrights.h"

#include <QtTest>

using namespace Client::Controller;

namespace {

struct ValueRow
{
    QString id;
    QString who; // owner or group
    QVariant option;
    QString value;
    QString inUse; // user rows only
};

} // namespace

Q_DECLARE_METATYPE(QList<ValueRow>)

// The five option controllers, the own-row filter and the effective value of an option.
class TestSecurityOptions : public QObject
{
    Q_OBJECT

private slots:
    void noOptionListYet();
    void init();
    void effectiveValue_data();
    void effectiveValue();
    void effectiveValueFollowsChanges();
    void ownRows_data();
    void ownRows();
    void classWideLists();

private:
    std::unique_ptr<OptionRights> m_rights;
};

void TestSecurityOptions::noOptionListYet()
{
    // Before any option controller exists every right is refused.
    UserGroupSecurityOption groupValues;
    groupValues.originalModel()->addRow({{"id", "1"}, {"rst_id_group", ""}, {"rst_id_so", ""}, {"option_value", "1"}});
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("x.crud.read", groupValues.originalModel(), nullptr),
             QString());
}

void TestSecurityOptions::init()
{
    // Made after the first test, which runs before any option list exists.
    if (!m_rights && QTest::currentTestFunction() != QByteArray("noOptionListYet"))
        m_rights = std::make_unique<OptionRights>("2", "5");
}

void TestSecurityOptions::effectiveValue_data()
{
    QTest::addColumn<bool>("optionExists");
    QTest::addColumn<QList<ValueRow>>("users");
    QTest::addColumn<QList<ValueRow>>("groups");
    QTest::addColumn<QString>("effective");
    // Without the user's rows: the group's value alone.
    QTest::addColumn<QString>("groupEffective");
    const QString so = "101"; // the option's id
    QTest::newRow("group only") << true << QList<ValueRow>{} << QList<ValueRow>{{"1", "2", so, "1", ""}} << "1"
                                << "1";
    QTest::newRow("user in use wins") << true << QList<ValueRow>{{"1", "5", so, "0", "1"}}
                                      << QList<ValueRow>{{"2", "2", so, "1", ""}} << "0" << "1";
    QTest::newRow("user not in use") << true << QList<ValueRow>{{"1", "5", so, "0", "0"}}
                                     << QList<ValueRow>{{"2", "2", so, "1", ""}} << "1" << "1";
    QTest::newRow("user in use, empty value") << true << QList<ValueRow>{{"1", "5", so, "", "1"}}
                                              << QList<ValueRow>{{"2", "2", so, "1", ""}} << "" << "1";
    QTest::newRow("first user row decides") << true
                                            << QList<ValueRow>{{"9", "5", so, "0", "0"}, {"3", "5", so, "7", "1"}}
                                            << QList<ValueRow>{{"2", "2", so, "1", ""}} << "1" << "1";
    QTest::newRow("in use written 01 is not in use") << true << QList<ValueRow>{{"1", "5", so, "0", "01"}}
                                                     << QList<ValueRow>{{"2", "2", so, "1", ""}} << "1" << "1";
    QTest::newRow("another user's row") << true << QList<ValueRow>{{"1", "6", so, "0", "1"}}
                                        << QList<ValueRow>{{"2", "2", so, "1", ""}} << "1" << "1";
    QTest::newRow("another group's row") << true << QList<ValueRow>{} << QList<ValueRow>{{"2", "3", so, "1", ""}}
                                         << "" << "";
    QTest::newRow("option id as a number") << true << QList<ValueRow>{}
                                           << QList<ValueRow>{{"2", "2", QVariant(101), "1", ""}} << "1" << "1";
    QTest::newRow("option id 0101 is another id") << true << QList<ValueRow>{}
                                                  << QList<ValueRow>{{"2", "2", "0101", "1", ""}} << "" << "";
    QTest::newRow("missing option grants nothing")
        << false << QList<ValueRow>{{"1", "5", "", "1", "1"}} << QList<ValueRow>{{"2", "2", "", "1", ""}} << ""
        << "";
    QTest::newRow("no rows") << true << QList<ValueRow>{} << QList<ValueRow>{} << "" << "";
}

void TestSecurityOptions::effectiveValue()
{
    QFETCH(bool, optionExists);
    QFETCH(QList<ValueRow>, users);
    QFETCH(QList<ValueRow>, groups);
    QFETCH(QString, effective);
    QFETCH(QString, groupEffective);
    m_rights->clear();
    SecurityOption options;
    options.originalModel()->addRow({{"id", "100"}, {"code", "car.crud.read"}});
    if (optionExists)
        options.originalModel()->addRow({{"id", "101"}, {"code", "user.crud.read"}});
    UserSecurityOption userValues;
    UserGroupSecurityOption groupValues;
    for (const ValueRow &r : users)
        userValues.originalModel()->addRow({{"id", r.id}, {"rst_id_owner", r.who}, {"rst_id_so", r.option},
                                            {"option_value", r.value}, {"is_using", r.inUse}});
    for (const ValueRow &r : groups)
        groupValues.originalModel()->addRow(
            {{"id", r.id}, {"rst_id_group", r.who}, {"rst_id_so", r.option}, {"option_value", r.value}});
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("user.crud.read", groupValues.originalModel(),
                                                        userValues.originalModel()),
             effective);
    // Any instance answers the same, and without the user's rows the group's value counts.
    QCOMPARE(options.effectiveValue4CurrentUser("user.crud.read", groupValues.originalModel(), nullptr),
             groupEffective);
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("user.crud.read", nullptr, nullptr), QString());
}

void TestSecurityOptions::effectiveValueFollowsChanges()
{
    m_rights->clear();
    m_rights->setGroupValue("car.crud.read", "1");
    OriginalModel *groups = SpSingleton<UserGroupSecurityOption>::instance()->originalModel();
    OriginalModel *users = SpSingleton<UserSecurityOption>::instance()->originalModel();
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("car.crud.read", groups, users), QString("1"));
    // A later row of the same option (a reload) changes the answer at once.
    const QString id = groups->data(0, "id").toString();
    groups->addRow({{"id", id}, {"option_value", "0"}});
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("car.crud.read", groups, users), QString("0"));
    m_rights->setUserValue("car.crud.read", "1", true);
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("car.crud.read", groups, users), QString("1"));
    users->removeRow(0);
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("car.crud.read", groups, users), QString("0"));
    // Another user signing in reads the values of that user's group.
    SpSingleton<UserSession>::instance()->handleMessage("saOpen", {{"RES", "20"}, {"rst_id_group", "3"},
                                                                    {"rst_id_owner", "5"}});
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("car.crud.read", groups, users), QString());
    SpSingleton<UserSession>::instance()->handleMessage("saOpen", {{"RES", "20"}, {"rst_id_group", "2"},
                                                                    {"rst_id_owner", "5"}});
}

void TestSecurityOptions::ownRows_data()
{
    QTest::addColumn<bool>("userValues");
    QTest::addColumn<bool>("receiveAll");
    QTest::addColumn<QVariantMap>("owner");
    QTest::addColumn<bool>("taken");
    QTest::newRow("group: own") << false << false << QVariantMap{{"rst_id_group", "2"}} << true;
    QTest::newRow("group: other") << false << false << QVariantMap{{"rst_id_group", "3"}} << false;
    QTest::newRow("group: field missing") << false << false << QVariantMap{} << false;
    QTest::newRow("group: page takes all") << false << true << QVariantMap{{"rst_id_group", "3"}} << true;
    QTest::newRow("user: own") << true << false << QVariantMap{{"rst_id_owner", "5"}} << true;
    QTest::newRow("user: own, as a number") << true << false << QVariantMap{{"rst_id_owner", 5}} << true;
    QTest::newRow("user: other") << true << false << QVariantMap{{"rst_id_owner", "6"}} << false;
    QTest::newRow("user: group field only") << true << false << QVariantMap{{"rst_id_group", "2"}} << false;
    QTest::newRow("user: page takes all") << true << true << QVariantMap{} << true;
}

void TestSecurityOptions::ownRows()
{
    QFETCH(bool, userValues);
    QFETCH(bool, receiveAll);
    QFETCH(QVariantMap, owner);
    QFETCH(bool, taken);
    std::unique_ptr<OptionValueController> controller;
    if (userValues)
        controller = std::make_unique<UserSecurityOption>();
    else
        controller = std::make_unique<UserGroupSecurityOption>();
    QVERIFY(!controller->isStaticModel());
    QVERIFY(!controller->isModelReceiveAll());
    controller->setProperty("isModelReceiveAll", receiveAll);
    controller->originalModel()->addRow({{"id", "1"}, {"option_value", "0"}});
    controller->originalModel()->addRow({{"id", "2"}, {"option_value", "0"}});
    QSignalSpy listInfo(controller.get(), &ItemController::saListInfo);
    QSignalSpy info(controller.get(), &ItemController::saInfo);
    QSignalSpy list(controller.get(), &ItemController::saGetList);
    QSignalSpy update(controller.get(), &DesktopController::saUpdate);
    QSignalSpy lock(controller.get(), &DesktopController::saLock);
    QVariantMap answer = owner;
    answer.insert("RECEIVER", controller->objectNumber());
    controller->handleMessage("saListInfo", answer);
    controller->handleMessage("saInfo", answer);
    controller->handleMessage("saUpdate", answer);
    QVariantMap start = answer;
    start.insert("STATE", "start");
    controller->handleMessage("saGetList", start);
    // Only the answers of this user's (or group's) rows reach the hooks; the start of a list
    // clears this instance's own rows.
    QCOMPARE(listInfo.count(), taken ? 1 : 0);
    QCOMPARE(info.count(), taken ? 1 : 0);
    QCOMPARE(update.count(), taken ? 1 : 0);
    QCOMPARE(list.count(), taken ? 1 : 0);
    QCOMPARE(controller->originalModel()->rowCount(), taken ? 0 : 2);
    // Other answers are not filtered.
    controller->handleMessage("saLock", answer);
    QCOMPARE(lock.count(), 1);
}

void TestSecurityOptions::classWideLists()
{
    SecurityOption first;
    SecurityOption second;
    QCOMPARE(first.originalModel(), second.originalModel());
    QVERIFY(first.proxyModel() != second.proxyModel());
    QVERIFY(first.isStaticModel());
    first.originalModel()->clear();
    first.originalModel()->addRow({{"id", "1"}, {"code", "b"}});
    first.originalModel()->addRow({{"id", "2"}, {"code", "a"}});
    first.proxyModel()->sortRows("code", Qt::AscendingOrder);
    QCOMPARE(first.proxyModel()->data(0, "id").toString(), QString("2"));
    QCOMPARE(second.proxyModel()->data(0, "id").toString(), QString("2"));
    second.proxyModel()->sortRows();
    QCOMPARE(second.proxyModel()->data(0, "id").toString(), QString("2"));
    first.proxyModel()->sortRows("id", Qt::AscendingOrder);
    QCOMPARE(second.proxyModel()->data(0, "id").toString(), QString("2"));
    QCOMPARE(first.proxyModel()->data(0, "id").toString(), QString("1"));

    // Types are shown by option group name; groups and types are class-wide too.
    SecurityOptionType types;
    SecurityOptionType moreTypes;
    QCOMPARE(types.name(), QString("sot"));
    QCOMPARE(types.proxyModel()->sortedRole(), QString("sog_group_name"));
    QCOMPARE(types.proxyModel()->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(types.originalModel(), moreTypes.originalModel());
    SecurityOptionGroup groups;
    QCOMPARE(groups.name(), QString("sog"));
    QVERIFY(groups.isStaticModel() && types.isStaticModel());
    QVERIFY(groups.originalModel()->containsRole("group_name"));

    // The value controllers keep rows per instance.
    UserGroupSecurityOption a;
    UserGroupSecurityOption b;
    QVERIFY(a.originalModel() != b.originalModel());
    QCOMPARE(a.name(), QString("ugso"));
    QCOMPARE(UserSecurityOption().name(), QString("uso"));
}

QTEST_MAIN(TestSecurityOptions)
#include "tst_securityoptions.moc"
