// The pieces of start-up that need no server: the language choice and the translators, the
// component versions, and a failed start.
#include "startup/startup.h"
#include "startup/translations.h"

#include "modalwatchdog.h"
#include "tempsettings.h"

#include "gui/settings/settings.h"

#include "common/core/componentversion.h"

#include <QTranslator>
#include <QtTest>

class TestStartupHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void languageChoice_data();
    void languageChoice();
    void translators();
    void componentVersions();
    void failedStart();

private:
    std::unique_ptr<TempSettings> m_settings;
};

void TestStartupHelpers::initTestCase()
{
    m_settings = std::make_unique<TempSettings>();
    Gui::Settings settings;
}

void TestStartupHelpers::languageChoice_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QVariant>("storedAfter");
    QTest::newRow("nothing stored") << QVariant() << "de_AT"
                                    << "de" << QVariant("de");
    QTest::newRow("empty stored") << QVariant("") << "ru_RU"
                                  << "ru" << QVariant("ru");
    QTest::newRow("stored wins") << QVariant("ru") << "uk_UA"
                                 << "ru" << QVariant("ru");
    QTest::newRow("locale without country") << QVariant() << "uk"
                                            << "uk" << QVariant("uk");
    // The C locale of a bare machine is no language: English.
    QTest::newRow("C locale") << QVariant() << "C"
                              << "en" << QVariant("en");
    QTest::newRow("POSIX locale") << QVariant("") << "POSIX"
                                  << "en" << QVariant("en");
    // The tests run with LC_ALL=C.UTF-8.
    QTest::newRow("this run's locale") << QVariant() << QLocale::system().name()
                                       << "en" << QVariant("en");
    QTest::newRow("stored wins over C") << QVariant("ru") << "C"
                                        << "ru" << QVariant("ru");
}

void TestStartupHelpers::languageChoice()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, systemLocale);
    QFETCH(QString, language);
    QFETCH(QVariant, storedAfter);
    m_settings->clear();
    if (stored.isValid())
        Gui::Settings::setValue("i18n", "lang", stored);
    QCOMPARE(Translations::chooseLanguage(systemLocale), language);
    QCOMPARE(Gui::Settings::value("i18n", "lang"), storedAfter);
}

void TestStartupHelpers::translators()
{
    // A language nobody translated to: nothing is installed, the texts stay English.
    QCOMPARE(Translations::install("xx"), QStringList());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    // Russian: Qt's own catalogue first, then the program's, each only when it loads.
    const QStringList installed = Translations::install("ru");
    QVERIFY(!installed.isEmpty());
    QCOMPARE(installed.first(), QString("qt_ru"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));
    QStringList order;
    for (const QString &prefix : Translations::catalogues())
        order.append(prefix + "ru");
    for (const QString &name : installed.mid(1))
        QVERIFY2(order.contains(name), qPrintable(name));
    QVERIFY(std::is_sorted(installed.cbegin() + 1, installed.cend(), [&](const QString &a, const QString &b) {
        return order.indexOf(a) < order.indexOf(b);
    }));
}

void TestStartupHelpers::componentVersions()
{
    // The application's version is there before start-up registers it.
    QCOMPARE(componentVersion(0), QVersionNumber(1, 6, 0));
    QCOMPARE(setComponentVersion(0, QVersionNumber(2, 0, 0)), QVersionNumber(1, 6, 0));
    QCOMPARE(componentVersion(0), QVersionNumber(1, 6, 0));
    // A component read before it is registered is empty until it is registered.
    QVERIFY(componentVersion(5).isNull());
    QCOMPARE(componentVersion(5).toString(), QString());
    QCOMPARE(setComponentVersion(5, QVersionNumber(1, 0, 15)), QVersionNumber(1, 0, 15));
    QCOMPARE(componentVersion(5), QVersionNumber(1, 0, 15));
    QCOMPARE(setComponentVersion(5, QVersionNumber(1, 0, 16)), QVersionNumber(1, 0, 15));
}

void TestStartupHelpers::failedStart()
{
    ModalWatchdog watchdog;
    QCOMPARE(Startup::runGuarded([] { return 7; }), 7);
    QVERIFY(watchdog.boxes().isEmpty());
    QCOMPARE(Startup::runGuarded([]() -> int { throw std::runtime_error("no network object"); }), 1);
    QCOMPARE(watchdog.boxes().size(), 1);
    QCOMPARE(watchdog.boxes().first().icon, QMessageBox::Critical);
    QVERIFY(watchdog.boxes().first().text.contains("no network object"));
}

QTEST_MAIN(TestStartupHelpers)
#include "tst_startuphelpers.moc"
