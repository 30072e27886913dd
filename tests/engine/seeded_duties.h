#pragma once

#include <cmath>
#include <cstdint>

namespace quellmar::test {

// A duty in metric units, with what each family needs besides.
struct Duty {
    double heatKw, oilFlowL, coolantC, inletC;
    int grade;
    int motor = 0, range = 0;  // air-cooled
    double faceVelocity = 0;   // mobile
    int series = 0;            // water-cooled
    double waterFlowL = 0;
};

// The unit codes a document hands over: heat 0 to 5, flow 0 to 3, temperature 0 or 1.
struct UnitCodes {
    int heat = 0, flow = 0, temp = 0;
};

// Independent of the engine's own tables: the value in the unit of each code.
inline double HeatIn(int code, double kw) {
    const double per[] = {1, 1 / 3600.0, 0.001162, 1.055 / 60, 0.746, 1.055 / 3600};
    return kw / per[code];
}
inline double FlowIn(int code, double litres) {
    const double per[] = {1, 4.54609, 3.785411784, 0.016387064};
    return litres / per[code];
}
inline double TempIn(int code, double c) { return code == 0 ? c : c * 9 / 5 + 32; }

// Hands the duty's shared inputs to a rating object as a document does: the unit codes first. The
// coolant and what else a family needs are the caller's.
template <class Rating>
void HandOver(Rating& r, const Duty& d, const UnitCodes& u) {
    r.SetHeatUnits(u.heat);
    r.SetOilFlowUnits(u.flow);
    r.SetTempUnits(u.temp);
    r.SetHeatLoad(HeatIn(u.heat, d.heatKw));
    r.SetInletTemp(TempIn(u.temp, d.inletC));
    r.SetOilFlow(FlowIn(u.flow, d.oilFlowL));
    r.SetViscosity(d.grade);
}

// A fixed pseudo-random spread, the same on every run.
class Spread {
public:
    explicit Spread(std::uint64_t seed = 12345) : state_(seed) {}
    double Between(double low, double high) { return low + (high - low) * Next(); }
    // Spread evenly over the orders of magnitude between two positive bounds.
    double Across(double low, double high) { return low * std::pow(high / low, Next()); }
    int Below(int n) { return static_cast<int>(Next() * n); }

private:
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }
    std::uint64_t state_;
};

}  // namespace quellmar::test
