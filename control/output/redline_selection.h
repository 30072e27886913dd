#pragma once

#include "control/dxf_enums.h"
#include "display/entity_colour.h"

#include <array>
#include <cstdint>
#include <optional>

namespace gui {
class DrawingTarget;
}

namespace tiraq {

class DrawingDatabase;
class DisplayState;

// A pixel box: left, top, right, bottom.
using RedlineBox = std::array<std::int32_t, 4>;

// The redline entity a click picked: its kind and index in its kind's array, the rectangle it
// belongs to (0 for none), and the box its grips frame.
struct RedlineSelection {
    EntityTypesEnum Type = dxfRedLineNone;
    std::int32_t Index = 0;
    std::int32_t RectangleID = 0;
    RedlineBox Box{};
};

// Whether a click at (X, Y) hits an entity whose box on the picture is `box`: the click lies in
// the box (widened where it has no width or height) and the pixel under it has the colour the
// entity was drawn in. `hitBox` gets the widened box.
bool RedlineEntityHit(const RedlineBox& box, float X, float Y, gui::Colour drawnColour, gui::DrawingTarget& picture,
                      RedlineBox& hitBox);

// The first redline entity not deleted under a click on the picture, in the pixels of the last
// drawing pass: lines first, then circles, solids and texts, each from index 1 on. A click on
// any side of a redline rectangle picks the rectangle, framed by the box around all its lines.
std::optional<RedlineSelection> FindRedlineEntity(const DrawingDatabase& db, const DisplayState& state,
                                                  const ColourSettings& colours, gui::DrawingTarget& picture, float X,
                                                  float Y);

}  // namespace tiraq
