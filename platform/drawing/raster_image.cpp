#include "drawing/raster_image.h"

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

namespace {

std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
std::int64_t CeilDivide(std::int64_t a, std::int64_t b) { return -FloorDivide(-a, b); }

// Where a figure's dashes stand: whether each pixel of the pattern is drawn, and the next one's
// place in it.
struct Dashes {
    std::array<bool, 24> drawn{};  // a whole pattern; the longest is 24 pixels
    int period = 0;
    int phase = 0;

    bool Next() {
        const bool on = drawn[std::size_t(phase)];
        if (++phase == period) phase = 0;
        return on;
    }
    void Skip(std::int64_t pixels) { phase = int((phase + pixels % period) % period); }
};

// The dashes of a pen style from their start.
const Dashes& DashesOf(PenStyle style) {
    static const auto patterns = [] {
        std::array<Dashes, 5> all;
        for (int style = 0; style < 5; ++style) {
            Dashes& dashes = all[std::size_t(style)];
            for (int run = 0; const int length : DashRuns(PenStyle(style))) {
                for (int i = 0; i < length; ++i) dashes.drawn[std::size_t(dashes.period++)] = run % 2 == 0;
                ++run;
            }
            if (dashes.period == 0) dashes.drawn[std::size_t(dashes.period++)] = true;
        }
        return all;
    }();
    return patterns[std::size_t(std::clamp(int(style), 0, 4))];
}

// Successive pixels of a line on the image: the word index and the minor coordinate in 16.16
// fixed point, with their changes per step.
struct Steps {
    std::int64_t count = 0;
    std::int64_t index = 0;
    std::int64_t majorStep = 0;
    std::int64_t minorStride = 0;
    std::int64_t minor = 0;
    std::int64_t minorStep = 0;
};

// The ways a pixel is set, each with what it needs at hand, so the loop over a line keeps it in
// registers.
struct Copy {
    std::uint32_t* bits;
    std::uint32_t word;
    static bool Next() { return true; }
    void Put(std::int64_t index) const { bits[index] = word; }
};

struct DashedCopy {
    std::uint32_t* bits;
    std::uint32_t word;
    Dashes dashes;
    bool Next() { return dashes.Next(); }
    void Put(std::int64_t index) const { bits[index] = word; }
};

struct Gather {
    std::uint32_t* bits;
    std::vector<std::uint32_t*>* pixels;
    Dashes dashes;
    bool Next() { return dashes.Next(); }
    void Put(std::int64_t index) const { pixels->push_back(bits + index); }
};

template <typename Setter>
Setter Draw(Steps run, Setter setter) {
    std::int64_t pixel = run.minor >> 16;
    for (std::int64_t j = 0; j < run.count; ++j) {
        if (setter.Next()) setter.Put(run.index);
        run.minor += run.minorStep;
        const std::int64_t next = run.minor >> 16;
        run.index += run.majorStep + (next - pixel) * run.minorStride;
        pixel = next;
    }
    return setter;
}

}  // namespace

