#include "gui/raster_image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace gui {

std::uint32_t PixelWord(Colour colour) {
    return 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

void RasterImage::Pixel(PixelPoint point, std::uint32_t word) {
    if (point.x < 0 || point.y < 0 || point.x >= width_ || point.y >= height_) return;
    bits_[point.y * wordsPerLine_ + point.x] = word;
}

void RasterImage::Line(PixelPoint from, PixelPoint to, std::uint32_t word) {
    const std::int64_t dx = std::int64_t(to.x) - from.x, dy = std::int64_t(to.y) - from.y;
    const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0) {
        Pixel(from, word);
        return;
    }
    // Step k lies at from + k along the major axis and the nearest pixel (halves away from the
    // start) across it; only the steps whose major coordinate is on the image are visited.
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t majorStart = alongX ? from.x : from.y, minorStart = alongX ? from.y : from.x;
    const std::int64_t majorSign = (alongX ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorDelta = alongX ? dy : dx;
    const std::int64_t majorLimit = alongX ? width_ : height_, minorLimit = alongX ? height_ : width_;
    std::int64_t first = majorSign > 0 ? -majorStart : majorStart - (majorLimit - 1);
    std::int64_t last = majorSign > 0 ? majorLimit - 1 - majorStart : majorStart;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps);
    if (first > last) return;
    const std::int64_t minorSign = minorDelta < 0 ? -1 : 1, rise = 2 * std::llabs(minorDelta), run = 2 * steps;
    // The minor offset at step k is floor((k * rise + steps) / run), kept as quotient and remainder.
    const std::int64_t numerator = first * rise + steps;
    std::int64_t offset = numerator / run, remainder = numerator % run;
    for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t major = majorStart + majorSign * k, minor = minorStart + minorSign * offset;
        if (minor >= 0 && minor < minorLimit) {
            const std::int64_t x = alongX ? major : minor, y = alongX ? minor : major;
            bits_[y * wordsPerLine_ + x] = word;
        }
        remainder += rise;
        while (remainder >= run) {
            remainder -= run;
            ++offset;
        }
    }
}

void RasterImage::Polyline(std::span<const PixelPoint> points, std::uint32_t word) {
    for (std::size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i], word);
}

void RasterImage::FillPolygon(std::span<const PixelPoint> corners, std::uint32_t word) {
    if (corners.size() < 3) return;
    std::int32_t top = corners[0].y, bottom = corners[0].y;
    for (const PixelPoint& p : corners) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    top = std::max(top, 0);
    bottom = std::min(bottom, height_ - 1);
    std::vector<double> crossings;
    for (std::int32_t y = top; y <= bottom; ++y) {
        const double centre = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const PixelPoint a = corners[i], b = corners[(i + 1) % corners.size()];
            if ((a.y <= centre) == (b.y <= centre)) continue;
            crossings.push_back(a.x + (centre - a.y) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centres x + 0.5 lie in [from, to).
            const double from = std::max(0.0, std::ceil(crossings[i] - 0.5));
            const double to = std::min(double(width_), std::ceil(crossings[i + 1] - 0.5));
            std::uint32_t* line = bits_ + y * wordsPerLine_;
            for (std::int32_t x = std::int32_t(from); x < std::int32_t(to); ++x) line[x] = word;
        }
    }
}

}  // namespace gui
