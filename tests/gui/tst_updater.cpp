#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/settings/settings.h"
#include "gui/update/updater.h"
#include "gui/update/updates.h"
#include "modalwatchdog.h"
#include "screenshot.h"
#include "tempsettings.h"
#include "testfiles.h"
#include "timelimit.h"
#include "updateserver.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Gui::Updater;
using Gui::Updates;

namespace {

const QString CompanyHost = UpdateServer::companyHost();
const QByteArray OldLoader = "the installed loader\n";

QJsonObject entry(const QString &version, const QString &channel = "release", const QJsonValue &size = 1000)
{
    return UpdateServer::entry(version, channel, size);
}

QByteArray manifest(const QJsonArray &updates, const QString &host = CompanyHost)
{
    return UpdateServer::manifest(updates, host);
}

QStringList offeredVersions(QDialog *dialog)
{
    return UpdateServer::offeredVersions(dialog);
}

QPushButton *updateButton(QDialog *dialog)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == "Update")
            return button;
    }
    return nullptr;
}

} // namespace

// The updater against an HTTP update server on 127.0.0.1, and the Updates dialog.
class TestUpdater : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void addresses();
    void offers_data();
    void offers();
    void downloads_data();
    void downloads();
    void handOverAtShutdown();
    void updatesDialog_data();
    void updatesDialog();
    void screenshot();

private:
    // Runs a check and waits until its answer has been handled.
    void runCheck(Updater &updater, bool latest, bool silent);
    // Checks silently with a manifest of one update and presses Update in the dialog offered;
    // returns when the update is in place or a message said why not.
    void downloadOne(Updater &updater, const QJsonObject &update);

    TempSettings m_settings;
    QTemporaryDir m_tmp;
    std::unique_ptr<Gui::Context> m_context;
    std::unique_ptr<Gui::Network> m_net;
    std::unique_ptr<UpdateServer> m_server;
    std::unique_ptr<QTemporaryDir> m_install;
    QPointer<QDialog> m_offer;
    QPointer<QProgressBar> m_progress;
    int m_progressAtRestart = -1;
    ModalWatchdog m_watchdog;
};

void TestUpdater::initTestCase()
{
    QCoreApplication::setApplicationName("KorivAdmin");
    qRegisterMetaType<QNetworkReply *>();
    // The updater keeps its downloads below the temporary folder: one of this test's own.
    qputenv("TMPDIR", m_tmp.path().toLocal8Bit());
    Gui::Settings settings;
    // The company host is the signed-in server's.
    m_context = std::make_unique<Gui::Context>();
    m_net = std::make_unique<Gui::Network>();
    m_net->setHost(CompanyHost);
    Gui::Context::setNetwork(m_net.get());
    m_server = std::make_unique<UpdateServer>();
    QVERIFY(m_server->start());
}

void TestUpdater::init()
{
    QCoreApplication::setApplicationVersion("1.6.0");
    Gui::Settings::setValue("updating", "channel", "release");
    m_install = std::make_unique<QTemporaryDir>();
    QVERIFY(writeFile(m_install->path() + "/loader.exe", OldLoader));
}

