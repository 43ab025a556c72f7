#pragma once

#include <QString>
#include <QVariantMap>

class QObject;

namespace Gui {

class Frame;

// The hosting of frames: QML pages opened from resource URLs as tabs of the main window or as
// windows of their own on the one shared engine, an open page brought forward instead of opened
// twice, and widget frames placed as their settings say. Reached through Gui::Context.
namespace QmlHost {

QObject *openFrame(const QString &url, const QVariantMap &options);
QObject *createObject(const QString &url, const QVariantMap &initialProperties);
void showFrame(Frame *frame, const QVariantMap &settings);

} // namespace QmlHost

} // namespace Gui
