#include "engine/root_finding.h"

#include <cmath>
#include <algorithm>
#include <limits>
#include <utility>

namespace quellmar::engine {

double FindRoot(const std::function<double(double)>& f, double low, double fLow, double high, double fHigh,
                double tolerance) {
    constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
    // b is the best estimate so far, c the other end of the bracket around the root, a the previous b.
    double a = low, fa = fLow, b = high, fb = fHigh;
    double c = a, fc = fa, step = b - a, previousStep = step;
    while (true) {
        if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) {
            c = a;
            fc = fa;
            step = previousStep = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double within = 2 * kEpsilon * std::fabs(b) + 0.5 * tolerance;
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= within || fb == 0) return b;
        if (std::fabs(previousStep) >= within && std::fabs(fa) > std::fabs(fb)) {
            // Interpolate: a secant step through a and b, or an inverse quadratic one through a, b and c.
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * half * q - std::fabs(within * q), std::fabs(previousStep * q))) {
                previousStep = step;
                step = p / q;
            } else {
                step = previousStep = half;
            }
        } else {
            step = previousStep = half;
        }
        a = b;
        fa = fb;
        b += std::fabs(step) > within ? step : std::copysign(within, half);
        fb = f(b);
    }
}

}  // namespace quellmar::engine
