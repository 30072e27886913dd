#include "engine/diagnosis.h"

#include "vb/format.h"

namespace quellmar::engine::diagnosis {

namespace {
std::string Fixed(double value) { return vb::Format(value, "fixed"); }
std::string Text(std::string_view s) { return std::string(s); }
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

}  // namespace quellmar::engine::diagnosis
