#include "gui/settings/settings.h"
#include "gui/style/style.h"
#include "tempsettings.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QSettings>
#include <QtTest>

using Gui::Settings;
using Gui::Style;

// The preferences file and the dark look: icon fonts and palette.
class TestGuiSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void iniFileAtTheStandardPlace();
    void boolTexts();
    void shellDefaults();
    void mapsReplaceTheGroup();
    void listsAreArrays();
    void iconFonts();
    void missingFontIsLogged();
    void darkPalette_data();
    void darkPalette();

private:
    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<Settings> m_settings;
};

void TestGuiSettings::initTestCase()
{
    m_temp = std::make_unique<TempSettings>();
    QVERIFY(m_temp->isValid());
    m_settings = std::make_unique<Settings>();
}

void TestGuiSettings::init()
{
    m_temp->clear();
}

void TestGuiSettings::iniFileAtTheStandardPlace()
{
    QCOMPARE(QSettings().format(), QSettings::IniFormat);
    Settings::setValue("style", "scaleFactor", 1.25);
    QVERIFY2(m_temp->fileName().endsWith("/KorivTest/" + QCoreApplication::applicationName() + ".ini"),
             qPrintable(m_temp->fileName()));
    QVERIFY2(m_temp->fileText().contains("[style]\nscaleFactor=1.25"), qPrintable(m_temp->fileText()));
    QCOMPARE(Settings::value("style", "scaleFactor").toDouble(), 1.25);
    QCOMPARE(Settings::scaleFactor(), 1.25);
    QVERIFY(!Settings::value("style", "missing").isValid());
    Settings::remove("style/scaleFactor");
    QCOMPARE(Settings::scaleFactor(), 1.0);
}

void TestGuiSettings::boolTexts()
{
    QCOMPARE(Settings::value("ui", "groupTaskBarWindows", true), QVariant(true));
    Settings::setValue("ui", "groupTaskBarWindows", false);
    const QVariant stored = Settings::value("ui", "groupTaskBarWindows", true);
    QCOMPARE(stored.userType(), int(QMetaType::Bool));
    QCOMPARE(stored.toBool(), false);
    QVERIFY(!Settings::groupTaskBarWindows());

    // Only the exact texts turn into bools.
    Settings::setValue("ui", "flag", "True");
    QCOMPARE(Settings::value("ui", "flag"), QVariant("True"));
    Settings::setValue("ui", "flag", "true");
    QCOMPARE(Settings::value("ui", "flag"), QVariant(true));
}

void TestGuiSettings::shellDefaults()
{
    QCOMPARE(Settings::scaleFactor(), 1.0);
    QCOMPARE(Settings::fontSize(), QApplication::font().pointSize());
    QVERIFY(Settings::groupTaskBarWindows());
    QVERIFY(Settings::checkUpdatesOnStartup());
    QCOMPARE(Settings::updateChannel(), QString("release"));
    QCOMPARE(Settings::language(), QString("ru"));
    QVERIFY(!Settings::loggingEnabled());

    Settings::setValue("style", "fontSize", 14);
    Settings::setValue("updating", "checkOnStartup", false);
    Settings::setValue("updating", "channel", "beta");
    Settings::setValue("i18n", "lang", "uk");
    Settings::setValue("logging", "enabled", true);
    QCOMPARE(Settings::fontSize(), 14);
    QVERIFY(!Settings::checkUpdatesOnStartup());
    QCOMPARE(Settings::updateChannel(), QString("beta"));
    QCOMPARE(Settings::language(), QString("uk"));
    QVERIFY(Settings::loggingEnabled());
}

