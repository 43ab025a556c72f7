// The program's translation catalogues as start-up installs them: every text of every catalogue
// translated in the compiled files, known texts of each catalogue in Russian and Ukrainian, shown
// by the widgets, the field catalogues and a page-kit QML file, the sign-in dialog in both
// languages and the main menu in them and in English with nothing cut off and a letter of its
// own for every menu entry (screenshots in the build's screenshot folder).
#include "common/core/utils/utils.h"
#include "common/net/abstractcontroller.h"
#include "gui/controller/abstractcontroller.h"
#include "gui/controller/network.h"
#include "gui/dialog/login.h"
#include "gui/mainwindow/guisessionmenu.h"
#include "gui/settings/settings.h"
#include "gui/style/style.h"
#include "model/base/city/city.h"
#include "model/tavik/security/controllernames.h"
#include "modalwatchdog.h"
#include "optionrights.h"
#include "qmlengineharness.h"
#include "screenshot.h"
#include "shell/context.h"
#include "shell/mainwindow.h"
#include "startup/translations.h"
#include "tempsettings.h"
#include "truncatedtexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleFactory>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

const QStringList Languages{QStringLiteral("ru"), QStringLiteral("uk")};

// One message of a .ts catalogue.
struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool finished = false;
    QStringList translations;
};

void readTranslation(QXmlStreamReader &xml, Message &message)
{
    const QStringRef type = xml.attributes().value(QLatin1String("type"));
    message.finished = type.isEmpty();
    if (!message.numerus) {
        message.translations.append(xml.readElementText());
        return;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("numerusform"))
            message.translations.append(xml.readElementText());
        else
            xml.skipCurrentElement();
    }
}

Message readMessage(QXmlStreamReader &xml, const QString &context)
{
    Message message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            message.comment = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            readTranslation(xml, message);
        else
            xml.skipCurrentElement();
    }
    return message;
}

// The messages of the catalogue file; an unreadable file is an error.
QVector<Message> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QVector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append(readMessage(xml, context));
    }
    if (xml.hasError())
        *error = QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
    return messages;
}

// Whether the message is translated in the .ts file and in the compiled catalogue; Russian and
// Ukrainian have three plural forms.
bool isTranslated(const Message &m, const QTranslator &compiled)
{
    const int forms = m.numerus ? 3 : 1;
    if (!m.finished || m.translations.size() != forms || m.translations.contains(QString()))
        return false;
    const QByteArray context = m.context.toUtf8();
    const QByteArray source = m.source.toUtf8();
    const QByteArray comment = m.comment.toUtf8();
    const char *disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
    for (int n : m.numerus ? QVector<int>{1, 2, 5} : QVector<int>{-1}) {
        if (compiled.translate(context, source, disambiguation, n).isEmpty())
            return false;
    }
    return true;
}

QString catalogueFolder()
{
    return qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/resources/i18n");
}

void removeTranslators()
{
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The menu bar and every menu under it, each as its title and the texts of its entries.
QVector<QPair<QString, QStringList>> menuTexts(QMenuBar *bar)
{
    QVector<QPair<QString, QStringList>> result;
    QStringList titles;
    QList<QMenu *> menus;
    for (QAction *action : bar->actions()) {
        titles.append(action->text());
        if (action->menu())
            menus.append(action->menu());
    }
    result.append({QStringLiteral("menu bar"), titles});
    while (!menus.isEmpty()) {
        QMenu *menu = menus.takeFirst();
        QStringList entries;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            entries.append(action->text());
            if (action->menu())
                menus.append(action->menu());
        }
        result.append({menu->title(), entries});
    }
    return result;
}

// Entries without a keyboard letter or with one another entry of the same menu has.
QStringList mnemonicProblems(const QVector<QPair<QString, QStringList>> &menus)
{
    QStringList problems;
    for (const auto &menu : menus) {
        QHash<QKeySequence, QString> taken;
        for (const QString &text : menu.second) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                problems.append(menu.first + ": no letter in " + text);
            else if (taken.contains(key))
                problems.append(menu.first + ": " + text + " takes the letter of " + taken.value(key));
            else
                taken.insert(key, text);
        }
    }
    return problems;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void knownTexts_data();
    void knownTexts();
    void shownTexts_data();
    void shownTexts();
    void signInDialog_data();
    void signInDialog();
    void mainMenu_data();
    void mainMenu();

