#pragma once

// Drawing straight into the words of a 32-bit image (0xFFRRGGBB), for the figures a drawing pass
// draws by the hundred thousand: one-pixel solid lines and polylines, pixels and filled polygons.
// Everything is clipped to the image. No Qt.

#include "gui/drawing_surface.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace gui {

std::uint32_t PixelWord(Colour colour);

class RasterImage {
public:
    RasterImage(std::uint32_t* bits, std::int32_t width, std::int32_t height, std::ptrdiff_t wordsPerLine)
        : bits_(bits), width_(width), height_(height), wordsPerLine_(wordsPerLine) {}

    void Pixel(PixelPoint point, std::uint32_t word);
    // Both ends included, the pixels chosen as Bresenham's line chooses them.
    void Line(PixelPoint from, PixelPoint to, std::uint32_t word);
    void Polyline(std::span<const PixelPoint> points, std::uint32_t word);
    // The pixels whose centres lie inside by the odd-even rule.
    void FillPolygon(std::span<const PixelPoint> corners, std::uint32_t word);

private:
    std::uint32_t* bits_;
    std::int32_t width_;
    std::int32_t height_;
    std::ptrdiff_t wordsPerLine_;
};

}  // namespace gui
