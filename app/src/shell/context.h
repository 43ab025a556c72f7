#pragma once

#include "gui/core/context.h"

class Global;

// The process-wide registry of this program: start-up makes it before anything else and never
// deletes it. It adds only the typed look-up of the application's GLOBAL.
class Context : public Gui::Context
{
    Q_OBJECT

public:
    Context();
    ~Context() override;

    // The registry's global object as the application's Global; null before sign-in.
    static Global *global();
};
