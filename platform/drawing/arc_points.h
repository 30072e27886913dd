#pragma once

// Points along elliptic arcs, for drawing arcs as polylines. No Qt.

#include "drawing/drawing_surface.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gui {

struct ArcPoint {
    double x = 0;
    double y = 0;
};

// Curves are traced by chords that stray at most this many pixels from them, well below half a
// pixel, so that the pixels of the chords are those nearest the curve and two curves a pixel or
// two apart never touch. At least eight chords make a whole turn, so small circles stay round.
inline constexpr double kCurveTolerance = 0.25;

// The points of P(t) = centre + major cos t + minor sin t for t from `start` over `sweep`
// (radians), both ends included, close enough that the polyline through them stays within
// kCurveTolerance of the curve; at most `mostPoints` (the steps then grow). Appends to `out`.
void SampleArc(ArcPoint centre, ArcPoint major, ArcPoint minor, double start, double sweep, int mostPoints,
               std::vector<ArcPoint>& out);

// Rounds half away from zero, as pixels of traced curves are chosen.
inline std::int32_t RoundToPixel(double value) {
    const auto whole = std::int64_t(value);
    const double rest = value - double(whole);
    return std::int32_t(rest >= 0.5 ? whole + 1 : rest <= -0.5 ? whole - 1 : whole);
}

// The arc of the ellipse whose outline runs through the centres of the box's edge pixels,
// counter-clockwise as seen on the device from where the ray from the box's centre through
// `start` meets it to where the ray through `end` does, as the pixels of its chords' ends; equal
// rays give the whole ellipse. `whole` gives the whole ellipse from its rightmost point, whatever
// the rays. Replaces the contents of `out`.
void BoxArcVertices(const PixelRect& box, PixelPoint start, PixelPoint end, bool whole,
                    std::vector<PixelPoint>& out);

// The pixels of a traced curve: along each chord one pixel per step of its longer axis, the one
// nearest the chord across it (halves away from the chord's start), each joint once. Successive
// pixels touch, so a line rule that draws both ends of a line draws exactly these. A chord that
// lies wholly off `area` gives only its end, so that a huge curve costs only what shows; the line
// to it has as many steps as the chord. Replaces the contents of `out`.
void ChordPixels(std::span<const PixelPoint> vertices, const PixelRect& area, std::vector<PixelPoint>& out);

}  // namespace gui
