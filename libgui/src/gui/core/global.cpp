#include "global.h"

#include "context.h"
#include "guisession.h"

namespace Gui {

Global::Global(QObject *parent)
    : QObject(parent)
    , m_guiSession(new GuiSession)
{
}

Global::~Global()
{
    delete m_guiSession;
}

GuiSession *Global::guiSession() const
{
    return m_guiSession;
}

GuiSession *Global::currentGuiSession()
{
    Global *global = Context::global();
    return global ? global->guiSession() : nullptr;
}

} // namespace Gui
