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

// A duty no cooler can meet whatever its size: the oil would have to leave colder than the coolant
// ("air" or "water") ... Temperature differences in the duty's unit, `unit` 'C' or 'F'.
std::string OilDropBeyondEtd(double drop, double etd, char unit, std::string_view coolant);
// ... or the cooling water leave hotter than the oil comes in.
std::string WaterRiseBeyondEtd(double rise, double etd, char unit);

// A mobile duty without air through the cooler.
std::string FaceVelocityBelowRange();

// A rating the selected model's data claim but that cannot happen: the oil would leave at or below the
// coolant, or the water at or above the oil.
std::string OilCooledToCoolant(std::string_view coolant);
std::string WaterHeatedToOil();

// The operating point of the selected cooler cannot be worked out: at the oil temperature of a pass
// the cooler would transfer no heat, or the temperature lies beyond the viscosity table. They carry no
// figures: the figures of such a pass are no temperatures a user could act on.
std::string NoHeatTransferAtOperatingPoint();
std::string OperatingPointBeyondViscosityTable();

// The selected model's pressure-drop data give a pressure drop below 0, or none, at the operating point.
std::string PressureDropDataImpossible();

}  // namespace quellmar::engine::diagnosis
