#pragma once

#include <QString>
#include <QVariantMap>

class QObject;

namespace Gui {

class Frame;
class FrameCreators;
class Frames;
class ToastWindow;

// What frames, dialogs, tool windows and widgets ask of GLOBAL, the shell's hub, which sits above
// them: the open frames, the settings they leave in the current GUI session, the window host, the
// scale factor and the toast stack. GLOBAL implements it; the parts below reach the registered
// GLOBAL's through Context::hub() and never include GLOBAL itself.
class Hub
{
public:
    virtual ~Hub() = default;

    // GLOBAL.frames; null before GLOBAL's set-up.
    virtual Frames *frameList() const = 0;
    // The creators of the application's widget frames by name; null before GLOBAL's set-up.
    virtual FrameCreators *frameFactory() const = 0;
    // What a frame, dialog or tool window left under its settings name, or an empty map.
    virtual QVariantMap storedSettings(const QString &name) const = 0;
    // Keeps settings under name; an empty map leaves an earlier entry as it is.
    virtual void storeSettings(const QString &name, const QVariantMap &settings) = 0;
    // The window host: a page opened as a tab or a window (or the open one brought forward), a
    // widget frame placed as its settings say, and a widget frame's settings kept.
    virtual QObject *hostQmlFrame(const QString &url, const QVariantMap &options) = 0;
    virtual void hostFrame(Frame *frame, const QVariantMap &settings) = 0;
    virtual void storeFrameSettings(Frame *frame) = 0;
    virtual void changeScaleFactor(double scaleFactor) = 0;
    // Stacks a shown toast until it finishes; the number of toasts stacked with it.
    virtual int stackToast(ToastWindow *toast) = 0;
};

} // namespace Gui