void TestUpdater::cleanup()
{
    const QString problems = m_watchdog.problems();
    // A failed case leaves nothing open for the next one.
    while (QWidget *open = QApplication::activeModalWidget())
        delete open;
    m_watchdog.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestUpdater::runCheck(Updater &updater, bool latest, bool silent)
{
    QSignalSpy answered(updater.findChild<QNetworkAccessManager *>(), &QNetworkAccessManager::finished);
    updater.checkWithChannel(latest, silent);
    QVERIFY(answered.wait(timeLimit(10000)));
    QCoreApplication::processEvents();
}

void TestUpdater::addresses()
{
    Updater updater;
    updater.setServerUrl(QUrl("https://updates.example.com/"));
    QCOMPARE(updater.downloadPageUrl(), QString("https://updates.example.com/download/KorivAdmin/install/windows"));
    QCOMPARE(updater.installerUrl("1.6.0"),
             QString("https://updates.example.com/download/KorivAdmin/install/windows/KorivAdminSetup-1.6.0.exe"));
    // Only the dotted number of a version reaches an address.
    QCOMPARE(updater.installerUrl("1.6.0\"><script>"),
             QString("https://updates.example.com/download/KorivAdmin/install/windows/KorivAdminSetup-1.6.0.exe"));
    QCOMPARE(updater.installerUrl("latest"), QString());
    updater.setServerUrl(QUrl::fromUserInput("updates.example.com"));
    QCOMPARE(updater.downloadPageUrl(), QString("http://updates.example.com/download/KorivAdmin/install/windows"));
    QCOMPARE(updater.currentOS(), QString("windows"));

    updater.setInstallFolder(m_install->path());
    QVERIFY(updater.checkWorkDirWritable());
    QCOMPARE(QDir(m_install->path()).entryList(QDir::Files), QStringList({"loader.exe"}));
    updater.setInstallFolder(m_install->path() + "/missing");
    QVERIFY(!updater.checkWorkDirWritable());
}

void TestUpdater::offers_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<bool>("latest");
    QTest::addColumn<QString>("channel");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("box");

    const QByteArray published = manifest({entry("1.7.0"), entry("1.6.5", "beta"), entry("1.6.2"), entry("1.6.0"),
                                           entry("1.5.0")});
    QTest::newRow("newer releases") << published << true << "release" << false << QStringList{"1.7.0", "1.6.2"} << "";
    QTest::newRow("newer releases and betas") << published << true << "beta" << false
                                              << QStringList{"1.7.0", "1.6.5", "1.6.2"} << "";
    QTest::newRow("alpha channel takes releases") << published << true << "alpha" << false
                                                  << QStringList{"1.7.0", "1.6.2"} << "";
    QTest::newRow("the previous release") << published << false << "release" << false << QStringList{"1.5.0"} << "";
    QTest::newRow("silent check still offers") << published << true << "release" << true
                                               << QStringList{"1.7.0", "1.6.2"} << "";
    QTest::newRow("the running version ends the walk")
        << manifest({entry("1.6.0"), entry("1.7.0")}) << true << "release" << false << QStringList{}
        << "Latest version is installed";
    QTest::newRow("no previous version") << manifest({entry("1.7.0"), entry("1.6.0")}) << false << "release" << false
                                         << QStringList{} << "Previous version is absent";
    QTest::newRow("sizes that are no whole positive number")
        << manifest({entry("1.9.0", "release", 0), entry("1.8.5", "release", 2.5), entry("1.8.4", "release", "100"),
                     entry("1.8.3", "release", 3e9), entry("1.8.0", "release", QJsonValue()), entry("1.6.1")})
        << true << "release" << false << QStringList{"1.6.1"} << "";
    QTest::newRow("channels are exact") << manifest({entry("1.7.0", "Release"), entry("1.6.9", "alpha"), entry("1.6.1")})
                                        << true << "beta" << false << QStringList{"1.6.1"} << "";
    QTest::newRow("versions that are no dotted number")
        << manifest({entry("../../1.9.0"), entry("1.8.0-rc1"), entry("<b>2.0</b>"), entry("1.6.1")}) << true
        << "release" << false << QStringList{"1.6.1"} << "";
    QTest::newRow("company not listed") << manifest({entry("1.7.0")}, "elsewhere.example") << true << "release"
                                        << false << QStringList{} << "Updates for your company is not available";
    QTest::newRow("company not listed, silently") << manifest({entry("1.7.0")}, "elsewhere.example") << true
                                                  << "release" << true << QStringList{} << "";
    // Its last value, as Qt reads it (with a warning).
    QTest::newRow("updates given twice") << "{\"updates\":[" + QJsonDocument(entry("1.9.0")).toJson() + "]," + published.mid(1)
                                         << true << "release" << false << QStringList{"1.7.0", "1.6.2"} << "";
    QTest::newRow("not JSON") << QByteArray("{\"updates\": [") << true << "release" << false << QStringList{}
                              << "Error parse document: ";
    QTest::newRow("no manifest") << QByteArray() << true << "release" << false << QStringList{} << "server replied";
    QTest::newRow("no manifest, silently") << QByteArray() << true << "release" << true << QStringList{} << "";
}

