#pragma once

#include "gui/style/style.h"

// The shell's style object serves the pages as it is: its colours and images are constants.
using StandinStyle = Gui::Style;
