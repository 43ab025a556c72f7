#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/dialog/changepassword.h"
#include "gui/dialog/options.h"
#include "gui/mainwindow/customize.h"
#include "gui/mainwindow/guisessionmenu.h"
#include "gui/mainwindow/launcher.h"
#include "gui/mainwindow/mainmenu.h"
#include "gui/mainwindow/maintoolbar.h"
#include "gui/qml/qwidgetcreator.h"
#include "gui/shell/global.h"
#include "gui/update/updater.h"
#include "gui/widget/fapushbutton.h"
#include "gui/widget/lineedit.h"
#include "gui/widget/listview.h"
#include "openedurls.h"
#include "shelltestcase.h"
#include "testglobal.h"
#include "testmainmenu.h"
#include "testmainwindow.h"
#include "updateserver.h"

#include "client/controller/list/launcher.h"
#include "client/controller/list/toolbar.h"
#include "timelimit.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenuBar>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <algorithm>

using Gui::Dialog::Customize;

namespace {

// Export rows in export order, each as "id type name commandId".
QStringList exportRows(const Client::Controller::OriginalModel *model)
{
    QList<QVariantMap> rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(model->rowValues(row));
    std::sort(rows.begin(), rows.end(),
              [](const QVariantMap &a, const QVariantMap &b) { return a.value("id").toInt() < b.value("id").toInt(); });
    QStringList texts;
    for (const QVariantMap &row : rows) {
        QString text = QString("%1 %2 %3").arg(row.value("id").toInt()).arg(row.value("type").toString(),
                                                                             row.value("name").toString());
        if (row.contains("commandId"))
            text += " = " + row.value("commandId").toString();
        texts.append(text);
    }
    return texts;
}

QStringList shownTexts(const Gui::ListView *list)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts.append(list->model()->index(row, 0).data().toString());
    return texts;
}

} // namespace

// The main menu: the menus and their order, the export of commands for the tool bar, keyboard
// access, what the entries open, and the launcher and Customize windows that pick from the
// exported commands.
class TestMenuCommands : public ShellTestCase
{
    Q_OBJECT

private slots:
    void cleanup();
    void menusAndTheirExport();
    void everyCommandByKeyboard();
    void entriesOpenTheirWindows();
    void aboutBox();
    void helpAndTheUpdater();
    void launcherRunsTheChosenCommand();
    void launcherKeys();
    void customizeLists();
    void customizeEditing();
    void customizeAppliesOnOk();

private:
    Gui::MainMenu *menu() const { return m_harness->window()->mainMenu(); }
    TestMainMenu *testMenu() const { return m_harness->window()->testMenu(); }
    QAction *command(const QString &id) const;
};

void TestMenuCommands::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Gui::Launcher *>(window) || qobject_cast<Customize *>(window))
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ShellTestCase::cleanup();
}

QAction *TestMenuCommands::command(const QString &id) const
{
    return m_harness->window()->menuBar()->findChild<QAction *>(id);
}

