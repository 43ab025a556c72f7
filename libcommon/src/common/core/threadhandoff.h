#pragma once

#if defined(__SANITIZE_THREAD__)
#define COMMON_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define COMMON_THREAD_SANITIZER 1
#endif
#endif

#ifdef COMMON_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace Common {

// Tells ThreadSanitizer of an order between two threads that only Qt knows of: a call posted to
// another thread's event loop (CallQueue), a thread's end seen by QThread::wait(). Qt orders both
// with locks of its own that a sanitizer cannot see unless it built Qt. The thread that hands
// data over calls release(token) once the data is written, just before the hand-over; the thread
// that takes it calls acquire(token) before it reads the data. Only the order is marked: no access
// is hidden from the sanitizer. Nothing of it is compiled outside a ThreadSanitizer build.
class ThreadHandoff
{
public:
    ThreadHandoff() = delete;

    static void release(const void *token)
    {
#ifdef COMMON_THREAD_SANITIZER
        __tsan_release(const_cast<void *>(token));
#else
        (void)token;
#endif
    }

    static void acquire(const void *token)
    {
#ifdef COMMON_THREAD_SANITIZER
        __tsan_acquire(const_cast<void *>(token));
#else
        (void)token;
#endif
    }
};

} // namespace Common