// The pixels of one figure as they are reached: each is drawn or left by the dashes, and set at
// once or, inverting, gathered so that the figure inverts every pixel it covers exactly once.
class RasterImage::Figure {
public:
    Figure(RasterImage& image, const RasterPen& pen)
        : image_(image), word_(pen.word), invert_(pen.invert), dashes_(DashesOf(pen.style)) {
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
    bool Next() { return dashes_.Next(); }
    void Skip(std::int64_t pixels) { dashes_.Skip(pixels); }
    void Put(std::uint32_t* pixel) {
        if (invert_) {
            image_.inverted_.push_back(pixel);
        } else {
            *pixel = word_;
        }
    }
    // A run of pixels along an image line, dashes aside.
    void Span(std::uint32_t* first, std::int32_t count) {
        if (invert_) {
            for (std::int32_t i = 0; i < count; ++i) image_.inverted_.push_back(first + i);
        } else {
            std::fill_n(first, count, word_);
        }
    }
    // The pixels of a line, one per step.
    void Run(const Steps& run) {
        if (invert_) {
            dashes_ = Draw(run, Gather{image_.bits_, &image_.inverted_, dashes_}).dashes;
        } else if (dashes_.period == 1) {
            Draw(run, Copy{image_.bits_, word_});
        } else {
            dashes_ = Draw(run, DashedCopy{image_.bits_, word_, dashes_}).dashes;
        }
    }

private:
    RasterImage& image_;
    std::uint32_t word_;
    bool invert_;
    Dashes dashes_;
};

void RasterImage::Pixel(PixelPoint point, const RasterPen& pen) { Line(point, point, pen); }

void RasterImage::Walk(PixelPoint from, PixelPoint to, bool skipFirst, Figure& figure) {
    if (std::llabs(std::int64_t(to.x) - from.x) <= 1 && std::llabs(std::int64_t(to.y) - from.y) <= 1) {
        // A step to a neighbour, as along the pixels of a curve: its ends are its pixels.
        const auto plot = [&](PixelPoint p) {
            if (figure.Next() && p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) {
                figure.Put(bits_ + p.y * wordsPerLine_ + p.x);
            }
        };
        if (!skipFirst) plot(from);
        if (to != from) plot(to);
        return;
    }
    const bool alongX = std::llabs(std::int64_t(to.x) - from.x) >= std::llabs(std::int64_t(to.y) - from.y);
    const std::int64_t fromMajor = alongX ? from.x : from.y, fromMinor = alongX ? from.y : from.x;
    const std::int64_t toMajor = alongX ? to.x : to.y, toMinor = alongX ? to.y : to.x;
    // The pixels are those of the line taken from its lower major end, one per major step k: the
    // minor coordinate runs in 16.16 fixed point and is cut to its pixel, a rising line sampled
    // half a step on. The platform's painter chooses the same pixels for one-pixel lines.
    constexpr std::int64_t kOne = 65536;
    const bool reversed = toMajor < fromMajor;
    const std::int64_t lowMajor = reversed ? toMajor : fromMajor, lowMinor = reversed ? toMinor : fromMinor;
    const std::int64_t steps = std::llabs(toMajor - fromMajor);
    const std::int64_t rise = (reversed ? fromMinor - toMinor : toMinor - fromMinor) * kOne;
    const std::int64_t increment = steps == 0 ? 0 : rise / steps;
    const std::int64_t start = lowMinor * kOne + (increment > 0 ? increment - (increment >> 1) : 0);
    // The steps whose pixel lies on the image, found at once rather than step by step.
    const std::int64_t majorLimit = alongX ? width_ : height_, minorLimit = alongX ? height_ : width_;
    const std::int64_t minorEnd = minorLimit * kOne - 1;  // the last 16.16 value on the image
    std::int64_t low = std::max<std::int64_t>(0, -lowMajor), high = std::min(steps, majorLimit - 1 - lowMajor);
    if (increment > 0) {
        low = std::max(low, CeilDivide(-start, increment));
        high = std::min(high, FloorDivide(minorEnd - start, increment));
    } else if (increment < 0) {
        low = std::max(low, CeilDivide(start - minorEnd, -increment));
        high = std::min(high, FloorDivide(start, -increment));
    } else if (start < 0 || start > minorEnd) {
        high = -1;
    }
    // Step j counts the pixels from `from` (0) on; the steps off the image only move the dashes on.
    const std::int64_t begin = skipFirst ? 1 : 0;
    const std::int64_t first = std::max(begin, reversed ? steps - high : low);
    const std::int64_t last = reversed ? steps - low : high;
    if (low > high || first > last) {
        figure.Skip(steps + 1 - begin);
        return;
    }
    figure.Skip(first - begin);
    const std::int64_t direction = reversed ? -1 : 1;
    const std::int64_t k = reversed ? steps - first : first;
    const std::int64_t majorStride = alongX ? 1 : wordsPerLine_, minorStride = alongX ? wordsPerLine_ : 1;
    Steps run;
    run.count = last - first + 1;
    run.minor = start + k * increment;
    run.minorStep = direction * increment;
    run.index = (lowMajor + k) * majorStride + (run.minor >> 16) * minorStride;
    run.majorStep = direction * majorStride;
    run.minorStride = minorStride;
    figure.Run(run);
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
                if (from < to) figure.Span(bits_ + y * wordsPerLine_ + std::int32_t(from), std::int32_t(to - from));
            }
        }
    }
    for (std::size_t i = 0; i < corners.size(); ++i) Walk(corners[i], corners[(i + 1) % corners.size()], false, figure);
}

}  // namespace gui