private:
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void TestTranslations::initTestCase()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Koriv Admin"));
    m_settings = std::make_unique<TempSettings>();
    Gui::Settings settings;
    Gui::Settings::setValue("updating", "checkOnStartup", false);
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_watchdog->allowOpen("Gui::DataLoading");
    // The look start-up gives the widgets: their sizes depend on it.
    Gui::Style::loadFonts();
    QApplication::setPalette(Gui::Style::darkPalette());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFile sheet(QStringLiteral(":/style/dark.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void TestTranslations::cleanup()
{
    removeTranslators();
    VERIFY_NO_MODAL(*m_watchdog);
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("catalogue");
    // Every catalogue start-up installs is there for both languages, and nothing else is.
    QStringList expected;
    for (const QString &prefix : Translations::catalogues()) {
        for (const QString &language : Languages)
            expected.append(prefix + language);
    }
    QStringList present;
    for (const QString &file : QDir(catalogueFolder()).entryList({QStringLiteral("*.ts")}, QDir::Files))
        present.append(QFileInfo(file).completeBaseName());
    expected.sort();
    QCOMPARE(present, expected);
    for (const QString &name : present)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, catalogue);
    QString error;
    const QVector<Message> messages = readCatalogue(catalogueFolder() + '/' + catalogue + ".ts", &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
    QTranslator compiled;
    QVERIFY(compiled.load(catalogue, QStringLiteral(":/i18n/")));
    QStringList untranslated;
    for (const Message &message : messages) {
        if (!isTranslated(message, compiled))
            untranslated.append(message.context + ": " + message.source);
    }
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(QString::number(untranslated.size()) + " texts without a translation (fill them in "
                        + catalogue + ".ts):\n" + untranslated.join('\n')));
}

void TestTranslations::knownTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    const auto row = [](const char *name, const char *language, const char *context, const char *source,
                        const char *translation) {
        QTest::newRow(name) << language << context << source << QString::fromUtf8(translation);
    };
    row("libcommon ru", "ru", "QObject", "yesterday, ", "вчера, ");
    row("libclient ru", "ru", "Client::Controller::UserSession", "hard closed", "закрыт принудительно");
    row("libmodel ru", "ru", "QObject", "Driver balance logs", "Журнал баланса водителей");
    row("libgui ru", "ru", "Gui::MainMenu", "&Options...", "&Параметры...");
    row("norvik ru", "ru", "Startup", "The program could not start: %1", "Не удалось запустить программу: %1");
    row("taldor ru", "ru", "TableFilterMenu", "Extended Search", "Расширенный поиск");
    row("libcommon uk", "uk", "QObject", "tomorrow, ", "завтра, ");
    row("libclient uk", "uk", "DriverSession", "closed by other user", "закрито іншим користувачем");
    row("libmodel uk", "uk", "QObject", "Car brands", "Марки автомобілів");
    row("libgui uk", "uk", "Gui::MainWindow", "Are you sure want to quit?", "Ви дійсно бажаєте вийти?");
    row("norvik uk", "uk", "Global", "All cities", "Усі міста");
    row("taldor uk", "uk", "dialog", "Do you want to delete records?", "Видалити записи?");
    row("payment system ru", "ru", "PaymentSystemEditor", "Incoming commission %:", "Входящая комиссия, %:");
    row("payment system uk", "uk", "PaymentSystemEditor", "Outgoing commission %:", "Вихідна комісія, %:");
    // A text in two catalogues under the same context has the same translation in both.
    row("shared context", "ru", "QObject", "Undefined error", "Неизвестная ошибка");
}

void TestTranslations::knownTexts()
{
    QFETCH(QString, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, translation);
    const QStringList installed = Translations::install(language);
    QCOMPARE(installed.size(), Translations::catalogues().size() + 1);
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)), translation);
}

void TestTranslations::shownTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ru") << "ru"
                        << QString::fromUtf8("Вход|Сбросить пароль...|Сохранить пароль|Отмена|Название|Водители|"
                                             "Отмена|Удалить|2 дн. 01:02:03")
                               .split('|');
    QTest::newRow("uk") << "uk"
                        << QString::fromUtf8("Вхід|Скинути пароль...|Зберегти пароль|Скасувати|Назва|Водії|"
                                             "Скасувати|Видалити|2 дн. 01:02:03")
                               .split('|');
}

