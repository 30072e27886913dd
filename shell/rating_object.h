#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quellmar::shell {

// One cooler in a list of alternatives: its name, key and performance (kW/degree C ETD), and for
// the sorted lists the key it is sorted by (pressure drop, cost ranking or noise level).
struct ListedCooler {
    std::string name;
    long id = 0;
    double performance = 0;
    double key = 0;
};

// The members of a rating object that every selection document uses, whatever its family: the
// duty, the search and its diagnosis, the selected model and its rating, its drawing and the choice
// of another model. Option indexes and unit codes are set before the values they convert.
class RatingObject {
public:
    virtual ~RatingObject() = default;

    virtual void HeatUnits(long code) = 0;
    virtual void OilFlowUnits(long code) = 0;
    virtual void TempUnits(long code) = 0;
    virtual void HeatLoad(double value) = 0;
    virtual void InletTemp(double value) = 0;
    virtual void OilFlow(double value) = 0;
    virtual void Viscosity(long grade) = 0;

    virtual void FindCooler() = 0;
    // Whether a cooler of some size could meet the duty of the last search; where none could, the
    // duty's viscosity estimate rests on no possible oil temperature.
    virtual bool DutyWithinReach() = 0;
    virtual bool OutOfRange() = 0;
    virtual std::string ErrorMessage() = 0;
    // Raises engine::RatingError, whose text the document shows in place of the results, when the
    // selected cooler has no operating point at the duty.
    virtual void Recalculate() = 0;
    virtual std::string Dxf() = 0;
    virtual std::string CoolerName() = 0;
    // Every suitable cooler in ascending performance (adequate or not).
    virtual std::vector<ListedCooler> ListOfSuitableCoolers() = 0;
    virtual void CoolerID(long id) = 0;

    virtual double HeatLoadKw() = 0;
    virtual double HeatLoadKjH() = 0;
    virtual double HeatLoadKcalH() = 0;
    virtual double HeatLoadBtuMin() = 0;
    virtual double HeatLoadHP() = 0;
    virtual double HeatLoadBtuH() = 0;
    virtual std::string ViscosityName() = 0;
    virtual double InletTempC() = 0;
    virtual double InletTempF() = 0;
    virtual double CorrectedInletTempC() = 0;
    virtual double CorrectedInletTempF() = 0;
    virtual double OilFlowL() = 0;
    virtual double OilFlowImpGal() = 0;
    virtual double OilFlowUSGal() = 0;
    virtual double OilFlowCuIns() = 0;
    virtual double PerfomanceMetric() = 0;
    virtual double PerfomanceImperial() = 0;
    virtual double Cst() = 0;
    virtual double SUS() = 0;
    virtual double ConvertCstToSUS(double cst) = 0;
    virtual std::string PartNumber() = 0;
    virtual std::string Leaflet() = 0;
    virtual double Weight() = 0;
    virtual std::string Description() = 0;
    virtual double MaxOilFlowByModel() = 0;
    virtual double SelectedPerformance() = 0;
    virtual double PressureDrop() = 0;
    virtual double MaxCurveOIlFlow() = 0;
    virtual double PercentHTMargin() = 0;
    virtual double CorrectedExitOilTemp() = 0;
};

// What the two families cooled by ambient air (air-cooled and mobile) add.
class AirFamilyRating : public RatingObject {
public:
    virtual void AirTemp(double value) = 0;
    virtual double AirTempC() = 0;
    virtual double AirTempF() = 0;
    virtual double MaxAmbientTemp() = 0;
    virtual double CorrectedAvgOilTemp() = 0;
    virtual double CorrectedVoC() = 0;
};

// The air-cooled rating object, as the air-cooled document uses it.
class AirCoolerRating : public AirFamilyRating {
public:
    virtual void ProductRange(long range) = 0;
    virtual void MotorType(long index) = 0;
    // The adequate coolers sorted by their key.
    virtual std::vector<ListedCooler> SortByPressureDrop() = 0;
    virtual std::vector<ListedCooler> SortByPrice() = 0;
    virtual std::vector<ListedCooler> SortByNoise() = 0;
};

// The mobile rating object: an air-cooled family whose capacity depends on the air face velocity.
class MobileCoolerRating : public AirFamilyRating {
public:
    // Metres per second.
    virtual void AirFaceVelocity(double value) = 0;
    virtual double AirFaceVelocity() = 0;
};

// The water-cooled rating object. Its PressureDrop may hold the engine's markers for a viscosity
// beyond the model's correction table (engine::WaterCooled).
class WaterCoolerRating : public RatingObject {
public:
    virtual void Series(long index) = 0;
    virtual void WaterTemp(double value) = 0;
    // In the oil-flow unit.
    virtual void WaterFlow(double value) = 0;

    virtual double WaterTempC() = 0;
    virtual double WaterTempF() = 0;
    virtual double WaterFlowL() = 0;
    virtual double WaterFlowImpGal() = 0;
    virtual double WaterFlowUSGal() = 0;
    virtual double WaterFlowCuIns() = 0;
    virtual double ShellOilSidePressure() = 0;
    virtual double WaterSidePressure() = 0;
    virtual double MaxWaterFlowByModel() = 0;
    virtual double AvailableETD() = 0;
    virtual double CorrectedViscosity() = 0;
    virtual double CorrectedAverageOilTemp() = 0;
    virtual double CorrectedExitWaterTemp() = 0;
};

// Makes the rating object of a new document or search. The program makes engine objects over the
// cooler database; tests put their own objects behind the same calls.
template <class Rating>
using RatingFactory = std::function<std::unique_ptr<Rating>()>;
using AirRatingFactory = RatingFactory<AirCoolerRating>;
// The one maker of each family's rating objects, empty until the program (or a test) sets it.
template <class Rating>
RatingFactory<Rating>& RatingMaker() {
    static RatingFactory<Rating> maker;
    return maker;
}
inline AirRatingFactory& AirRatingMaker() { return RatingMaker<AirCoolerRating>(); }
inline RatingFactory<MobileCoolerRating>& MobileRatingMaker() { return RatingMaker<MobileCoolerRating>(); }
inline RatingFactory<WaterCoolerRating>& WaterRatingMaker() { return RatingMaker<WaterCoolerRating>(); }

// A new rating object from a maker; an error when the program has registered none.
template <class Rating>
std::unique_ptr<Rating> NewRatingFrom(const RatingFactory<Rating>& maker) {
    if (!maker) throw std::runtime_error("The cooler rating engine is not available.");
    return maker();
}

}  // namespace quellmar::shell
