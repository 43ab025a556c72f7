// The tool tip of a cut table cell over one word of 5 MiB, beside the style's own tool tip of a
// driver's name as the anchor: the time from giving the text and opening the tip to the frame
// that shows it. Offscreen, software renderer. Counters: "ms" per tip, "x_anchor" ours over the
// anchor's. styleToolTipLongWord shows what the kit avoids: the style's tip over words of 16
// to 128 thousand characters (its time grows about with the square of the length).
#include "benchquick.h"

#include "qmlengineharness.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

bool waitFor(QObject *sender, const char *signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, SLOT(quit()));
    QTimer::singleShot(600000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

// The bench page shown in a window, its two tips closed.
struct TipPage
{
    TipPage()
        : view(&harness.engine(), nullptr)
    {
        view.setSource(QUrl::fromLocalFile(QStringLiteral(KORIV_BENCH_QML_DIR "/BenchToolTip.qml")));
        if (!view.rootObject())
            qFatal("the bench page did not load");
        view.resize(800, 600);
        view.show();
        waitFor(&view, SIGNAL(frameSwapped()));
        kitArea = view.rootObject()->property("kitArea").value<QObject *>();
        kitTip = kitArea->property("toolTip").value<QObject *>();
        styleTip = view.rootObject()->property("styleTip").value<QObject *>();
    }

    // Seconds from giving the tip its text and opening it to the frame that shows it; closed after.
    double show(QObject *textHolder, QObject *tip, const QString &text)
    {
        QElapsedTimer timer;
        timer.start();
        textHolder->setProperty("text", text);
        QMetaObject::invokeMethod(tip, "open");
        if (!waitFor(&view, SIGNAL(frameSwapped())))
            qFatal("the tool tip never showed");
        const double seconds = timer.nsecsElapsed() / 1e9;
        QMetaObject::invokeMethod(tip, "close");
        waitFor(&view, SIGNAL(frameSwapped()));
        return seconds;
    }

    QmlEngineHarness harness;
    QQuickView view;
    QObject *kitArea = nullptr;
    QObject *kitTip = nullptr;
    QObject *styleTip = nullptr;
};

TipPage &page()
{
    static TipPage instance;
    return instance;
}

// One word, different in its first letter at each call, so that no layout is reused.
QString word(int length, int call)
{
    QString text(length, QLatin1Char('w'));
    text[0] = QLatin1Char('a' + call % 26);
    return text;
}

void kitToolTipOverLongWord(benchmark::State &state)
{
    const QString longWord = word(5 * 1024 * 1024, 0);
    double ours = 0;
    double anchor = 0;
    int call = 0;
    for (auto _ : state) {
        QString text = longWord;
        text[0] = QLatin1Char('a' + ++call % 26);
        const double seconds = page().show(page().kitArea, page().kitTip, text);
        state.SetIterationTime(seconds);
        ours += seconds;
        anchor += page().show(page().styleTip, page().styleTip, QStringLiteral("Kovalenko %1").arg(call));
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
    state.counters["characters"] = longWord.size();
}

void styleToolTipLongWord(benchmark::State &state)
{
    int call = 0;
    for (auto _ : state)
        state.SetIterationTime(page().show(page().styleTip, page().styleTip, word(int(state.range(0)), ++call)));
    state.counters["characters"] = double(state.range(0));
}

} // namespace

BENCHMARK(kitToolTipOverLongWord)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(styleToolTipLongWord)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2)
    ->Arg(16384)->Arg(32768)->Arg(65536)->Arg(131072);

int main(int argc, char **argv)
{
    return QuickBench::run(argc, argv);
}
