#pragma once

// The one rasteriser of one-pixel figures on 32-bit images (0xFFRRGGBB words): lines, polylines,
// pixels and filled polygons, in the five pen styles, copied or inverting. Curves reach it as the
// pixels of their chords. Whether a figure is drawn on a picture, as a rubber band or dashed, its
// pixels are the ones chosen here; a line's are those the platform's painter chooses for it.
// Everything is clipped to the image. No Qt.

#include "drawing/drawing_surface.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gui {

std::uint32_t PixelWord(Colour colour);

// The dashes and gaps of a pen style in pixels, alternating from a dash; none for solid pens.
std::span<const int> DashRuns(PenStyle style);

// A one-pixel pen on the raster. Dashes follow the pixels of a figure: a dash of 18 is 18 pixels
// of it, diagonal or not. Inverting flips each pixel of a figure once, so drawing the same figure
// twice restores the image.
struct RasterPen {
    std::uint32_t word = 0xFF000000u;
    PenStyle style = PenStyle::Solid;
    bool invert = false;
};

class RasterImage {
public:
    RasterImage(std::uint32_t* bits, std::int32_t width, std::int32_t height, std::ptrdiff_t wordsPerLine)
        : bits_(bits), width_(width), height_(height), wordsPerLine_(wordsPerLine) {}

    // The image's pixels, (0, 0) to (width - 1, height - 1).
    PixelRect Area() const { return {0, 0, width_ - 1, height_ - 1}; }

    void Pixel(PixelPoint point, const RasterPen& pen);
    // Both ends included, one pixel per step along the longer axis; dashes count from `from`.
    void Line(PixelPoint from, PixelPoint to, const RasterPen& pen);
    // The lines between successive points, each joint taken once and the dashes running on.
    void Polyline(std::span<const PixelPoint> points, const RasterPen& pen);
    // The pixels whose centres lie inside by the odd-even rule, and the outline.
    void FillPolygon(std::span<const PixelPoint> corners, const RasterPen& pen);

private:
    class Figure;
    void Walk(PixelPoint from, PixelPoint to, bool skipFirst, Figure& figure);

    std::uint32_t* bits_;
    std::int32_t width_;
    std::int32_t height_;
    std::ptrdiff_t wordsPerLine_;
    std::vector<std::uint32_t*> inverted_;  // the pixels of the inverting figure being drawn
};

}  // namespace gui