void TestMenuCommands::menusAndTheirExport()
{
    QStringList titles;
    for (QAction *action : m_harness->window()->menuBar()->actions())
        titles.append(Gui::MainMenu::plainText(action->text()));
    // The application's menus stand between File and Report.
    QCOMPARE(titles, (QStringList{"File", "Catalogues", "Report", "Tools", "Help"}));

    const QString about = QString("About %1...").arg(QGuiApplication::applicationDisplayName());
    const QStringList expected{
        "1 menu File",
        "2 item Users = users",
        "3 item Change Password... = changePassword",
        "4 item Exit = quit",
        // The GUI-session submenu is a menu of its own after File's entries; its sessions come later.
        "5 menu Gui Sessions",
        "6 menu Catalogues",
        "7 item Drivers = drivers",
        "8 menu Report",
        "9 item Drivers report = driverReport",
        "10 menu Tools",
        "11 item Launcher = launcher",
        "12 item SMS Control = smsControl",
        "13 item Notification Types = notificationType",
        "14 item Versions = versions",
        "15 item Customize... = customize",
        "16 item Options... = options",
        "17 menu Help",
        "18 item Check latest version... = latestVersion",
        "19 item Back to previous version... = previousVersion",
        "20 item Open Download Page = openDownloadPage",
        "21 item " + about + " = About",
    };
    Client::Controller::OriginalModel *rows = m_harness->global()->toolBar()->originalModel();
    QCOMPARE(exportRows(rows), expected);
    // Each item row carries its menu action.
    const auto *exit = rows->data("commandId", "quit", "commandObject").value<QAction *>();
    QCOMPARE(exit, command("quit"));

    // An action without an object name is still exported, with an empty command id.
    QMenu extra("&Extra");
    extra.addAction("Nameless");
    extra.addSeparator();
    menu()->exportMenu(&extra);
    QCOMPARE(exportRows(rows).mid(21), (QStringList{"22 menu Extra", "23 item Nameless = "}));
}

void TestMenuCommands::everyCommandByKeyboard()
{
    QMenuBar *bar = m_harness->window()->menuBar();
    const auto mnemonic = [](const QAction *action) { return QKeySequence::mnemonic(action->text()); };
    // The menus open with Alt and a letter of their own.
    QSet<QKeySequence> titles;
    for (QAction *title : bar->actions()) {
        QVERIFY2(!mnemonic(title).isEmpty(), qPrintable(title->text()));
        QVERIFY2(!titles.contains(mnemonic(title)), qPrintable(title->text()));
        titles.insert(mnemonic(title));
    }
    // Every entry has a letter of its own within its menu.
    m_harness->window()->guiSessionMenu()->recreate();
    QList<QMenu *> menus = bar->findChildren<QMenu *>();
    QVERIFY(menus.size() >= 6);
    QSet<QKeySequence> shortcuts;
    for (QMenu *menu : menus) {
        QSet<QKeySequence> letters;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(!mnemonic(action).isEmpty(), qPrintable(action->text()));
            QVERIFY2(!letters.contains(mnemonic(action)), qPrintable(action->text()));
            letters.insert(mnemonic(action));
            if (action->shortcut().isEmpty())
                continue;
            QVERIFY2(!shortcuts.contains(action->shortcut()), qPrintable(action->shortcut().toString()));
            shortcuts.insert(action->shortcut());
        }
    }
    QCOMPARE(command("quit")->shortcut(), QKeySequence("Ctrl+Q"));
    QCOMPARE(command("launcher")->shortcut(), QKeySequence("Ctrl+Shift+L"));
    // Pages keep their own keys: the editor tabs, the table tool buttons, the pickers.
    QStringList pageKeys{"Ctrl+N", "Ctrl+E", "Ctrl+R", "Ctrl+D", "Ctrl+Alt+D", "Ctrl+V"};
    for (const QChar letter : QString("TYUIOPJKL"))
        pageKeys.append(QStringLiteral("Ctrl+") + letter);
    for (int digit = 1; digit <= 9; ++digit)
        pageKeys.append(QString("Ctrl+%1").arg(digit));
    for (const QString &key : pageKeys)
        QVERIFY2(!shortcuts.contains(QKeySequence(key)), qPrintable(key));

    // The shortcut reaches its entry from the main window.
    QSignalSpy launched(command("launcher"), &QAction::triggered);
    m_harness->window()->activateWindow();
    QTest::keyClick(m_harness->window(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(launched.count(), 1);
}

void TestMenuCommands::entriesOpenTheirWindows()
{
    // Launcher: a window of its own, nothing waits for it.
    command("launcher")->trigger();
    QVERIFY(m_harness->watchdog().boxes().isEmpty());
    Gui::Launcher *launcher = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<Gui::Launcher *>(window))
            launcher = found;
    }
    QVERIFY(launcher && launcher->isVisible());
    QCOMPARE(launcher->windowTitle(), QString("Launcher"));
    launcher->close();

    // Options and Change Password run modally.
    QString opened;
    m_harness->watchdog().handleNext([&](QDialog *dialog) {
        opened = dialog->metaObject()->className();
        dialog->reject();
    });
    command("options")->trigger();
    QCOMPARE(opened, QString("Gui::Dialog::Options"));
    m_harness->watchdog().handleNext([&](QDialog *dialog) {
        opened = dialog->metaObject()->className();
        dialog->reject();
    });
    command("changePassword")->trigger();
    QCOMPARE(opened, QString("Gui::Dialog::ChangePassword"));
    m_harness->watchdog().handleNext([&](QDialog *dialog) {
        opened = dialog->metaObject()->className();
        dialog->reject();
    });
    command("customize")->trigger();
    QCOMPARE(opened, QString("Gui::Dialog::Customize"));

    // The window host's openers: plain windows.
    for (QPointer<QWidget> window : {m_harness->widgetCreator()->options(), m_harness->widgetCreator()->launcher()}) {
        QVERIFY(window && window->isVisible() && window->testAttribute(Qt::WA_DeleteOnClose));
        window->close();
        QTRY_VERIFY(!window);
    }

    // The application's entries run what they were made with.
    command("drivers")->trigger();
    command("versions")->trigger();
    QCOMPARE(testMenu()->runs.value("drivers"), 1);
    QCOMPARE(testMenu()->runs.value("versions"), 1);
}

