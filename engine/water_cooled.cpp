#include "engine/water_cooled.h"

#include "engine/diagnosis.h"
#include "engine/engine_error.h"
#include "engine/interpolation.h"
#include "engine/temperature_correction.h"
#include "engine/units.h"
#include "engine/values.h"
#include "vb/format.h"

#include <array>

namespace quellmar::engine {
namespace {

// Water temperature rise in degrees C per kW of heat and per l/min of water flow.
constexpr double kWaterTempPerKwLpm = 14.354;

double ViscosityFactor(double viscosity) { return 1000 / (viscosity + 1000); }

std::string OfCooler(std::string_view what, std::int32_t id) { return std::string(what) + " of cooler " + std::to_string(id); }

}  // namespace

WaterCooled::WaterCooled() : WaterCooled(DataAccess::DefaultDatabase()) {}

WaterCooled::WaterCooled(const std::filesystem::path& database) : CoolerRating(database, "water") {
    const auto water = data_.Execute(
        "SELECT Max(HTCorrectionWaterFlow.HTCorrectionWaterFlow) AS Most, Min(HTCorrectionWaterFlow.HTCorrectionWaterFlow) AS "
        "Least FROM (CoolerTypes INNER JOIN Coolers ON CoolerTypes.Code = Coolers.CoolerType) INNER JOIN HTCorrectionWaterFlow "
        "ON Coolers.CoolerID = HTCorrectionWaterFlow.CoolerID WHERE CoolerTypes.CoolerType='water' COLLATE NOCASE");
    programMaxWaterFlow_ = NumberOrZero(water.At(0, 0));
    programMinWaterFlow_ = NumberOrZero(water.At(1, 0));
}

void WaterCooled::SetWaterTemp(double value) { coolantTemp_ = units::TempToCelsius(tempUnitCode_, value); }
void WaterCooled::SetWaterFlow(double value) {
    if (const auto lpm = units::FlowToLitres(flowUnitCode_, value)) waterFlow_ = *lpm;
}

double WaterCooled::WaterTempF() const { return units::CelsiusToFahrenheit(coolantTemp_); }
double WaterCooled::WaterFlowL() const { return units::LitresTo(units::Flow::Litres, waterFlow_); }
double WaterCooled::WaterFlowImpGal() const { return units::LitresTo(units::Flow::ImpGal, waterFlow_); }
double WaterCooled::WaterFlowUSGal() const { return units::LitresTo(units::Flow::USGal, waterFlow_); }
double WaterCooled::WaterFlowCuIns() const { return units::LitresTo(units::Flow::CuIns, waterFlow_); }

QueryResult WaterCooled::SelectModels() {
    static constexpr std::array<const char*, 4> kSeries = {"PSeries", "WPSeries", "WPMSeries", "OtherSeries"};
    if (series_ < 0 || series_ >= static_cast<std::int32_t>(kSeries.size())) return QueryResult(2, 0);
    // Models in CoolerID order, which decides between models of equal performance.
    return data_.Execute(
        "SELECT Coolers.CoolerID, Coolers.MaxOilFlow FROM CoolerTypes INNER JOIN (Series INNER JOIN Coolers ON Series.Code = "
        "Coolers.Series) ON CoolerTypes.Code = Coolers.CoolerType WHERE CoolerTypes.CoolerType='water' COLLATE NOCASE AND "
        "Series.Series = ?1 COLLATE NOCASE "
        "ORDER BY Coolers.CoolerID",
        {kSeries[static_cast<std::size_t>(series_)]});
}

double WaterCooled::SearchFactor(std::int32_t id) {
    return TemperatureCorrection(coolantTemp_, inletTemp_) * ViscosityFactor(cst_) * HTCorrectionFactor(id);
}

double WaterCooled::CapacityFactor(double inletTemp, double viscosity) const {
    return TemperatureCorrection(coolantTemp_, inletTemp) * ViscosityFactor(viscosity) * recalculationHeatTransferFactor_;
}

std::vector<double> WaterCooled::Breakpoints(const char* table, std::int32_t id) {
    // Each breakpoint table names its one value column after itself.
    const std::string name(table);
    return NumberColumn(data_.Execute("SELECT " + name + " FROM " + name + " WHERE CoolerID = ?1 ORDER BY " + name, {id}), 0,
                        OfCooler(name, id));
}

double WaterCooled::HTCorrectionFactor(std::int32_t id) {
    // Outside the model's water or oil flows the model cannot be rated: factor 0.
    const auto water = Breakpoints("HTCorrectionWaterFlow", id);
    const auto row = Locate(water, waterFlow_, Below::Exclude, Above::Exclude);
    if (!row) return 0;
    const auto oil = Breakpoints("HTCorrectionOilFlow", id);
    const auto column = Locate(oil, oilFlow_, Below::Exclude, Above::Exclude);
    if (!column) return 0;
    const Matrix factors = ReadMatrix(
        data_.Execute("SELECT c1, c2, c3, c4, c5, c6, c7, c8 FROM HTCorrection WHERE CoolerID = ?1 ORDER BY RowNum", {id}),
        water.size(), oil.size(), OfCooler("heat-transfer correction table", id));
    return Bilinear(factors, *row, *column);
}

void WaterCooled::LoadCoolerDetails() {
    const auto rows = data_.Execute(
        "SELECT ShellOilSidePressureRating, WaterSidePressureRating FROM Coolers WHERE CoolerID = ?1", {selected_.ID()});
    if (rows.Rows() == 0) throw DataError("Cooler " + std::to_string(selected_.ID()) + " is not in the cooler database.");
    // Both ratings are read before the particulars change, so a model that lacks one leaves the
    // previous selection's details whole.
    const std::string model = "cooler " + std::to_string(selected_.ID());
    const double shell = RequiredNumber(rows.At(0, 0), "the shell oil-side pressure rating of " + model);
    const double waterSide = RequiredNumber(rows.At(1, 0), "the water-side pressure rating of " + model);
    CoolerRating::LoadCoolerDetails();
    shellOilSidePressure_ = shell;
    waterSidePressure_ = waterSide;
}

void WaterCooled::ClearSelection() {
    CoolerRating::ClearSelection();
    shellOilSidePressure_ = waterSidePressure_ = 0;
    correctedExitWaterTemp_ = 0;
}

double WaterCooled::MaxWaterFlowByModel() {
    if (selected_.ID() == 0) return 0;
    const auto rows = data_.Execute(
        "SELECT Max(HTCorrectionWaterFlow) FROM Coolers INNER JOIN HTCorrectionWaterFlow ON Coolers.CoolerID = "
        "HTCorrectionWaterFlow.CoolerID WHERE Coolers.CoolerID = ?1",
        {selected_.ID()});
    return NumberOrZero(rows.At(0, 0));
}

double WaterCooled::AvailableETD() const {
    return inletTemp_ - (inletTemp_ - NeededEtd());
}

double WaterCooled::ExitWaterTempAt(double inletTemp, double performance) const {
    return coolantTemp_ + Divide((inletTemp - coolantTemp_) * performance * kWaterTempPerKwLpm, waterFlow_,
                                 {"the water temperature rise", "the water flow is 0"});
}

double WaterCooled::ExitWaterTemp() const { return ExitWaterTempAt(inletTemp_, SelectionPerformance()); }

void WaterCooled::PrepareRecalculation() { recalculationHeatTransferFactor_ = HTCorrectionFactor(selected_.ID()); }

std::optional<double> WaterCooled::RecalculatedPressureDrop(double viscosity) {
    return CalculateCorrectedPressureDrop(selected_.ID(), viscosity);
}

std::string WaterCooled::ImpossibleRating(const Corrected& at, double performance) const {
    if (std::string oil = CoolerRating::ImpossibleRating(at, performance); !oil.empty()) return oil;
    // The water cannot leave hotter than the oil comes in.
    if (!(ExitWaterTemp() < inletTemp_) || !(ExitWaterTempAt(at.inletTemp, performance) < at.inletTemp))
        return diagnosis::WaterHeatedToOil();
    return "";
}

void WaterCooled::FinishRecalculation(double inletTemp, double performance) {
    correctedExitWaterTemp_ = ExitWaterTempAt(inletTemp, performance);
}

std::optional<double> WaterCooled::CalculateCorrectedPressureDrop(std::int32_t id, double viscosity) {
    // The three axes end differently: the viscosity axis with markers, the correction's oil-flow axis
    // with 0 below and its last column above, the curve with 0 below its first point and above the
    // model's maximum oil flow.
    const auto viscosities = Breakpoints("PDCorrectionViscosity", id);
    if (viscosities.empty()) throw DataError("The pressure-drop correction table of " + details_.name + " has no viscosities.");
    if (viscosity > viscosities.back()) return kViscosityAboveTable;
    if (viscosity < viscosities.front()) return kViscosityBelowTable;
    const auto row = Locate(viscosities, viscosity, Below::Exclude, Above::Exclude);
    const auto flows = Breakpoints("PDCorrectionOilFlow", id);
    if (flows.empty()) throw DataError("The pressure-drop correction table of " + details_.name + " has no oil flows.");
    if (!row || oilFlow_ < flows.front()) return 0;
    const auto column = Locate(flows, oilFlow_, Below::Exclude, Above::Hold);
    if (!column) return 0;
    const Matrix factors = ReadMatrix(
        data_.Execute("SELECT c1, c2, c3, c4, c5, c6, c7, c8 FROM PDCorrection WHERE CoolerID = ?1 ORDER BY rowid", {id}),
        viscosities.size(), flows.size(), "pressure-drop correction table of " + details_.name);
    const double factor = Bilinear(factors, *row, *column);

    const Curve curve = ReadCurve(
        data_.Execute("SELECT PressureDropOilFlow, PressureDrop FROM PressureDrop WHERE CoolerID = ?1 ORDER BY PressureDropOilFlow", {id}),
        "the pressure-drop curve of " + details_.name);
    if (oilFlow_ > details_.maxOilFlow) return 0;
    const auto pressure = Interpolate(curve, oilFlow_, Below::Exclude, Above::Hold);
    if (!pressure) return 0;
    return PressureDropOf(*pressure, factor);
}

std::string WaterCooled::DutyBeyondReach() const {
    if (std::string oil = OilDropBeyondReach(); !oil.empty()) return oil;
    // The water cannot leave hotter than the oil comes in. Without water flow the flow messages tell.
    if (!(waterFlow_ > 0)) return "";
    const double rise = heatLoad_ * kWaterTempPerKwLpm / waterFlow_;
    if (rise < inletTemp_ - coolantTemp_) return "";
    return diagnosis::WaterRiseBeyondEtd(InDutyUnit(rise), EtdInDutyUnit(), DutyUnit());
}

std::string WaterCooled::OutsideProgramRange() {
    if (!suitable_.IsEmpty()) {
        if (selected_.ID() == 0) return "";
        const double most = FamilyMaximumCapacity();
        return requiredPerformance_ > most ? diagnosis::CapacityBeyondSelection(most, diagnosis::kCrLf) : "";
    }
    if (std::string flow = OilFlowRangeMessage(); !flow.empty()) return flow;
    if (waterFlow_ < programMinWaterFlow_)
        return "Water flow below range of program." + std::string(diagnosis::kCrLf) + vb::Format(programMinWaterFlow_, "fixed") +
               " l/min is minimum. " + "Adjust flow or consult sales office.";
    if (waterFlow_ > programMaxWaterFlow_)
        return "Water flow beyond range of program." + std::string(diagnosis::kCrLf) + vb::Format(programMaxWaterFlow_, "fixed") +
               " l/min is maximum. " + "Adjust flow or consult sales office.";
    const double most = FamilyMaximumCapacity();
    return requiredPerformance_ > most ? diagnosis::CapacityBeyondRange(most) : "";
}

std::string WaterCooled::NoCoolerSelected() const {
    return selected_.ID() == 0 ? diagnosis::CombinationOutOfRange("Oil Flow") : "";
}

}  // namespace quellmar::engine
