#include "display/pixel_geometry.h"

#include "drawing/arc_points.h"

#include <algorithm>
#include <numbers>

namespace tiraq {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kMostTracePoints = 20000;

double Length(const DevicePoint& v) { return std::hypot(v.X, v.Y); }

struct Interval {
    double from;
    double to;
};

// The parameter intervals of a circle's arc that can reach the widened target: the circle meets
// the target's bounding circle only within an angle of the direction towards it.
std::vector<Interval> VisibleIntervals(const EllipticArc& arc, const ClipArea& area, double margin) {
    const Interval whole{arc.Start, arc.Start + arc.Sweep};
    const double radius = Length(arc.Major);
    const bool circle = std::fabs(radius - Length(arc.Minor)) <= 1e-9 * radius;
    if (!circle || radius == 0) return {whole};
    const DevicePoint towards{area.Width / 2.0 - arc.Centre.X, area.Height / 2.0 - arc.Centre.Y};
    const double distance = Length(towards);
    const double reach = std::hypot(area.Width / 2.0 + margin, area.Height / 2.0 + margin);
    if (distance == 0) return radius <= reach ? std::vector<Interval>{whole} : std::vector<Interval>{};
    const double cosine = (radius * radius + distance * distance - reach * reach) / (2 * radius * distance);
    if (cosine > 1) return {};
    if (cosine < -1) return {whole};
    const double halfAngle = std::acos(cosine);
    const double nearest = std::atan2(towards.X * arc.Minor.X + towards.Y * arc.Minor.Y,
                                      towards.X * arc.Major.X + towards.Y * arc.Major.Y);
    const double from = arc.Start + std::fmod(std::fmod(nearest - halfAngle - arc.Start, kTwoPi) + kTwoPi, kTwoPi);
    const double to = from + 2 * halfAngle;
    std::vector<Interval> parts;
    if (from < whole.to) parts.push_back({from, std::min(to, whole.to)});
    if (to - kTwoPi > whole.from) parts.push_back({whole.from, std::min(to - kTwoPi, whole.to)});
    return parts;
}

// Appends the clipped segment to the runs, starting a new run where the traced line leaves the
// target and comes back.
void AddSegment(std::vector<std::vector<gui::PixelPoint>>& runs, bool& runOpen, DevicePoint from, DevicePoint to,
                const ClipArea& area, double margin) {
    const DevicePoint originalTo = to;
    if (!ClipSegment(from, to, area, margin)) {
        runOpen = false;
        return;
    }
    const gui::PixelPoint start = ToDevice(from), end = ToDevice(to);
    if (!runOpen || runs.back().back() != start) runs.push_back({start});
    if (runs.back().back() != end) runs.back().push_back(end);
    if (runs.back().size() == 1) runs.back().push_back(end);
    runOpen = to.X == originalTo.X && to.Y == originalTo.Y;
}

}  // namespace

bool InDeviceRange(const DeviceRect& rect) {
    return InDeviceRange(rect.Left) && InDeviceRange(rect.Top) && InDeviceRange(rect.Right) &&
           InDeviceRange(rect.Bottom);
}

gui::PixelPoint ToDevice(const DevicePoint& point) {
    return {std::int32_t(RoundPixel(point.X)), std::int32_t(RoundPixel(point.Y))};
}

gui::PixelRect ToDevice(const DeviceRect& rect) {
    return {std::int32_t(RoundPixel(rect.Left)), std::int32_t(RoundPixel(rect.Top)),
            std::int32_t(RoundPixel(rect.Right)), std::int32_t(RoundPixel(rect.Bottom))};
}

bool MakeTestRect(const DeviceRect& Rect, DeviceRect& TestRect) {
    TestRect = Rect;
    if (TestRect.Right == TestRect.Left) TestRect.Left -= 2;
    if (TestRect.Top == TestRect.Bottom) TestRect.Top -= 2;
    return true;
}

bool ClipArea::Meets(const DeviceRect& rect) const {
    const double left = std::min(rect.Left, rect.Right), right = std::max(rect.Left, rect.Right);
    const double top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    return right >= 0 && left <= Width - 1 && bottom >= 0 && top <= Height - 1;
}

bool ClipSegment(DevicePoint& from, DevicePoint& to, const ClipArea& area, double margin) {
    // Liang-Barsky against the widened target.
    const double dx = to.X - from.X, dy = to.Y - from.Y;
    const double edges[4][2] = {{-dx, from.X + margin},
                                {dx, area.Width - 1 + margin - from.X},
                                {-dy, from.Y + margin},
                                {dy, area.Height - 1 + margin - from.Y}};
    double enter = 0, leave = 1;
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0) return false;
            continue;
        }
        const double t = q / p;
        if (p < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) return false;
    const DevicePoint start = from;
    if (leave < 1) to = {start.X + leave * dx, start.Y + leave * dy};
    if (enter > 0) from = {start.X + enter * dx, start.Y + enter * dy};
    return true;
}

std::vector<gui::PixelPoint> ClipPolygon(std::span<const DevicePoint> corners, const ClipArea& area,
                                         double margin) {
    // Sutherland-Hodgman, one border of the widened target at a time.
    const double low = -margin, right = area.Width - 1 + margin, bottom = area.Height - 1 + margin;
    std::vector<DevicePoint> polygon(corners.begin(), corners.end());
    for (int border = 0; border < 4 && !polygon.empty(); ++border) {
        const auto inside = [&](const DevicePoint& p) {
            switch (border) {
            case 0: return p.X >= low;
            case 1: return p.X <= right;
            case 2: return p.Y >= low;
            default: return p.Y <= bottom;
            }
        };
        const auto crossing = [&](const DevicePoint& a, const DevicePoint& b) {
            const double edge = border == 0 ? low : border == 1 ? right : border == 2 ? low : bottom;
            const double t = border < 2 ? (edge - a.X) / (b.X - a.X) : (edge - a.Y) / (b.Y - a.Y);
            return DevicePoint{a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y)};
        };
        std::vector<DevicePoint> kept;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const DevicePoint& current = polygon[i];
            const DevicePoint& previous = polygon[(i + polygon.size() - 1) % polygon.size()];
            if (inside(current)) {
                if (!inside(previous)) kept.push_back(crossing(previous, current));
                kept.push_back(current);
            } else if (inside(previous)) {
                kept.push_back(crossing(previous, current));
            }
        }
        polygon = std::move(kept);
    }
    std::vector<gui::PixelPoint> device;
    device.reserve(polygon.size());
    for (const DevicePoint& p : polygon) device.push_back(ToDevice(p));
    return device;
}

std::vector<std::vector<gui::PixelPoint>> TraceArc(const EllipticArc& arc, const ClipArea& area, double margin) {
    std::vector<std::vector<gui::PixelPoint>> runs;
    if (!(arc.Sweep > 0) || (Length(arc.Major) == 0 && Length(arc.Minor) == 0)) return runs;
    std::vector<gui::ArcPoint> points;
    for (const Interval& part : VisibleIntervals(arc, area, margin)) {
        points.clear();
        gui::SampleArc({arc.Centre.X, arc.Centre.Y}, {arc.Major.X, arc.Major.Y}, {arc.Minor.X, arc.Minor.Y}, part.from,
                       part.to - part.from, kMostTracePoints, points);
        bool runOpen = false;
        for (std::size_t i = 1; i < points.size(); ++i) {
            AddSegment(runs, runOpen, {points[i - 1].x, points[i - 1].y}, {points[i].x, points[i].y}, area, margin);
        }
    }
    return runs;
}

}  // namespace tiraq
