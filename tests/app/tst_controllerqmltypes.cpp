// Every type that pages create comes from the module "Taldor" 1.0 without a QML warning; the
// types pages only name are refused as objects.
#include "client/net/apinetwork.h"
#include "controller/company/companyqml.h"
#include "controller/driver/driver.h"
#include "controller/driver/drivernonstatic.h"
#include "controller/qmltypes.h"
#include "qmlengineharness.h"

#include <QQmlComponent>
#include <QQmlListReference>
#include <QtTest>

namespace {

const QStringList creatableTypes{
    "Launcher", "OriginalModel", "ProxyModel", "Auth", "UserSession", "User", "UserGroup", "UserSecurityOption",
    "UserGroupSecurityOption", "UserGuiSession", "SecurityOptionGroup", "SecurityOptionType", "SecurityOption",
    "Driver", "DriverNonStatic", "DriverGroup", "DriverBalanceGroup", "DriverBalanceType", "DriverBalanceLog",
    "DriverBalanceTransfer", "DriverSession", "DriverPaidServiceType", "DriverPaidService", "DriverRatingCoefficient",
    "DriverRatingLog", "Car", "CarBrands", "CarBodyTypes", "CarColors", "ToolBar", "OwnerKeeper", "TerminalCompany",
    "Search", "City", "Notification", "NotificationType", "NotificationMessage", "Company", "CompanyBalanceGroup",
    "CompanyBalanceType", "CompanyBalanceLog", "PaymentSystem", "PaymentSystemLog", "PaymentSystemAccount", "Media",
    "Value", "Version", "Sms", "CrashReport"};

} // namespace

class TestControllerQmlTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyTypeInstantiates_data();
    void everyTypeInstantiates();
    void pagesGetTheApplicationsClasses();
    void uncreatableTypes_data();
    void uncreatableTypes();
    void fieldEnums();

private:
    QObject *createPage(const QByteArray &body);

    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<QmlEngineHarness> m_harness;
    std::vector<std::unique_ptr<QObject>> m_pages;
};

void TestControllerQmlTypes::initTestCase()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    registerQmlTypes();
    m_harness = std::make_unique<QmlEngineHarness>();
}

void TestControllerQmlTypes::cleanup()
{
    m_pages.clear();
    const QStringList unexpected = m_harness->messages().takeUnexpected();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

QObject *TestControllerQmlTypes::createPage(const QByteArray &body)
{
    QQmlComponent component(&m_harness->engine());
    component.setData("import QtQuick 2.15\nimport Taldor 1.0\n" + body, QUrl(QStringLiteral("qrc:/test/Page.qml")));
    QObject *page = component.create();
    if (!page)
        qWarning("%s", qPrintable(component.errorString()));
    m_pages.emplace_back(page);
    return page;
}

void TestControllerQmlTypes::everyTypeInstantiates_data()
{
    QTest::addColumn<QString>("type");
    for (const QString &type : creatableTypes)
        QTest::newRow(qPrintable(type)) << type;
}

void TestControllerQmlTypes::everyTypeInstantiates()
{
    QFETCH(QString, type);
    // Declared in a page, as a property type and in a list.
    const QString body = QStringLiteral("Item {\n"
                                        "    property %1 single: made\n"
                                        "    property list<%1> several: [%1 {}, %1 {}]\n"
                                        "    %1 { id: made; objectName: \"made\" }\n"
                                        "}\n")
                             .arg(type);
    QObject *page = createPage(body.toUtf8());
    QVERIFY(page);
    QObject *made = page->findChild<QObject *>(QStringLiteral("made"));
    QVERIFY(made);
    QCOMPARE(page->property("single").value<QObject *>(), made);
    QCOMPARE(QQmlListReference(page, "several").count(), 2);
}

void TestControllerQmlTypes::pagesGetTheApplicationsClasses()
{
    QObject *page = createPage("Item {\n"
                               "    property alias company: company\n"
                               "    property alias shared: shared\n"
                               "    property alias sharedToo: sharedToo\n"
                               "    property alias own: own\n"
                               "    property bool sharedIsStatic: shared.isStaticModel\n"
                               "    property bool ownIsStatic: own.isStaticModel\n"
                               "    property string companyName: company.name\n"
                               "    Company { id: company }\n"
                               "    Driver { id: shared }\n"
                               "    Driver { id: sharedToo }\n"
                               "    DriverNonStatic { id: own }\n"
                               "}\n");
    QVERIFY(page);
    QVERIFY(qobject_cast<CompanyQml *>(page->property("company").value<QObject *>()));
    QCOMPARE(page->property("companyName").toString(), QString("company"));
    auto *shared = qobject_cast<Driver *>(page->property("shared").value<QObject *>());
    auto *sharedToo = qobject_cast<Driver *>(page->property("sharedToo").value<QObject *>());
    auto *own = qobject_cast<DriverNonStatic *>(page->property("own").value<QObject *>());
    QVERIFY(shared && sharedToo && own);
    QVERIFY(page->property("sharedIsStatic").toBool());
    QVERIFY(!page->property("ownIsStatic").toBool());
    QCOMPARE(shared->originalModel(), sharedToo->originalModel());
    QVERIFY(own->originalModel() != shared->originalModel());

    // A type the module does not offer is refused by name.
    QQmlComponent refused(&m_harness->engine());
    refused.setData("import QtQuick 2.15\nimport Taldor 1.0\nItem { CompanyQml {} }", QUrl("qrc:/test/Bad.qml"));
    QVERIFY(refused.isError());
    QVERIFY(refused.errorString().contains(QStringLiteral("CompanyQml is not a type")));
}

void TestControllerQmlTypes::uncreatableTypes_data()
{
    QTest::addColumn<QString>("type");
    for (const char *type : {"ClientEnums", "Style", "Updater", "GuiSession", "Frames"})
        QTest::newRow(type) << type;
}

void TestControllerQmlTypes::uncreatableTypes()
{
    QFETCH(QString, type);
    // Pages may name the type (for its enums and as a property type) but not make one.
    QObject *page = createPage(QStringLiteral("Item { property %1 held: null }\n").arg(type).toUtf8());
    QVERIFY(page);
    QQmlComponent refused(&m_harness->engine());
    refused.setData(QStringLiteral("import QtQuick 2.15\nimport Taldor 1.0\nItem { %1 {} }").arg(type).toUtf8(),
                    QUrl("qrc:/test/Made.qml"));
    QVERIFY(refused.isError());
    QVERIFY2(refused.errorString().contains(QStringLiteral("Uncreatable type")), qPrintable(refused.errorString()));
}

void TestControllerQmlTypes::fieldEnums()
{
    QObject *page = createPage("Item {\n"
                               "    property int primaryKey: ClientEnums.PRIMARY_KEY\n"
                               "    property int custom: ClientEnums.CUSTOM\n"
                               "    property int text: ClientEnums.SQL_TEXT\n"
                               "    property int bigInteger: ClientEnums.SQL_BIGINTEGER\n"
                               "}\n");
    QVERIFY(page);
    QCOMPARE(page->property("primaryKey").toInt(), 1);
    QCOMPARE(page->property("custom").toInt(), 4096);
    QCOMPARE(page->property("text").toInt(), 6);
    QCOMPARE(page->property("bigInteger").toInt(), 2);
}

QTEST_MAIN(TestControllerQmlTypes)
#include "tst_controllerqmltypes.moc"
