#include "display/drawing_pass.h"

#include "display/primitives.h"
#include "reader/drawing_database.h"

namespace tiraq {

gui::Colour DrawingPass::Colour(std::int32_t LayerIndex, std::int32_t EntityColor) const {
    return ResolveEntityColor(db.Layers.get(), colours, LayerIndex, EntityColor, Printing);
}

double ClipMargin(const gui::Pen& pen) { return 4.0 + pen.width; }

void DrawingPass::Line(DevicePoint from, DevicePoint to, std::int32_t Width, gui::Colour Colour,
                       std::int32_t Style) const {
    const bool inRange = InDeviceRange(from.X) && InDeviceRange(from.Y) && InDeviceRange(to.X) && InDeviceRange(to.Y);
    if (!inRange && !ClipSegment(from, to, clip, ClipMargin(gui::Pen{gui::PenStyle::Solid, Width, Colour}))) return;
    const gui::PixelPoint start = ToDevice(from), end = ToDevice(to);
    DrawLine(DC, start.x, start.y, end.x, end.y, Width, Colour, Style);
}

void DrawingPass::Traced(const EllipticArc& arc, const gui::Pen& pen) const {
    for (const auto& run : TraceArc(arc, clip, ClipMargin(pen))) DC.DrawPolyline(pen, run);
}

}  // namespace tiraq
