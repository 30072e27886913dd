// Times one selection as a document makes it on the bundled database: a new rating object, the
// duty, FindCooler, OutOfRange and, when a model is selected, Recalculate.
#include "engine/air_cooled.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct AirDuty {
    double kw, lpm, air, inlet;
    int grade, motor, range;
};

// Duties across the family: small to large, thin to thick oil, every motor type and range filter.
constexpr std::array<AirDuty, 8> kAirDuties = {{
    {5, 20, 25, 60, 4, 0, 0},
    {12, 45, 30, 65, 5, 0, 2},
    {25, 80, 20, 55, 6, 1, 0},
    {40, 120, 35, 70, 7, 2, 1},
    {60, 180, 25, 60, 5, 3, 0},
    {90, 250, 20, 65, 4, 4, 0},
    {120, 300, 30, 75, 3, 0, 1},
    {150, 350, 25, 70, 8, 3, 2},
}};

void AirSelection(benchmark::State& state) {
    std::size_t i = 0, selected = 0;
    for (auto _ : state) {
        const AirDuty& d = kAirDuties[i++ % kAirDuties.size()];
        quellmar::engine::AirCooled air(QUELLMAR_DATABASE);
        air.SetProductRange(d.range);
        air.SetMotorType(d.motor);
        air.SetAirTemp(d.air);
        air.SetHeatLoad(d.kw);
        air.SetInletTemp(d.inlet);
        air.SetOilFlow(d.lpm);
        air.SetViscosity(d.grade);
        air.FindCooler();
        if (!air.OutOfRange()) {
            air.Recalculate();
            ++selected;
        }
        benchmark::DoNotOptimize(air.CorrectedInletTempC());
    }
    state.counters["selected share"] = static_cast<double>(selected) / static_cast<double>(i);
}
BENCHMARK(AirSelection)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
