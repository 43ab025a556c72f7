#include "utils.h"

#include "context.h"

#include "gui/settings/settings.h"

#include <QGuiApplication>
#include <QMetaType>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace Gui::Utils {

namespace {

QRect availableGeometry()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// A window placed at p can be grabbed when the start of its top edge (50 pixels, less for a
// narrower window) lies on some screen's available area.
bool isReachable(const QPoint &p, const QSize &size)
{
    const QRect grip(p, QSize(std::clamp(size.width(), 1, 50), 1));
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.cbegin(), screens.cend(),
                       [&grip](const QScreen *screen) { return screen->availableGeometry().contains(grip); });
}

// The top-level window that shows a frame, and the frame's area on the screen: a QML frame's own
// window while it is shown, else the window its item sits in (a tab's); a widget frame's window;
// a window itself.
QWindow *frameWindow(QObject *frame, QRect &area)
{
    if (auto *window = qobject_cast<QWindow *>(frame)) {
        area = QRect(window->mapToGlobal(QPoint()), window->size());
        while (window->parent())
            window = window->parent();
        return window;
    }
    if (auto *widget = qobject_cast<QWidget *>(frame)) {
        area = QRect(widget->mapToGlobal(QPoint()), widget->size());
        return widget->window()->windowHandle();
    }
    auto *own = qobject_cast<QWindow *>(objectProperty(frame, "window"));
    auto *item = qobject_cast<QQuickItem *>(frame);
    QWindow *window = own && own->isVisible() ? own : item ? item->window() : nullptr;
    if (!window)
        return nullptr;
    area = window == own ? QRect(own->mapToGlobal(QPoint()), own->size())
                         : QRect(item->mapToGlobal(QPointF()).toPoint(), item->size().toSize());
    while (window->parent())
        window = window->parent();
    return window;
}

} // namespace

void centerOnScreen(QWidget *widget)
{
    if (!widget)
        return;
    widget->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, widget->size(), availableGeometry()));
}

void moveOnScreen(QWidget *widget, const QPoint &p)
{
    if (!widget)
        return;
    if (isReachable(p, widget->size()))
        widget->move(p);
    else
        centerOnScreen(widget);
}

void applyWindowState(QWidget *widget, int state, const QSize &size)
{
    if (!widget)
        return;
    if (state == Qt::WindowMaximized)
        widget->showMaximized();
    else
        widget->resize(std::max(size.width(), 200), std::max(size.height(), 200));
}

void attachToOwnerWindow(QWidget *owner, QWidget *widget)
{
    if (!owner || !widget || !Settings::groupTaskBarWindows())
        return;
    widget->winId();
    QWindow *window = widget->windowHandle();
    if (!window)
        return;
    window->hide();
    window->setTransientParent(owner->window()->windowHandle());
}

void keepOverFrame(QWidget *widget, QObject *frame)
{
    if (!widget || !frame)
        return;
    QObject::connect(frame, &QObject::destroyed, widget, &QWidget::close);
    QRect area;
    QWindow *owner = frameWindow(frame, area);
    if (!owner)
        return;
    // The window system reads the owner when the window is shown.
    const bool shown = widget->isVisible();
    widget->hide();
    widget->winId();
    if (QWindow *window = widget->windowHandle())
        window->setTransientParent(owner);
    moveOnScreen(widget, area.center() - widget->rect().center());
    if (shown) {
        widget->show();
        widget->activateWindow();
    }
}

QWindow *topWindow(QObject *frame)
{
    QRect area;
    return frame ? frameWindow(frame, area) : nullptr;
}

void activateFrameWindow(QObject *object)
{
    if (!object)
        return;
    QObject *target = object->objectName() == QLatin1String("NtFrameWindow") ? object
                                                                            : objectProperty(object, "window");
    if (target && target->property("visible").toBool())
        raiseWindow(target);
}

void raiseWindow(QObject *window)
{
    invoke(window, "raise()");
    invoke(window, "requestActivate()");
}

QObject *objectProperty(const QObject *object, const char *name)
{
    if (!object)
        return nullptr;
    const QVariant value = object->property(name);
    return value.isValid() ? value.value<QObject *>() : nullptr;
}

QMetaMethod findMethod(const QObject *object, const char *signature)
{
    if (!object)
        return QMetaMethod();
    const QMetaObject *meta = object->metaObject();
    return meta->method(meta->indexOfMethod(QMetaObject::normalizedSignature(signature)));
}

void invoke(QObject *object, const char *signature)
{
    const QMetaMethod method = findMethod(object, signature);
    if (method.isValid())
        method.invoke(object);
}

bool holdsObject(const QVariant &value)
{
    return QMetaType::typeFlags(value.userType()).testFlag(QMetaType::PointerToQObject);
}

QVariantMap withoutObjects(const QVariantMap &map)
{
    QVariantMap kept;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (!holdsObject(it.value()))
            kept.insert(it.key(), it.value());
    }
    return kept;
}

QString bracketed(const QString &text)
{
    return QLatin1Char('[') + text + QLatin1Char(']');
}

QString qmlErrorsText(const QList<QQmlError> &errors)
{
    QStringList texts;
    for (const QQmlError &error : errors)
        texts.append(error.toString());
    return texts.join(QStringLiteral(", "));
}

QWidget *showOwnWindow(QWidget *widget)
{
    widget->setAttribute(Qt::WA_DeleteOnClose);
    attachToOwnerWindow(Context::mainWidget(), widget);
    widget->show();
    widget->activateWindow();
    return widget;
}

} // namespace Gui::Utils
