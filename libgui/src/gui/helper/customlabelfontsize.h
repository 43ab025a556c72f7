#pragma once

#include "abstracthelper.h"

namespace Gui::Helper {

// Marks a widget that keeps its own font size when the user changes the application font size.
class CustomLabelFontSize : public AbstractHelper
{
public:
    CustomLabelFontSize() = default;
};

} // namespace Gui::Helper