void TestUpdater::offers()
{
    QFETCH(QByteArray, manifest);
    QFETCH(bool, latest);
    QFETCH(QString, channel);
    QFETCH(bool, silent);
    QFETCH(QStringList, offered);
    QFETCH(QString, box);

    if (manifest.isEmpty())
        m_server->removeManifest();
    else
        QVERIFY(m_server->setManifest(manifest));
    Gui::Settings::setValue("updating", "channel", channel);
    Updater updater;
    updater.setServerUrl(m_server->url());
    QStringList shown;
    if (!offered.isEmpty()) {
        m_watchdog.handleNext([&](QDialog *dialog) {
            shown = offeredVersions(dialog);
            dialog->reject();
        });
    }
    runCheck(updater, latest, silent);
    QTRY_COMPARE(shown, offered);
    const QStringList texts = m_watchdog.texts();
    if (box.isEmpty()) {
        QCOMPARE(texts, QStringList());
    } else {
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.first().contains(box), qPrintable(texts.first()));
    }
}

void TestUpdater::downloadOne(Updater &updater, const QJsonObject &update)
{
    QVERIFY(m_server->setManifest(manifest({update})));
    updater.setServerUrl(m_server->url());
    updater.setInstallFolder(m_install->path());
    m_progressAtRestart = -1;
    connect(&updater, &Updater::restart, this, [this] { m_progressAtRestart = m_progress ? m_progress->value() : -1; });
    QSignalSpy restart(&updater, &Updater::restart);
    m_watchdog.handleNext([this](QDialog *dialog) {
        m_offer = dialog;
        m_progress = dialog->findChild<QProgressBar *>();
        QTest::mouseClick(updateButton(dialog), Qt::LeftButton);
    });
    // The start-up check is silent: the download the operator starts from its dialog is not.
    runCheck(updater, true, true);
    QTRY_VERIFY_WITH_TIMEOUT(restart.count() > 0 || !m_watchdog.boxes().isEmpty(), timeLimit(10000));
}

void TestUpdater::downloads_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("digest");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("installs");
    QTest::addColumn<QString>("box");

    QTest::newRow("good archive") << "good" << "right" << "" << true << "";
    QTest::newRow("good archive of an older manifest") << "good" << "none" << "" << true << "";
    QTest::newRow("no loader") << "no-loader" << "right" << "" << false << "Loader not found";
    QTest::newRow("files under another folder") << "good" << "right" << "Other" << false << "Loader not found";
    QTest::newRow("digest mismatch") << "good" << "wrong" << "" << false << "does not match its SHA-256 digest";
    QTest::newRow("truncated download") << "truncated" << "right" << "" << false << "Connection closed";
    QTest::newRow("truncated download of an older manifest") << "truncated" << "none" << "" << false
                                                             << "Connection closed";
    QTest::newRow("truncated download without a length") << "truncated-unannounced" << "right" << "" << false
                                                         << "The update download is incomplete";
    QTest::newRow("truncated download without a length, older manifest")
        << "truncated-unannounced" << "none" << "" << false << "The update download is incomplete";
    QTest::newRow("an entry climbing out") << "dotdot" << "right" << "" << false << "could not be unpacked";
    QTest::newRow("archive missing on the server") << "missing" << "none" << "" << false << "server replied";
}

