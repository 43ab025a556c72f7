#include "windowscreen.h"

#include "windowscreenattached.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace Gui {

WindowScreen::WindowScreen(QWindow *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
    if (window) {
        byWindow().insert(window, this);
        connect(window, &QWindow::screenChanged, this, &WindowScreen::setScreen);
        setScreen(window->screen());
    } else {
        connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &WindowScreen::setScreen);
        setScreen(QGuiApplication::primaryScreen());
    }
}

WindowScreen::~WindowScreen()
{
    if (m_window)
        byWindow().remove(m_window);
}

QHash<const QWindow *, WindowScreen *> &WindowScreen::byWindow()
{
    static QHash<const QWindow *, WindowScreen *> screens;
    return screens;
}

WindowScreen *WindowScreen::of(QWindow *window)
{
    if (!window) {
        static QPointer<WindowScreen> primary;
        if (!primary)
            primary = new WindowScreen(nullptr, qGuiApp);
        return primary;
    }
    WindowScreen *screen = byWindow().value(window);
    return screen ? screen : new WindowScreen(window, window);
}

WindowScreenAttached *WindowScreen::qmlAttachedProperties(QObject *object)
{
    return new WindowScreenAttached(object);
}

void WindowScreen::registerQmlType()
{
    static const int type = qmlRegisterUncreatableType<WindowScreen>(
        "Koriv.Gui", 1, 0, "WindowScreen", QStringLiteral("WindowScreen has attached properties only"));
    Q_UNUSED(type);
}

void WindowScreen::setScreen(QScreen *screen)
{
    if (screen == m_screen)
        return;
    disconnect(m_geometry);
    m_screen = screen;
    if (screen)
        m_geometry = connect(screen, &QScreen::geometryChanged, this, &WindowScreen::updateHeight);
    updateHeight();
}

void WindowScreen::updateHeight()
{
    const int height = m_screen ? m_screen->geometry().height() : 0;
    if (height == m_height)
        return;
    m_height = height;
    emit heightChanged();
}

} // namespace Gui
