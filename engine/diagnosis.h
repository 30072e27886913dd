#pragma once

#include <string>
#include <string_view>

// The texts of the out-of-range diagnosis that the three rating classes share. Lines are joined with
// CR LF; numbers are written "fixed" or in the default conversion, as each text has them.
namespace quellmar::engine::diagnosis {

inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kDegree = "\u00B0";

std::string OilFlowBeyondRange(double programMaximum);
std::string OilFlowBelowRange(double programMinimum);
// No model listed and the required performance above the family's largest capacity.
std::string CapacityBeyondRange(double familyMaximum);
// A model selected but the required performance above the family's largest capacity; the water
// text breaks its line before "or consult", the others continue with a blank.
std::string CapacityBeyondSelection(double familyMaximum, std::string_view beforeConsult);
// Models listed but none adequate; `oilFlow` is the first words' spelling ("OilFlow" or "Oil Flow").
std::string CombinationOutOfRange(std::string_view oilFlow);

}  // namespace quellmar::engine::diagnosis
