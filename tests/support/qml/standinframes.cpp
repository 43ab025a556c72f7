#include "standinframes.h"

#include <QVariant>

void StandinFrames::append(QObject *frame)
{
    m_frames.append(frame);
}

void StandinFrames::remove(QObject *frame)
{
    record(QStringLiteral("remove"), {QVariant::fromValue(frame)});
    for (int i = 0; i < m_frames.size(); ++i) {
        if (m_frames.at(i) == frame) {
            m_frames.removeAt(i);
            return;
        }
    }
}

QObject *StandinFrames::at(int i) const
{
    return i >= 0 && i < m_frames.size() ? m_frames.at(i).data() : nullptr;
}

bool StandinFrames::sameEditorExists(QObject *editor) const
{
    for (const QPointer<QObject> &frame : m_frames) {
        if (frame && frame->property("objectsSettingName") == editor->property("objectsSettingName")
            && frame->property("id").toString() == editor->property("id").toString())
            return true;
    }
    return false;
}
