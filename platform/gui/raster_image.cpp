#include "gui/raster_image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace gui {

std::uint32_t PixelWord(Colour colour) {
    return 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

std::span<const int> DashRuns(PenStyle style) {
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case PenStyle::Dash: return kDash;
    case PenStyle::Dot: return kDot;
    case PenStyle::DashDot: return kDashDot;
    case PenStyle::DashDotDot: return kDashDotDot;
    case PenStyle::Solid: break;
    }
    return {};
}

// The pixels of one figure as they are reached: each is drawn or left by the dashes, and set at
// once or, inverting, gathered so that the figure inverts every pixel it covers exactly once.
class RasterImage::Figure {
public:
    Figure(RasterImage& image, const RasterPen& pen) : image_(image), word_(pen.word), invert_(pen.invert) {
        for (int run = 0; const int length : DashRuns(pen.style)) {
            for (int i = 0; i < length; ++i) drawn_[std::size_t(period_++)] = run % 2 == 0;
            ++run;
        }
        if (period_ == 0) drawn_[std::size_t(period_++)] = true;
        if (invert_) image_.inverted_.clear();
    }
    ~Figure() {
        if (!invert_) return;
        auto& pixels = image_.inverted_;
        std::sort(pixels.begin(), pixels.end());
        pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
        for (std::uint32_t* pixel : pixels) *pixel ^= 0x00FFFFFFu;
        pixels.clear();
    }
    Figure(const Figure&) = delete;
    Figure& operator=(const Figure&) = delete;

    // Moves the dashes on by one pixel of the figure; whether that pixel is drawn.
    bool Next() {
        const bool drawn = drawn_[std::size_t(phase_)];
        if (++phase_ == period_) phase_ = 0;
        return drawn;
    }
    void Skip(std::int64_t pixels) { phase_ = int((phase_ + pixels % period_) % period_); }
    void Put(std::uint32_t* pixel) {
        if (invert_) {
            image_.inverted_.push_back(pixel);
        } else {
            *pixel = word_;
        }
    }

private:
    RasterImage& image_;
    std::uint32_t word_;
    bool invert_;
    std::array<bool, 24> drawn_{};  // a whole pattern; the longest is 24 pixels
    int period_ = 0;
    int phase_ = 0;
};

void RasterImage::Pixel(PixelPoint point, const RasterPen& pen) {
    Figure figure(*this, pen);
    if (point.x < 0 || point.y < 0 || point.x >= width_ || point.y >= height_) return;
    if (figure.Next()) figure.Put(bits_ + point.y * wordsPerLine_ + point.x);
}

void RasterImage::Walk(PixelPoint from, PixelPoint to, bool skipFirst, Figure& figure) {
    const bool alongX = std::llabs(std::int64_t(to.x) - from.x) >= std::llabs(std::int64_t(to.y) - from.y);
    const std::int64_t fromMajor = alongX ? from.x : from.y, fromMinor = alongX ? from.y : from.x;
    const std::int64_t toMajor = alongX ? to.x : to.y, toMinor = alongX ? to.y : to.x;
    // The pixels are those of the line taken from its lower major end, one per major step: the
    // minor coordinate runs in 16.16 fixed point and is cut to its pixel, a rising line sampled
    // half a step on. The platform's painter chooses the same pixels for one-pixel lines.
    const bool reversed = toMajor < fromMajor;
    const std::int64_t lowMajor = reversed ? toMajor : fromMajor, lowMinor = reversed ? toMinor : fromMinor;
    const std::int64_t steps = std::llabs(toMajor - fromMajor);
    const std::int64_t rise = (reversed ? fromMinor - toMinor : toMinor - fromMinor) * 65536;
    const std::int64_t increment = steps == 0 ? 0 : rise / steps;
    const std::int64_t start = lowMinor * 65536 + (increment > 0 ? increment - (increment >> 1) : 0);
    // Step j counts the pixels from `from` (0) on; only the steps on the image are visited, the
    // others only move the dashes on.
    const std::int64_t majorLimit = alongX ? width_ : height_, minorLimit = alongX ? height_ : width_;
    const std::int64_t lowVisible = std::max<std::int64_t>(0, -lowMajor);
    const std::int64_t highVisible = std::min(steps, majorLimit - 1 - lowMajor);
    const std::int64_t begin = skipFirst ? 1 : 0;
    const std::int64_t first = std::max(begin, reversed ? steps - highVisible : lowVisible);
    const std::int64_t last = reversed ? steps - lowVisible : highVisible;
    if (first > last) {
        figure.Skip(steps + 1 - begin);
        return;
    }
    figure.Skip(first - begin);
    const std::int64_t direction = reversed ? -1 : 1;
    std::int64_t k = reversed ? steps - first : first;
    std::int64_t minor = start + k * increment;
    std::int64_t major = lowMajor + k;
    const std::int64_t minorStep = direction * increment;
    for (std::int64_t j = first; j <= last; ++j) {
        const std::int64_t pixel = minor >> 16;
        if (figure.Next() && pixel >= 0 && pixel < minorLimit) {
            figure.Put(bits_ + (alongX ? pixel * wordsPerLine_ + major : major * wordsPerLine_ + pixel));
        }
        minor += minorStep;
        major += direction;
    }
    figure.Skip(steps - last);
}

void RasterImage::Line(PixelPoint from, PixelPoint to, const RasterPen& pen) {
    Figure figure(*this, pen);
    Walk(from, to, false, figure);
}

void RasterImage::Polyline(std::span<const PixelPoint> points, const RasterPen& pen) {
    Figure figure(*this, pen);
    if (points.size() == 1) Walk(points[0], points[0], false, figure);
    for (std::size_t i = 1; i < points.size(); ++i) Walk(points[i - 1], points[i], i > 1, figure);
}

void RasterImage::FillPolygon(std::span<const PixelPoint> corners, const RasterPen& pen) {
    if (corners.empty()) return;
    Figure figure(*this, RasterPen{pen.word, PenStyle::Solid, pen.invert});
    if (corners.size() >= 3) {
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
                for (std::int32_t x = std::int32_t(from); x < std::int32_t(to); ++x) figure.Put(line + x);
            }
        }
    }
    for (std::size_t i = 0; i < corners.size(); ++i) Walk(corners[i], corners[(i + 1) % corners.size()], false, figure);
}

}  // namespace gui
