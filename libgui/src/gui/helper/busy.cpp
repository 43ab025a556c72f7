#include "busy.h"

#include "gui/core/message.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace Gui::Helper {

Busy::Busy(QWidget *widget)
    : AbstractHelper(widget)
    , m_timer(new QTimer(widget))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(4000);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { expire(); }, Qt::DirectConnection);
}

Busy::~Busy()
{
    if (m_busy)
        QApplication::restoreOverrideCursor();
    delete m_timer;
}

void Busy::start()
{
    if (m_timerEnabled)
        m_timer->start();
    if (QWidget *w = widget())
        w->setEnabled(false);
    if (!m_busy) {
        m_busy = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void Busy::stop()
{
    m_timer->stop();
    leave();
}

bool Busy::isBusy() const
{
    return m_busy;
}

void Busy::setTimerEnabled(bool enabled)
{
    m_timerEnabled = enabled;
}

void Busy::setBusyTimeout(std::chrono::milliseconds timeout)
{
    m_timer->setInterval(int(timeout.count()));
}

QString Busy::unavailableText()
{
    return QApplication::translate("Gui::Helper::Busy", "Server unavailable");
}

void Busy::busyExpired()
{
}

void Busy::expire()
{
    leave();
    busyExpired();
    Message::critical(widget(), unavailableText());
}

void Busy::leave()
{
    if (QWidget *w = widget())
        w->setEnabled(true);
    if (m_busy) {
        m_busy = false;
        QApplication::restoreOverrideCursor();
    }
}

} // namespace Gui::Helper
