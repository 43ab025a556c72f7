#pragma once

#include <QFont>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class QElapsedTimer;
class QProcessEnvironment;
class QQmlEngine;
class QQuickWindow;

// What the benchmarks over a seeded fleet share: their size options, the seeding of the
// stand-in's database and the wait for a drawn frame.
namespace FleetBench {

// --drivers=N (or KORIV_FLEET_DRIVERS) and --iterations=N (or the environment variable named);
// the arguments taken are removed. At least 10 drivers and one iteration.
void readOptions(int *argc, char **argv, int *drivers, int *iterations, const char *iterationsVariable);
// tools/fleet/seed-fleet.py on the database the environment names; its failure, empty when it
// worked. seconds: how long it took.
QString seedFleet(const QProcessEnvironment &environment, int drivers, double *seconds);
// Runs the event loop until done() holds as it is about to wait, with nothing left to process;
// false after limitMs (stretched by the tests' factor).
bool idleUntil(const std::function<bool()> &done, int limitMs = 60000);
// Asks the window for a frame and waits until it is on screen; false after a minute.
bool drawFrame(QQuickWindow *window);
// Draws frames until one is rendered with every text of expected() on screen (drawnTexts() as
// that frame was synchronised) and swapped: clock's reading at that swap, in seconds, or nothing
// after timeoutMs. expected() is asked before each frame; an empty list is never on screen.
std::optional<double> drawTexts(QQuickWindow *window, const std::function<QStringList()> &expected,
                                const QElapsedTimer &clock, int timeoutMs = 20000);
// Lets the work that the last changes left running finish before another clock starts: posted
// events, deferred deletes and timers due within a quiet stretch, the engine's garbage collected
// (when one is given), then a frame of each window and another such stretch.
void settle(QQmlEngine *engine, const QList<QQuickWindow *> &windows = {});
// The texts of the text items the window shows: visible, not transparent, and within the
// window and every clipping item above them.
QSet<QString> drawnTexts(QQuickWindow *window);
// The font of the text item among those that shows text; nothing when none does.
std::optional<QFont> drawnFont(QQuickWindow *window, const QString &text);
// How a benchmark's label names a font: "monospace 5 px".
QString fontName(const QFont &font);
// Sets an environment variable the caller's environment left unset.
void setDefault(const char *name, const QByteArray &value);
// The environment of a benchmark of the program's pages, where the caller's left it unset: the
// platform, the software renderer, the database initialiser, the sources, the pinned time zone.
void setPageDefaults(const QByteArray &platform, const QByteArray &dbinit, const QByteArray &sourceDir);
// Points the program's settings and data folders into folder (a folder of this run).
void useFolders(const QString &folder);

} // namespace FleetBench
