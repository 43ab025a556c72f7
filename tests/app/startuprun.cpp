#include "startuprun.h"

#include "startup/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
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
    QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

void writeOperatorSettings(int port, const QString &login)
{
    QCoreApplication::setOrganizationName("Koriv");
    QCoreApplication::setApplicationName("KorivAdmin");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings settings;
    settings.beginWriteArray("hosts", 2);
    settings.setArrayIndex(0);
    settings.setValue("name", "Elsewhere");
    settings.setValue("address", "127.0.0.2");
    settings.setValue("port", 40300);
    settings.setArrayIndex(1);
    settings.setValue("name", "Stand-in");
    settings.setValue("address", "127.0.0.1");
    settings.setValue("port", port);
    settings.endArray();
    settings.setValue("auth/current_host", 1);
    settings.setValue("auth/login", login);
    settings.setValue("i18n/lang", "en");
    settings.setValue("updating/checkOnStartup", false);
    settings.sync();
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
