#pragma once

#include "reader/drawing_records.h"

#include <cstdint>

namespace gui {
class DrawingTarget;
}

namespace tiraq {

struct DrawingPass;

// Draws one display-list entry in a pass: culled on its pixel box where it has one, clipped or
// traced where it reaches beyond the device. `picture` measures texts; attributes are drawn only
// with `DisplayAttributes` on. An index beyond its array raises "Subscript out of range".
void DrawEntity(const DrawingPass& pass, gui::DrawingTarget& picture, std::int16_t DisplayAttributes, SeqEntry entry);

}  // namespace tiraq
