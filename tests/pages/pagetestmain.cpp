#include "pagetestmain.h"

#include "startup/startup.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

int pageTestMain(int argc, char *argv[], const std::function<std::unique_ptr<QObject>()> &makeTest,
                 const std::function<std::optional<int>(int, char **)> &takeOver)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    Startup::prepare();
    QApplication application(argc, argv);
    if (takeOver) {
        if (const std::optional<int> code = takeOver(argc, argv))
            return *code;
    }
    const std::unique_ptr<QObject> test = makeTest();
    return QTest::qExec(test.get(), argc, argv);
}
