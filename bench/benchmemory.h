#pragma once

// The process's resident memory for the benchmarks that report it (Linux, /proc/self/status).
namespace Bench {

// A value of /proc/self/status in MiB ("VmRSS", "VmHWM"); 0 when it cannot be read.
double statusMiB(const char *key);
// Hands freed heap back to the system and resets the high-water mark (VmHWM) to the present
// resident size, which it returns in MiB.
double resetPeakMemory();

} // namespace Bench
