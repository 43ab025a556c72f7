#pragma once

namespace Gui {
class FrameCreators;
}

// The creators of this program's widget frames by their settings names, by which a saved GUI
// session re-opens them: the company table and the five report frames.
Gui::FrameCreators *newFrameCreators();
