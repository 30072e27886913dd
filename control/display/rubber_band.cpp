#include "display/rubber_band.h"

#include "display/display_host.h"
#include "display/display_state.h"
#include "reader/reader_host.h"

#include "vb/convert.h"

#include <cmath>

namespace tiraq {
namespace {

// Draws with the target in invert mode and puts its own draw mode back afterwards.
template <typename Draw>
void Inverted(gui::DrawingTarget& target, DisplayHost& host, Draw draw) {
    const int mode = target.DrawMode();
    try {
        target.SetDrawMode(gui::kDrawInvert);
        draw();
        target.SetDrawMode(mode);
    } catch (...) {
        try {
            target.SetDrawMode(mode);
        } catch (...) {
        }
        host.SetMousePointer(kPointerDefault);
    }
}

}  // namespace

void RubberBand(gui::DrawingTarget& target, const DisplayState& state, DisplayHost& host, std::int16_t x1,
                std::int16_t y1, std::int16_t x2, std::int16_t y2, gui::Colour colour) {
    Inverted(target, host, [&] {
        switch (state.BandZoomFunction) {
        case 0:
        case 6:
        case 9:
        case 10:
        case 11: target.Line(x1, y1, x2, y2, colour, gui::LineShape::Box); break;
        case 2:
        case 4: target.Line(x1, y1, x2, y2, colour); break;
        default: break;
        }
    });
}

void RubberBandCircle(gui::DrawingTarget& target, DisplayHost& host, std::int16_t cx, std::int16_t cy,
                      std::int16_t px, std::int16_t py) {
    Inverted(target, host, [&] {
        const double dx = double(px) - cx, dy = double(py) - cy;
        target.Circle(cx, cy, vb::CInt(std::sqrt(dy * dy + dx * dx)));
    });
}

}  // namespace tiraq
