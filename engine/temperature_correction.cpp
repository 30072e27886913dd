#include "engine/temperature_correction.h"

#include "engine/interpolation.h"

#include <array>
#include <vector>

namespace quellmar::engine {
namespace {

struct Table {
    std::vector<double> water;  // breakpoints, degrees C
    std::vector<double> oil;
    Matrix factors{7, 8};       // (water index, oil index)
};

Table Build() {
    // Rated in degrees F: water 60 ... 180 F, oil 120 ... 260 F in steps of 20. Printed with a row
    // per oil temperature; a zero stands where the water would be hotter than the oil.
    static constexpr std::array<double, 7> kWaterF = {28, 38, 53, 68, 93, 118, 148};  // minus 32
    static constexpr int kPercent[8][7] = {
        {77, 79, 82, 84, 0, 0, 0},  {78, 80, 83, 85, 89, 0, 0},  {79, 81, 84, 86, 90, 92, 0},
        {80, 82, 85, 87, 91, 93, 97}, {81, 83, 86, 88, 91, 94, 98}, {82, 84, 87, 89, 92, 95, 99},
        {83, 85, 88, 90, 93, 96, 100}, {85, 87, 89, 91, 94, 97, 101},
    };
    Table t;
    for (const double w : kWaterF) t.water.push_back(5.0 / 9.0 * w);
    for (int i = 0; i < 8; ++i) t.oil.push_back(5.0 / 9.0 * (20.0 * i + 120 - 32));
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t k = 0; k < 7; ++k) t.factors(k, i) = kPercent[i][k] / 100.0;
    return t;
}

}  // namespace

double TemperatureCorrection(double waterTemp, double oilTemp) {
    static const Table table = Build();
    // Both breakpoint lists are fixed and non-empty, so both lookups find a bracket.
    const auto k = Locate(table.water, waterTemp, Below::Extend, Above::Hold);
    const auto i = Locate(table.oil, oilTemp, Below::Extend, Above::Hold);
    if (!k || !i) return 0.0;  // a temperature that is no number
    return Bilinear(table.factors, *k, *i);
}

}  // namespace quellmar::engine
