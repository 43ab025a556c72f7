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
extern "C" void AnnotateIgnoreWritesBegin(const char *file, int line);
extern "C" void AnnotateIgnoreWritesEnd(const char *file, int line);
#endif

namespace Common {

// Tells ThreadSanitizer of an order between two threads that only Qt knows of: a call queued to
// another thread's event loop, a thread's end seen by QThread::wait(). Qt orders both with locks
// of its own that a sanitizer cannot see unless it built Qt. The thread that hands data over
// calls release(token) before the hand-over; the thread that takes it calls acquire(token) before
// it reads the data. Nothing of it is compiled outside a ThreadSanitizer build.
//
// An object of the class marks a queued call posted while it lives: it releases the token, and
// the writes that build the call (the copy of a lambda that Qt queues) are Qt's hand-over, not
// checked; the receiver reads them after Qt's queue has ordered them.
class ThreadHandoff
{
public:
    explicit ThreadHandoff(const void *token)
    {
        release(token);
#ifdef COMMON_THREAD_SANITIZER
        AnnotateIgnoreWritesBegin(__FILE__, __LINE__);
#endif
    }
    ~ThreadHandoff()
    {
#ifdef COMMON_THREAD_SANITIZER
        AnnotateIgnoreWritesEnd(__FILE__, __LINE__);
#endif
    }
    ThreadHandoff(const ThreadHandoff &) = delete;
    ThreadHandoff &operator=(const ThreadHandoff &) = delete;

    static constexpr bool enabled =
#ifdef COMMON_THREAD_SANITIZER
        true;
#else
        false;
#endif

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
