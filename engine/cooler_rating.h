#pragma once

#include "engine/data_access.h"
#include "engine/field_row_array.h"
#include "engine/functions.h"
#include "engine/performance_id.h"
#include "engine/suitable_list.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quellmar::engine {

// What the three rating classes (AirCooled, Mobile, WaterCooled) share: the unit model, the duty,
// the search for the smallest adequate model, the selected cooler's particulars, the two-pass
// recalculation and the list of suitable coolers.
//
// Member convention of the rating classes: a property that is set ("let") is SetName(value); a
// property that is read is Name(). Unit codes must be set before the values they convert, because
// a value is converted when it is set.
//
// Errors are vb::RuntimeError subclasses (engine_error.h): DatabaseError, DataError for stored data
// the engine cannot use, RatingError for a duty or selection that would divide by zero.
class CoolerRating {
public:
    virtual ~CoolerRating();
    CoolerRating(const CoolerRating&) = delete;
    CoolerRating& operator=(const CoolerRating&) = delete;

    // Unit codes: heat 0 kW, 1 kJ/h, 2 kcal/h, 3 Btu/min, 4 HP, 5 Btu/h; flow 0 l/min,
    // 1 Imp gal/min, 2 US gal/min, 3 cu in/min; temperature 0 degrees C, any other degrees F.
    void SetHeatUnits(std::int32_t code) { heatUnitCode_ = code; }
    void SetOilFlowUnits(std::int32_t code) { flowUnitCode_ = code; }
    void SetTempUnits(std::int32_t code) { tempUnitCode_ = code; }

    // A heat or flow value with a code outside its table is not stored (the previous value stays).
    void SetHeatLoad(double value);
    void SetInletTemp(double value);
    void SetOilFlow(double value);
    void SetViscosity(std::int32_t grade) { grade_ = grade; }

    double HeatLoadKw() const;
    double HeatLoadKjH() const;
    double HeatLoadKcalH() const;
    double HeatLoadBtuMin() const;
    double HeatLoadHP() const;
    double HeatLoadBtuH() const;
    double OilFlowL() const;
    double OilFlowImpGal() const;
    double OilFlowUSGal() const;
    double OilFlowCuIns() const;
    double InletTempC() const { return inletTemp_; }
    double InletTempF() const;
    double CorrectedInletTempC() const { return corrected_.inletTemp; }
    double CorrectedInletTempF() const;
    std::string ViscosityName() const;

    // Required performance (kW per degree C ETD) of the last FindCooler; 0 before it.
    double PerfomanceMetric() const { return requiredPerformance_; }
    // Btu/min per degree F ETD, from the current inputs.
    double PerfomanceImperial() const;
    // Viscosity of the duty at its mean oil temperature, set by FindCooler.
    double Cst() const { return cst_; }
    double SUS() const;
    static double ConvertCstToSUS(double valueInCst);

    // The selected cooler: texts "" and numbers 0 while none is selected.
    const std::string& CoolerName() const { return details_.name; }
    const std::string& PartNumber() const { return details_.partNumber; }
    const std::string& Leaflet() const { return details_.leaflet; }
    const std::string& Description() const { return details_.description; }
    double Weight() const { return details_.weight; }
    double MaxOilFlowByModel() const { return details_.maxOilFlow; }
    double MaxCurveOIlFlow() const { return details_.maxCurveOilFlow; }
    double SelectedPerformance() const { return selected_.Performance(); }
    double PressureDrop() const { return pressureDrop_; }
    // The selected model's drawing as DXF text; "" for a model without one or when none is selected.
    std::string Dxf();

    // The selected cooler's rating at the desired inlet temperature.
    double PercentHTMargin() const;
    double ExitOilTemp() const;
    double AverageOilTemp() const;
    double ViscosityAtAvgTemp() const;
    // Set by Recalculate: the operating point on the duty's heat load and oil flow.
    double CorrectedExitOilTemp() const { return corrected_.exitOilTemp; }

