#include "engine/air_rating.h"

#include "engine/diagnosis.h"
#include "engine/engine_error.h"
#include "engine/interpolation.h"
#include "engine/units.h"
#include "engine/values.h"

#include <utility>

namespace quellmar::engine {

AirRating::AirRating(const std::filesystem::path& database, std::string family, double curveUnitsPerKw)
    : CoolerRating(database, std::move(family)), curveUnitsPerKw_(curveUnitsPerKw) {}

void AirRating::SetAirTemp(double value) { coolantTemp_ = units::TempToCelsius(tempUnitCode_, value); }
double AirRating::AirTempF() const { return units::CelsiusToFahrenheit(coolantTemp_); }

double AirRating::MaxAmbientTemp() const {
    return inletTemp_ - NeededEtd();
}

std::optional<double> AirRating::PressureDropAt(std::int32_t id, double viscosity) {
    const Curve factors = ReadCurve(data_.Execute("SELECT ViscosityCst, AirPDCorrection FROM AirPDCorrections ORDER BY ViscosityCst"),
                                    "the pressure-drop correction table AirPDCorrections");
    const auto k = Interpolate(factors, viscosity, Below::Hold, Above::Hold);
    if (!k) throw DataError("The pressure-drop correction table AirPDCorrections is empty.");
    const Curve curve = ReadCurve(
        data_.Execute("SELECT PressureDropOilFlow, PressureDrop FROM PressureDrop WHERE CoolerID = ?1 ORDER BY PressureDropOilFlow", {id}),
        "the pressure-drop curve of cooler " + std::to_string(id));
    const auto p = Interpolate(curve, oilFlow_, Below::Hold, Above::Hold);
    if (!p) throw DataError("Cooler " + NameOf(id) + " has no pressure-drop curve.");
    return PressureDropOf(*p, *k);
}

std::optional<double> AirRating::RecalculatedPressureDrop(double viscosity) { return PressureDropAt(selected_.ID(), viscosity); }

std::string AirRating::OutsideProgramRange() {
    if (!suitable_.IsEmpty()) {
        if (selected_.ID() == 0) return "";
        const double most = FamilyMaximumCapacity() / curveUnitsPerKw_;
        return requiredPerformance_ > most ? diagnosis::CapacityBeyondSelection(most, " ") : "";
    }
    if (std::string flow = OilFlowRangeMessage(); !flow.empty()) return flow;
    const double most = FamilyMaximumCapacity() / curveUnitsPerKw_;
    return requiredPerformance_ > most ? diagnosis::CapacityBeyondRange(most) : "";
}

std::string AirRating::NoCoolerSelected() const {
    if (selected_.ID() != 0) return "";
    if (!suitable_.IsEmpty()) return diagnosis::CombinationOutOfRange("OilFlow");
    return "No cooler selected. Parameters out of range." + std::string(diagnosis::kCrLf) +
           "Please note input parameters and advise Quellmar.";
}

}  // namespace quellmar::engine
