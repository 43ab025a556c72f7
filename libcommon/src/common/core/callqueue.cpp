#include "callqueue.h"

#include "threadhandoff.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstddef>

namespace Common {

// One posted call. Its own address is the token of its hand-over.
class CallQueue::Call : public QEvent
{
public:
    // Qt's allocator, as for Qt's own events: the memory is new to the sanitizer, and the QEvent
    // part is written by Qt's code only. Event filters (ours too) read it before the call is
    // acquired; what our code writes, the function, is read only after.
    static void *operator new(std::size_t size) { return qMallocAligned(size, alignof(Call)); }
    static void operator delete(void *memory) { qFreeAligned(memory); }

    explicit Call(std::function<void()> call)
        : QEvent(eventType())
        , m_call(std::move(call))
    {
    }
    // Qt deletes a call in the thread that ran it, or in the one that destroys the queue.
    ~Call() override { ThreadHandoff::acquire(this); }

    void run() { m_call(); }

private:
    std::function<void()> m_call;
};

CallQueue::CallQueue(QObject *parent)
    : QObject(parent)
{
}

QEvent::Type CallQueue::eventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void CallQueue::post(std::function<void()> call)
{
    auto *posted = new Call(std::move(call));
    // Everything the call holds is written by now; Qt's queue only passes the pointer on.
    ThreadHandoff::release(posted);
    QCoreApplication::postEvent(this, posted);
}

bool CallQueue::event(QEvent *event)
{
    // Before the event is read: a call's address is the token of its hand-over.
    ThreadHandoff::acquire(event);
    if (event->type() != eventType())
        return QObject::event(event);
    static_cast<Call *>(event)->run();
    return true;
}

} // namespace Common
