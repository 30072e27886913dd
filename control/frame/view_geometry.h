#pragma once

// The view arithmetic of the control's zoom, pan, scroll and find operations, apart from any
// picture: each takes the view on screen and the conversion of the last drawing pass and gives
// the view to show next.

#include "display/display_state.h"
#include "reader/drawing_records.h"

#include <array>
#include <cstdint>

namespace tiraq {

// The four previous views; entry 0 is the newest. A load fills all four with the extents.
class PreviousViews {
public:
    void Fill(const ViewRect& view) { entries_.fill(view); }
    // The oldest entry is lost.
    void Push(const ViewRect& view);
    // Drops the newest entry; the extents come in at the old end. Returns the new newest entry.
    const ViewRect& Pop(const ViewRect& extents);
    const ViewRect& operator[](std::size_t i) const { return entries_.at(i); }

private:
    std::array<ViewRect, 4> entries_{};
};

// The drill-down view about the pixel (X, Y): its width and height times 100 / Percentage, the
// clicked point keeping its relative place. A percentage of 0, a view on screen of no width or
// height, or no drawing pass yet divide by zero: the runtime's "Division by zero" (or "Overflow"
// for 0 / 0) is raised, for the caller's error chain to take to the host.
ViewRect DrillDownView(const ViewRect& current, const ConversionState& conversion, float X, float Y,
                       std::int16_t Percentage);

// The pixel box of a window drag, its corners in any order.
struct PixelBox {
    std::int16_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Width() const;
    int Height() const;
};

// A window drag is refused unless it spans at least 3 pixels in one direction and at least 1 in
// the other: a band of no width or no height would make a view of no width or height.
bool WindowTooSmall(const PixelBox& box);

// The world rectangle under a pixel box of the picture, its pixels read back through the last
// pass's conversion, whose bottom row is not always the picture's height (see PixelHeight).
ViewRect WindowZoomView(const ViewRect& current, const ConversionState& conversion, const PixelBox& box);

// The view moved so that the drawing follows a drag from (startX, startY) to (endX, endY).
ViewRect PanView(const ViewRect& current, float viewScale, std::int16_t startX, std::int16_t startY,
                 std::int16_t endX, std::int16_t endY);

// A view of the same size centred on (X, Y).
ViewRect CentredView(const ViewRect& current, float X, float Y);

// Whether a view has both a width and a height, as the drawing routine needs to draw it.
bool HasArea(const ViewRect& view);

}  // namespace tiraq
