#include "engine_air_rating.h"

#include "engine/air_cooled.h"
#include "vb/val.h"

namespace quellmar::shell {
namespace {

// The lists come as field-by-row arrays with an empty entry 0.
std::vector<ListedCooler> SuitableList(const engine::FieldRowArray<std::string>& list) {
    std::vector<ListedCooler> coolers;
    if (list.IsEmpty()) return coolers;
    for (std::size_t row = 1; row < list.Rows(); ++row)
        coolers.push_back({list.At(0, row), static_cast<long>(vb::Val(list.At(1, row))), vb::Val(list.At(2, row)), 0});
    return coolers;
}

std::vector<ListedCooler> SortedList(const engine::FieldRowArray<vb::Variant>& list) {
    std::vector<ListedCooler> coolers;
    if (list.IsEmpty()) return coolers;
    for (std::size_t row = 1; row < list.Rows(); ++row)
        coolers.push_back({list.At(1, row).ToString(), static_cast<long>(list.At(2, row).ToLong()),
                           list.At(3, row).ToDouble(), list.At(0, row).ToDouble()});
    return coolers;
}

class EngineAirRating final : public AirCoolerRating {
public:
    void FindCooler() override { air_.FindCooler(); }
    bool OutOfRange() override { return air_.OutOfRange(); }
    std::string ErrorMessage() override { return air_.ErrorMessage(); }
    void Recalculate() override { air_.Recalculate(); }
    std::string Dxf() override { return air_.Dxf(); }
    std::string CoolerName() override { return air_.CoolerName(); }
    std::vector<ListedCooler> ListOfSuitableCoolers() override { return SuitableList(air_.ListOfSuitableCoolers()); }
    void CoolerID(long id) override { air_.SetCoolerID(static_cast<std::int32_t>(id)); }

    void ProductRange(long range) override { air_.SetProductRange(static_cast<std::int32_t>(range)); }
    void HeatUnits(long code) override { air_.SetHeatUnits(static_cast<std::int32_t>(code)); }
    void OilFlowUnits(long code) override { air_.SetOilFlowUnits(static_cast<std::int32_t>(code)); }
    void TempUnits(long code) override { air_.SetTempUnits(static_cast<std::int32_t>(code)); }
    void MotorType(long index) override { air_.SetMotorType(static_cast<std::int32_t>(index)); }
    void AirTemp(double value) override { air_.SetAirTemp(value); }
    void HeatLoad(double value) override { air_.SetHeatLoad(value); }
    void InletTemp(double value) override { air_.SetInletTemp(value); }
    void OilFlow(double value) override { air_.SetOilFlow(value); }
    void Viscosity(long grade) override { air_.SetViscosity(static_cast<std::int32_t>(grade)); }

    double HeatLoadKw() override { return air_.HeatLoadKw(); }
    double HeatLoadKjH() override { return air_.HeatLoadKjH(); }
    double HeatLoadKcalH() override { return air_.HeatLoadKcalH(); }
    double HeatLoadBtuMin() override { return air_.HeatLoadBtuMin(); }
    double HeatLoadHP() override { return air_.HeatLoadHP(); }
    double HeatLoadBtuH() override { return air_.HeatLoadBtuH(); }
    std::string ViscosityName() override { return air_.ViscosityName(); }
    double AirTempC() override { return air_.AirTempC(); }
    double AirTempF() override { return air_.AirTempF(); }
    double InletTempC() override { return air_.InletTempC(); }
    double InletTempF() override { return air_.InletTempF(); }
    double CorrectedInletTempC() override { return air_.CorrectedInletTempC(); }
    double CorrectedInletTempF() override { return air_.CorrectedInletTempF(); }
    double OilFlowL() override { return air_.OilFlowL(); }
    double OilFlowImpGal() override { return air_.OilFlowImpGal(); }
    double OilFlowUSGal() override { return air_.OilFlowUSGal(); }
    double OilFlowCuIns() override { return air_.OilFlowCuIns(); }
    double PerfomanceMetric() override { return air_.PerfomanceMetric(); }
    double PerfomanceImperial() override { return air_.PerfomanceImperial(); }
    double Cst() override { return air_.Cst(); }
    double SUS() override { return air_.SUS(); }
    double ConvertCstToSUS(double cst) override { return engine::AirCooled::ConvertCstToSUS(cst); }
    std::string PartNumber() override { return air_.PartNumber(); }
    std::string Leaflet() override { return air_.Leaflet(); }
    double Weight() override { return air_.Weight(); }
    std::string Description() override { return air_.Description(); }
    double MaxOilFlowByModel() override { return air_.MaxOilFlowByModel(); }
    double SelectedPerformance() override { return air_.SelectedPerformance(); }
    double PressureDrop() override { return air_.PressureDrop(); }
    double MaxCurveOIlFlow() override { return air_.MaxCurveOIlFlow(); }
    double MaxAmbientTemp() override { return air_.MaxAmbientTemp(); }
    double PercentHTMargin() override { return air_.PercentHTMargin(); }
    double CorrectedExitOilTemp() override { return air_.CorrectedExitOilTemp(); }
    double CorrectedAvgOilTemp() override { return air_.CorrectedAvgOilTemp(); }
    double CorrectedVoC() override { return air_.CorrectedVoC(); }
    std::vector<ListedCooler> SortByPressureDrop() override { return SortedList(air_.SortByPressureDrop()); }
    std::vector<ListedCooler> SortByPrice() override { return SortedList(air_.SortByPrice()); }
    std::vector<ListedCooler> SortByNoise() override { return SortedList(air_.SortByNoise()); }

private:
    engine::AirCooled air_;
};

}  // namespace

std::unique_ptr<AirCoolerRating> MakeEngineAirRating() { return std::make_unique<EngineAirRating>(); }

}  // namespace quellmar::shell
