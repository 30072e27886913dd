#include "gui/arc_points.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gui {

void SampleArc(ArcPoint centre, ArcPoint major, ArcPoint minor, double start, double sweep, double tolerance,
               int mostPoints, std::vector<ArcPoint>& out) {
    const double radius = std::max(std::hypot(major.x, major.y), std::hypot(minor.x, minor.y));
    const double coarsest = std::numbers::pi / 4;  // at least eight steps to a full turn
    const double step = radius > tolerance ? std::min(coarsest, 2 * std::acos(1 - tolerance / radius)) : coarsest;
    const int steps = std::clamp(int(std::ceil(std::fabs(sweep) / step)), 1, std::max(1, mostPoints - 1));
    // cos and sin of successive parameters by turning with the step's own: one sine per arc.
    const double delta = sweep / steps, turnCos = std::cos(delta), turnSin = std::sin(delta);
    double c = std::cos(start), s = std::sin(start);
    for (int i = 0; i <= steps; ++i) {
        out.push_back({centre.x + major.x * c + minor.x * s, centre.y + major.y * c + minor.y * s});
        const double next = c * turnCos - s * turnSin;
        s = s * turnCos + c * turnSin;
        c = next;
    }
}

}  // namespace gui
