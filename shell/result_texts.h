#pragma once

#include <array>
#include <optional>
#include <string>

// How the results of a selection read on the results tab: masks, unit suffixes and the thresholds
// that turn a value red. The documents of every cooler family share these rules; they only read
// numbers from their rating object and hand the texts to their labels.
namespace quellmar::shell {

inline constexpr const char* kDegree = "\xC2\xB0";  // the degree sign, in UTF-8

struct LabelText {
    std::string text;
    bool red = false;
};

// A number in a mask followed by the degree sign and "C" or "F".
std::string Degrees(double value, const char* mask, char unit);
// The nearest whole number, a half going to the even neighbour.
std::string Whole(double value);

// Heat load in kW, kJ/h, kCal/h, Btu/min, HP and Btu/h, in this order.
std::array<std::string, 6> HeatLoadTexts(double kw, double kjh, double kcalh, double btuMin, double hp, double btuH);
// Oil (or water) flow in l/min, Imp GPM, US GPM and Cu Ins/min, in this order.
std::array<std::string, 4> FlowTexts(double litres, double impGal, double usGal, double cuIns);

std::string HeatTransferMetric(double performance);
std::string HeatTransferImperial(double performance);

// A viscosity and its SUS companion: below 3 cSt "OUTSIDE STANDARD RANGE" in red and no SUS;
// otherwise one decimal up to 20 cSt and none above.
struct ViscosityTexts {
    LabelText cst;
    std::string sus;
};
// The estimate of the selection parameters: masks "##0.0"/"##0", SUS in "##0".
ViscosityTexts ViscosityEstimate(double cst, double sus);
// The viscosity at the selected cooler's average temperature: masks "###0.0"/"###0", SUS in "###0".
ViscosityTexts ViscosityAtAverage(double cst, double sus);

// The heat-transfer margin: red with " Oil temp exceeds max. desired" when below 0.
LabelText MarginText(double percentMargin);
// The pressure drop of an air-cooled or mobile cooler: "<" below 7.5 cSt and ">" above 151 cSt
// (the viscosity at the corrected mean temperature), red above 2.5 bar.
LabelText PressureDropText(double pressureDrop, double correctedViscosity);
// The pressure drop of a water-cooled cooler: red above 2.5 bar; the engine's markers for a
// viscosity above or below the model's correction table read "VISCOSITY HIGH" and "NEGLIGIBLE" in
// red; any other value, 0 included, is a number.
LabelText WaterPressureDropText(double pressureDrop);
// The warning of a water-cooled cooler whose oil is too thick at its average temperature (above
// 150 cSt), two lines; none otherwise.
std::optional<std::string> ViscosityHighWarning(double correctedViscosity, double averageOilTemp);
// The air face velocity of a mobile duty, in metres per second (no leading zero below 1).
std::string AirFaceVelocityText(double metresPerSecond);
// Whether the corrected inlet temperatures show red: a negative margin or above 100 degrees C.
bool InletTemperatureRed(double percentMargin, double correctedInletC);
// The warning for an oil flow beyond the capacity curve but within the model's maximum, or "".
std::string OilFlowLimitWarning(double oilFlow, double maxOilFlowByModel, double maxCurveOilFlow);

double CelsiusToFahrenheit(double celsius);

}  // namespace quellmar::shell
