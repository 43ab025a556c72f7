#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace Gui {

// The client side of a saved GUI session: the named arrangement of the workspace (the open
// frames with their settings, the main window's settings, the current tab) that the server keeps
// as a "user_gui_sessions" row. It collects the arrangement, restores a stored one, switches
// between sessions and saves the current one; it also keeps the settings that frames, dialogs and
// tool windows leave when they close, by settings name.
class GuiSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentId READ currentId WRITE setCurrentId NOTIFY currentIdChanged)

public:
    // The id that stands for no current GUI session.
    static constexpr qint64 NoSession = 1;

    explicit GuiSession(QObject *parent = nullptr);
    ~GuiSession() override;

    int currentId() const { return int(m_currentId); }
    void setCurrentId(int id);

    // Closes the current GUI session (saved when it auto-saves) and restores the stored one.
    Q_INVOKABLE void switchCurrent(int id);
    // The arrangement of the running client, without the frames of the excluded settings names.
    Q_INVOKABLE QVariantMap collect(const QStringList &excludes);
    Q_INVOKABLE QVariantMap collect();
    // The settings stored under name, or an empty map.
    Q_INVOKABLE QVariantMap frameSettings(const QString &name) const;
    // Stores settings under name; an empty map leaves an earlier entry as it is.
    Q_INVOKABLE void setFrameSettings(const QString &name, const QVariantMap &settings);

    // Saves the current GUI session (when it auto-saves, or always with force) and closes every
    // frame; no GUI session is current afterwards. True when a save went out.
    bool reset();
    // Stores the current GUI session on the server: lock, update, unlock. True when they were
    // sent (their answers come later).
    bool save(bool force);
    // Applies an arrangement: the main window's settings, the frames, the current tab.
    void restore(const QVariantMap &map);

signals:
    void currentIdChanged(int id);

private:
    // The row of a GUI session in the user's GUI-session list; -1 when it is not there.
    int sessionRow(qint64 id) const;
    void setSessionChecked(int row, bool checked);
    void changeCurrent(qint64 id);
    QVariantMap collectFrame(QObject *frame) const;

    qint64 m_currentId = NoSession;
    QVariantMap m_frameSettings;
};

} // namespace Gui
