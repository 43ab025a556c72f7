#pragma once

#include "standinobject.h"

#include <QPointer>

// Stands in for the list of open frames.
class StandinFrames : public StandinObject
{
    Q_OBJECT

public:
    explicit StandinFrames(QObject *parent = nullptr) : StandinObject(parent) {}

    Q_INVOKABLE void append(QObject *frame);
    // Removes the first entry of the frame; nothing when it is not listed.
    Q_INVOKABLE void remove(QObject *frame);
    Q_INVOKABLE int count() const { return m_frames.size(); }
    Q_INVOKABLE QObject *at(int i) const;
    Q_INVOKABLE bool sameEditorExists(QObject *editor) const;

private:
    QList<QPointer<QObject>> m_frames;
};
