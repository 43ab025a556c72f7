#include "toastwindow.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QTimer>
#include <QVBoxLayout>

namespace Gui {

namespace {

constexpr int LifetimeMs = 2500;
constexpr int FadeInMs = 500;

// The text with places to break a line after path separators and underscores, so that a file's
// path wraps within the notice instead of running past its edges.
QString breakable(const QString &text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        shown += c;
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('_'))
            shown += QChar(0x200b);
    }
    return shown;
}

} // namespace

ToastWindow::ToastWindow(const QString &message, int mode)
    : m_animation(new QPropertyAnimation(this, "windowOpacity", this))
    , m_mode(mode)
    , m_message(message)
{
    // A tool-tip window: on top, no frame, never activated and no input grab.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowOpacity(0);
    resize(300, 200);
    setStyleSheet(mode != 0 ? QStringLiteral("QWidget { background-color: red; }")
                            : QStringLiteral("QWidget { background-color: green; }"));
    auto *label = new QLabel(breakable(message));
    label->setObjectName(QStringLiteral("message"));
    label->setFixedWidth(int(width() * 0.8));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label, 0, Qt::AlignCenter);
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QObject::deleteLater);
    timer->start(LifetimeMs);
    m_animation->setDuration(FadeInMs);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->start();
}

ToastWindow::~ToastWindow()
{
    emit finished();
}

QString ToastWindow::message() const
{
    return m_message;
}

ToastWindow *ToastWindow::showToast(const QString &message, QWidget *widget, int mode)
{
    auto *toast = new ToastWindow(message, mode);
    toast->setAttribute(Qt::WA_DeleteOnClose);
    toast->show();
    Hub *hub = Context::hub();
    const int stacked = hub ? hub->stackToast(toast) : 1;
    QWidget *reference = widget && widget->isWindow() ? widget : Context::mainWidget();
    if (!reference)
        return toast;
    const int x = reference->x() + reference->width() - toast->width();
    const int y = reference->y() + reference->frameGeometry().height() - stacked * toast->height();
    // Shown without activation, it leaves the active window as it is, whichever that is.
    toast->move(x, y);
    return toast;
}

} // namespace Gui
