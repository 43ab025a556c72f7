#include "fleetbench.h"

#include "timelimit.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <algorithm>

namespace FleetBench {

namespace {

// Each of settle()'s stretches of events: what a side leaves running comes within it.
const int QuietMs = 100;

void processQuietly()
{
    QEventLoop loop;
    QTimer::singleShot(QuietMs, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void readOptions(int *argc, char **argv, int *drivers, int *iterations, const char *iterationsVariable)
{
    if (!qEnvironmentVariableIsEmpty("KORIV_FLEET_DRIVERS"))
        *drivers = qEnvironmentVariableIntValue("KORIV_FLEET_DRIVERS");
    if (!qEnvironmentVariableIsEmpty(iterationsVariable))
        *iterations = qEnvironmentVariableIntValue(iterationsVariable);
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const QByteArray argument = argv[i];
        if (argument.startsWith("--drivers="))
            *drivers = argument.mid(10).toInt();
        else if (argument.startsWith("--iterations="))
            *iterations = argument.mid(13).toInt();
        else
            argv[kept++] = argv[i];
    }
    *argc = kept;
    *drivers = qMax(10, *drivers);
    *iterations = qMax(1, *iterations);
}

QString seedFleet(const QProcessEnvironment &environment, int drivers, double *seconds)
{
    QElapsedTimer clock;
    clock.start();
    QProcess seed;
    seed.setProcessEnvironment(environment);
    seed.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    seed.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KORIV_SOURCE_DIR "/tools/fleet/seed-fleet.py"),
                                                     QStringLiteral("--drivers"), QString::number(drivers)});
    if (!seed.waitForFinished(timeLimit(600000)) || seed.exitStatus() != QProcess::NormalExit || seed.exitCode() != 0)
        return QStringLiteral("the fleet was not seeded");
    *seconds = clock.nsecsElapsed() / 1e9;
    return QString();
}

bool idleUntil(const std::function<bool()> &done, int limitMs)
{
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeLimit(limitMs), &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

bool drawFrame(QQuickWindow *window)
{
    QEventLoop loop;
    QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeLimit(60000), &loop, [&loop] { loop.exit(1); });
    window->update();
    return loop.exec() == 0;
}

void settle(QQmlEngine *engine, const QList<QQuickWindow *> &windows)
{
    processQuietly();
    if (engine)
        engine->collectGarbage();
    for (QQuickWindow *window : windows)
        drawFrame(window);
    processQuietly();
}

namespace {

void collectTextItems(QQuickItem *item, QRectF shown, qreal opacity, QList<QQuickItem *> *items)
{
    opacity *= item->opacity();
    if (!item->isVisible() || opacity <= 0)
        return;
    if (item->clip())
        shown &= item->mapRectToScene(item->clipRect());
    if (shown.isEmpty())
        return;
    const QRectF area = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    if (item->inherits("QQuickText") && area.intersects(shown) && !item->property("text").toString().isEmpty())
        items->append(item);
    for (QQuickItem *child : item->childItems())
        collectTextItems(child, shown, opacity, items);
}

// The text items the window shows: visible, not transparent, and within the window and every
// clipping item above them.
QList<QQuickItem *> drawnTextItems(QQuickWindow *window)
{
    QList<QQuickItem *> items;
    if (window && window->contentItem())
        collectTextItems(window->contentItem(), QRectF(0, 0, window->width(), window->height()), 1.0, &items);
    return items;
}

} // namespace

QSet<QString> drawnTexts(QQuickWindow *window)
{
    QSet<QString> texts;
    for (QQuickItem *item : drawnTextItems(window))
        texts.insert(item->property("text").toString());
    return texts;
}

std::optional<double> drawTexts(QQuickWindow *window, const std::function<QStringList()> &expected,
                                const QElapsedTimer &clock, int timeoutMs)
{
    QStringList wanted;
    // The frame being made shows every wanted text.
    bool shown = false;
    std::optional<double> swappedAt;
    QObject connections;
    // The item tree as it is synchronised is what the frame renders; the threaded render loop
    // sends both signals from its thread while this one waits on the synchronisation.
    QObject::connect(window, &QQuickWindow::afterSynchronizing, &connections, [&] {
        const QSet<QString> texts = drawnTexts(window);
        shown = !wanted.isEmpty()
                && std::all_of(wanted.cbegin(), wanted.cend(), [&](const QString &text) { return texts.contains(text); });
    }, Qt::DirectConnection);
    QObject::connect(window, &QQuickWindow::frameSwapped, &connections, [&] {
        if (shown && !swappedAt)
            swappedAt = clock.nsecsElapsed() / 1e9;
    }, Qt::DirectConnection);
    QElapsedTimer waited;
    waited.start();
    while (!swappedAt) {
        wanted = expected();
        if (!drawFrame(window) || (!swappedAt && waited.elapsed() > timeoutMs))
            return std::nullopt;
        if (!swappedAt)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return swappedAt;
}

std::optional<QFont> drawnFont(QQuickWindow *window, const QString &text)
{
    for (QQuickItem *item : drawnTextItems(window)) {
        if (item->property("text").toString() == text)
            return item->property("font").value<QFont>();
    }
    return std::nullopt;
}

QString fontName(const QFont &font)
{
    return font.pixelSize() > 0 ? QStringLiteral("%1 %2 px").arg(font.family()).arg(font.pixelSize())
                                : QStringLiteral("%1 %2 pt").arg(font.family()).arg(font.pointSizeF());
}

void setDefault(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}

void setPageDefaults(const QByteArray &platform, const QByteArray &dbinit, const QByteArray &sourceDir)
{
    setDefault("QT_QPA_PLATFORM", platform);
    setDefault("QT_QUICK_BACKEND", "software");
    setDefault("KORIV_DBINIT", dbinit);
    setDefault("KORIV_SOURCE_DIR", sourceDir);
    setDefault("TZ", "Europe/Moscow");
}

} // namespace FleetBench

void FleetBench::useFolders(const QString &folder)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/data")));
}
