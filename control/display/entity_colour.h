#pragma once

#include "drawing/drawing_surface.h"

#include <cstdint>

namespace tiraq {

class DXFLayers;

// The colour switches of the control that decide how entities are coloured.
struct ColourSettings {
    bool DisplayAllBlack = false;
    bool PrintAllBlack = false;
    gui::Colour BackColor = gui::kWhite;  // of the drawing picture
};

// Whether the layer at that position is shown: LayerOn and not Deleted. A position with no layer
// behind it hides nothing.
bool LayerVisible(const DXFLayers* layers, std::int32_t LayerIndex);

// The colour an entity is drawn with: its own, else its layer's; black in the all-black modes.
// On screen black and white swap where they would vanish: black on a black picture turns white,
// white on a white picture turns black; on paper white turns black.
gui::Colour ResolveEntityColor(const DXFLayers* layers, const ColourSettings& settings, std::int32_t LayerIndex,
                               std::int32_t EntityColor, bool Printing);

}  // namespace tiraq
