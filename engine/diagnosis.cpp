#include "engine/diagnosis.h"

#include "vb/format.h"

namespace quellmar::engine::diagnosis {

namespace {
std::string Fixed(double value) { return vb::Format(value, "fixed"); }
std::string Text(std::string_view s) { return std::string(s); }
std::string Celsius(double value) { return Fixed(value) + Text(kDegree) + "C"; }
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

std::string OilDropBeyondEtd(double drop, double etd, std::string_view coolant) {
    return "Oil temperature drop at or beyond ETD: oil cannot cool below the " + Text(coolant) + ". " + Text(kCrLf) +
           Celsius(drop) + " drop at " + Celsius(etd) + " ETD. Increase oil flow, reduce heat load or increase ETD.";
}

std::string WaterRiseBeyondEtd(double rise, double etd) {
    return "Water temperature rise at or beyond ETD: water cannot heat above the oil. " + Text(kCrLf) + Celsius(rise) +
           " rise at " + Celsius(etd) + " ETD. Increase water flow, reduce heat load or increase ETD.";
}

std::string NoHeatTransferAtOperatingPoint() {
    return "Operating point beyond program range: the selected model transfers no heat at its corrected oil temperature." +
           Text(kCrLf) + "Choose another model or a lower viscosity grade, or consult sales office.";
}

std::string OperatingPointBeyondViscosityTable() {
    return "Operating point beyond program range: its corrected oil temperature lies outside the viscosity table." +
           Text(kCrLf) + "Choose another model or consult sales office.";
}

}  // namespace quellmar::engine::diagnosis
