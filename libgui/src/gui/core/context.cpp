#include "context.h"

namespace Gui {

namespace {
Context *processContext = nullptr;
}

Context::Context(QObject *parent)
    : QObject(parent)
{
    processContext = this;
}

Context::~Context()
{
    if (processContext == this)
        processContext = nullptr;
}

Context *Context::instance()
{
    return processContext;
}

Global *Context::global()
{
    return processContext ? processContext->m_global : nullptr;
}

void Context::setGlobal(Global *global)
{
    if (processContext)
        processContext->m_global = global;
}

} // namespace Gui
