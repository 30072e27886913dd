#pragma once

// Points along an elliptic arc, for drawing arcs as polylines. No Qt.

#include <vector>

namespace gui {

struct ArcPoint {
    double x = 0;
    double y = 0;
};

// The points of P(t) = centre + major cos t + minor sin t for t from `start` over `sweep`
// (radians), both ends included, close enough that the polyline through them stays within
// `tolerance` of the curve; at most `mostPoints` (the steps then grow). Appends to `out`.
void SampleArc(ArcPoint centre, ArcPoint major, ArcPoint minor, double start, double sweep, double tolerance,
               int mostPoints, std::vector<ArcPoint>& out);

}  // namespace gui
