#pragma once

#include <QString>
#include <QVariantMap>

class QObject;

namespace Gui {

class Frame;

// The hosting of frames: QML pages opened from resource URLs as tabs of the main window or as
// windows of their own on the one shared engine, an open page brought forward instead of opened
// twice, and widget frames placed as their settings say. GLOBAL offers it to the registry
// (Gui::Hub), through which Gui::Context reaches it.
namespace QmlHost {

QObject *openFrame(const QString &url, const QVariantMap &options);
void showFrame(Frame *frame, const QVariantMap &settings);

} // namespace QmlHost

} // namespace Gui
