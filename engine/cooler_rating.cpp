#include "engine/cooler_rating.h"

#include "engine/diagnosis.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "engine/interpolation.h"
#include "engine/root_finding.h"
#include "engine/units.h"
#include "engine/values.h"
#include "vb/format.h"

#include <cmath>
#include <utility>

namespace quellmar::engine {
namespace {

// Oil temperature change in degrees C per kW of heat and per l/min of oil flow.
constexpr double kOilTempPerKwLpm = 34.5;

constexpr std::string_view kNoEtd = "the oil inlet temperature equals the coolant temperature";
constexpr std::string_view kNoOilFlow = "the oil flow is 0";
constexpr std::string_view kNoPerformance = "the selected cooler's performance is 0";
constexpr Quotient kRequiredPerformance{"the required heat transfer", kNoEtd};
constexpr Quotient kOilDrop{"the oil temperature drop", kNoOilFlow};
constexpr Quotient kCoolerOilDrop{"the oil temperature drop across the selected cooler", kNoOilFlow};
constexpr Quotient kCoolerEtd{"the entering temperature difference the selected cooler needs", kNoPerformance};

const char* const kCapacityCurveQuery =
    "SELECT CoolingCapacityOilFlow, CoolingCapacity FROM CoolingCapacity WHERE CoolerID = ?1 "
    "ORDER BY CoolingCapacityOilFlow";

std::string OfCooler(std::string_view what, std::int32_t id) { return std::string(what) + " of cooler " + std::to_string(id); }

// The viscosity table is carried on linearly beyond its ends; far above them it falls to nothing and
// below, where it gives no viscosity at all.
bool IsViscosity(double cst) { return cst > 0 && std::isfinite(cst); }

// The hottest inlet temperature the viscosity table reaches: its mean oil temperature at the table's end.
double HottestInlet(double drop) { return Functions::kViscosityTableHottest + drop * 0.5; }

}  // namespace

CoolerRating::CoolerRating(const std::filesystem::path& database, std::string family)
    : data_(database), database_(database), family_(std::move(family)) {
    // The program's oil-flow range: the extreme flows over the curves of the whole family, widened
    // to the largest maximum oil flow of its models.
    const auto curve = data_.Execute(
        "SELECT Max(CoolingCapacity.CoolingCapacityOilFlow) AS Most, Min(CoolingCapacity.CoolingCapacityOilFlow) AS Least "
        "FROM (CoolerTypes INNER JOIN Coolers ON CoolerTypes.Code = Coolers.CoolerType) INNER JOIN CoolingCapacity "
        "ON Coolers.CoolerID = CoolingCapacity.CoolerID WHERE CoolerTypes.CoolerType = ?1 COLLATE NOCASE",
        {family_});
    programMaxOilFlow_ = NumberOrZero(curve.At(0, 0));
    programMinOilFlow_ = NumberOrZero(curve.At(1, 0));
    const auto models = data_.Execute(
        "SELECT Max(Coolers.MaxOilFlow) AS Most FROM CoolerTypes INNER JOIN Coolers ON CoolerTypes.Code = Coolers.CoolerType "
        "WHERE CoolerTypes.CoolerType = ?1 COLLATE NOCASE",
        {family_});
    const double most = NumberOrZero(models.At(0, 0));
    if (programMaxOilFlow_ < most) programMaxOilFlow_ = most;
}

CoolerRating::~CoolerRating() = default;

void CoolerRating::SetHeatLoad(double value) {
    if (const auto kw = units::HeatToKw(heatUnitCode_, value)) heatLoad_ = *kw;
}
void CoolerRating::SetInletTemp(double value) { inletTemp_ = units::TempToCelsius(tempUnitCode_, value); }
void CoolerRating::SetOilFlow(double value) {
    if (const auto lpm = units::FlowToLitres(flowUnitCode_, value)) oilFlow_ = *lpm;
}

double CoolerRating::HeatLoadKw() const { return units::KwTo(units::Heat::Kw, heatLoad_); }
double CoolerRating::HeatLoadKjH() const { return units::KwTo(units::Heat::KjH, heatLoad_); }
double CoolerRating::HeatLoadKcalH() const { return units::KwTo(units::Heat::KcalH, heatLoad_); }
double CoolerRating::HeatLoadBtuMin() const { return units::KwTo(units::Heat::BtuMin, heatLoad_); }
double CoolerRating::HeatLoadHP() const { return units::KwTo(units::Heat::HP, heatLoad_); }
double CoolerRating::HeatLoadBtuH() const { return units::KwTo(units::Heat::BtuH, heatLoad_); }
double CoolerRating::OilFlowL() const { return units::LitresTo(units::Flow::Litres, oilFlow_); }
double CoolerRating::OilFlowImpGal() const { return units::LitresTo(units::Flow::ImpGal, oilFlow_); }
double CoolerRating::OilFlowUSGal() const { return units::LitresTo(units::Flow::USGal, oilFlow_); }
double CoolerRating::OilFlowCuIns() const { return units::LitresTo(units::Flow::CuIns, oilFlow_); }
double CoolerRating::InletTempF() const { return units::CelsiusToFahrenheit(inletTemp_); }
double CoolerRating::CorrectedInletTempF() const { return units::CelsiusToFahrenheit(corrected_.inletTemp); }
std::string CoolerRating::ViscosityName() const { return units::ViscosityName(grade_); }

double CoolerRating::PerfomanceImperial() const {
    return Divide(HeatLoadBtuMin(), InletTempF() - units::CelsiusToFahrenheit(coolantTemp_),
                  {"the required heat transfer per degree F", kNoEtd});
}

double CoolerRating::SUS() const { return units::ConvertCstToSUS(cst_); }
double CoolerRating::ConvertCstToSUS(double valueInCst) { return units::ConvertCstToSUS(valueInCst); }

double CoolerRating::Viscosity(double temperature) const {
    return Functions::ViscosityAtTemp(database_, temperature, grade_);
}

std::string CoolerRating::Dxf() {
    if (selected_.ID() == 0) return "";
    const auto rows = data_.Execute("SELECT Dxf FROM Coolers WHERE CoolerID = ?1", {selected_.ID()});
    return rows.Rows() == 0 ? "" : OptionalText(rows.At(0, 0));
}

double CoolerRating::SelectionPerformance() const {
    if (selected_.ID() == 0) throw RatingError("No cooler is selected.");
    return selected_.Performance();
}

double CoolerRating::NeededEtd() const { return Divide(heatLoad_, SelectionPerformance(), kCoolerEtd); }

double CoolerRating::PercentHTMargin() const {
    const double required = Divide(heatLoad_, inletTemp_ - coolantTemp_, kRequiredPerformance);
    return (Divide(SelectionPerformance(), required, {"the heat-transfer margin", "the heat load is 0"}) - 1) * 100;
}

double CoolerRating::ExitOilTemp() const {
    return inletTemp_ - Divide((inletTemp_ - coolantTemp_) * SelectionPerformance() * kOilTempPerKwLpm, oilFlow_, kCoolerOilDrop);
}

double CoolerRating::AverageOilTempFor(double performance) const {
    return inletTemp_ - Divide((inletTemp_ - coolantTemp_) * performance * kOilTempPerKwLpm, oilFlow_, kCoolerOilDrop) * 0.5;
}

double CoolerRating::AverageOilTemp() const { return AverageOilTempFor(SelectionPerformance()); }
double CoolerRating::ViscosityAtAvgTemp() const { return Viscosity(AverageOilTemp()); }

void CoolerRating::CalculateDerivedValues() {
    requiredPerformance_ = Divide(heatLoad_, inletTemp_ - coolantTemp_, kRequiredPerformance);
    oilTempDrop_ = Divide(heatLoad_ * kOilTempPerKwLpm, oilFlow_, kOilDrop);
    meanOilTemp_ = inletTemp_ - oilTempDrop_ * 0.5;
    cst_ = Viscosity(meanOilTemp_);
}

void CoolerRating::ClearSelection() {
    selected_ = PerformanceID();
    details_ = Details();
    pressureDrop_ = 0;
    corrected_ = Corrected();
}

QueryResult CoolerRating::CapacityCurveRows(std::int32_t id) { return data_.Execute(kCapacityCurveQuery, {id}); }

double CoolerRating::SearchFactor(std::int32_t /*id*/) { return CapacityFactor(inletTemp_, cst_); }

double CoolerRating::ModelPerformance(std::int32_t id, double maxOilFlow) {
    const Curve curve = ReadCurve(CapacityCurveRows(id), OfCooler("the capacity curve", id));
    if (oilFlow_ > maxOilFlow) return 0;
    // Below the first point the model cannot run; from the last point up to its maximum oil flow the
    // curve is held flat.
    const auto capacity = Interpolate(curve, oilFlow_, Below::Exclude, Above::Hold);
    if (!capacity) return 0;
    return *capacity * SearchFactor(id);
}

void CoolerRating::FindCooler() {
    const DataAccess::Snapshot snapshot(data_);
    ClearSelection();
    suitable_.Clear();
    CalculateDerivedValues();
    PrepareSearch();
    const auto models = SelectModels();
    for (std::size_t row = 0; row < models.Rows(); ++row) {
        const std::int32_t id = models.At(0, row).ToLong();
        try {
            const double performance = ModelPerformance(id, RequiredNumber(models.At(1, row), OfCooler("MaxOilFlow", id)));
            if (performance > 0) suitable_.Add(id, performance);
        } catch (const DataError&) {
            // A model whose stored data cannot rate it is not suitable; the others are still rated.
        }
    }
    if (!DutyBeyondReach().empty()) return;
    if (const PerformanceID* first = suitable_.FirstAdequate(requiredPerformance_)) {
        selected_ = *first;
        LoadCoolerDetails();
    }
}

bool CoolerRating::OutOfRange() {
    // The program's range is told first; what no cooler could meet only within it.
    std::string reason = OutsideProgramRange();
    if (reason.empty()) reason = DutyBeyondReach();
    if (reason.empty()) reason = NoCoolerSelected();
    if (reason.empty()) return false;
    errorMessage_ = std::move(reason);
    return true;
}

double CoolerRating::InDutyUnit(double difference) const {
    return tempUnitCode_ == 0 ? difference : difference * (9.0 / 5.0);
}

char CoolerRating::DutyUnit() const { return tempUnitCode_ == 0 ? 'C' : 'F'; }

double CoolerRating::EtdInDutyUnit() const {
    // Taken from the two temperatures as the selection parameters show them, so the figures agree.
    return tempUnitCode_ == 0 ? inletTemp_ - coolantTemp_ : InletTempF() - units::CelsiusToFahrenheit(coolantTemp_);
}

std::string CoolerRating::OilDropBeyondReach() const {
    if (oilTempDrop_ < inletTemp_ - coolantTemp_) return "";
    return diagnosis::OilDropBeyondEtd(InDutyUnit(oilTempDrop_), EtdInDutyUnit(), DutyUnit(), CoolantName());
}

void CoolerRating::LoadCoolerDetails() {
    const std::int32_t id = selected_.ID();
    const auto rows =
        data_.Execute("SELECT Name, PartNumber, SalesLeaflet, Weight, Description, MaxOilFlow FROM Coolers WHERE CoolerID = ?1", {id});
    if (rows.Rows() == 0) throw DataError("Cooler " + std::to_string(id) + " is not in the cooler database.");
    Details d;
    d.name = OptionalText(rows.At(0, 0));
    d.partNumber = OptionalText(rows.At(1, 0));
    d.leaflet = OptionalText(rows.At(2, 0));
    d.weight = RequiredNumber(rows.At(3, 0), "the weight of " + d.name);
    d.description = OptionalText(rows.At(4, 0));
    d.maxOilFlow = RequiredNumber(rows.At(5, 0), "the maximum oil flow of " + d.name);
    const auto most = data_.Execute("SELECT Max(CoolingCapacityOilFlow) FROM CoolingCapacity WHERE CoolerID = ?1", {id});
    d.maxCurveOilFlow = RequiredNumber(most.At(0, 0), "the capacity curve of " + d.name);
    details_ = std::move(d);
}

void CoolerRating::Recalculate() {
    const DataAccess::Snapshot snapshot(data_);
    SelectionPerformance();  // refuses a recalculation with nothing selected
    const double drop = Divide(heatLoad_ * kOilTempPerKwLpm, oilFlow_, kOilDrop);
    const Curve curve = ReadCurve(CapacityCurveRows(selected_.ID()), OfCooler("the capacity curve", selected_.ID()));
    const auto capacity = Interpolate(curve, oilFlow_, Below::Exclude, Above::Hold);
    if (!capacity)
        throw DataError("The capacity curve of " + details_.name + " does not reach the oil flow of " +
                        vb::Format(oilFlow_, "fixed") + " l/min.");
    PrepareRecalculation();
    // The two passes stand where their figures carry the heat load; where they do not, they are no
    // operating point of the cooler, and it is sought itself.
    std::optional<OperatingPoint> point = TwoPasses(*capacity, drop);
    std::optional<Corrected> figures;
    if (point) {
        figures = FiguresAt(*point);
        if (!CarriesHeatLoad(*figures)) point.reset();
    }
    if (!point) {
        point = BracketedOperatingPoint(*capacity, drop);
        figures = FiguresAt(*point);
    }

    const Corrected& c = *figures;
    if (std::string impossible = ImpossibleRating(c, point->performance); !impossible.empty()) throw RatingError(impossible);
    const std::optional<double> pressureDrop = RecalculatedPressureDrop(c.viscosity);
    if (!pressureDrop) throw RatingError(diagnosis::PressureDropDataImpossible());
    corrected_ = c;
    pressureDrop_ = *pressureDrop;
    FinishRecalculation(point->inletTemp, point->performance);
}

CoolerRating::Corrected CoolerRating::FiguresAt(const OperatingPoint& point) const {
    const double fall =
        Divide((point.inletTemp - coolantTemp_) * point.performance * kOilTempPerKwLpm, oilFlow_, kCoolerOilDrop);
    Corrected c;
    c.inletTemp = point.inletTemp;
    c.viscosity = Viscosity(point.inletTemp - fall * 0.5);
    c.exitOilTemp = point.inletTemp - fall;
    c.avgOilTemp = point.inletTemp - fall * 0.5;
    return c;
}

bool CoolerRating::CarriesHeatLoad(const Corrected& figures) const {
    const double implied = (figures.inletTemp - figures.exitOilTemp) * oilFlow_ / kOilTempPerKwLpm;
    return std::abs(implied - heatLoad_) <= kHeatBalanceTolerance * heatLoad_;
}

std::optional<double> CoolerRating::PressureDropOf(double curvePressure, double factor) {
    const double pressure = curvePressure * factor;
    if (!(curvePressure >= 0) || !(factor >= 0) || !std::isfinite(pressure)) return std::nullopt;
    return pressure;
}

std::optional<CoolerRating::OperatingPoint> CoolerRating::TwoPasses(double capacity, double drop) const {
    // The final inlet temperature rests on the first pass; the exit and mean temperatures and the
    // final viscosity on the second pass at that inlet temperature. Both passes correct the capacity
    // at the inlet temperature the selected performance asks for.
    const double start = coolantTemp_ + NeededEtd();
    const auto performance = [&](double meanOilTemp) -> std::optional<double> {
        const double viscosity = Viscosity(meanOilTemp);
        if (!IsViscosity(viscosity)) return std::nullopt;
        const double p = capacity * CapacityFactor(start, viscosity);
        if (!(p > 0)) return std::nullopt;
        return p;
    };
    const auto first = performance(start - drop * 0.5);
    if (!first) return std::nullopt;
    const double inlet = coolantTemp_ + heatLoad_ / *first;
    if (!std::isfinite(inlet)) return std::nullopt;
    const auto second = performance(inlet - drop * 0.5);
    if (!second) return std::nullopt;
    // With a margin the selected cooler carries the heat load below the desired inlet temperature;
    // without one it needs more, but no more than the viscosity table reaches.
    const bool consistent = PercentHTMargin() >= 0 ? inlet <= inletTemp_ : inlet >= inletTemp_ && inlet <= HottestInlet(drop);
    if (!consistent) return std::nullopt;
    return OperatingPoint{inlet, *second};
}

CoolerRating::OperatingPoint CoolerRating::BracketedOperatingPoint(double capacity, double drop) {
    // The grade's viscosities are read once for the many steps of the search.
    const Functions::ViscosityRow viscosities(data_, grade_);
    // What the cooler carries at an inlet temperature beyond the heat load. It rises with the inlet
    // temperature wherever the cooler transfers heat at all, and at the coolant temperature it is
    // short by the whole heat load.
    const auto excess = [&](double inlet) {
        return PerformanceAt(capacity, inlet, drop, viscosities) * (inlet - coolantTemp_) - heatLoad_;
    };
    double low = coolantTemp_, lowExcess = -heatLoad_;
    double high = inletTemp_, highExcess = excess(high);
    if (highExcess < 0) {
        // Short of the heat load at the desired inlet temperature: the point lies above it, at most
        // where the mean oil temperature reaches the end of the viscosity table.
        low = high;
        lowExcess = highExcess;
        high = HottestInlet(drop);
        if (!(high > low)) throw RatingError(diagnosis::OperatingPointBeyondViscosityTable());
        highExcess = excess(high);
        if (highExcess < 0)
            throw RatingError(PerformanceAt(capacity, high, drop, viscosities) > 0
                                  ? diagnosis::OperatingPointBeyondViscosityTable()
                                  : diagnosis::NoHeatTransferAtOperatingPoint());
    }
    const double inlet = FindRoot(excess, low, lowExcess, high, highExcess, kOperatingPointTolerance);
    return {inlet, PerformanceAt(capacity, inlet, drop, viscosities)};
}

double CoolerRating::PerformanceAt(double capacity, double inletTemp, double drop,
                                   const Functions::ViscosityRow& viscosities) const {
    // Refused where the table gives no viscosity at the mean oil temperature.
    const double viscosity = viscosities.At(inletTemp - drop * 0.5);
    if (!IsViscosity(viscosity)) throw RatingError(diagnosis::OperatingPointBeyondViscosityTable());
    return capacity * CapacityFactor(inletTemp, viscosity);
}

std::string CoolerRating::ImpossibleRating(const Corrected& at, double /*performance*/) const {
    // The oil cannot leave a cooler at or below the temperature of what cools it.
    if (!(ExitOilTemp() > coolantTemp_) || !(at.inletTemp > coolantTemp_) || !(at.exitOilTemp > coolantTemp_))
        return diagnosis::OilCooledToCoolant(CoolantName());
    if (!IsViscosity(cst_) || !IsViscosity(at.viscosity) || !IsViscosity(ViscosityAtAvgTemp()))
        return diagnosis::OperatingPointBeyondViscosityTable();
    return "";
}

std::string CoolerRating::NameOf(std::int32_t id) {
    const auto rows = data_.Execute("SELECT Name FROM Coolers WHERE CoolerID = ?1", {id});
    if (rows.Rows() == 0) throw DataError("Cooler " + std::to_string(id) + " is not in the cooler database.");
    return OptionalText(rows.At(0, 0));
}

FieldRowArray<std::string> CoolerRating::ListOfSuitableCoolers() {
    FieldRowArray<std::string> list(3, suitable_.Count() + 1);
    std::size_t i = 0;
    for (const PerformanceID& entry : suitable_) {
        ++i;
        list.At(0, i) = NameOf(entry.ID());
        list.At(1, i) = std::to_string(entry.ID());
        list.At(2, i) = vb::CStr(entry.Performance());
    }
    return list;
}

void CoolerRating::SetCoolerID(std::int32_t id) {
    const PerformanceID previous = selected_;
    if (const PerformanceID* entry = suitable_.Find(id)) selected_ = *entry;
    if (selected_.ID() == 0) return;
    try {
        LoadCoolerDetails();
    } catch (...) {
        selected_ = previous;  // the selection and its details stay together
        throw;
    }
}

double CoolerRating::FamilyMaximumCapacity() {
    const auto rows = data_.Execute(
        "SELECT Max(CoolingCapacity.CoolingCapacity) FROM (CoolerTypes INNER JOIN Coolers ON CoolerTypes.Code = "
        "Coolers.CoolerType) INNER JOIN CoolingCapacity ON Coolers.CoolerID = CoolingCapacity.CoolerID "
        "WHERE CoolerTypes.CoolerType = ?1 COLLATE NOCASE",
        {family_});
    return NumberOrZero(rows.At(0, 0));
}

std::string CoolerRating::OilFlowRangeMessage() const {
    if (oilFlow_ > programMaxOilFlow_) return diagnosis::OilFlowBeyondRange(programMaxOilFlow_);
    if (oilFlow_ < programMinOilFlow_) return diagnosis::OilFlowBelowRange(programMinOilFlow_);
    return "";
}

}  // namespace quellmar::engine
