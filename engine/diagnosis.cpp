#include "engine/diagnosis.h"

#include "vb/format.h"

namespace quellmar::engine::diagnosis {

namespace {
std::string Fixed(double value) { return vb::Format(value, "fixed"); }
std::string Text(std::string_view s) { return std::string(s); }
std::string Degrees(double value, char unit) { return Fixed(value) + Text(kDegree) + unit; }
}  // namespace

std::string OilFlowBeyondRange(double programMaximum) {
    return "Oil Flow beyond range of program. " + Text(kCrLf) + Fixed(programMaximum) + " l/min is maximum. " +
           "Adjust flow or consult sales office.";
}

std::string OilFlowBelowRange(double programMinimum) {
    return "Oil Flow below range of program. " + Text(kCrLf) + Fixed(programMinimum) + " l/min is minimum. " +
           "Adjust flow or consult sales office.";
}

std::string CapacityBeyondRange(double familyMaximum) {
    return "Heat load per entering temperature difference (kW/" + Text(kDegree) + "C ETD) beyond program range." +
           Text(kCrLf) + Fixed(familyMaximum) + "kW/" + Text(kDegree) + "C ETD " +
           "is maximum. So reduce heat load, increase ETD or consult sales office.";
}

std::string CapacityBeyondSelection(double familyMaximum, std::string_view beforeConsult) {
    return "Heat Load per Entering Difference(kW/" + Text(kDegree) + "C ETD) beyond program range." + Text(kCrLf) +
           vb::CStr(familyMaximum) + " kW/" + Text(kDegree) + "C ETD is maximum. So reduce " +
           "Heat Load, increase ETD," + Text(beforeConsult) + "or consult sales office.";
}

std::string CombinationOutOfRange(std::string_view oilFlow) {
    return Text(oilFlow) + ", Heat Load combination out of program range. " + "Increase oil flow," + Text(kCrLf) +
           "reduce heat load, increase ETD, " + "try another series or consult sales office.";
}

std::string OilDropBeyondEtd(double drop, double etd, char unit, std::string_view coolant) {
    return "Oil temperature drop at or beyond ETD: oil cannot cool below the " + Text(coolant) + ". " + Text(kCrLf) +
           Degrees(drop, unit) + " drop at " + Degrees(etd, unit) + " ETD. Increase oil flow, reduce heat load or increase ETD.";
}

std::string WaterRiseBeyondEtd(double rise, double etd, char unit) {
    return "Water temperature rise at or beyond ETD: water cannot heat above the oil. " + Text(kCrLf) + Degrees(rise, unit) +
           " rise at " + Degrees(etd, unit) + " ETD. Increase water flow, reduce heat load or increase ETD.";
}

std::string FaceVelocityBelowRange() {
    return "Air Face Velocity below range of program. " + Text(kCrLf) +
           "It must be above 0.00 Metres/second. Adjust air face velocity or consult sales office.";
}

std::string OilCooledToCoolant(std::string_view coolant) {
    return "Rating beyond program range: the selected model would cool the oil to the " + Text(coolant) +
           " temperature or below." + Text(kCrLf) +
           "Its data claim more heat transfer than the oil flow can give. Choose another model or consult sales office.";
}

std::string WaterHeatedToOil() {
    return "Rating beyond program range: the selected model would heat the water to the oil temperature or above." +
           Text(kCrLf) +
           "Its data claim more heat transfer than the water flow can take up. Choose another model, increase water flow "
           "or consult sales office.";
}

std::string NoHeatTransferAtOperatingPoint() {
    return "Operating point beyond program range: the selected model transfers no heat at its corrected oil temperature." +
           Text(kCrLf) + "Choose another model or a lower viscosity grade, or consult sales office.";
}

std::string OperatingPointBeyondViscosityTable() {
    return "Operating point beyond program range: its corrected oil temperature lies outside the viscosity table." +
           Text(kCrLf) + "Choose another model or consult sales office.";
}

std::string PressureDropDataImpossible() {
    return "Rating beyond program range: the selected model's pressure-drop data give a negative pressure drop or none "
           "at this duty." +
           Text(kCrLf) + "Choose another model or consult sales office.";
}

}  // namespace quellmar::engine::diagnosis
