#include "qmltestrunner.h"

#include "qmlmessageguard.h"
#include "qmltestsetup.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QtQuickTest>

#include <cstdio>
#include <vector>

namespace {

int strayMessages = 0;

// Outside the test functions QTest does not log: a warning or error there counts here.
void strayHandler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    fprintf(stderr, "%s\n", qPrintable(text));
    if (QmlMessageGuard::isPlatformNoise(text))
        return;
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        ++strayMessages;
}

void setDefaultEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/koriv-runtime-") + qgetenv("USER");
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
}

// The warnings and errors QTest logged for the test functions.
QStringList loggedMessages(const QString &logPath)
{
    QStringList messages;
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QStringLiteral("the test log %1 cannot be read").arg(logPath)};
    static const QRegularExpression pattern(QStringLiteral("^(QWARN|QCRITICAL|QSYSTEM|QFATAL)\\s*:"));
    QTextStream in(&log);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (pattern.match(line).hasMatch() && !QmlMessageGuard::isPlatformNoise(line))
            messages.append(line);
    }
    return messages;
}

} // namespace

int runQmlTests(int argc, char **argv, const char *name, const char *sourceDir)
{
    setDefaultEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(strayHandler);

    const QString logPath = QDir::tempPath() + QStringLiteral("/%1-%2.log")
                                                   .arg(QString::fromLatin1(name))
                                                   .arg(QCoreApplication::applicationPid());
    QByteArrayList extra = {"-o", QFile::encodeName(logPath) + ",txt", "-o", "-,txt"};
    std::vector<char *> args(argv, argv + argc);
    bool ownOutput = false;
    for (int i = 1; i < argc; ++i)
        ownOutput = ownOutput || qstrcmp(argv[i], "-o") == 0;
    if (!ownOutput) {
        for (QByteArray &arg : extra)
            args.push_back(arg.data());
    }
    args.push_back(nullptr);

    QmlTestSetup setup;
    int result = quick_test_main_with_setup(int(args.size()) - 1, args.data(), name, sourceDir, &setup);
    if (!ownOutput) {
        const QStringList messages = loggedMessages(logPath);
        QFile::remove(logPath);
        if (!messages.isEmpty()) {
            fprintf(stderr, "FAIL: %d unexpected QML warnings or errors:\n%s\n", int(messages.size()),
                    qPrintable(messages.join(QLatin1Char('\n'))));
            result = result ? result : 1;
        }
    }
    if (strayMessages > 0) {
        fprintf(stderr, "FAIL: %d QML warnings or errors outside the test functions\n", strayMessages);
        result = result ? result : 1;
    }
    return result;
}
