#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

namespace Common {

// Runs calls in the thread it lives in, posted from any thread through Qt's event queue, in the
// order they were posted (among the other events of that thread). Each call is handed over to
// ThreadSanitizer as a whole: the poster builds it with its captures, then releases it
// (ThreadHandoff), and the receiving thread acquires it before it runs or destroys it. Nothing of
// our code is left unchecked between.
class CallQueue : public QObject
{
public:
    explicit CallQueue(QObject *parent = nullptr);

    // From any thread. A call still queued when the object goes is destroyed, not run.
    void post(std::function<void()> call);

    // The type of the events that carry the calls (for QCoreApplication::sendPostedEvents).
    static QEvent::Type eventType();

protected:
    bool event(QEvent *event) override;

private:
    class Call;
};

} // namespace Common
