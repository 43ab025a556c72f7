#include "peakmemory.h"

#include <QByteArray>
#include <QFile>

#include <malloc.h>

// GCC tells of AddressSanitizer by a macro; Debian's clang 14 only through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define PEAKMEMORY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PEAKMEMORY_ASAN 1
#endif
#endif

#ifdef PEAKMEMORY_ASAN
#include <atomic>
#include <cstddef>

// The sanitizer's allocator interface (GCC ships no header of it).
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void *, size_t),
                                              void (*freeHook)(const volatile void *));
size_t __sanitizer_get_allocated_size(const volatile void *block);
}
#endif

namespace PeakMemory {

namespace {

qint64 statusBytes(const char *key, const QString &process = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/") + process + QStringLiteral("/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

#ifdef PEAKMEMORY_ASAN
// Under AddressSanitizer the resident size holds the sanitizer's own memory: the shadow of every
// byte touched, the red zones around blocks and the freed blocks it keeps in quarantine, which
// grow with how the program allocates, not with what it holds. What the program holds is counted
// here instead, from the sanitizer's allocation hooks.
std::atomic<qint64> heldBytes{0};
std::atomic<qint64> highestBytes{0};

void onAllocated(const volatile void *, size_t size)
{
    const qint64 held = heldBytes.fetch_add(qint64(size), std::memory_order_relaxed) + qint64(size);
    qint64 highest = highestBytes.load(std::memory_order_relaxed);
    while (held > highest && !highestBytes.compare_exchange_weak(highest, held, std::memory_order_relaxed)) {
    }
}

void onFreed(const volatile void *block)
{
    heldBytes.fetch_sub(qint64(__sanitizer_get_allocated_size(block)), std::memory_order_relaxed);
}

const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks(onAllocated, onFreed);
#endif

} // namespace

bool isResident()
{
#ifdef PEAKMEMORY_ASAN
    return false;
#else
    return true;
#endif
}

bool reset()
{
#ifdef PEAKMEMORY_ASAN
    highestBytes.store(heldBytes.load());
    return hooksInstalled > 0;
#else
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
#endif
}

qint64 current()
{
#ifdef PEAKMEMORY_ASAN
    return heldBytes.load();
#else
    return statusBytes("VmRSS");
#endif
}

qint64 peak()
{
#ifdef PEAKMEMORY_ASAN
    return highestBytes.load();
#else
    return statusBytes("VmHWM");
#endif
}

qint64 peakOf(qint64 pid)
{
    return pid > 0 ? statusBytes("VmHWM", QString::number(pid)) : 0;
}

} // namespace PeakMemory
