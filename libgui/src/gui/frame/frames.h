#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

namespace Gui {

// GLOBAL's list of open frames, QML pages and widget frames alike, in tab order for the tabbed
// ones. A frame that is destroyed without leaving the list drops out by itself.
class Frames : public QObject
{
    Q_OBJECT

public:
    explicit Frames(QObject *parent = nullptr);
    ~Frames() override;

    Q_INVOKABLE void append(QObject *frame);
    // Removes the first entry of the frame; nothing when it is not listed.
    Q_INVOKABLE void remove(QObject *frame);
    Q_INVOKABLE int count() const;
    // Null outside 0 ... count() - 1.
    Q_INVOKABLE QObject *at(int i) const;
    // Whether a listed frame (the editor itself included) shows the same page and record.
    Q_INVOKABLE bool sameEditorExists(QObject *editor) const;

    // The quit check: the first frame with unsaved data is brought forward with a warning.
    bool hasUnsavedData() const;
    // The listed frames, in order.
    QList<QObject *> list() const;
    // Moves the from-th frame shown in a tab to the place of the to-th, as its tab moved.
    void moveTabFrame(int from, int to);

private:
    void forget(QObject *frame);

    QList<QPointer<QObject>> m_frames;
};

} // namespace Gui
