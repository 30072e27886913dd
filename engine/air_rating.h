#pragma once

#include "engine/cooler_rating.h"

namespace quellmar::engine {

// What the two families cooled by ambient air (AirCooled and Mobile) share: the air temperature,
// the maximum ambient temperature, the pressure drop corrected by the table AirPDCorrections and the
// out-of-range diagnosis.
class AirRating : public CoolerRating {
public:
    void SetAirTemp(double value);
    double AirTempC() const { return coolantTemp_; }
    double AirTempF() const;

    // The highest air temperature at which the selected cooler still holds the oil at the inlet
    // temperature.
    double MaxAmbientTemp() const;
    double CorrectedAvgOilTemp() const { return corrected_.avgOilTemp; }
    double CorrectedVoC() const { return corrected_.viscosity; }

protected:
    // Derating of the curve capacity per cSt of oil viscosity.
    static constexpr double kDeratePerCst = 0.00065;

    // `curveUnitsPerKw`: how many of the family's stored capacity units make one kW per degree C.
    AirRating(const std::filesystem::path& database, std::string family, double curveUnitsPerKw);

    // The model's pressure-drop curve at the oil flow (held at both ends) times the AirPDCorrections
    // factor at `viscosity` (held at both ends); nothing where they give a negative one or none.
    std::optional<double> PressureDropAt(std::int32_t id, double viscosity);
    std::optional<double> RecalculatedPressureDrop(double viscosity) override;
    std::string_view CoolantName() const override { return "air"; }
    std::string OutsideProgramRange() override;
    std::string NoCoolerSelected() const override;

private:
    double curveUnitsPerKw_;
};

}  // namespace quellmar::engine
