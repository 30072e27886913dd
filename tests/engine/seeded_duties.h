#pragma once

#include <algorithm>
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


// What one l/min of oil gives up per degree C of its own drop, and one l/min of water takes up per
// degree C of its rise, in kW.
inline constexpr double kOilLpmPerKwC = 34.5;
inline constexpr double kWaterLpmPerKwC = 14.354;
inline constexpr int kDocumentGrades = 12;  // ISO 7 to ISO 460

// Every unit system in turn: six heat units, four flow units, two temperature units.
inline UnitCodes UnitsOf(int i) { return {i % 6, (i / 6) % 4, (i / 24) % 2}; }

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

// Duties as the documents let them through (oil above the coolant, at most 120 C), whose heat load
// asks from a small share of what the oil can give up across the ETD to more than all of it; every
// third one in cold air or water, in turn at every grade. Each family draws its duties from its own
// seed, coldest coolant and oil-flow range, and adds its own inputs after the shared ones.
struct DocumentDuties {
    std::uint64_t seed;
    double coldest, fewestLitres, mostLitres;

    Duty Next(Spread& s, int i) const {
        const double coolant = i % 3 == 0 ? s.Between(coldest, coldest + 8) : s.Between(coldest, 45 + coldest);
        const double oilFlow = s.Across(fewestLitres, mostLitres), inlet = coolant + s.Across(0.5, 120 - coolant);
        const double heat = (inlet - coolant) * oilFlow / kOilLpmPerKwC * s.Across(0.02, 1.5);
        return {heat, oilFlow, coolant, inlet, (i / 3) % kDocumentGrades};
    }
};
inline constexpr DocumentDuties kAirDuties{14, 0, 4, 400};
inline constexpr DocumentDuties kMobileDuties{15, 0, 3, 150};
inline constexpr DocumentDuties kWaterDuties{16, 1, 5, 1000};

// What each family adds to the shared duty, handed over as its document does after HandOver; each
// gives the performance (kW per degree C) no cooler can exceed at the duty's flows.
template <class Air>
double HandOverAir(Air& r, Spread& s, Duty& d, const UnitCodes& u) {
    r.SetProductRange(s.Below(3));
    r.SetMotorType(s.Below(5));
    r.SetAirTemp(TempIn(u.temp, d.coolantC));
    return d.oilFlowL / kOilLpmPerKwC;
}
// One duty in ten has air standing still or blowing backwards.
template <class Mobile>
double HandOverMobile(Mobile& r, Spread& s, Duty& d, const UnitCodes& u) {
    r.SetAirTemp(TempIn(u.temp, d.coolantC));
    const double still = s.Below(10);
    r.SetAirFaceVelocity(still == 0 ? -s.Across(0.1, 8) * s.Below(2) : s.Across(0.2, 15));
    return d.oilFlowL / kOilLpmPerKwC;
}
template <class Water>
double HandOverWater(Water& r, Spread& s, Duty& d, const UnitCodes& u) {
    d.waterFlowL = d.oilFlowL * s.Across(0.05, 3);
    r.SetSeries(1 + s.Below(3));
    r.SetWaterTemp(TempIn(u.temp, d.coolantC));
    r.SetWaterFlow(FlowIn(u.flow, d.waterFlowL));
    return std::min(d.oilFlowL / kOilLpmPerKwC, d.waterFlowL / kWaterLpmPerKwC);
}

}  // namespace quellmar::test
