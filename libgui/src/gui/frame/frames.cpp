#include "frames.h"

#include "frameutils.h"

#include "gui/core/context.h"

namespace Gui {

Frames::Frames(QObject *parent)
    : QObject(parent)
{
}

Frames::~Frames() = default;

void Frames::append(QObject *frame)
{
    if (!frame)
        return;
    m_frames.append(frame);
    connect(frame, &QObject::destroyed, this, &Frames::forget, Qt::UniqueConnection);
}

void Frames::remove(QObject *frame)
{
    const int at = m_frames.indexOf(frame);
    if (at >= 0)
        m_frames.removeAt(at);
}

void Frames::forget(QObject *frame)
{
    for (int i = m_frames.size() - 1; i >= 0; --i) {
        if (m_frames.at(i).isNull() || m_frames.at(i) == frame)
            m_frames.removeAt(i);
    }
}

int Frames::count() const
{
    return m_frames.size();
}

QObject *Frames::at(int i) const
{
    return i >= 0 && i < m_frames.size() ? m_frames.at(i).data() : nullptr;
}

QList<QObject *> Frames::list() const
{
    QList<QObject *> frames;
    for (const QPointer<QObject> &frame : m_frames) {
        if (frame)
            frames.append(frame);
    }
    return frames;
}

bool Frames::sameEditorExists(QObject *editor) const
{
    if (!editor)
        return false;
    const QString name = Utils::frameSettingsName(editor);
    const int id = Utils::frameId(editor);
    for (const QPointer<QObject> &frame : m_frames) {
        if (frame && Utils::frameSettingsName(frame) == name && Utils::frameId(frame) == id)
            return true;
    }
    return false;
}

bool Frames::hasUnsavedData() const
{
    for (const QPointer<QObject> &frame : m_frames) {
        if (frame && Utils::frameIsDirty(frame)) {
            Context::warning(tr("You need to save all data, before quit program!"));
            Utils::activateFrame(frame);
            return true;
        }
    }
    return false;
}

void Frames::moveTabFrame(int from, int to)
{
    QVector<int> places;
    for (int i = 0; i < m_frames.size(); ++i) {
        if (m_frames.at(i) && !Utils::frameIsWindow(m_frames.at(i)))
            places.append(i);
    }
    if (from < 0 || to < 0 || from >= places.size() || to >= places.size() || from == to)
        return;
    // The tab frames keep the places the list gives them; only their order among themselves
    // follows the tabs.
    QList<QPointer<QObject>> tabFrames;
    for (int place : qAsConst(places))
        tabFrames.append(m_frames.at(place));
    tabFrames.move(from, to);
    for (int k = 0; k < places.size(); ++k)
        m_frames[places.at(k)] = tabFrames.at(k);
}

} // namespace Gui