void TestUpdater::downloads()
{
    QFETCH(QString, kind);
    QFETCH(QString, digest);
    QFETCH(QString, folder);
    QFETCH(bool, installs);
    QFETCH(QString, box);

    const QByteArray archive = kind == "missing" ? QByteArray("gone") : m_server->addArchive("1.7.0", kind, folder);
    QVERIFY(!archive.isEmpty());
    if (kind == "missing")
        QFile::remove(m_server->archiveFolder() + "/KorivAdminUpdate-1.7.0.zip");
    QJsonObject update = entry("1.7.0", "release", archive.size());
    if (digest != "none") {
        QByteArray hex = QCryptographicHash::hash(archive, QCryptographicHash::Sha256).toHex();
        if (digest == "wrong")
            hex[0] = hex[0] == '0' ? '1' : '0';
        update.insert("sha256", QJsonObject{{"windows", QString::fromLatin1(hex.toUpper())}});
    } else if (installs) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("gives no SHA-256 digest of version 1.7.0"));
    }
    QFile::remove(m_tmp.path() + "/escaped.txt");

    const QStringList folders = QDir(m_tmp.path()).entryList({"KorivAdmin-*"}, QDir::Dirs);
    auto updater = std::make_unique<Updater>();
    QSignalSpy restart(updater.get(), &Updater::restart);
    downloadOne(*updater, update);
    QCOMPARE(restart.count(), installs ? 1 : 0);
    const QString installedLoader = readFile(m_install->path() + "/loader.exe");
    if (installs) {
        QVERIFY2(installedLoader.startsWith("#!/bin/sh"), qPrintable(installedLoader));
        QCOMPARE(m_progressAtRestart, 100);
        QTRY_VERIFY2(!m_offer || !m_offer->isVisible(), "the dialog closes once the loader is in place");
        QVERIFY(QFileInfo(updater->pendingUpdateFolder() + "/KorivAdmin.exe").isFile());
        QVERIFY2(!QFileInfo::exists(updater->pendingUpdateFolder() + "/loader.exe"), "the loader moved out");
        QCOMPARE(m_watchdog.texts(), QStringList());
    } else {
        QCOMPARE(installedLoader, QString::fromLatin1(OldLoader));
        QCOMPARE(updater->pendingUpdateFolder(), QString());
        QCOMPARE(m_watchdog.texts().size(), 1);
        QVERIFY2(m_watchdog.texts().first().contains(box), qPrintable(m_watchdog.texts().first()));
        QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Critical);
        QVERIFY(m_offer && m_offer->isVisible());
        m_offer->reject();
    }
    QVERIFY(!QFileInfo::exists(m_tmp.path() + "/escaped.txt"));
    QCOMPARE(QDir(m_install->path()).entryList(QDir::Files), QStringList({"loader.exe"}));
    // Without a pending update the updater leaves no temporary folder behind; with one it starts
    // the loader, which here says so in the install folder.
    updater.reset();
    if (installs)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_install->path() + "/loader-ran.txt"), timeLimit(10000));
    else
        QCOMPARE(QDir(m_tmp.path()).entryList({"KorivAdmin-*"}, QDir::Dirs), folders);
}

void TestUpdater::handOverAtShutdown()
{
    const QByteArray archive = m_server->addArchive("1.7.0", "good");
    QJsonObject update = entry("1.7.0", "release", archive.size());
    update.insert("sha256", QJsonObject{{"windows", QString::fromLatin1(
                                                        QCryptographicHash::hash(archive, QCryptographicHash::Sha256).toHex())}});
    auto updater = std::make_unique<Updater>();
    QSignalSpy restart(updater.get(), &Updater::restart);
    downloadOne(*updater, update);
    QCOMPARE(restart.count(), 1);
    const QString pending = updater->pendingUpdateFolder();
    QVERIFY(QFileInfo(pending).isDir());
    QVERIFY(!QFileInfo::exists(m_install->path() + "/loader-ran.txt"));
    updater.reset();
    const QString ran = m_install->path() + "/loader-ran.txt";
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ran) && readFile(ran).count('\n') == 3, timeLimit(10000));
    QCOMPARE(QString::fromUtf8(readFile(ran)).split('\n', Qt::SkipEmptyParts),
             QStringList({pending, m_install->path(), QCoreApplication::applicationFilePath()}));
    QVERIFY2(QFileInfo(pending).isDir(), "the update stays for the loader");
}