void TestTranslations::shownTexts()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    Translations::install(language);
    QStringList shown;
    // The sign-in dialog: its title, its buttons (Cancel from Qt's own catalogue).
    {
        Gui::Dialog::Login login(40300);
        shown << login.windowTitle() << login.resetPasswordButton()->text() << login.savePasswordBox()->text()
              << login.buttonBox()->button(QDialogButtonBox::Cancel)->text();
    }
    // A field caption of a catalogue and the display text of a security option group.
    shown << Model::Base::City().field("name").title;
    for (const auto &entry : Model::Tavik::ControllerNames::entries()) {
        if (QLatin1String(entry.key) == QLatin1String("driver"))
            shown << Model::Tavik::ControllerNames::displayText(entry);
    }
    // The page kit's editor buttons and tool button, from their QML files.
    {
        QmlEngineHarness qml;
        std::unique_ptr<QObject> buttons(qml.create(QUrl("qrc:/qml/components/editor/ButtonBox.qml")));
        std::unique_ptr<QObject> remove(qml.create(QUrl("qrc:/qml/components/toolbuttons/ToolButtonRemove.qml")));
        QVERIFY(buttons && remove);
        QObject *cancel = buttons->findChild<QObject *>("cancelButton");
        QVERIFY(cancel);
        shown << cancel->property("text").toString() << remove->property("name").toString();
        QVERIFY2(qml.messages().takeUnexpected().isEmpty(), "QML messages");
    }
    // A duration of more than a day.
    shown << Utils().formatDuration(2 * 86400000LL + 3723000);
    QCOMPARE(shown, expected);
}

void TestTranslations::signInDialog_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::signInDialog()
{
    QFETCH(QString, language);
    Translations::install(language);
    m_settings->clear();
    QSettings().setValue("auth/login", "operator");
    Gui::Dialog::Login login(40300);
    login.setDeleteOnClose(false);
    login.setTitleSuffix(QApplication::applicationDisplayName());
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login, timeLimit(5000)));
    QCOMPARE(truncatedTexts(&login), QStringList());
    QVERIFY2(login.height() < 300, qPrintable(QString::number(login.height())));
    QVERIFY(saveScreenshot(&login, language + "-login.png"));
}

void TestTranslations::mainMenu_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("titles");
    // English is the texts of the code, with no catalogue installed.
    QTest::newRow("en") << "en" << QString("&File|&Company|&Driver|&User|&Address|&Payment|&Report|&Tools|&Help").split('|');
    QTest::newRow("ru") << "ru" << QString::fromUtf8("&Файл|&Компания|&Водитель|&Пользователь|&Адрес|Пла&тежи|&Отчет|С&ервис|&Справка").split('|');
    QTest::newRow("uk") << "uk" << QString::fromUtf8("&Файл|&Компанія|&Водій|Корис&тувач|&Адреса|&Платежі|&Звіт|&Сервіс|&Довідка").split('|');
}

void TestTranslations::mainMenu()
{
    QFETCH(QString, language);
    QFETCH(QStringList, titles);
    Translations::install(language);
    Context context;
    Gui::Network network;
    Common::AbstractController::setNetwork(&network);
    Gui::Controller::AbstractController::setNetwork(&network);
    OptionRights rights;
    auto window = std::make_unique<MainWindow>();
    window->createGlobal();
    window->setup();
    window->resize(1000, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get(), timeLimit(5000)));
    window->guiSessionMenu()->recreate();

    QMenuBar *bar = window->menuBar();
    const auto menus = menuTexts(bar);
    QCOMPARE(menus.first().second, titles);
    QCOMPARE(mnemonicProblems(menus), QStringList());
    // Every title shows on the bar, none folded into its extension.
    for (QAction *action : bar->actions())
        QVERIFY2(bar->rect().contains(bar->actionGeometry(action)), qPrintable(action->text()));
    QCOMPARE(truncatedTexts(window.get()), QStringList());

    QVERIFY(saveScreenshot(window.get(), language + "-main-window.png"));
    for (int i = 0; i < bar->actions().size(); ++i) {
        QAction *action = bar->actions().at(i);
        QMenu *menu = action->menu();
        if (menu->isEmpty()) // entries the signed-out operator has no rights to
            continue;
        menu->popup(window->mapToGlobal(bar->actionGeometry(action).bottomLeft()));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(saveScreenshot(menu, QStringLiteral("%1-menu-%2.png").arg(language).arg(i + 1)));
        menu->hide();
    }
    window.reset();
    Common::AbstractController::setNetwork(nullptr);
    Gui::Controller::AbstractController::setNetwork(nullptr);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
