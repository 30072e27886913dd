// Times one selection as a document makes it on the bundled database: a new rating object, the
// duty, FindCooler, OutOfRange and, when a model is selected, Recalculate. The ordinary duties are
// rated mostly by the recalculation's two passes; the solved ones, seeded document duties in cold air
// or water and thick oil, at the operating point the recalculation seeks where the two passes do not
// carry the heat load. "solved share" counts the ratings at such a point.
#include "engine/air_cooled.h"
#include "engine/mobile.h"
#include "engine/water_cooled.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

namespace {

using quellmar::engine::AirCooled;
using quellmar::engine::Mobile;
using quellmar::engine::WaterCooled;

// A duty in metric units with each family's own inputs; duties run small to large, thin to thick oil.
struct Duty {
    double kw, lpm, coolant, inlet;
    int grade;
    int choice;    // air: motor type; water: series
    double extra;  // air: product range; mobile: face velocity (m/s); water: water flow (l/min)
};

constexpr std::array<Duty, 8> kAirDuties = {{
    {5, 20, 25, 60, 4, 0, 0}, {12, 45, 30, 65, 5, 0, 2}, {25, 80, 20, 55, 6, 1, 0}, {40, 120, 35, 70, 7, 2, 1},
    {60, 180, 25, 60, 5, 3, 0}, {90, 250, 20, 65, 4, 4, 0}, {120, 300, 30, 75, 3, 0, 1}, {150, 350, 25, 70, 8, 3, 2},
}};
constexpr std::array<Duty, 8> kMobileDuties = {{
    {2, 15, 25, 60, 4, 0, 5}, {5, 25, 30, 65, 5, 0, 3}, {8, 40, 20, 55, 6, 0, 6}, {12, 50, 35, 75, 7, 0, 8},
    {20, 70, 25, 60, 5, 0, 5}, {30, 90, 20, 65, 4, 0, 4}, {45, 110, 30, 80, 3, 0, 10}, {60, 130, 25, 70, 8, 0, 7},
}};
constexpr std::array<Duty, 8> kWaterDuties = {{
    {10, 30, 20, 50, 4, 1, 20}, {25, 60, 25, 55, 5, 2, 40}, {40, 100, 15, 50, 6, 3, 60}, {80, 150, 30, 65, 7, 1, 90},
    {120, 250, 20, 60, 5, 2, 150}, {200, 400, 25, 70, 4, 3, 200}, {300, 600, 18, 65, 3, 2, 300}, {400, 750, 22, 70, 8, 3, 350},
}};

constexpr std::array<Duty, 8> kSolvedAirDuties = {{
    {9.6661, 302.85, 0.2787, 33.78, 11, 0, 0}, {2.8659, 39.09, 5.589, 24.18, 10, 0, 1},
    {34.131, 369.73, 3.537, 72.1, 8, 0, 2},    {0.62178, 36.463, 14.5, 37.87, 11, 1, 2},
    {0.82012, 6.1483, 8.067, 42.42, 11, 0, 0}, {13.059, 73.37, 1.593, 31.6, 10, 2, 1},
    {1.9877, 40.51, 2.957, 63.25, 8, 4, 2},    {17.428, 34.491, 4.87, 48.22, 11, 0, 1},
}};
constexpr std::array<Duty, 8> kSolvedMobileDuties = {{
    {4.0709, 47.117, 5.681, 29.9, 10, 0, 3.833},   {0.54456, 31.374, 0.9322, 8.884, 8, 0, 9.732},
    {2.6622, 39.958, 5.249, 25.64, 10, 0, 7.25},   {11.495, 71.944, 5.466, 74.85, 11, 0, 7.452},
    {4.5627, 89.531, 3.044, 18.98, 9, 0, 5.578},   {0.036076, 12.423, 0.1318, 4.604, 7, 0, 5.376},
    {0.11864, 86.167, 1.38, 2.851, 7, 0, 5.918},   {0.2945, 18.643, 3.84, 25.77, 9, 0, 0.5391},
}};
constexpr std::array<Duty, 8> kSolvedWaterDuties = {{
    {15.054, 73.696, 4.269, 32.56, 11, 3, 117.4}, {87.309, 392.66, 5.712, 39.21, 11, 1, 124.3},
    {11.815, 105.65, 3.477, 25.34, 11, 1, 75.41}, {1.5423, 37.736, 2.365, 21.86, 11, 1, 7.006},
    {21.942, 106.72, 2.198, 28.66, 10, 3, 77.12}, {98.906, 348.23, 4.468, 55.92, 11, 2, 401.3},
    {2.0839, 21.773, 1.678, 26.85, 11, 1, 33.54}, {4.1696, 15.148, 1.459, 80.73, 11, 3, 15.84},
}};

void SetUp(AirCooled& air, const Duty& d) {
    air.SetProductRange(static_cast<int>(d.extra));
    air.SetMotorType(d.choice);
    air.SetAirTemp(d.coolant);
}
void SetUp(Mobile& mobile, const Duty& d) {
    mobile.SetAirTemp(d.coolant);
    mobile.SetAirFaceVelocity(d.extra);
}
void SetUp(WaterCooled& water, const Duty& d) {
    water.SetSeries(d.choice);
    water.SetWaterTemp(d.coolant);
    water.SetWaterFlow(d.extra);
}

template <class Rating>
void Selection(benchmark::State& state, const std::array<Duty, 8>& duties) {
    std::size_t i = 0, selected = 0, solved = 0;
    for (auto _ : state) {
        const Duty& d = duties[i++ % duties.size()];
        Rating rating(QUELLMAR_DATABASE);
        SetUp(rating, d);
        rating.SetHeatLoad(d.kw);
        rating.SetInletTemp(d.inlet);
        rating.SetOilFlow(d.lpm);
        rating.SetViscosity(d.grade);
        rating.FindCooler();
        if (!rating.OutOfRange()) {
            rating.Recalculate();
            ++selected;
            // The sought operating point carries the heat load exactly; the two passes only nearly.
            const double heat = (rating.CorrectedInletTempC() - rating.CorrectedExitOilTemp()) * d.lpm / 34.5;
            if (std::abs(heat - d.kw) < 1e-9 * d.kw) ++solved;
        }
        benchmark::DoNotOptimize(rating.CorrectedInletTempC());
    }
    state.counters["selected share"] = static_cast<double>(selected) / static_cast<double>(i);
    state.counters["solved share"] = static_cast<double>(solved) / static_cast<double>(i);
}

void AirSelection(benchmark::State& state) { Selection<AirCooled>(state, kAirDuties); }
void MobileSelection(benchmark::State& state) { Selection<Mobile>(state, kMobileDuties); }
void WaterSelection(benchmark::State& state) { Selection<WaterCooled>(state, kWaterDuties); }
void SolvedAirSelection(benchmark::State& state) { Selection<AirCooled>(state, kSolvedAirDuties); }
void SolvedMobileSelection(benchmark::State& state) { Selection<Mobile>(state, kSolvedMobileDuties); }
void SolvedWaterSelection(benchmark::State& state) { Selection<WaterCooled>(state, kSolvedWaterDuties); }
BENCHMARK(AirSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(MobileSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(WaterSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(SolvedAirSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(SolvedMobileSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(SolvedWaterSelection)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