    // Rates every model of the family at the duty, lists those that can run at it in ascending
    // performance and selects the first adequate one, unless no cooler can meet the duty at all. An
    // earlier selection is cleared first.
    void FindCooler();
    // The operating point of the selected cooler on the duty: the inlet temperature at which it carries
    // the heat load at the viscosity of its mean oil temperature. Two fixed passes give it where their
    // result is consistent (both with heat transfer, the inlet temperature on the side of the desired
    // one that the margin tells and within the viscosity table) and its figures carry the heat load to
    // within kHeatBalanceTolerance; elsewhere it is found between the coolant temperature and the
    // desired inlet temperature, or above it up to the end of the viscosity table, to within
    // kOperatingPointTolerance. RatingError when none is selected, when there is no operating point
    // within the table, when the rating would be physically impossible (oil leaving at or below the
    // coolant, water at or above the oil, a viscosity that is none) and when the model's pressure-drop
    // data give no pressure drop there: the error's text says so, and the previous operating point stays.
    void Recalculate();
    // How closely the operating point's inlet temperature is found where the two passes do not give it.
    static constexpr double kOperatingPointTolerance = 1e-9;  // degrees C
    // How far the heat the two passes' figures imply, (inlet - exit oil) x oil flow / 34.5, may lie from
    // the heat load, as a share of it.
    static constexpr double kHeatBalanceTolerance = 0.01;

    // Field 0 the model name, 1 the CoolerID, 2 the performance (default number-to-text, "."), as
    // texts; entry 0 is empty and entries 1 to n follow the suitable list.
    FieldRowArray<std::string> ListOfSuitableCoolers();
    // Selects the first list entry with this ID (an ID not in the list keeps the selection) and
    // loads the selected cooler's details again; nothing happens while none is selected.
    void SetCoolerID(std::int32_t id);

    // Whether the document must show ErrorMessage instead of a rating: first the family's program
    // range, then a duty no cooler can meet, then a search that selected no cooler.
    bool OutOfRange();
    // Whether a cooler of some size could meet the duty of the last FindCooler: the oil need not leave
    // at or below the coolant (nor the water at or above the oil). Where it could not, the duty's mean
    // oil temperature, and so Cst, belongs to no possible operating point.
    bool DutyWithinReach() const { return DutyBeyondReach().empty(); }
    const std::string& ErrorMessage() const { return errorMessage_; }

protected:
    struct Details {
        std::string name, partNumber, leaflet, description;
        double weight = 0, maxOilFlow = 0, maxCurveOilFlow = 0;
    };
    // The operating point's figures, as Recalculate stores them.
    struct Corrected {
        double inletTemp = 0, exitOilTemp = 0, avgOilTemp = 0, viscosity = 0;
    };

    // `family` is the CoolerTypes name the family's queries compare with ("air", "mobile", "water").
    CoolerRating(const std::filesystem::path& database, std::string family);

    // The family's models as rows (CoolerID, MaxOilFlow).
    virtual QueryResult SelectModels() = 0;
    // Runs after the duty's derived values, before the models are rated.
    virtual void PrepareSearch() {}
    // The factor on a model's curve capacity in the search; by default CapacityFactor at Cst.
    virtual double SearchFactor(std::int32_t id);
    // The factor on the selected model's curve capacity in the recalculation, at an oil inlet
    // temperature and the viscosity of a mean oil temperature.
    virtual double CapacityFactor(double inletTemp, double viscosity) const = 0;
    virtual void LoadCoolerDetails();
    virtual void ClearSelection();
    // Runs before the recalculation's first capacity factor.
    virtual void PrepareRecalculation() {}
    // The selected model's pressure drop at the operating point's viscosity; nothing where its data give
    // a negative one or none.
    virtual std::optional<double> RecalculatedPressureDrop(double viscosity) = 0;
    // A pressure drop from a curve's pressure and its correction factor; nothing where either is
    // negative or no number.
    static std::optional<double> PressureDropOf(double curvePressure, double factor);
    // Why the rating at an operating point cannot happen, or "" when it can: the oil side here, what the
    // coolant takes up in the families that know it.
    virtual std::string ImpossibleRating(const Corrected& at, double performance) const;
    // Stores what the family adds to an operating point that passed ImpossibleRating.
    virtual void FinishRecalculation(double /*inletTemp*/, double /*performance*/) {}