void TestMenuCommands::aboutBox()
{
    QCoreApplication::setApplicationVersion("1.6.0");
    Gui::Context::setBuildDateTime("May  2 2023 10:11:12");
    m_harness->widgetCreator()->about();
    command("About")->trigger();
    const QList<ModalWatchdog::Box> boxes = m_harness->watchdog().takeBoxes();
    QCOMPARE(boxes.size(), 2);
    for (const ModalWatchdog::Box &box : boxes) {
        QCOMPARE(box.title, QString("About %1").arg(QGuiApplication::applicationDisplayName()));
        QVERIFY(box.text.startsWith(QString("<h3>%1 1.6.0</h3>").arg(QGuiApplication::applicationDisplayName())));
        // The Qt the program is built with, not a fixed number.
        QVERIFY2(box.text.contains("Based on Qt " QT_VERSION_STR "<br>"), qPrintable(box.text));
        QVERIFY(box.text.contains("Build on May  2 2023 10:11:12<br>"));
        QVERIFY(box.text.contains(QCoreApplication::organizationName().toHtmlEscaped() + ". All rights reserved."));
    }
}

void TestMenuCommands::helpAndTheUpdater()
{
    UpdateServer server;
    QVERIFY(server.start());
    // The server's folders are named by the program.
    const QString testName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("KorivAdmin");
    const auto restoreName = qScopeGuard([&] { QCoreApplication::setApplicationName(testName); });
    QJsonArray updates;
    for (const char *version : {"1.7.0", "1.5.0"}) {
        QJsonObject update = UpdateServer::entry(version);
        update.insert("sha256", QJsonObject{{"windows", QString(64, QLatin1Char('A'))}});
        updates.append(update);
    }
    QVERIFY(server.setManifest(UpdateServer::manifest(updates)));
    QCoreApplication::setApplicationVersion("1.6.0");
    m_harness->network()->setHost(UpdateServer::companyHost());
    Gui::Updater *updater = m_harness->global()->updater();
    updater->setServerUrl(server.url());

    // The checks of the Help menu are not silent, and look forward or back.
    const auto checkOffered = [&](const QString &id, const QStringList &expected) {
        QStringList versions;
        m_harness->watchdog().handleNext([&](QDialog *dialog) {
            versions = UpdateServer::offeredVersions(dialog);
            dialog->reject();
        });
        command(id)->trigger();
        QVERIFY(QTest::qWaitFor([&] { return !versions.isEmpty(); }, timeLimit(10000)));
        QCOMPARE(versions, expected);
    };
    checkOffered("latestVersion", QStringList{"1.7.0"});
    if (QTest::currentTestFailed())
        return;
    checkOffered("previousVersion", QStringList{"1.5.0"});
    if (QTest::currentTestFailed())
        return;
    server.removeManifest();
    qRegisterMetaType<QNetworkReply *>();
    QSignalSpy answered(updater->findChild<QNetworkAccessManager *>(), &QNetworkAccessManager::finished);
    command("latestVersion")->trigger();
    QVERIFY(answered.wait(timeLimit(10000)));
    QTRY_COMPARE(m_harness->watchdog().boxes().size(), 1);
    m_harness->watchdog().reset();

    // The download page opens in the browser.
    OpenedUrls opened(server.url().scheme());
    command("openDownloadPage")->trigger();
    QCOMPARE(opened.urls, QList<QUrl>{QUrl(updater->downloadPageUrl())});
    QVERIFY(m_harness->watchdog().boxes().isEmpty());
    // Nothing to open it with: the box says so and gives the address to copy.
    QList<QUrl> tried;
    updater->setUrlOpener([&tried](const QUrl &url) {
        tried.append(url);
        return false;
    });
    command("openDownloadPage")->trigger();
    QCOMPARE(tried, QList<QUrl>{QUrl(updater->downloadPageUrl())});
    const QList<ModalWatchdog::Box> boxes = m_harness->watchdog().takeBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(boxes.first().text, "The download page could not be opened. Open this address in a browser:\n"
                                     + updater->downloadPageUrl());
    QCOMPARE(boxes.first().format, Qt::PlainText);
    QVERIFY(boxes.first().interaction.testFlag(Qt::TextSelectableByMouse));
    updater->setUrlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); });

    // An update in place closes the window as the user would: after the question.
    m_harness->watchdog().answerNext(QMessageBox::No);
    emit updater->restart();
    QCOMPARE(m_harness->watchdog().texts(), QStringList{"Are you sure want to quit?"});
    QVERIFY(m_harness->window()->isVisible());
    m_harness->watchdog().reset();
}

