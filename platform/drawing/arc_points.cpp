#include "drawing/arc_points.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gui {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kMostBoxArcPoints = 4096;

// The chords of `sweep` on a curve of that radius, each within the tolerance of it. Up to this
// radius the coarsest step is already that fine.
const double kCoarsestRadius = kCurveTolerance / (1 - std::cos(std::numbers::pi / 8));
int ArcSteps(double radius, double sweep, int mostPoints) {
    const double coarsest = std::numbers::pi / 4;
    const double step =
        radius > kCoarsestRadius ? std::min(coarsest, 2 * std::acos(1 - kCurveTolerance / radius)) : coarsest;
    return std::clamp(int(std::ceil(std::fabs(sweep) / step)), 1, std::max(1, mostPoints - 1));
}

// The points from the parameter whose cosine and sine are given over `sweep` in `steps` chords:
// cos and sin of successive parameters by turning with the step's own, one sine per arc.
template <typename Add>
void Sample(ArcPoint centre, ArcPoint major, ArcPoint minor, double c, double s, double sweep, int steps, Add add) {
    const double delta = sweep / steps, turnCos = std::cos(delta), turnSin = std::sin(delta);
    for (int i = 0; i <= steps; ++i) {
        add(centre.x + major.x * c + minor.x * s, centre.y + major.y * c + minor.y * s);
        const double next = c * turnCos - s * turnSin;
        s = s * turnCos + c * turnSin;
        c = next;
    }
}

// The unit vector of the ellipse parameter at which the ray from the centre in direction
// (ux, uy), y upward, meets the ellipse of radii rx and ry; along +x for no direction.
ArcPoint RayParameter(double ux, double uy, double rx, double ry) {
    const double c = ux * ry, s = uy * rx, length = std::sqrt(c * c + s * s);
    return length > 0 ? ArcPoint{c / length, s / length} : ArcPoint{1, 0};
}

}  // namespace

void SampleArc(ArcPoint centre, ArcPoint major, ArcPoint minor, double start, double sweep, int mostPoints,
               std::vector<ArcPoint>& out) {
    const double radius = std::max(std::hypot(major.x, major.y), std::hypot(minor.x, minor.y));
    Sample(centre, major, minor, std::cos(start), std::sin(start), sweep, ArcSteps(radius, sweep, mostPoints),
           [&](double x, double y) { out.push_back({x, y}); });
}

void BoxArcVertices(const PixelRect& box, PixelPoint start, PixelPoint end, bool whole,
                    std::vector<PixelPoint>& out) {
    out.clear();
    const double left = std::min(box.left, box.right), right = std::max(box.left, box.right);
    const double top = std::min(box.top, box.bottom), bottom = std::max(box.top, box.bottom);
    const double cx = (left + right) / 2, cy = (top + bottom) / 2, rx = (right - left) / 2, ry = (bottom - top) / 2;
    // Rays and the ellipse's parameter are taken with y upward, as the device's angles run.
    const ArcPoint from = whole ? ArcPoint{1, 0} : RayParameter(start.x - cx, cy - start.y, rx, ry);
    double sweep = kTwoPi;
    if (!whole) {
        const ArcPoint to = RayParameter(end.x - cx, cy - end.y, rx, ry);
        sweep = std::atan2(from.x * to.y - from.y * to.x, from.x * to.x + from.y * to.y);
        if (sweep <= 0) sweep += kTwoPi;
    }
    Sample({cx, cy}, {rx, 0}, {0, -ry}, from.x, from.y, sweep, ArcSteps(std::max(rx, ry), sweep, kMostBoxArcPoints),
           [&](double x, double y) {
               const PixelPoint p{RoundToPixel(x), RoundToPixel(y)};
               if (out.empty() || out.back() != p) out.push_back(p);
           });
}

void ChordPixels(std::span<const PixelPoint> vertices, const PixelRect& area, std::vector<PixelPoint>& out) {
    out.clear();
    if (!vertices.empty()) out.push_back(vertices[0]);
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        const PixelPoint a = vertices[i - 1], b = vertices[i];
        if (std::max(a.x, b.x) < area.left || std::min(a.x, b.x) > area.right || std::max(a.y, b.y) < area.top ||
            std::min(a.y, b.y) > area.bottom) {
            out.push_back(b);
            continue;
        }
        const std::int64_t dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
        const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
        const bool alongX = std::llabs(dx) >= std::llabs(dy);
        const std::int64_t majorSign = (alongX ? dx : dy) < 0 ? -1 : 1, minorDelta = alongX ? dy : dx;
        const std::int64_t minorSign = minorDelta < 0 ? -1 : 1, rise = 2 * std::llabs(minorDelta), run = 2 * steps;
        // The minor offset at step k is floor((k * rise + steps) / run), kept as quotient and remainder.
        std::int64_t offset = 0, remainder = steps;
        for (std::int64_t k = 1; k <= steps; ++k) {
            remainder += rise;
            while (remainder >= run) {
                remainder -= run;
                ++offset;
            }
            const std::int64_t major = majorSign * k, minor = minorSign * offset;
            out.push_back({std::int32_t(a.x + (alongX ? major : minor)), std::int32_t(a.y + (alongX ? minor : major))});
        }
    }
}

}  // namespace gui
