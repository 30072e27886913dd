#pragma once

#include "engine/cooler_rating.h"

namespace quellmar::engine {

// Rating and selection of water-cooled (shell-and-tube) oil coolers.
//
// Convention: a property that is set ("let") is SetName(value); a property that is read is Name().
// A document sets, in this order: SetSeries, SetHeatUnits, SetOilFlowUnits, SetTempUnits,
// SetWaterTemp, SetHeatLoad, SetInletTemp, SetOilFlow, SetWaterFlow, SetViscosity; then calls
// FindCooler, OutOfRange (showing ErrorMessage when it is true), else Recalculate and the getters.
// PressureDrop is set by Recalculate; besides a pressure in bar it may hold -1 (the viscosity is
// above the model's correction table), -2 (below it) or 0 (the oil flow outside the correction
// table or the curve).
class WaterCooled : public CoolerRating {
public:
    static constexpr double kViscosityAboveTable = -1;
    static constexpr double kViscosityBelowTable = -2;

    WaterCooled();
    explicit WaterCooled(const std::filesystem::path& database);

    // 0 "PSeries", 1 "WPSeries", 2 "WPMSeries", 3 "OtherSeries"; any other index finds no models.
    void SetSeries(std::int32_t index) { series_ = index; }
    void SetWaterTemp(double value);
    // Converted with the oil-flow unit code.
    void SetWaterFlow(double value);

    double WaterTempC() const { return coolantTemp_; }
    double WaterTempF() const;
    double WaterFlowL() const;
    double WaterFlowImpGal() const;
    double WaterFlowUSGal() const;
    double WaterFlowCuIns() const;

    double ShellOilSidePressure() const { return shellOilSidePressure_; }
    double WaterSidePressure() const { return waterSidePressure_; }
    // The selected model's largest water flow; 0 while none is selected.
    double MaxWaterFlowByModel();

    // The entering temperature difference the selected cooler needs for the heat load.
    double AvailableETD() const;
    double ExitWaterTemp() const;
    double CorrectedViscosity() const { return corrected_.viscosity; }
    double CorrectedAverageOilTemp() const { return corrected_.avgOilTemp; }
    double CorrectedExitWaterTemp() const { return correctedExitWaterTemp_; }

protected:
    QueryResult SelectModels() override;
    double SearchFactor(std::int32_t id) override;
    double CapacityFactor(double inletTemp, double viscosity) const override;
    void LoadCoolerDetails() override;
    void ClearSelection() override;
    void PrepareRecalculation() override;
    std::optional<double> RecalculatedPressureDrop(double viscosity) override;
    std::string ImpossibleRating(const Corrected& at, double performance) const override;
    void FinishRecalculation(double inletTemp, double performance) override;
    std::string_view CoolantName() const override { return "water"; }
    std::string DutyBeyondReach() const override;
    std::string OutsideProgramRange() override;
    std::string NoCoolerSelected() const override;

private:
    double HTCorrectionFactor(std::int32_t id);
    // The water's temperature as it leaves the cooler whose oil comes in at `inletTemp`.
    double ExitWaterTempAt(double inletTemp, double performance) const;
    // A pressure in bar or one of the markers; nothing where the model's data give a negative pressure
    // drop or none.
    std::optional<double> CalculateCorrectedPressureDrop(std::int32_t id, double viscosity);
    std::vector<double> Breakpoints(const char* table, std::int32_t id);

    std::int32_t series_ = 0;
    double waterFlow_ = 0;
    double programMaxWaterFlow_ = 0, programMinWaterFlow_ = 0;
    double shellOilSidePressure_ = 0, waterSidePressure_ = 0;
    // The selected model's heat-transfer factor at the duty's flows, for the recalculation.
    double recalculationHeatTransferFactor_ = 0;
    double correctedExitWaterTemp_ = 0;
};

}  // namespace quellmar::engine
