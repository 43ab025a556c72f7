#include "benchquick.h"

#include <QGuiApplication>

#include <algorithm>

namespace QuickBench {

void reportAgainstAnchor(benchmark::State &state, double ours, double anchor)
{
    const double iterations = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["ms"] = ours / iterations * 1e3;
    state.counters["ms_anchor"] = anchor / iterations * 1e3;
    state.counters["x_anchor"] = ours / anchor;
}

int run(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
        qputenv("QT_QUICK_CONTROLS_STYLE", "Material");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_1_STYLE"))
        qputenv("QT_QUICK_CONTROLS_1_STYLE", "Base");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

} // namespace QuickBench
