#pragma once

#include "drawing/drawing_surface.h"

#include <cstdint>

namespace tiraq {

// The RGB colour of an OLE colour: RGB values (&H00BBGGRR) as they are, system colours
// (&H800000nn) as the desktop shows them now.
gui::Colour ResolveOleColour(std::uint32_t colour);

}  // namespace tiraq