    double Viscosity(double temperature) const;
    double AverageOilTempFor(double performance) const;
    // The selected model's performance, refusing a selection that cannot be divided by.
    double SelectionPerformance() const;
    // The entering temperature difference at which the selected model carries the heat load.
    double NeededEtd() const;
    std::string NameOf(std::int32_t id);
    // The family's largest curve capacity, raw as stored (0 for an empty family).
    double FamilyMaximumCapacity();
    // The oil-flow messages of an empty list, or "" when the oil flow is within the program's range.
    std::string OilFlowRangeMessage() const;
    // What cools the oil, as the messages name it: "air" or "water".
    virtual std::string_view CoolantName() const = 0;
    // Why no cooler of any size can meet the duty of the last FindCooler, or "" when one could: by
    // default the oil's part of it, that the oil would have to cool to the coolant or below.
    virtual std::string DutyBeyondReach() const { return OilDropBeyondReach(); }
    std::string OilDropBeyondReach() const;
    // A temperature difference (degrees C) in the duty's temperature unit, with that unit's letter.
    double InDutyUnit(double difference) const;
    char DutyUnit() const;
    // The entering temperature difference of the duty in the duty's temperature unit.
    double EtdInDutyUnit() const;
    // The family's program-range messages of OutOfRange, in their order, for the last FindCooler; ""
    // when the duty lies within the program's range.
    virtual std::string OutsideProgramRange() = 0;
    // The family's message when the search selected no cooler although the duty lies within range and
    // reach; "" when a cooler is selected.
    virtual std::string NoCoolerSelected() const = 0;

    DataAccess data_;
    const std::filesystem::path database_;
    const std::string family_;

    std::int32_t heatUnitCode_ = 0, flowUnitCode_ = 0, tempUnitCode_ = 0, grade_ = 0;
    double heatLoad_ = 0, oilFlow_ = 0, inletTemp_ = 0;
    double coolantTemp_ = 0;  // air or cooling water inlet, degrees C

    double requiredPerformance_ = 0, oilTempDrop_ = 0, meanOilTemp_ = 0, cst_ = 0;
    double programMaxOilFlow_ = 0, programMinOilFlow_ = 0;

    SuitableList suitable_;
    PerformanceID selected_;
    Details details_;
    double pressureDrop_ = 0;
    Corrected corrected_;
    std::string errorMessage_;

private:
    // An inlet temperature of the selected cooler and its performance there.
    struct OperatingPoint {
        double inletTemp = 0, performance = 0;
    };

    void CalculateDerivedValues();
    // The two fixed passes from the selected performance, or nothing where their result is not
    // consistent: a pass without heat transfer or viscosity, or an inlet temperature on the wrong side
    // of the desired one or beyond the viscosity table.
    std::optional<OperatingPoint> TwoPasses(double capacity, double drop) const;
    // The operating point itself, found by bracketing; RatingError when there is none within the
    // viscosity table.
    OperatingPoint BracketedOperatingPoint(double capacity, double drop);
    // The figures shown for an inlet temperature and the performance there, as the second pass gives them.
    Corrected FiguresAt(const OperatingPoint& point) const;
    // Whether the heat that figures imply lies within kHeatBalanceTolerance of the heat load.
    bool CarriesHeatLoad(const Corrected& figures) const;
    // The selected cooler's performance at an inlet temperature, at the viscosity of the mean oil
    // temperature half the duty's drop below it.
    double PerformanceAt(double capacity, double inletTemp, double drop, const Functions::ViscosityRow& viscosities) const;
    double ModelPerformance(std::int32_t id, double maxOilFlow);
    QueryResult CapacityCurveRows(std::int32_t id);
};

}  // namespace quellmar::engine
