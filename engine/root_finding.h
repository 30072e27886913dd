#pragma once

#include <functional>

namespace quellmar::engine {

// The x between `low` and `high` at which the continuous function f changes sign, to within
// `tolerance` of x: fLow = f(low) and fHigh = f(high) must not have the same sign. Brent's method:
// inverse quadratic or secant steps where they stay well inside the bracket, bisection where they do
// not, so it never needs more steps than bisection would and usually far fewer.
double FindRoot(const std::function<double(double)>& f, double low, double fLow, double high, double fHigh,
                double tolerance);

}  // namespace quellmar::engine
