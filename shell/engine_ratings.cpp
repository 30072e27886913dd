#include "engine_ratings.h"

#include "engine/air_cooled.h"
#include "engine/mobile.h"
#include "engine/water_cooled.h"
#include "vb/val.h"

#include <cstdint>

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

std::int32_t Code(long value) { return static_cast<std::int32_t>(value); }

// The members every family shares, forwarded to the engine object of that family.
template <class Interface, class Engine>
class EngineRating : public Interface {
public:
    void HeatUnits(long code) override { engine_.SetHeatUnits(Code(code)); }
    void OilFlowUnits(long code) override { engine_.SetOilFlowUnits(Code(code)); }
    void TempUnits(long code) override { engine_.SetTempUnits(Code(code)); }
    void HeatLoad(double value) override { engine_.SetHeatLoad(value); }
    void InletTemp(double value) override { engine_.SetInletTemp(value); }
    void OilFlow(double value) override { engine_.SetOilFlow(value); }
    void Viscosity(long grade) override { engine_.SetViscosity(Code(grade)); }

    void FindCooler() override { engine_.FindCooler(); }
    bool DutyWithinReach() override { return engine_.DutyWithinReach(); }
    bool OutOfRange() override { return engine_.OutOfRange(); }
    std::string ErrorMessage() override { return engine_.ErrorMessage(); }
    void Recalculate() override { engine_.Recalculate(); }
    std::string Dxf() override { return engine_.Dxf(); }
    std::string CoolerName() override { return engine_.CoolerName(); }
    std::vector<ListedCooler> ListOfSuitableCoolers() override { return SuitableList(engine_.ListOfSuitableCoolers()); }
    void CoolerID(long id) override { engine_.SetCoolerID(Code(id)); }

    double HeatLoadKw() override { return engine_.HeatLoadKw(); }
    double HeatLoadKjH() override { return engine_.HeatLoadKjH(); }
    double HeatLoadKcalH() override { return engine_.HeatLoadKcalH(); }
    double HeatLoadBtuMin() override { return engine_.HeatLoadBtuMin(); }
    double HeatLoadHP() override { return engine_.HeatLoadHP(); }
    double HeatLoadBtuH() override { return engine_.HeatLoadBtuH(); }
    std::string ViscosityName() override { return engine_.ViscosityName(); }
    double InletTempC() override { return engine_.InletTempC(); }
    double InletTempF() override { return engine_.InletTempF(); }
    double CorrectedInletTempC() override { return engine_.CorrectedInletTempC(); }
    double CorrectedInletTempF() override { return engine_.CorrectedInletTempF(); }
    double OilFlowL() override { return engine_.OilFlowL(); }
    double OilFlowImpGal() override { return engine_.OilFlowImpGal(); }
    double OilFlowUSGal() override { return engine_.OilFlowUSGal(); }
    double OilFlowCuIns() override { return engine_.OilFlowCuIns(); }
    double PerfomanceMetric() override { return engine_.PerfomanceMetric(); }
    double PerfomanceImperial() override { return engine_.PerfomanceImperial(); }
    double Cst() override { return engine_.Cst(); }
    double SUS() override { return engine_.SUS(); }
    double ConvertCstToSUS(double cst) override { return Engine::ConvertCstToSUS(cst); }
    std::string PartNumber() override { return engine_.PartNumber(); }
    std::string Leaflet() override { return engine_.Leaflet(); }
    double Weight() override { return engine_.Weight(); }
    std::string Description() override { return engine_.Description(); }
    double MaxOilFlowByModel() override { return engine_.MaxOilFlowByModel(); }
    double SelectedPerformance() override { return engine_.SelectedPerformance(); }
    double PressureDrop() override { return engine_.PressureDrop(); }
    double MaxCurveOIlFlow() override { return engine_.MaxCurveOIlFlow(); }
    double PercentHTMargin() override { return engine_.PercentHTMargin(); }
    double CorrectedExitOilTemp() override { return engine_.CorrectedExitOilTemp(); }

protected:
    Engine engine_;
};

template <class Interface, class Engine>
class EngineAirFamilyRating : public EngineRating<Interface, Engine> {
public:
    void AirTemp(double value) override { this->engine_.SetAirTemp(value); }
    double AirTempC() override { return this->engine_.AirTempC(); }
    double AirTempF() override { return this->engine_.AirTempF(); }
    double MaxAmbientTemp() override { return this->engine_.MaxAmbientTemp(); }
    double CorrectedAvgOilTemp() override { return this->engine_.CorrectedAvgOilTemp(); }
    double CorrectedVoC() override { return this->engine_.CorrectedVoC(); }
};

class EngineAirRating final : public EngineAirFamilyRating<AirCoolerRating, engine::AirCooled> {
public:
    void ProductRange(long range) override { engine_.SetProductRange(Code(range)); }
    void MotorType(long index) override { engine_.SetMotorType(Code(index)); }
    std::vector<ListedCooler> SortByPressureDrop() override { return SortedList(engine_.SortByPressureDrop()); }
    std::vector<ListedCooler> SortByPrice() override { return SortedList(engine_.SortByPrice()); }
    std::vector<ListedCooler> SortByNoise() override { return SortedList(engine_.SortByNoise()); }
};

class EngineMobileRating final : public EngineAirFamilyRating<MobileCoolerRating, engine::Mobile> {
public:
    void AirFaceVelocity(double value) override { engine_.SetAirFaceVelocity(value); }
    double AirFaceVelocity() override { return engine_.AirFaceVelocity(); }
};

class EngineWaterRating final : public EngineRating<WaterCoolerRating, engine::WaterCooled> {
public:
    void Series(long index) override { engine_.SetSeries(Code(index)); }
    void WaterTemp(double value) override { engine_.SetWaterTemp(value); }
    void WaterFlow(double value) override { engine_.SetWaterFlow(value); }
    double WaterTempC() override { return engine_.WaterTempC(); }
    double WaterTempF() override { return engine_.WaterTempF(); }
    double WaterFlowL() override { return engine_.WaterFlowL(); }
    double WaterFlowImpGal() override { return engine_.WaterFlowImpGal(); }
    double WaterFlowUSGal() override { return engine_.WaterFlowUSGal(); }
    double WaterFlowCuIns() override { return engine_.WaterFlowCuIns(); }
    double ShellOilSidePressure() override { return engine_.ShellOilSidePressure(); }
    double WaterSidePressure() override { return engine_.WaterSidePressure(); }
    double MaxWaterFlowByModel() override { return engine_.MaxWaterFlowByModel(); }
    double AvailableETD() override { return engine_.AvailableETD(); }
    double CorrectedViscosity() override { return engine_.CorrectedViscosity(); }
    double CorrectedAverageOilTemp() override { return engine_.CorrectedAverageOilTemp(); }
    double CorrectedExitWaterTemp() override { return engine_.CorrectedExitWaterTemp(); }
};

}  // namespace

std::unique_ptr<AirCoolerRating> MakeEngineAirRating() { return std::make_unique<EngineAirRating>(); }
std::unique_ptr<MobileCoolerRating> MakeEngineMobileRating() { return std::make_unique<EngineMobileRating>(); }
std::unique_ptr<WaterCoolerRating> MakeEngineWaterRating() { return std::make_unique<EngineWaterRating>(); }

}  // namespace quellmar::shell
