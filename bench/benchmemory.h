#pragma once

#include <QtGlobal>

// The process's resident memory in MiB for the benchmarks that report it.
namespace Bench {

// Hands freed heap back to the system and restarts the peak at the present resident size, which
// it returns.
double resetPeakMemory();
// The highest resident size since the last reset; 0 when it cannot be read.
double peakMiB();
// The same of another process, over its life.
double peakMiBOf(qint64 pid);

} // namespace Bench
