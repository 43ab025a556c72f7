#pragma once

#include <QString>
#include <QVariantMap>

class QObject;

// The questions the shell asks of an open frame, answered alike for widget frames (Gui::Frame)
// and QML pages (read through their properties and methods).
namespace Gui::Utils {

QString frameSettingsName(const QObject *frame);
// The record a page shows ("id"), 0 for widget frames.
int frameId(const QObject *frame);
bool frameIsWindow(const QObject *frame);
// Whether the page holds unsaved data; never for widget frames.
bool frameIsDirty(const QObject *frame);
QVariantMap frameInitProperties(const QObject *frame);
QString frameState(const QObject *frame);
// The frame's settings now: a page first runs getSettings() and saveFrameSettings().
QVariantMap frameSettings(QObject *frame);
bool frameGuiSessionMode(const QObject *frame);
void setFrameGuiSessionMode(QObject *frame, bool mode);
// Brings the frame forward: its tab becomes current, or its window is raised and activated.
void activateFrame(QObject *frame);
// Asks the frame to close: a page runs its close logic, a widget frame closes.
void closeFrame(QObject *frame);
// Opens again a frame of a saved GUI session; null when it cannot be made.
QObject *restoreFrame(const QVariantMap &saved);

} // namespace Gui::Utils
