#include "common/core/logger/credentialmask.h"
#include "common/core/logger/logger.h"
#include "messagecatcher.h"
#include "timelimit.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

QString readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// A clock the test moves by hand.
struct ManualClock
{
    QDateTime now{QDate(2026, 3, 14), QTime(23, 59, 58, 250)};
    Logger::Clock function()
    {
        return [this] { return now; };
    }
};

} // namespace

// Log records, levels, files per start and per day, the registry and masking of credentials.
class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void recordsAndRotation();
    void levels_data();
    void levels();
    void disabledTouchesNothing();
    void fileNamesBesideExecutable();
    void unwritableFileStillWarns();
    void registry();
    void concurrentWriters();
    void masking_data();
    void masking();
};

void TestLogger::recordsAndRotation()
{
    QTemporaryDir dir;
    ManualClock clock;
    MessageCatcher catcher;
    const QString logDir = dir.path() + "/nested/log";
    Logger logger(logDir, "full", true, "yyyy-MM-dd.hh-mm-ss", true, clock.function());
    const QString first = logDir + "/2026-03-14.23-59-58.log";
    QCOMPARE(logger.fileName(), first);
    QVERIFY(QFile::exists(first));
    QCOMPARE(logger.path(), logDir);

    logger.debug("hello %1");
    clock.now = clock.now.addMSecs(1000);
    logger.warning("second");
    QCOMPARE(readAll(first), QString("\n[DEBUG] 14.03.2026 23:59:58.250\nhello %1\n"
                                     "\n[WARNING] 14.03.2026 23:59:59.250\nsecond\n"));
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings.at(0).contains("[WARNING] 14.03.2026 23:59:59.250\\nsecond"));

    // The first record after midnight goes to a new file named by the time it is opened.
    clock.now = QDateTime(QDate(2026, 3, 15), QTime(0, 0, 0, 5));
    logger.debug("after midnight");
    const QString second = logDir + "/2026-03-15.00-00-00.log";
    QCOMPARE(logger.fileName(), second);
    QCOMPARE(readAll(second), QString("\n[DEBUG] 15.03.2026 00:00:00.005\nafter midnight\n"));
    QVERIFY(!readAll(first).contains("after midnight"));

    // Later records the same day stay in that file.
    clock.now = QDateTime(QDate(2026, 3, 15), QTime(23, 0));
    logger.debug("same day");
    QCOMPARE(logger.fileName(), second);
    QVERIFY(readAll(second).endsWith("\nsame day\n"));
}

void TestLogger::levels_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("debugInFile");
    QTest::addColumn<bool>("warningInFile");
    QTest::newRow("full") << "full" << true << true;
    QTest::newRow("debug") << "debug" << true << false;
    QTest::newRow("warning") << "warning" << false << true;
    QTest::newRow("other") << "Full" << false << false;
}

void TestLogger::levels()
{
    QFETCH(QString, level);
    QFETCH(bool, debugInFile);
    QFETCH(bool, warningInFile);
    QTemporaryDir dir;
    MessageCatcher catcher;
    Logger logger(dir.path(), level, true, "yyyy-MM-dd.hh-mm-ss", true);
    logger.debug("d-record");
    logger.warning("w-record");
    const QString text = readAll(logger.fileName());
    QCOMPARE(text.contains("[DEBUG]") && text.contains("d-record"), debugInFile);
    QCOMPARE(text.contains("[WARNING]") && text.contains("w-record"), warningInFile);
    // The warning reaches qWarning whatever the level; debug never does.
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings.at(0).contains("w-record"));
}

void TestLogger::disabledTouchesNothing()
{
    QTemporaryDir dir;
    const QString logDir = dir.path() + "/never";
    MessageCatcher catcher;
    Logger logger(logDir, "full", false, "yyyy-MM-dd.hh-mm-ss", true);
    logger.debug("x");
    logger.warning("y");
    QVERIFY(!QDir(logDir).exists());
    QCOMPARE(catcher.warnings.size(), 1);
}

void TestLogger::fileNamesBesideExecutable()
{
    ManualClock clock;
    const QString folder = QCoreApplication::applicationDirPath() + "/../log/";
    {
        Logger prefixed("client", "full", true, "yyyy-MM-dd.hh-mm-ss", false, clock.function());
        QCOMPARE(prefixed.path(), QString("client."));
        QCOMPARE(prefixed.fileName(), folder + "client.2026-03-14.23-59-58.log");
        QVERIFY(QFile::exists(prefixed.fileName()));
        QFile::remove(prefixed.fileName());
    }
    {
        Logger bare("", "full", true, "yyyy-MM-dd.hh-mm-ss", false, clock.function());
        QCOMPARE(bare.fileName(), folder + "2026-03-14.23-59-58.log");
        QFile::remove(bare.fileName());
    }
    QDir().rmdir(folder);
}

