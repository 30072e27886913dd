#pragma once

#include "drawing/drawing_target.h"

#include <cstdint>

namespace tiraq {

class DisplayHost;
class DisplayState;

// The feedback of a drag, drawn inverted on the target so that drawing it again erases it. The
// shape follows the control's own copy of ZoomFunction: a box for window, rectangle, box, solid and
// move drags (0, 6, 9, 10, 11), a line for pan and redline lines (2, 4), nothing otherwise. Errors
// are swallowed: the band is only feedback.
void RubberBand(gui::DrawingTarget& target, const DisplayState& state, DisplayHost& host, std::int16_t x1,
                std::int16_t y1, std::int16_t x2, std::int16_t y2, gui::Colour colour);
// A circle about (cx, cy) through (px, py).
void RubberBandCircle(gui::DrawingTarget& target, DisplayHost& host, std::int16_t cx, std::int16_t cy,
                      std::int16_t px, std::int16_t py);

}  // namespace tiraq
