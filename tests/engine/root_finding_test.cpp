#include "engine/root_finding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using quellmar::engine::FindRoot;

// A rising function with a kink every 5 units, as a heat load carried against an inlet temperature
// over a viscosity table interpolated linearly between its 5-degree columns.
double Carried(double t) {
    const auto viscosity = [](double at) { return 2000 * std::exp(-0.06 * at); };
    const double low = 5 * std::floor(t / 5), share = (t - low) / 5;
    const double v = viscosity(low) + share * (viscosity(low + 5) - viscosity(low));
    return (1 - 0.00065 * v) * t - 20;
}

TEST(FindRoot, FindsTheRootOfAKinkedRisingFunctionWithinTheToleranceInFewerStepsThanBisection) {
    int calls = 0;
    const auto f = [&](double t) { ++calls; return Carried(t); };
    const double root = FindRoot(f, 0, Carried(0), 80, Carried(80), 1e-9);
    // Bisection, to far below the tolerance.
    double low = 0, high = 80;
    while (high - low > 1e-12) (Carried((low + high) / 2) < 0 ? low : high) = (low + high) / 2;
    EXPECT_NEAR(root, low, 1e-9);
    EXPECT_LT(calls, 37);  // bisection from 80 units down to 1e-9 takes 37
}

TEST(FindRoot, AnEndWhereTheFunctionIsZeroIsTheRoot) {
    const auto f = [](double t) { return t - 3; };
    EXPECT_EQ(FindRoot(f, 0, -3, 3, 0, 1e-9), 3);
    EXPECT_EQ(FindRoot(f, 3, 0, 10, 7, 1e-9), 3);
}

}  // namespace
