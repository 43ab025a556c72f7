#pragma once

#include <QObject>

namespace Gui {

class Global;

// The registry of the shell's process-wide objects, reached through static accessors. The
// application creates it first thing and never deletes it; without one every accessor gives null.
class Context : public QObject
{
    Q_OBJECT

public:
    explicit Context(QObject *parent = nullptr);
    ~Context() override;

    static Context *instance();

    // GLOBAL, the object QML pages see; null before sign-in.
    static Global *global();
    static void setGlobal(Global *global);

private:
    Global *m_global = nullptr;
};

} // namespace Gui
