#pragma once

#include "display/display_state.h"
#include "display/entity_colour.h"
#include "display/pixel_geometry.h"
#include "drawing/drawing_surface.h"

namespace tiraq {

class DrawingDatabase;

// What one drawing pass draws with: the database, the conversion the pass set, the colour
// switches, the device and its pixels.
struct DrawingPass {
    const DrawingDatabase& db;
    const DisplayState& state;
    const ColourSettings& colours;
    gui::DrawingSurface& DC;
    ClipArea clip;
    bool Printing = false;

    DevicePoint Pixel(double X, double Y) const { return {state.PixelX(X), state.PixelY(Y)}; }
    gui::Colour Colour(std::int32_t LayerIndex, std::int32_t EntityColor) const;

    // A straight line on the device (`DrawLine`), clipped where it leaves the device range.
    void Line(DevicePoint from, DevicePoint to, std::int32_t Width, gui::Colour Colour, std::int32_t Style) const;
    // An arc too large for the device, traced as polylines where it is visible.
    void Traced(const EllipticArc& arc, const gui::Pen& pen) const;
};

// Margin around the target within which clipped and traced figures end, so that their ends and
// wide pens stay off the visible pixels.
double ClipMargin(const gui::Pen& pen);

}  // namespace tiraq
