#pragma once

// The drawing primitives of the control, on a device's pixels. Each makes its pen or font for the
// call (the surfaces keep what they make), so the device holds nothing of a call afterwards.

#include "drawing/drawing_surface.h"

#include <cstdint>
#include <string_view>

namespace tiraq {

// Pens wider than this many pixels are drawn this wide: a thick polyline seen from very close
// would otherwise ask the device for a pen of millions of pixels.
inline constexpr std::int32_t kWidestPen = 4096;

bool DrawLine(gui::DrawingSurface& DC, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
              std::int32_t Width, gui::Colour Colour, std::int32_t Style);
// The arc of the box's ellipse from the ray through the start point counter-clockwise on the
// device to the ray through the end point.
bool DrawArc(gui::DrawingSurface& DC, const gui::PixelRect& Box, gui::PixelPoint Start, gui::PixelPoint End,
             gui::Colour Colour, std::int32_t Style, float Width);
// A hollow ellipse; a box of one pixel grows to three.
bool DrawCircle(gui::DrawingSurface& DC, gui::PixelRect Box, gui::Colour Colour, std::int32_t Style, float Width);
bool DrawPoint(gui::DrawingSurface& DC, gui::PixelPoint Point, gui::Colour Colour);
// A filled four-cornered solid, odd-even rule, outline in its own colour.
bool DrawSolid(gui::DrawingSurface& DC, const gui::PixelPoint (&Points)[4], gui::Colour Colour);
// A text on its baseline at (X, Y): `Height` is the cell height in pixels, `Rotation` degrees
// (drawn in whole degrees), `Align` the DXF horizontal alignment (2 right, 1 and 4 centre, else
// left). The text is the file's Windows-1252 bytes. A rotation beyond the Long range raises
// Overflow.
bool DrawString(gui::DrawingSurface& DC, std::string_view Text, std::int32_t X, std::int32_t Y, std::int32_t Height,
                float Rotation, std::int32_t Align, gui::Colour Colour, std::string_view FaceName);

// The pen of a pen style and width (rounded, and clamped to a pixel up to the widest pen).
gui::Pen MakePen(std::int32_t Style, double Width, gui::Colour Colour);
// The font DrawString uses for a face and cell height.
gui::TextFont MakeTextFont(std::string_view FaceName, std::int32_t Height);

}  // namespace tiraq
