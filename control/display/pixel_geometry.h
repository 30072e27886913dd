#pragma once

// Pixel geometry of a drawing pass in double precision: coordinates that the conversion produces
// may lie far beyond what a device takes, so the routine culls, clips and traces here before
// anything is rounded to a device's integers.

#include "drawing/drawing_surface.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace tiraq {

// Device coordinates up to this distance from the origin go to the device as they are; beyond
// it lines are clipped and curves traced.
inline constexpr double kDeviceRange = 32767;

struct DevicePoint {
    double X = 0;
    double Y = 0;
};

// A pixel rectangle whose corners need not be in order.
struct DeviceRect {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

inline double RoundPixel(double value) { return std::nearbyint(value); }  // halves to even
inline bool InDeviceRange(double value) { return std::fabs(value) <= kDeviceRange; }
bool InDeviceRange(const DeviceRect& rect);
gui::PixelPoint ToDevice(const DevicePoint& point);  // for points in the device range
gui::PixelRect ToDevice(const DeviceRect& rect);

// The culling rectangle of an entity: a copy, widened by 2 pixels to the left when it has no
// width and by 2 pixels upward when it has no height.
bool MakeTestRect(const DeviceRect& Rect, DeviceRect& TestRect);

// The pixels of a pass's target, (0, 0) to (Width - 1, Height - 1).
struct ClipArea {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Whether any pixel of the rectangle (edges included, corners in any order) lies on the target.
    bool Meets(const DeviceRect& rect) const;
};

// An arc of an ellipse in pixels: P(t) = Centre + Major cos t + Minor sin t for t from Start to
// Start + Sweep (radians; Minor is Major turned a quarter counter-clockwise in the world).
struct EllipticArc {
    DevicePoint Centre;
    DevicePoint Major;
    DevicePoint Minor;
    double Start = 0;
    double Sweep = 0;
};

// The visible parts of an arc as polylines on the device: traced as the surfaces trace curves
// (gui::SampleArc), clipped to the target widened by `margin` pixels. A circle's
// arc is traced only where it passes the target, so a huge radius costs no more than a small one.
std::vector<std::vector<gui::PixelPoint>> TraceArc(const EllipticArc& arc, const ClipArea& area, double margin);

// The part of a segment within the target widened by `margin`; false when none is.
bool ClipSegment(DevicePoint& from, DevicePoint& to, const ClipArea& area, double margin);

// The part of a polygon within the target widened by `margin`, as device points (empty when none
// is). The clipped edges run along the widened border, outside the visible pixels.
std::vector<gui::PixelPoint> ClipPolygon(std::span<const DevicePoint> corners, const ClipArea& area, double margin);

}  // namespace tiraq
