#include "startuprun.h"

#include "signinsettings.h"
#include "timelimit.h"

#include "startup/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

int runUntil(const std::function<bool()> &done)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            QCoreApplication::exit(42);
    });
    poll.start(20);
    // Ends with the run: a limit left running would end a later run.
    QTimer::singleShot(timeLimit(30000), &poll, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

void writeOperatorSettings(int port, const QString &login)
{
    writeSignInSettings({{"Elsewhere", "127.0.0.2", 40300}, {"Stand-in", "127.0.0.1", port}}, 1, login);
}

int runStartupTest(int argc, char *argv[], const std::function<std::unique_ptr<QObject>()> &makeTest)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    QDir().mkpath(home.filePath("config"));
    QFile dirs(home.filePath("config/user-dirs.dirs"));
    if (!dirs.open(QIODevice::WriteOnly))
        return 1;
    dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(home.filePath("documents")) + "\"\n");
    dirs.close();
    Startup::prepare();
    QApplication application(argc, argv);
    const std::unique_ptr<QObject> test = makeTest();
    return QTest::qExec(test.get(), argc, argv);
}
