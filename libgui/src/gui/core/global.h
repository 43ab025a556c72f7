#pragma once

#include <QObject>

namespace Gui {

class GuiSession;

// The object QML pages see as "GLOBAL". For now it carries the current GUI session, which keeps
// the settings of dialogs and tool windows while the client runs.
class Global : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Gui::GuiSession *guiSession READ guiSession CONSTANT)

public:
    explicit Global(QObject *parent = nullptr);
    ~Global() override;

    GuiSession *guiSession() const;

    // The current GUI session of GLOBAL, or null when there is no GLOBAL yet.
    static GuiSession *currentGuiSession();

private:
    GuiSession *m_guiSession;
};

} // namespace Gui
