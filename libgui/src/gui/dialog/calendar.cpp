#include "calendar.h"

#include "gui/widget/todaycalendar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QVBoxLayout>

namespace Gui::Dialog {

Calendar::Calendar()
    : QDialog(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_calendar(new TodayCalendar)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        const QDate date = m_calendar->selectedDate();
        emit selectionChanged(date);
        emit selectedDayChanged(date.year(), date.month(), date.day());
    });
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(m_calendar->todayButton(), &QPushButton::clicked, m_calendar, qOverload<>(&QWidget::setFocus));
}

Calendar::~Calendar() = default;

void Calendar::setSelectedDate(const QDate &date)
{
    m_calendar->setSelectedDate(date);
}

void Calendar::setSelectedDay(int year, int month, int day)
{
    m_calendar->setSelectedDate(QDate(year, month, day));
}

TodayCalendar *Calendar::calendar() const
{
    return m_calendar;
}

void Calendar::closeWith(QQuickItem *item)
{
    m_item = item;
    m_itemWindow = item->window();
    connect(item, &QObject::destroyed, this, &Calendar::closeIfItemGone);
    connect(item, &QQuickItem::visibleChanged, this, &Calendar::closeIfItemGone);
    connect(item, &QQuickItem::windowChanged, this, &Calendar::closeIfItemGone);
    if (m_itemWindow)
        connect(m_itemWindow, &QWindow::visibleChanged, this, &Calendar::closeIfItemGone);
    closeIfItemGone();
}

void Calendar::closeIfItemGone()
{
    if (m_item && m_item->isVisible() && m_itemWindow && m_item->window() == m_itemWindow
        && m_itemWindow->isVisible())
        return;
    blockSignals(true);
    close();
}

bool Calendar::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::ShortcutOverride || type == QEvent::KeyPress || type == QEvent::KeyRelease;
    // A page's window container clears the widgets' focus when the page's window is activated:
    // the grid takes it back before a key is handed out.
    if (key && watched->isWindowType() && QApplication::activePopupWidget() == this && !focusWidget())
        m_calendar->setFocus(Qt::PopupFocusReason);
    // A widget window hands its keys and presses to the open popup; a Qt Quick window (a page)
    // does not, and it may hold the focus: the window system can activate it after the popup.
    // Only input is looked at: a window that is being destroyed gets other events, and its
    // meta-object would still name it a Qt Quick window.
    const bool input = key || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::TouchBegin || type == QEvent::Wheel;
    if (!input || !qobject_cast<QQuickWindow *>(watched))
        return QDialog::eventFilter(watched, event);
    switch (type) {
    case QEvent::ShortcutOverride:
        // No shortcut of the page while the popup takes the keys.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            popup = this;
        QKeyEvent copy(*static_cast<QKeyEvent *>(event));
        QCoreApplication::sendEvent(popup->focusWidget() ? popup->focusWidget() : popup, &copy);
        event->setAccepted(copy.isAccepted());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        reject();
        return true;
    case QEvent::Wheel:
        // Nothing scrolls under the popup.
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void Calendar::showEvent(QShowEvent *event)
{
    QCoreApplication::instance()->installEventFilter(this);
    // Activation focuses no widget of a popup: the grid takes the keys itself.
    m_calendar->setFocus(Qt::PopupFocusReason);
    QDialog::showEvent(event);
}

void Calendar::hideEvent(QHideEvent *event)
{
    QCoreApplication::instance()->removeEventFilter(this);
    QDialog::hideEvent(event);
}

} // namespace Gui::Dialog
