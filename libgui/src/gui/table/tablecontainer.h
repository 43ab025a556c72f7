#pragma once

#include "gui/frame/frame.h"

namespace Gui {

// A widget frame that shows widget tables.
class TableContainer : public Frame
{
    Q_OBJECT

public:
    TableContainer();
    ~TableContainer() override;
};

} // namespace Gui
