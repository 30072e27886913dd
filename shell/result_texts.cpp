#include "result_texts.h"

#include "engine/water_cooled.h"
#include "vb/format.h"

#include <cmath>

namespace quellmar::shell {
namespace {

ViscosityTexts Viscosity(double cst, double sus, const char* fine, const char* coarse, const char* susMask) {
    if (cst < 3) return {{"OUTSIDE STANDARD RANGE", true}, ""};
    return {{vb::Format(cst, cst <= 20 ? fine : coarse) + " Cst", false}, vb::Format(sus, susMask) + " SUS"};
}

}  // namespace

std::string Degrees(double value, const char* mask, char unit) {
    return vb::Format(value, mask) + kDegree + unit;
}

std::string Whole(double value) {
    // Rounded as CLng rounds (the default rounding mode takes a half to the even neighbour), but
    // a duty too large for a Long is still shown rather than failing the whole display.
    return vb::Format(std::nearbyint(value) + 0.0, "0");
}

std::array<std::string, 6> HeatLoadTexts(double kw, double kjh, double kcalh, double btuMin, double hp, double btuH) {
    return {vb::Format(kw, "##0.00") + " kW",      Whole(kjh) + " kJ/h",          Whole(kcalh) + " kCal/h",
            Whole(btuMin) + " Btu/min",            vb::Format(hp, "##0.00") + " HP", Whole(btuH) + " Btu/h"};
}

std::array<std::string, 4> FlowTexts(double litres, double impGal, double usGal, double cuIns) {
    return {vb::Format(litres, "##0.0") + " l/min", vb::Format(impGal, "##0.0") + " Imp GPM",
            vb::Format(usGal, "##0.0") + " US GPM", Whole(cuIns) + " Cu Ins/min"};
}

std::string HeatTransferMetric(double performance) {
    return vb::Format(performance, "##0.000") + " kW/" + kDegree + "C ETD";
}

std::string HeatTransferImperial(double performance) {
    return vb::Format(performance, "##0.0") + " Btu/min/" + kDegree + "F ETD";
}

ViscosityTexts ViscosityEstimate(double cst, double sus) { return Viscosity(cst, sus, "##0.0", "##0", "##0"); }

ViscosityTexts ViscosityAtAverage(double cst, double sus) { return Viscosity(cst, sus, "###0.0", "###0", "###0"); }

LabelText MarginText(double percentMargin) {
    if (percentMargin < 0) return {vb::Format(percentMargin, "#0.0") + " Oil temp exceeds max. desired", true};
    return {vb::Format(percentMargin, "#0.0"), false};
}

LabelText PressureDropText(double pressureDrop, double correctedViscosity) {
    std::string prefix;
    if (correctedViscosity < 7.5)
        prefix = "<";
    else if (correctedViscosity > 151)
        prefix = ">";
    return {prefix + vb::Format(pressureDrop, "#0.000") + " BAR", pressureDrop > 2.5};
}

LabelText WaterPressureDropText(double pressureDrop) {
    if (pressureDrop == engine::WaterCooled::kViscosityAboveTable) return {"VISCOSITY HIGH", true};
    if (pressureDrop == engine::WaterCooled::kViscosityBelowTable) return {"NEGLIGIBLE", true};
    return {vb::Format(pressureDrop, "#0.000") + " BAR", pressureDrop > 2.5};
}

std::optional<std::string> ViscosityHighWarning(double correctedViscosity, double averageOilTemp) {
    if (!(correctedViscosity > 150)) return std::nullopt;
    return vb::Format(correctedViscosity, "###0") + " Cst VISCOSITY AT AVERAGE TEMPERATURE TOO HIGH. " +
           "REFER TO SALES OFFICE\r\n" + vb::Format(averageOilTemp, "fixed") + kDegree + "C IS AVERAGE TEMPERATURE.";
}

std::string AirFaceVelocityText(double metresPerSecond) {
    return vb::Format(metresPerSecond, "#.00") + " Metres/second";
}

bool InletTemperatureRed(double percentMargin, double correctedInletC) {
    return !(percentMargin >= 0 && correctedInletC <= 100);
}

std::string OilFlowLimitWarning(double oilFlow, double maxOilFlowByModel, double maxCurveOilFlow) {
    if (oilFlow < maxOilFlowByModel && oilFlow > maxCurveOilFlow)
        return "Selected Model is Near Oil Flow Limit. Refer Maximum Oil Flow. Try next largest";
    return "";
}

double CelsiusToFahrenheit(double celsius) { return 9.0 / 5.0 * celsius + 32; }

}  // namespace quellmar::shell
