#include "engine/units.h"

#include <array>

namespace quellmar::engine::units {
namespace {

// A unit converts to the metric unit by multiplying by `factor`, or by dividing where `divides`;
// back by the opposite operation. The quotients are formed first, as the conversions were written.
struct Conversion {
    double factor;
    bool divides;
};

constexpr std::array<Conversion, 6> kHeat = {{
    {1.0, false},
    {3600.0, true},
    {0.001162, false},
    {1.055 / 60.0, false},
    {0.746, false},
    {1.055 / 3600.0, false},
}};

constexpr std::array<Conversion, 4> kFlow = {{
    {1.0, false},
    {4.54609, false},
    {3.785411784, false},
    {0.016387064, false},
}};

double In(const Conversion& c, double value) { return c.divides ? value / c.factor : value * c.factor; }
double Out(const Conversion& c, double value) { return c.divides ? value * c.factor : value / c.factor; }

template <std::size_t N>
std::optional<double> ToMetric(const std::array<Conversion, N>& table, std::int32_t code, double value) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) return std::nullopt;
    return In(table[static_cast<std::size_t>(code)], value);
}

}  // namespace

std::optional<double> HeatToKw(std::int32_t code, double value) { return ToMetric(kHeat, code, value); }
std::optional<double> FlowToLitres(std::int32_t code, double value) { return ToMetric(kFlow, code, value); }
double KwTo(Heat unit, double kw) { return Out(kHeat[static_cast<std::size_t>(unit)], kw); }
double LitresTo(Flow unit, double litresPerMinute) { return Out(kFlow[static_cast<std::size_t>(unit)], litresPerMinute); }

double TempToCelsius(std::int32_t code, double value) { return code == 0 ? value : (value - 32.0) * (5.0 / 9.0); }
double CelsiusToFahrenheit(double celsius) { return (9.0 / 5.0) * celsius + 32.0; }

std::string ViscosityName(std::int32_t grade) {
    static constexpr std::array<const char*, 15> kNames = {"ISO7",   "ISO10",  "ISO15",  "ISO22",   "ISO32",
                                                           "ISO46",  "ISO68",  "ISO100", "ISO150",  "ISO220",
                                                           "ISO320", "ISO460", "ISO680", "ISO1000", "ISO1500"};
    if (grade < 0 || grade >= static_cast<std::int32_t>(kNames.size())) return "";
    return kNames[static_cast<std::size_t>(grade)];
}

double ConvertCstToSUS(double v) {
    if (v > 19) return v * 4.64;
    if (v > 15) return v * 4.9;
    if (v > 10) return v * 5.16;
    if (v > 5) return v * 5.89;
    return v * 8.4;
}

std::optional<std::string> MotorTypeText(std::int32_t index) {
    static constexpr std::array<const char*, 5> kTexts = {"StdAC", "StdAC1ph", "StdDC", "StdHy", "SpecAC"};
    if (index < 0 || index >= static_cast<std::int32_t>(kTexts.size())) return std::nullopt;
    return kTexts[static_cast<std::size_t>(index)];
}

}  // namespace quellmar::engine::units