void TestGuiSettings::mapsReplaceTheGroup()
{
    Settings::setMap("search", {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    QCOMPARE(Settings::map("search"), (QVariantMap{{"a", "1"}, {"b", "2"}, {"c", "3"}}));
    Settings::setMap("search", {{"b", "20"}});
    QCOMPARE(Settings::map("search"), (QVariantMap{{"b", "20"}}));
    Settings::setMap("search", {});
    QVERIFY(Settings::map("search").isEmpty());
}

void TestGuiSettings::listsAreArrays()
{
    const QVariantList hosts{QVariantMap{{"name", "Центр"}, {"address", "10.0.0.1"}, {"port", "40300"}},
                             QVariantMap{{"name", "Reserve"}, {"address", "10.0.0.2"}, {"port", "40301"}},
                             QVariantMap{{"name", "Old"}, {"address", "10.0.0.3"}, {"port", "1"}}};
    Settings::setList("hosts", hosts);
    QCOMPARE(Settings::list("hosts"), hosts);
    const QString text = m_temp->fileText();
    QVERIFY2(text.contains("1\\name=\\x426\\x435\\x43d\\x442\\x440") || text.contains("1\\name=Центр"),
             qPrintable(text));
    QVERIFY(text.contains("3\\address=10.0.0.3"));
    QVERIFY(text.contains("size=3"));

    // A shorter list leaves no element of the longer one behind; an empty one leaves nothing.
    Settings::setList("hosts", hosts.mid(1, 1));
    QCOMPARE(Settings::list("hosts"), hosts.mid(1, 1));
    QVERIFY(!m_temp->fileText().contains("10.0.0.3"));
    Settings::setList("hosts", {});
    QVERIFY(Settings::list("hosts").isEmpty());
    QVERIFY(!m_temp->fileText().contains("10.0.0."));
}

void TestGuiSettings::iconFonts()
{
    Style::loadFonts();
    const QStringList families = QFontDatabase().families();
    QVERIFY2(families.contains("Font Awesome 6 Free"), qPrintable(families.join(", ")));
    QVERIFY(families.contains("Font Awesome 6 Brands"));

    QCOMPARE(Style::faRegularFont().family(), QString("Font Awesome 6 Free"));
    QCOMPARE(Style::faSolidFont().family(), QString("Font Awesome 6 Free"));
    QCOMPARE(Style::faSolidFont().weight(), int(QFont::Bold));
    QCOMPARE(Style::faBrandsFont().family(), QString("Font Awesome 6 Brands"));

    // The glyphs the widgets use are in the fonts: plus, minus, list (solid), bell (regular),
    // and a brand mark.
    for (uint glyph : {0xf067u, 0xf068u, 0xf03au})
        QVERIFY2(QFontMetrics(Style::faSolidFont()).inFontUcs4(glyph), qPrintable(QString::number(glyph, 16)));
    QVERIFY(QFontMetrics(Style::faRegularFont()).inFontUcs4(0xf0a2));
    QVERIFY(QFontMetrics(Style::faBrandsFont()).inFontUcs4(0xf09b));
}

void TestGuiSettings::missingFontIsLogged()
{
    QFont font("DejaVu Sans");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Failed to load font :/gui/fonts/missing.otf"));
    QVERIFY(!Style::loadFont(":/gui/fonts/missing.otf", font));
    QCOMPARE(font.family(), QString("DejaVu Sans"));
}

void TestGuiSettings::darkPalette_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    const int active = QPalette::Active, inactive = QPalette::Inactive, disabled = QPalette::Disabled;
    QTest::newRow("window") << active << int(QPalette::Window) << QColor(53, 53, 53);
    QTest::newRow("tool tip base") << disabled << int(QPalette::ToolTipBase) << QColor(53, 53, 53);
    QTest::newRow("text") << inactive << int(QPalette::Text) << QColor(235, 235, 235);
    QTest::newRow("disabled text") << disabled << int(QPalette::Text) << QColor(150, 150, 150);
    QTest::newRow("disabled button text") << disabled << int(QPalette::ButtonText) << QColor(150, 150, 150);
    QTest::newRow("disabled tool tip text") << disabled << int(QPalette::ToolTipText) << QColor(235, 235, 235);
    QTest::newRow("base") << active << int(QPalette::Base) << QColor(80, 80, 80);
    QTest::newRow("disabled base") << disabled << int(QPalette::Base) << QColor(60, 60, 60);
    QTest::newRow("alternate base") << active << int(QPalette::AlternateBase) << QColor(66, 66, 66);
    QTest::newRow("light") << active << int(QPalette::Light) << QColor(90, 90, 90);
    QTest::newRow("dark") << active << int(QPalette::Dark) << QColor(35, 35, 35);
    QTest::newRow("shadow") << active << int(QPalette::Shadow) << QColor(20, 20, 20);
    QTest::newRow("highlight") << active << int(QPalette::Highlight) << QColor(42, 130, 218);
    QTest::newRow("disabled highlight") << disabled << int(QPalette::Highlight) << QColor(80, 80, 80);
    QTest::newRow("highlighted text") << inactive << int(QPalette::HighlightedText) << QColor(Qt::white);
    QTest::newRow("disabled highlighted text") << disabled << int(QPalette::HighlightedText) << QColor(127, 127, 127);
    QTest::newRow("bright text") << active << int(QPalette::BrightText) << QColor(Qt::red);
    QTest::newRow("link") << disabled << int(QPalette::Link) << QColor(42, 130, 218);
}

void TestGuiSettings::darkPalette()
{
    QFETCH(int, group);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    const QBrush brush = Style::darkPalette().brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
    QCOMPARE(brush.style(), Qt::SolidPattern);
    QCOMPARE(brush.color(), colour);
}

QTEST_MAIN(TestGuiSettings)
#include "tst_guisettings.moc"
