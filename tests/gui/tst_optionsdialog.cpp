#include "gui/dialog/commonoptionspage.h"
#include "gui/dialog/options.h"
#include "gui/helper/customlabelfontsize.h"
#include "gui/settings/settings.h"
#include "gui/style/style.h"
#include "gui/widget/fapushbutton.h"
#include "modalwatchdog.h"
#include "tempsettings.h"
#include "testfiles.h"

#include "common/core/logger/logger.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using Gui::Dialog::CommonOptionsPage;
using Gui::Dialog::Options;

namespace {

// A label that keeps its own size when the user changes the font size.
class OwnSizeLabel : public QLabel, public Gui::Helper::CustomLabelFontSize
{
};

} // namespace

// The options dialog over a temporary settings file: what it loads and stores, what it keeps,
// the restart warning, the live font size and the log folder.
class TestOptionsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadsTheStoredValues();
    void okKeepsWhatTheDialogDoesNotList_data();
    void okKeepsWhatTheDialogDoesNotList();
    void unlistedLanguageShowsItsCode();
    void cancelLeavesTheFileUntouched();
    void restartWarning_data();
    void restartWarning();
    void fontSizeAppliesAtOnce();
    void logSize_data();
    void logSize();
    void clearLogs();
    void keyboard();

private:
    static CommonOptionsPage *commonPage(const Options &dialog);

    TempSettings m_temp;
    // Made after the temporary folder: it chooses the INI format there.
    Gui::Settings m_settings;
    ModalWatchdog m_watchdog;
    QTemporaryDir m_logs;
    QFont m_startFont;
};

void TestOptionsDialog::initTestCase()
{
    QVERIFY(m_temp.isValid());
    QVERIFY(m_logs.isValid());
    Gui::Style::loadFonts();
    m_startFont = QApplication::font();
    Logger::instance(0, m_logs.path(), "full", false, "yyyy-MM-dd.hh-mm-ss", true);
}

void TestOptionsDialog::init()
{
    m_temp.clear();
    QApplication::setFont(m_startFont);
}

void TestOptionsDialog::cleanup()
{
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
}

CommonOptionsPage *TestOptionsDialog::commonPage(const Options &dialog)
{
    return qobject_cast<CommonOptionsPage *>(dialog.page(0));
}

void TestOptionsDialog::loadsTheStoredValues()
{
    Gui::Settings::setValue("i18n", "lang", "en");
    Gui::Settings::setValue("style", "scaleFactor", 1.25);
    Gui::Settings::setValue("style", "fontSize", 13);
    Gui::Settings::setValue("ui", "groupTaskBarWindows", false);
    Gui::Settings::setValue("logging", "enabled", true);
    Gui::Settings::setValue("updating", "channel", "beta");
    Gui::Settings::setValue("updating", "checkOnStartup", false);
    Options dialog;
    CommonOptionsPage *page = commonPage(dialog);
    QVERIFY(page);
    QCOMPARE(dialog.windowTitle(), QString("Options"));
    QCOMPARE(dialog.tabs()->count(), 1);
    QCOMPARE(page->languageBox()->currentData().toString(), QString("en"));
    QCOMPARE(page->scaleBox()->value(), 1.25);
    QCOMPARE(page->fontSizeBox()->value(), 13);
    QVERIFY(!page->groupWindowsBox()->isChecked());
    QVERIFY(page->loggingBox()->isChecked());
    QCOMPARE(page->channelBox()->currentData().toString(), QString("beta"));
    QVERIFY(!page->checkOnStartupBox()->isChecked());
    // Loading applies no font size.
    QCOMPARE(QApplication::font().pointSize(), m_startFont.pointSize());

    // Nothing stored: the defaults.
    m_temp.clear();
    Options fresh;
    page = commonPage(fresh);
    QCOMPARE(page->languageBox()->currentData().toString(), QString("ru"));
    QCOMPARE(page->scaleBox()->value(), 1.0);
    QCOMPARE(page->fontSizeBox()->value(), m_startFont.pointSize());
    QVERIFY(page->groupWindowsBox()->isChecked());
    QVERIFY(!page->loggingBox()->isChecked());
    QCOMPARE(page->channelBox()->currentData().toString(), QString("release"));
    QVERIFY(page->checkOnStartupBox()->isChecked());
}

void TestOptionsDialog::okKeepsWhatTheDialogDoesNotList_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("channel");
    QTest::newRow("listed values") << "en" << "beta";
    QTest::newRow("a language of another catalogue") << "uk" << "release";
    QTest::newRow("the alpha channel") << "ru" << "alpha";
    QTest::newRow("both unlisted") << "uk" << "alpha";
}

