#include "benchmemory.h"

#include "peakmemory.h"

namespace Bench {

namespace {

double toMiB(qint64 bytes)
{
    return double(bytes) / (1024 * 1024);
}

} // namespace

double resetPeakMemory()
{
    PeakMemory::reset();
    return toMiB(PeakMemory::current());
}

double peakMiB()
{
    return toMiB(PeakMemory::peak());
}

double peakMiBOf(qint64 pid)
{
    return toMiB(PeakMemory::peakOf(pid));
}

} // namespace Bench
