#pragma once

#include <benchmark/benchmark.h>

// A benchmark that could not measure what it is for (a child process or the set-up failed) is
// skipped with the reason, and the program then exits non-zero.
namespace Bench {

inline bool &anyFailed()
{
    static bool failed = false;
    return failed;
}

inline void fail(benchmark::State &state, const char *why)
{
    anyFailed() = true;
    state.SkipWithError(why);
}

// The program's exit code once its benchmarks have run.
inline int exitCode()
{
    return anyFailed() ? 1 : 0;
}

} // namespace Bench