void TestLogger::unwritableFileStillWarns()
{
    MessageCatcher catcher;
    Logger logger("/proc/no-such-place/log", "full", true, "yyyy-MM-dd.hh-mm-ss", true);
    QCOMPARE(catcher.criticals, QStringList{"Failed to open log file. Loggin is out"});
    logger.warning("lost?");
    QCOMPARE(catcher.warnings.size(), 1);
    QVERIFY(catcher.warnings.at(0).contains("[WARNING]"));
    QVERIFY(catcher.warnings.at(0).contains("lost?"));
    // Every record retries the open.
    QCOMPARE(catcher.criticals.size(), 2);
}

void TestLogger::registry()
{
    QTemporaryDir dir;
    MessageCatcher catcher;

    // An id nobody registered gives a disabled placeholder, kept in the registry.
    Logger *early = Logger::instance(7);
    QVERIFY(!early->isEnabled());
    QCOMPARE(Logger::instance(7), early);
    early->warning("before start-up");

    // The create side configures that same object instead of keeping it disabled.
    Logger *configured = Logger::instance(7, dir.path(), "full", true, "yyyy-MM-dd.hh-mm-ss", true);
    QCOMPARE(configured, early);
    QVERIFY(configured->isEnabled());
    QCOMPARE(configured->path(), dir.path());
    configured->warning("after start-up");
    QVERIFY(readAll(configured->fileName()).contains("after start-up"));

    // A configured logger is never replaced by a later create call.
    Logger *again = Logger::instance(7, dir.path() + "/other", "debug", false, "yyyy", true);
    QCOMPARE(again, configured);
    QCOMPARE(again->level(), QString("full"));
    QVERIFY(again->isEnabled());

    Logger *fresh = Logger::instance(8, dir.path() + "/eight", "warning", true, "yyyy-MM-dd.hh-mm-ss", true);
    QCOMPARE(Logger::instance(8), fresh);
    QCOMPARE(fresh->level(), QString("warning"));
}

void TestLogger::concurrentWriters()
{
    QTemporaryDir dir;
    Logger logger(dir.path(), "debug", true, "yyyy-MM-dd.hh-mm-ss", true);
    constexpr int perThread = 10000;
    auto writer = [&logger](char tag) {
        return QThread::create([&logger, tag] {
            for (int i = 0; i < perThread; ++i)
                logger.debug(QStringLiteral("%1-%2").arg(QChar(tag)).arg(i));
        });
    };
    QThread *a = writer('a');
    QThread *b = writer('b');
    a->start();
    b->start();
    QVERIFY(a->wait(timeLimit(60000)));
    QVERIFY(b->wait(timeLimit(60000)));
    delete a;
    delete b;

    const QString text = readAll(logger.fileName());
    const QStringList records = text.split("\n\n[DEBUG] ", Qt::SkipEmptyParts);
    QCOMPARE(records.size(), 2 * perThread);
    const QRegularExpression intact(
        "^(\n\\[DEBUG\\] )?\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\n[ab]-\\d+\n?$");
    for (const QString &record : records)
        QVERIFY2(intact.match(record).hasMatch(), qPrintable(record));
}

void TestLogger::masking_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("masked");
    QTest::newRow("text form") << "SEND: #SIGN=op#FN=auth_trAuth#SID=abc123#x=1#[END]"
                               << "SEND: #SIGN=op#FN=auth_trAuth#SID=***#x=1#[END]";
    QTest::newRow("escaped hash in value") << "#pwd=a/#b#next=2" << "#pwd=***#next=2";
    QTest::newRow("at the end") << "#FN=u_trChangePwd#old_pwd=x#pwd_confirm=y"
                                << "#FN=u_trChangePwd#old_pwd=***#pwd_confirm=***";
    QTest::newRow("json") << R"(SEND: {"method":"auth.auth","params":{"sid":"a\"b","sign":"op"}})"
                          << R"(SEND: {"method":"auth.auth","params":{"sid":"***","sign":"op"}})";
    QTest::newRow("json spaced") << R"({"password" : "secret"})" << R"({"password" : "***"})";
    QTest::newRow("debug map") << R"(QMap(("pwd", QVariant(QString, "s3cret"))("x", QVariant(int, 1))))"
                               << R"(QMap(("pwd", QVariant(QString, "***"))("x", QVariant(int, 1))))";
    QTest::newRow("similar keys kept") << "#my_pwd=1#sidebar=2#spwd=3" << "#my_pwd=1#sidebar=2#spwd=3";
    QTest::newRow("nothing to mask") << "#FN=driver_trGetList#id=5" << "#FN=driver_trGetList#id=5";
}

void TestLogger::masking()
{
    QFETCH(QString, text);
    QFETCH(QString, masked);
    QCOMPARE(Common::maskCredentials(text), masked);

    // The file and the echo only ever see the masked text.
    QTemporaryDir dir;
    MessageCatcher catcher;
    Logger logger(dir.path(), "full", true, "yyyy-MM-dd.hh-mm-ss", true);
    logger.debug(text);
    logger.warning(text);
    const QString written = readAll(logger.fileName());
    QCOMPARE(written.count(masked), 2);
    if (masked != text) {
        QVERIFY(!written.contains(text));
        QVERIFY(!catcher.warnings.join('\n').contains("abc123"));
    }
}

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