void TestUpdater::updatesDialog_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QJsonValue>("baseVersion");
    QTest::addColumn<QJsonValue>("size");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QString>("link");

    const QString installer = "http://127.0.0.1/download/KorivAdmin/install/windows/KorivAdminSetup-1.6.0.exe";
    QTest::newRow("too old to update") << "1.5.0" << QJsonValue("1.6.0") << QJsonValue(12345678) << false << "12 MB"
                                       << "<a href=\"" + installer + "\">" + installer + "</a>";
    QTest::newRow("base version reached") << "1.6.0" << QJsonValue("1.6.0") << QJsonValue(1500000) << true << "2 MB"
                                          << "";
    QTest::newRow("no base version") << "1.0.0" << QJsonValue() << QJsonValue(400000) << true << "0 MB" << "";
    QTest::newRow("base version with markup") << "1.5.0" << QJsonValue("1.6.0\"><img src=x>") << QJsonValue(499999)
                                              << false << "0 MB"
                                              << "<a href=\"" + installer + "\">" + installer + "</a>";
}

void TestUpdater::updatesDialog()
{
    QFETCH(QString, running);
    QFETCH(QJsonValue, baseVersion);
    QFETCH(QJsonValue, size);
    QFETCH(bool, allowed);
    QFETCH(QString, sizeText);
    QFETCH(QString, link);

    QCoreApplication::setApplicationVersion(running);
    QJsonObject first = entry("1.7.0", "beta", size);
    first.insert("description", "Line one\nLine two");
    if (!baseVersion.isUndefined() && !baseVersion.isNull())
        first.insert("baseVersion", baseVersion);
    Updater updater;
    updater.setServerUrl(QUrl("http://127.0.0.1"));
    Updates dialog(&updater, QJsonObject{{"updates", QJsonArray{first, entry("1.6.5")}}});
    QCOMPARE(dialog.windowTitle(), QString("Updates"));
    QVERIFY(dialog.isModal());
    auto *notes = dialog.findChild<QPlainTextEdit *>();
    QCOMPARE(notes->toPlainText(), QString("Version: 1.7.0 (beta) - Date: 2024-05-01\nLine one\nLine two\n\n"
                                           "Version: 1.6.5 (release) - Date: 2024-05-01\nNotes of 1.6.5\n\n"));
    QCOMPARE(notes->textCursor().position(), 0);
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->isHidden())
            labels.append(label->text());
    }
    QVERIFY2(labels.contains("beta") && labels.contains(sizeText), qPrintable(labels.join(" | ")));
    QCOMPARE(updateButton(&dialog)->isEnabled(), allowed);
    QCOMPARE(labels.contains(link), !allowed);
    QCOMPARE(labels.filter("Updating to this version is impossible!").size(), allowed ? 0 : 1);

    // The offer opens unasked (after the start-up check): no key typed meanwhile starts the
    // download. Return and Enter press Close; Tab, the arrows and Space never reach Update.
    if (allowed) {
        m_watchdog.handleNext([](QDialog *) {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, timeLimit(5000)));
        QSignalSpy pressed(updateButton(&dialog), &QPushButton::clicked);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Space,
                            Qt::Key_Down, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, key);
        QCOMPARE(pressed.count(), 0);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_Return);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!dialog.isVisible());
    }

    // Progress is measured against the manifest's size, over every transfer of the download.
    if (allowed) {
        const qint64 bytes = size.toInt();
        auto *bar = dialog.findChild<QProgressBar *>();
        emit updater.downloadProgress(bytes / 4, bytes / 2);
        QCOMPARE(bar->value(), 25);
        emit updater.downloadProgress(bytes / 2, bytes / 2);
        QCOMPARE(bar->value(), 50);
        emit updater.downloadProgress(bytes / 4, bytes);
        QCOMPARE(bar->value(), 75);
    }
}

