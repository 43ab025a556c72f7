#pragma once

#include "abstracthelper.h"

#include <QPointer>
#include <QString>

#include <chrono>

class QTimer;

namespace Gui::Helper {

// The busy state of a widget waiting for the server: disabled, wait cursor, and after the
// time-out (4000 ms) back to idle with "Server unavailable". It pushes the override cursor once
// per busy period and pops it once, so nested or late calls never unbalance the cursor stack.
class Busy : public AbstractHelper
{
public:
    explicit Busy(QWidget *widget = nullptr);
    ~Busy() override;

    void start();
    void stop();
    bool isBusy() const;

    void setTimerEnabled(bool enabled);
    void setBusyTimeout(std::chrono::milliseconds timeout);

    // "Server unavailable", the message of the time-out.
    static QString unavailableText();

protected:
    // Runs after the time-out has ended the busy state, before the message is shown.
    virtual void busyExpired();

private:
    void expire();
    void leave();

    bool m_timerEnabled = true;
    bool m_busy = false;
    QPointer<QTimer> m_timer;
};

} // namespace Gui::Helper
