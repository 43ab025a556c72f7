#pragma once

#include <chrono>

// A time limit of a test's wait in milliseconds, stretched by the factor in KORIV_TEST_TIME_FACTOR:
// the sanitizer builds set it (tests/CMakeLists.txt), as everything they run is several times slower.
int timeLimit(int milliseconds);

inline std::chrono::milliseconds timeLimit(std::chrono::milliseconds interval)
{
    return std::chrono::milliseconds(timeLimit(int(interval.count())));
}
