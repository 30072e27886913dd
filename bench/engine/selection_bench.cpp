// Times one selection as a document makes it on the bundled database: a new rating object, the
// duty, FindCooler, OutOfRange and, when a model is selected, Recalculate.
#include "engine/air_cooled.h"
#include "engine/mobile.h"
#include "engine/water_cooled.h"

#include <benchmark/benchmark.h>

#include <array>

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
    std::size_t i = 0, selected = 0;
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
        }
        benchmark::DoNotOptimize(rating.CorrectedInletTempC());
    }
    state.counters["selected share"] = static_cast<double>(selected) / static_cast<double>(i);
}

void AirSelection(benchmark::State& state) { Selection<AirCooled>(state, kAirDuties); }
void MobileSelection(benchmark::State& state) { Selection<Mobile>(state, kMobileDuties); }
void WaterSelection(benchmark::State& state) { Selection<WaterCooled>(state, kWaterDuties); }
BENCHMARK(AirSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(MobileSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(WaterSelection)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