void TestOptionsDialog::okKeepsWhatTheDialogDoesNotList()
{
    QFETCH(QString, language);
    QFETCH(QString, channel);
    Gui::Settings::setValue("i18n", "lang", language);
    Gui::Settings::setValue("updating", "channel", channel);
    // Keys of other owners.
    Gui::Settings::setValue("auth", "login", "keeper");
    Gui::Settings::setList("hosts", {QVariantMap{{"name", "main"}, {"address", "10.0.0.1"}, {"port", 40300}}});
    Gui::Settings::setValue("style", "custom", "kept");

    auto *dialog = new Options;
    CommonOptionsPage *page = commonPage(*dialog);
    // The language shows whether listed or not; an unlisted channel leaves its box blank.
    QCOMPARE(page->languageBox()->currentData().toString(), language);
    QCOMPARE(page->channelBox()->currentIndex() >= 0, page->channelBox()->findData(channel) >= 0);
    page->checkOnStartupBox()->setChecked(false);
    dialog->accept();

    QCOMPARE(Gui::Settings::value("i18n", "lang").toString(), language);
    QCOMPARE(Gui::Settings::value("updating", "channel").toString(), channel);
    QCOMPARE(Gui::Settings::value("updating", "checkOnStartup").toBool(), false);
    QCOMPARE(Gui::Settings::value("auth", "login").toString(), QString("keeper"));
    QCOMPARE(Gui::Settings::list("hosts").size(), 1);
    QCOMPARE(Gui::Settings::value("style", "custom").toString(), QString("kept"));
    // The language is what it was: no restart is asked for.
    QVERIFY(m_watchdog.boxes().isEmpty());
}

void TestOptionsDialog::unlistedLanguageShowsItsCode()
{
    // A language of another catalogue is offered by its code after the listed ones.
    Gui::Settings::setValue("i18n", "lang", "de");
    auto *dialog = new Options;
    QComboBox *box = commonPage(*dialog)->languageBox();
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->currentText(), QString("de"));
    QCOMPARE(box->itemData(0).toString(), QString("en"));
    QCOMPARE(box->itemData(1).toString(), QString("ru"));
    // Loading again adds it only once.
    commonPage(*dialog)->loadOptions();
    QCOMPARE(box->count(), 3);
    // Another choice replaces it, and asks for a restart.
    box->setCurrentIndex(box->findData("en"));
    dialog->accept();
    QCOMPARE(Gui::Settings::value("i18n", "lang").toString(), QString("en"));
    QCOMPARE(m_watchdog.texts(), QStringList{"Need restart application for applying options"});
    m_watchdog.reset();

    // A listed language adds nothing.
    Options listed;
    QCOMPARE(commonPage(listed)->languageBox()->count(), 2);
    QCOMPARE(commonPage(listed)->languageBox()->currentText(), QString("English"));

    // Ukrainian: shown as "uk"; chosen again after a look at English, it is kept without a warning.
    Gui::Settings::setValue("i18n", "lang", "uk");
    dialog = new Options;
    box = commonPage(*dialog)->languageBox();
    QCOMPARE(box->currentText(), QString("uk"));
    box->setCurrentIndex(0);
    box->setCurrentIndex(box->findText("uk"));
    dialog->accept();
    QCOMPARE(Gui::Settings::value("i18n", "lang").toString(), QString("uk"));
    QVERIFY(m_watchdog.boxes().isEmpty());
}

void TestOptionsDialog::cancelLeavesTheFileUntouched()
{
    Gui::Settings::setValue("i18n", "lang", "uk");
    Gui::Settings::setValue("style", "fontSize", 12);
    Gui::Settings::setValue("auth", "login", "keeper");
    const QString before = m_temp.fileText();
    QVERIFY(!before.isEmpty());
    QPointer<Options> dialog = new Options;
    CommonOptionsPage *page = commonPage(*dialog);
    page->languageBox()->setCurrentIndex(0);
    page->scaleBox()->setValue(1.5);
    page->fontSizeBox()->setValue(15);
    page->loggingBox()->setChecked(true);
    page->channelBox()->setCurrentIndex(1);
    dialog->show();
    dialog->reject();
    QTRY_VERIFY(!dialog);
    QCOMPARE(m_temp.fileText(), before);
    // The size stays on screen until the client quits.
    QCOMPARE(QApplication::font().pointSize(), 15);
    QVERIFY(m_watchdog.boxes().isEmpty());
}

void TestOptionsDialog::restartWarning_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("warned");
    QTest::newRow("language") << "language" << true;
    QTest::newRow("logging") << "logging" << true;
    QTest::newRow("scale factor") << "scale" << false;
    QTest::newRow("font size") << "font" << false;
    QTest::newRow("task-bar grouping") << "grouping" << false;
    QTest::newRow("update channel") << "channel" << false;
    QTest::newRow("check on start-up") << "startup" << false;
    QTest::newRow("nothing") << "" << false;
}