void TestUpdater::screenshot()
{
    QCoreApplication::setApplicationVersion("1.5.0");
    QJsonObject first = entry("1.7.0", "release", 23456789);
    first.insert("description", "Balance log entries are booked once per press.\nThe search keeps the page's filters.");
    first.insert("baseVersion", "1.6.0");
    Updater updater;
    Updates dialog(&updater, QJsonObject{{"updates", QJsonArray{first, entry("1.6.2")}}});
    m_watchdog.handleNext([](QDialog *) {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog, timeLimit(5000)));
    const QImage shot = paintedImage(&dialog, QPoint(2, dialog.height() / 2));
    QVERIFY(!shot.isNull());
    QVERIFY(saveScreenshot(shot, "updates.png"));

    // The notes begin with the newest version's heading and its first line, each as wide as that
    // text is drawn.
    auto *notes = dialog.findChild<QPlainTextEdit *>();
    const int lineSpacing = notes->fontMetrics().lineSpacing();
    const QRect page = areaIn(notes->viewport(), &dialog);
    const int top = page.top() + notes->cursorRect(QTextCursor(notes->document())).top();
    const QStringList lines{"Version: 1.7.0 (release) - Date: 2024-05-01",
                            "Balance log entries are booked once per press."};
    for (int line = 0; line < lines.size(); ++line) {
        const QRect band(page.left(), top + line * lineSpacing, page.width(), lineSpacing);
        const int shown = inkWidth(shot, band, notes->palette().color(QPalette::Base), 30);
        QVERIFY2(qAbs(shown - textInkWidth(notes, lines.at(line), 30)) <= 1,
                 qPrintable(lines.at(line) + ": " + QString::number(shown)));
    }

    // The channel and the size in megabytes; the warning in red, the installer's link in the link
    // colour; Update greyed out beside Close.
    const auto label = [&](const QString &start) {
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().startsWith(start))
                return label;
        }
        return static_cast<QLabel *>(nullptr);
    };
    const QColor window = dialog.palette().color(QPalette::Window);
    for (const QString &text : {QString("release"), QString("23 MB")}) {
        QLabel *shown = label(text);
        QVERIFY2(shown, qPrintable(text));
        const int width = inkWidth(shot, areaIn(shown, &dialog), window, 30);
        QVERIFY2(qAbs(width - textInkWidth(shown, text, 30)) <= 1, qPrintable(text + ": " + QString::number(width)));
    }
    const QColor red("#ff5858");
    QVERIFY(countNear(shot, areaIn(label("Updating to this version is impossible!"), &dialog), red, 40) > 100);
    QCOMPARE(countNear(shot, page, red, 40), 0);
    QVERIFY(countNear(shot, areaIn(label("<a href="), &dialog), dialog.palette().color(QPalette::Link), 40) > 50);
    const auto darkest = [&](const QPushButton *button) {
        int lightness = 255;
        const QRect inner = areaIn(button, &dialog).adjusted(4, 4, -4, -4);
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x)
                lightness = qMin(lightness, shot.pixelColor(x, y).lightness());
        }
        return lightness;
    };
    const int closeText = darkest(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close));
    const int updateText = darkest(updateButton(&dialog));
    QVERIFY2(closeText < 60 && updateText > 100, qPrintable(QString("%1 %2").arg(closeText).arg(updateText)));
}

QTEST_MAIN(TestUpdater)
#include "tst_updater.moc"