void TestMenuCommands::launcherRunsTheChosenCommand()
{
    auto *launcher = new Gui::Launcher;
    QPointer<Gui::Launcher> guard(launcher);
    Gui::QWidgetCreator::show(launcher);
    QVERIFY(QTest::qWaitForWindowExposed(launcher, timeLimit(5000)));
    // Only commands, by name, each with its menu-order number.
    const QStringList names = shownTexts(launcher->list());
    QCOMPARE(names.size(), 15);
    QVERIFY(!names.contains("File") && !names.contains("Gui Sessions"));
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(names, sorted);
    QCOMPARE(launcher->list()->currentRow(), 0);
    QCOMPARE(launcher->controller()->originalModel()->data("name", "Exit", "id").toInt(), 3);

    // Two words in either order find the same commands.
    QTest::keyClicks(launcher->filter(), "previous back");
    const QStringList found = shownTexts(launcher->list());
    QCOMPARE(found, QStringList{"Back to previous version..."});
    launcher->filter()->clear();
    QTest::keyClicks(launcher->filter(), "back previous");
    QCOMPARE(shownTexts(launcher->list()), found);

    // Enter runs the selected command and closes the launcher.
    launcher->filter()->clear();
    QTest::keyClicks(launcher->filter(), "versions");
    QCOMPARE(shownTexts(launcher->list()), QStringList{"Versions"});
    launcher->list()->setCurrentRow(0);
    QTest::keyClick(launcher->filter(), Qt::Key_Return);
    QCOMPARE(testMenu()->runs.value("versions"), 1);
    QVERIFY(!guard || !guard->isVisible());
    QTRY_VERIFY(!guard);

    // A double click (activation) in the list does the same.
    launcher = new Gui::Launcher;
    guard = launcher;
    Gui::QWidgetCreator::show(launcher);
    QTest::keyClicks(launcher->filter(), "drivers");
    const int row = shownTexts(launcher->list()).indexOf("Drivers");
    QVERIFY(row >= 0);
    launcher->list()->setCurrentRow(row);
    emit launcher->list()->activated(launcher->list()->currentIndex());
    QCOMPARE(testMenu()->runs.value("drivers"), 1);
    QTRY_VERIFY(!guard);
}

