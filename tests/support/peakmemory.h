#pragma once

#include <QtGlobal>

// The process's peak resident memory, for tests that bound what an operation costs (Linux,
// /proc/self/status). Built with AddressSanitizer, whose own memory fills the resident size, the
// figures of this process are the bytes it holds allocated instead.
namespace PeakMemory {

// Whether the figures of this process are its resident size (false under AddressSanitizer).
bool isResident();
// Hands freed heap back to the system and starts the peak anew at the present resident size;
// false when the system keeps the old peak.
bool reset();
// The resident size now, and the highest it has been since the last reset, in bytes.
qint64 current();
qint64 peak();
// The highest resident size of another process (of this user) over its life; 0 when unreadable.
qint64 peakOf(qint64 pid);

} // namespace PeakMemory
