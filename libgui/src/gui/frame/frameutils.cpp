#include "frameutils.h"

#include "frame.h"
#include "framecreators.h"
#include "maintabwidget.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/core/utils.h"

#include <QUrl>
#include <QVariant>

namespace Gui::Utils {

namespace {

const Frame *widgetFrame(const QObject *frame)
{
    return qobject_cast<const Frame *>(frame);
}

Frame *widgetFrame(QObject *frame)
{
    return qobject_cast<Frame *>(frame);
}

QVariant property(const QObject *frame, const char *name)
{
    return frame ? frame->property(name) : QVariant();
}

} // namespace

QString frameSettingsName(const QObject *frame)
{
    if (const Frame *w = widgetFrame(frame))
        return w->settingsName();
    return property(frame, "objectsSettingName").toString();
}

int frameId(const QObject *frame)
{
    if (widgetFrame(frame))
        return 0;
    return property(frame, "id").toString().toInt();
}

bool frameIsWindow(const QObject *frame)
{
    if (const Frame *w = widgetFrame(frame))
        return w->placement() == Frame::Window;
    return property(frame, "isWindow").toBool();
}

bool frameIsDirty(const QObject *frame)
{
    if (widgetFrame(frame))
        return false;
    return property(frame, "isDirty").toBool();
}

QVariantMap frameInitProperties(const QObject *frame)
{
    if (const Frame *w = widgetFrame(frame))
        return w->initProperties();
    return property(frame, "initProperties").toMap();
}

QString frameState(const QObject *frame)
{
    if (const Frame *w = widgetFrame(frame))
        return w->state();
    return property(frame, "state").toString();
}

QVariantMap frameSettings(QObject *frame)
{
    if (const Frame *w = widgetFrame(frame))
        return w->saveSettings();
    if (!frame)
        return QVariantMap();
    invoke(frame, "getSettings()");
    invoke(frame, "saveFrameSettings()");
    return frame->property("objectSettings").toMap();
}

bool frameGuiSessionMode(const QObject *frame)
{
    if (const Frame *w = widgetFrame(frame))
        return w->isGuiSessionMode();
    return property(frame, "isGuiSessionMode").toBool();
}

void setFrameGuiSessionMode(QObject *frame, bool mode)
{
    if (Frame *w = widgetFrame(frame))
        w->setGuiSessionMode(mode);
    else if (frame)
        frame->setProperty("isGuiSessionMode", mode);
}

void activateFrame(QObject *frame)
{
    if (Frame *w = widgetFrame(frame)) {
        w->activate();
        return;
    }
    if (frameIsWindow(frame)) {
        activateFrameWindow(frame);
        return;
    }
    if (MainTabWidget *tabs = Context::mainTabWidget()) {
        const int index = tabs->indexOfQmlItem(frame);
        if (index >= 0)
            tabs->setCurrentIndex(index);
    }
}

void closeFrame(QObject *frame)
{
    if (Frame *w = widgetFrame(frame))
        w->close();
    else
        invoke(frame, "closed()");
}

QObject *restoreFrame(const QVariantMap &saved)
{
    const QUrl url = saved.value(QStringLiteral("url")).toUrl();
    if (url.isValid() && !url.isEmpty())
        return Context::createQmlFrame(url.toString(), saved);
    Hub *hub = Context::hub();
    FrameCreators *creators = hub ? hub->frameFactory() : nullptr;
    Frame *frame = creators ? creators->create(saved.value(QStringLiteral("name")).toString()) : nullptr;
    if (!frame)
        return nullptr;
    if (saved.contains(QStringLiteral("isGuiSessionMode")))
        frame->setGuiSessionMode(saved.value(QStringLiteral("isGuiSessionMode")).toBool());
    Context::showFrame(frame, saved.value(QStringLiteral("objectSettings")).toMap());
    return frame;
}

} // namespace Gui::Utils