void TestMenuCommands::launcherKeys()
{
    auto *launcher = new Gui::Launcher;
    QPointer<Gui::Launcher> guard(launcher);
    Gui::QWidgetCreator::show(launcher);
    Gui::LineEdit *filter = launcher->filter();
    Gui::ListView *list = launcher->list();
    // Up on the first row and Down on the last keep the selection.
    QTest::keyClick(filter, Qt::Key_Up);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(filter, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    list->setCurrentRow(list->rowCount() - 1);
    QTest::keyClick(filter, Qt::Key_Down);
    QCOMPARE(list->currentRow(), list->rowCount() - 1);

    // A filter that hides the current row leaves none: Enter does nothing, Down takes the first.
    list->setCurrentRow(shownTexts(list).indexOf("Exit"));
    QTest::keyClicks(filter, "version");
    QCOMPARE(list->currentRow(), -1);
    QTest::keyClick(filter, Qt::Key_Return);
    QVERIFY(launcher->isVisible());
    QTest::keyClick(filter, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    // Nothing matches: Enter does nothing.
    QTest::keyClicks(filter, "zzz");
    QCOMPARE(list->rowCount(), 0);
    QTest::keyClick(filter, Qt::Key_Enter);
    QVERIFY(launcher->isVisible());
    QCOMPARE(testMenu()->runs.size(), 0);

    // Escape closes it.
    QTest::keyClick(filter, Qt::Key_Escape);
    QVERIFY(!guard || !guard->isVisible());
    QTRY_VERIFY(!guard);
}

void TestMenuCommands::customizeLists()
{
    Customize dialog({"options", "gone"}, {"users"});
    dialog.setDeleteOnClose(false);
    const QStringList available = shownTexts(dialog.availableList());
    // Every exported row in menu order, menus in capitals between brackets.
    QCOMPARE(available.mid(0, 6),
             (QStringList{"[ FILE ]", "Users", "Change Password...", "Exit", "[ GUI SESSIONS ]", "[ CATALOGUES ]"}));
    QCOMPARE(available.size(), 21);
    // A command the menu no longer has is still listed, without a name, and kept.
    QCOMPARE(shownTexts(dialog.toolBarList()), (QStringList{"Options...", ""}));
    QCOMPARE(dialog.commandIds(), (QStringList{"options", "gone"}));

    // Every word of the filter must match; menu rows are filtered like the others.
    QTest::keyClicks(dialog.filterEdit(), "version previous");
    QCOMPARE(shownTexts(dialog.availableList()), QStringList{"Back to previous version..."});
    dialog.filterEdit()->clear();
    QTest::keyClicks(dialog.filterEdit(), "help");
    QCOMPARE(shownTexts(dialog.availableList()), QStringList{"[ HELP ]"});
    // A menu cannot be added.
    dialog.availableList()->setCurrentRow(0);
    QVERIFY(!dialog.addButton()->isEnabled());
}

void TestMenuCommands::customizeEditing()
{
    Customize dialog({"users", "launcher", "options"}, {"users", "launcher"});
    dialog.setDeleteOnClose(false);
    Gui::ListView *available = dialog.availableList();
    Gui::ListView *chosen = dialog.toolBarList();
    const auto pick = [&](const QString &name) { available->setCurrentRow(shownTexts(available).indexOf(name)); };
    for (QPushButton *button : {static_cast<QPushButton *>(dialog.addButton()), static_cast<QPushButton *>(dialog.removeButton()),
                                static_cast<QPushButton *>(dialog.upButton()), static_cast<QPushButton *>(dialog.downButton())})
        QVERIFY(!button->isEnabled());

    // Nothing selected on the right: the command goes first.
    pick("Versions");
    QVERIFY(dialog.addButton()->isEnabled());
    dialog.addButton()->click();
    QCOMPARE(dialog.commandIds(), (QStringList{"versions", "users", "launcher", "options"}));
    // Once only.
    dialog.addButton()->click();
    QCOMPARE(dialog.commandIds().size(), 4);

    // Up on the first row and down on the last are disabled.
    chosen->setCurrentRow(0);
    QVERIFY(!dialog.upButton()->isEnabled() && dialog.downButton()->isEnabled());
    chosen->setCurrentRow(3);
    QVERIFY(dialog.upButton()->isEnabled() && !dialog.downButton()->isEnabled());
    dialog.upButton()->click();
    QCOMPARE(dialog.commandIds(), (QStringList{"versions", "users", "options", "launcher"}));
    QCOMPARE(chosen->currentRow(), 2);
    dialog.downButton()->click();
    QCOMPARE(dialog.commandIds(), (QStringList{"versions", "users", "launcher", "options"}));

    // After a removal the next command still lands at the selected row's place.
    chosen->setCurrentRow(0);
    dialog.removeButton()->click();
    QCOMPARE(dialog.commandIds(), (QStringList{"users", "launcher", "options"}));
    chosen->setCurrentRow(1);
    pick("Exit");
    dialog.addButton()->click();
    QCOMPARE(dialog.commandIds(), (QStringList{"users", "quit", "launcher", "options"}));
    QCOMPARE(shownTexts(chosen), (QStringList{"Users", "Exit", "Launcher", "Options..."}));

    dialog.resetButton()->click();
    QCOMPARE(dialog.commandIds(), (QStringList{"users", "launcher"}));
}

void TestMenuCommands::customizeAppliesOnOk()
{
    Gui::MainToolBar *toolBar = m_harness->window()->mainToolBar();
    // Reset then Enter: the tool bar gets exactly the default commands.
    toolBar->setCommandIds({"options", "about"});
    m_harness->watchdog().handleNext([](QDialog *dialog) {
        auto *customize = qobject_cast<Customize *>(dialog);
        QVERIFY(customize);
        QCOMPARE(customize->commandIds(), (QStringList{"options", "about"}));
        customize->resetButton()->click();
        QTest::keyClick(customize->filterEdit(), Qt::Key_Return);
    });
    menu()->onCustomize();
    QCOMPARE(toolBar->commandIds(), (QStringList{"users", "launcher"}));

    // Escape cancels: nothing changes.
    m_harness->watchdog().handleNext([](QDialog *dialog) {
        auto *customize = qobject_cast<Customize *>(dialog);
        QVERIFY(customize);
        customize->setCommandIds({"quit"});
        QTest::keyClick(customize->filterEdit(), Qt::Key_Escape);
    });
    menu()->onCustomize();
    QCOMPARE(toolBar->commandIds(), (QStringList{"users", "launcher"}));

    // From a page, through the window host: Ok hands the choice to the tool bar.
    QPointer<QWidget> shown = m_harness->widgetCreator()->customize({"quit"}, {"users"});
    auto *customize = qobject_cast<Customize *>(shown.data());
    QVERIFY(customize && customize->isVisible());
    customize->accept();
    QCOMPARE(toolBar->commandIds(), QStringList{"quit"});
    QTRY_VERIFY(!shown);
}

QTEST_MAIN(TestMenuCommands)
#include "tst_mainmenu.moc"
