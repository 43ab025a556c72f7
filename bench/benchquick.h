#pragma once

#include <benchmark/benchmark.h>

// What the benchmarks of QML pages beside a plain ListView share.
namespace QuickBench {

// Counters of a page's time beside the anchor's: ms, ms_anchor and x_anchor per iteration.
void reportAgainstAnchor(benchmark::State &state, double ours, double anchor);
// main(): offscreen, the software Quick backend and the program's control styles unless the
// environment chose others, then the benchmarks the arguments select.
int run(int argc, char **argv);

} // namespace QuickBench
