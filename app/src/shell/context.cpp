#include "context.h"

#include "global.h"

Context::Context() = default;

Context::~Context() = default;

Global *Context::global()
{
    return qobject_cast<Global *>(Gui::Context::global());
}