void TestOptionsDialog::restartWarning()
{
    QFETCH(QString, change);
    QFETCH(bool, warned);
    Gui::Settings::setValue("i18n", "lang", "ru");
    auto *dialog = new Options;
    CommonOptionsPage *page = commonPage(*dialog);
    if (change == "language")
        page->languageBox()->setCurrentIndex(page->languageBox()->findData("en"));
    else if (change == "logging")
        page->loggingBox()->setChecked(true);
    else if (change == "scale")
        page->scaleBox()->setValue(1.4);
    else if (change == "font")
        page->fontSizeBox()->setValue(m_startFont.pointSize() + 2);
    else if (change == "grouping")
        page->groupWindowsBox()->setChecked(false);
    else if (change == "channel")
        page->channelBox()->setCurrentIndex(page->channelBox()->findData("beta"));
    else if (change == "startup")
        page->checkOnStartupBox()->setChecked(false);
    dialog->accept();
    const QStringList expected = warned ? QStringList{"Need restart application for applying options"} : QStringList();
    QCOMPARE(m_watchdog.texts(), expected);
    if (warned)
        QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Warning);
    // Saved whatever the warning said.
    QCOMPARE(Gui::Settings::value("logging", "enabled").toBool(), change == "logging");
    QCOMPARE(Gui::Settings::value("i18n", "lang").toString(), QString(change == "language" ? "en" : "ru"));
    m_watchdog.reset();
}

void TestOptionsDialog::fontSizeAppliesAtOnce()
{
    QWidget window;
    auto *plain = new QLabel("plain", &window);
    auto *own = new OwnSizeLabel;
    own->setParent(&window);
    QFont ownFont = own->font();
    ownFont.setPointSize(25);
    own->setFont(ownFont);
    auto *glyph = new Gui::FaPushButton(QString(QChar(0xf054)), 1, true, &window);
    const QString glyphFamily = glyph->font().family();

    Options dialog;
    CommonOptionsPage *page = commonPage(dialog);
    const int size = m_startFont.pointSize() + 3;
    page->fontSizeBox()->setValue(size);
    QCOMPARE(QApplication::font().pointSize(), size);
    QCOMPARE(plain->font().pointSize(), size);
    QCOMPARE(dialog.font().pointSize(), size);
    QCOMPARE(own->font().pointSize(), 25);
    // Icon-font buttons keep their glyphs: only the size changes.
    QCOMPARE(glyph->font().family(), glyphFamily);
    QCOMPARE(glyph->font().pointSize(), size);
    // 0 stands for the system size: nothing is applied while the client runs.
    page->fontSizeBox()->setValue(0);
    QCOMPARE(QApplication::font().pointSize(), size);
}

void TestOptionsDialog::logSize_data()
{
    QTest::addColumn<QList<qint64>>("files");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QList<qint64>{} << "Size: 0 MB";
    QTest::newRow("just under a million bytes") << QList<qint64>{999999} << "Size: 0 MB";
    QTest::newRow("just under two million bytes") << QList<qint64>{1000000, 999999} << "Size: 1 MB";
    QTest::newRow("two million bytes in a sub-folder") << QList<qint64>{1000000, -1000000} << "Size: 2 MB";
}

void TestOptionsDialog::logSize()
{
    QFETCH(QList<qint64>, files);
    QFETCH(QString, text);
    QDir logs(m_logs.path());
    QVERIFY(logs.removeRecursively() && QDir().mkpath(logs.path()));
    QVERIFY(logs.mkpath("old"));
    for (int i = 0; i < files.size(); ++i) {
        const QString name = files.at(i) < 0 ? QString("old/%1.log").arg(i) : QString("%1.log").arg(i);
        QVERIFY(writeFile(logs.filePath(name), QByteArray(int(qAbs(files.at(i))), 'x')));
    }
    Options dialog;
    QCOMPARE(commonPage(dialog)->logSizeLabel()->text(), text);
}

void TestOptionsDialog::clearLogs()
{
    QDir logs(m_logs.path());
    QVERIFY(logs.removeRecursively() && QDir().mkpath(logs.path()));
    QVERIFY(writeFile(logs.filePath("today.log"), QByteArray(2500000, 'x')));
    Options dialog;
    CommonOptionsPage *page = commonPage(dialog);
    QCOMPARE(page->logSizeLabel()->text(), QString("Size: 2 MB"));
    page->clearLogsButton()->click();
    QVERIFY(!QFile::exists(logs.filePath("today.log")));
    QCOMPARE(page->logSizeLabel()->text(), QString("Size: 0 MB"));
}

void TestOptionsDialog::keyboard()
{
    // Escape cancels, Enter accepts: the choice made with the keyboard is stored.
    QPointer<Options> dialog = new Options;
    CommonOptionsPage *page = commonPage(*dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog, timeLimit(5000)));
    page->groupWindowsBox()->setChecked(false);
    QTest::keyClick(page->scaleBox(), Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QVERIFY(!Gui::Settings::value("ui", "groupTaskBarWindows").isValid());

    dialog = new Options;
    page = commonPage(*dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog, timeLimit(5000)));
    page->groupWindowsBox()->setChecked(false);
    QTest::keyClick(page->scaleBox(), Qt::Key_Return);
    QTRY_VERIFY(!dialog);
    QCOMPARE(Gui::Settings::value("ui", "groupTaskBarWindows").toBool(), false);
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
