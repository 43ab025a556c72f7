#include "frame.h"

#include "frames.h"
#include "maintabwidget.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"

#include <QCloseEvent>

namespace Gui {

namespace {

Frames *openFrames()
{
    Hub *hub = Context::hub();
    return hub ? hub->frameList() : nullptr;
}

} // namespace

Frame::Frame()
    : WindowGuiSettings(this)
    , Busy(this)
    , m_title(tr("Untitled"))
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (Frames *frames = openFrames())
        frames->append(this);
}

Frame::~Frame() = default;

QString Frame::title() const
{
    return m_title;
}

void Frame::beforeShow()
{
}

void Frame::afterShow()
{
}

void Frame::unregisterFrame()
{
    if (Frames *frames = openFrames())
        frames->remove(this);
    if (!isGuiSessionMode())
        Context::saveFrameSettings(this);
}

void Frame::loadSettings(const QVariantMap &settings)
{
    WindowGuiSettings::loadSettings(settings);
}

QVariantMap Frame::saveSettings() const
{
    QVariantMap settings;
    if (m_placement == Window) {
        settings = WindowGuiSettings::saveSettings();
    } else if (Hub *hub = Context::hub()) {
        // A frame in a tab keeps the geometry its last window had.
        const QVariant window = hub->storedSettings(settingsName()).value(QStringLiteral("window"));
        if (window.isValid())
            settings.insert(QStringLiteral("window"), window);
    }
    settings.insert(QStringLiteral("isWindow"), m_placement == Window);
    return settings;
}

void Frame::setTitle(const QString &title)
{
    m_title = title;
    setWindowTitle(title);
}

void Frame::setPlacement(int placement)
{
    m_placement = placement;
}

void Frame::activate()
{
    if (m_placement == Window) {
        activateWindow();
        return;
    }
    if (MainTabWidget *tabs = Context::mainTabWidget()) {
        const int index = tabs->indexOf(this);
        if (index >= 0)
            tabs->setCurrentIndex(index);
    }
}

void Frame::closeEvent(QCloseEvent *event)
{
    unregisterFrame();
    event->accept();
}

} // namespace Gui
