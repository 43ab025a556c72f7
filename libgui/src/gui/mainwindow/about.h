#pragma once

#include <QString>

// The About box of the program: its name and version, the Qt it is built with, the build stamp
// and the rights holder.
namespace Gui::Utils {

// The rich text of the box.
QString aboutText();
// Shows the box, modal, without a parent.
void showAbout();

} // namespace Gui::Utils
