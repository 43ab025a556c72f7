#include "pagetestmain.h"

#include "qmlmessageguard.h"

#include "startup/startup.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

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
    std::unique_ptr<QObject> test = makeTest();
    int failed = QTest::qExec(test.get(), argc, argv);
    // The program closes with the test object, after the run: what it says then fails the test too.
    QmlMessageGuard closing;
    test.reset();
    const QStringList said = closing.takeUnexpected();
    if (!said.isEmpty()) {
        std::fprintf(stderr, "FAIL!  : messages while the program closed after the run:\n%s\n",
                     qPrintable(said.join(QLatin1Char('\n'))));
        failed = qMax(failed, 1);
    }
    return failed;
}
