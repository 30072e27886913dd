#pragma once

#include "rating_object.h"

#include "engine/engine_error.h"

#include <memory>
#include <string>
#include <vector>

// Rating objects that record the calls a document makes and answer with values a test sets; one
// set of values serves the three families.
struct FakeValues {
    bool outOfRange = false;
    bool dutyWithinReach = true;
    std::string errorMessage;
    // When set, Recalculate refuses the operating point with this text.
    std::string refusal;
    std::string dxf;
    std::string coolerName = "QA 55 AC";
    double heatLoadKw = 20, heatLoadKjH = 72000, heatLoadKcalH = 17211.7, heatLoadBtuMin = 1137.44, heatLoadHP = 26.81,
           heatLoadBtuH = 68246.4;
    double airTempC = 30, airTempF = 86, inletTempC = 60, inletTempF = 140;
    double correctedInletC = 57, correctedInletF = 134.6;
    double oilFlowL = 60, oilFlowImpGal = 13.2, oilFlowUSGal = 15.85, oilFlowCuIns = 3661.4;
    double performanceMetric = 0.667, performanceImperial = 21.1, cst = 25, sus = 116;
    double weight = 31.2, maxOilFlowByModel = 90, selectedPerformance = 0.75, pressureDrop = 0.9, maxCurveOilFlow = 80;
    double maxAmbient = 33.3, margin = 12.4, exitOil = 45, avgOil = 51;
    // The viscosity at the corrected average temperature (CorrectedVoC, CorrectedViscosity).
    double correctedVoC = 29;
    // Water-cooled only.
    double waterTempC = 20, waterTempF = 68, waterFlowL = 120, waterFlowImpGal = 26.396, waterFlowUSGal = 31.701,
           waterFlowCuIns = 7322.9;
    double shellOilSidePressure = 16, waterSidePressure = 10, maxWaterFlow = 150, availableETD = 26.7, exitWater = 27.5;
    std::vector<quellmar::shell::ListedCooler> suitable, byPressure, byPrice, byNoise;
};

using FakeCalls = std::vector<std::string>;

// The members every family shares.
template <class Interface>
class FakeRating : public Interface {
public:
    FakeRating(std::shared_ptr<FakeValues> values, std::shared_ptr<FakeCalls> calls)
        : v_(std::move(values)), calls_(std::move(calls)) {}

    void HeatUnits(long x) override { Record("HeatUnits=" + std::to_string(x)); }
    void OilFlowUnits(long x) override { Record("OilFlowUnits=" + std::to_string(x)); }
    void TempUnits(long x) override { Record("TempUnits=" + std::to_string(x)); }
    void HeatLoad(double x) override { Record("HeatLoad=" + Text(x)); }
    void InletTemp(double x) override { Record("InletTemp=" + Text(x)); }
    void OilFlow(double x) override { Record("OilFlow=" + Text(x)); }
    void Viscosity(long x) override { Record("Viscosity=" + std::to_string(x)); }

    void FindCooler() override { Record("FindCooler"); }
    bool DutyWithinReach() override { return v_->dutyWithinReach; }
    bool OutOfRange() override { return v_->outOfRange; }
    std::string ErrorMessage() override { return v_->errorMessage; }
    void Recalculate() override {
        Record("Recalculate");
        if (!v_->refusal.empty()) throw quellmar::engine::RatingError(v_->refusal);
    }
    std::string Dxf() override { return v_->dxf; }
    std::string CoolerName() override { return v_->coolerName; }
    std::vector<quellmar::shell::ListedCooler> ListOfSuitableCoolers() override { return v_->suitable; }
    void CoolerID(long id) override { Record("CoolerID=" + std::to_string(id)); }

    double HeatLoadKw() override { return v_->heatLoadKw; }
    double HeatLoadKjH() override { return v_->heatLoadKjH; }
    double HeatLoadKcalH() override { return v_->heatLoadKcalH; }
    double HeatLoadBtuMin() override { return v_->heatLoadBtuMin; }
    double HeatLoadHP() override { return v_->heatLoadHP; }
    double HeatLoadBtuH() override { return v_->heatLoadBtuH; }
    std::string ViscosityName() override { return "ISO46"; }
    double InletTempC() override { return v_->inletTempC; }
    double InletTempF() override { return v_->inletTempF; }
    double CorrectedInletTempC() override { return v_->correctedInletC; }
    double CorrectedInletTempF() override { return v_->correctedInletF; }
    double OilFlowL() override { return v_->oilFlowL; }
    double OilFlowImpGal() override { return v_->oilFlowImpGal; }
    double OilFlowUSGal() override { return v_->oilFlowUSGal; }
    double OilFlowCuIns() override { return v_->oilFlowCuIns; }
    double PerfomanceMetric() override { return v_->performanceMetric; }
    double PerfomanceImperial() override { return v_->performanceImperial; }
    double Cst() override { return v_->cst; }
    double SUS() override { return v_->sus; }
    double ConvertCstToSUS(double cst) override { return cst * 4.64; }
    std::string PartNumber() override { return "QA-0055-AC"; }
    std::string Leaflet() override { return "QAL-101"; }
    double Weight() override { return v_->weight; }
    std::string Description() override { return "Test cooler"; }
    double MaxOilFlowByModel() override { return v_->maxOilFlowByModel; }
    double SelectedPerformance() override { return v_->selectedPerformance; }
    double PressureDrop() override { return v_->pressureDrop; }
    double MaxCurveOIlFlow() override { return v_->maxCurveOilFlow; }
    double PercentHTMargin() override { return v_->margin; }
    double CorrectedExitOilTemp() override { return v_->exitOil; }

protected:
    static std::string Text(double x) {
        std::string text = std::to_string(x);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.') text.pop_back();
        return text;
    }
    void Record(const std::string& call) { calls_->push_back(call); }

    std::shared_ptr<FakeValues> v_;
    std::shared_ptr<FakeCalls> calls_;
};

template <class Interface>
class FakeAirFamilyRating : public FakeRating<Interface> {
public:
    using FakeRating<Interface>::FakeRating;
    void AirTemp(double x) override { this->Record("AirTemp=" + this->Text(x)); }
    double AirTempC() override { return this->v_->airTempC; }
    double AirTempF() override { return this->v_->airTempF; }
    double MaxAmbientTemp() override { return this->v_->maxAmbient; }
    double CorrectedAvgOilTemp() override { return this->v_->avgOil; }
    double CorrectedVoC() override { return this->v_->correctedVoC; }
};

class FakeAirRating final : public FakeAirFamilyRating<quellmar::shell::AirCoolerRating> {
public:
    using FakeAirFamilyRating::FakeAirFamilyRating;
    void ProductRange(long x) override { Record("ProductRange=" + std::to_string(x)); }
    void MotorType(long x) override { Record("MotorType=" + std::to_string(x)); }
    std::vector<quellmar::shell::ListedCooler> SortByPressureDrop() override { return v_->byPressure; }
    std::vector<quellmar::shell::ListedCooler> SortByPrice() override { return v_->byPrice; }
    std::vector<quellmar::shell::ListedCooler> SortByNoise() override { return v_->byNoise; }
};

class FakeMobileRating final : public FakeAirFamilyRating<quellmar::shell::MobileCoolerRating> {
public:
    using FakeAirFamilyRating::FakeAirFamilyRating;
    // The engine keeps the face velocity as it is set.
    void AirFaceVelocity(double x) override {
        Record("AirFaceVelocity=" + Text(x));
        faceVelocity_ = x;
    }
    double AirFaceVelocity() override { return faceVelocity_; }

private:
    double faceVelocity_ = 0;
};

class FakeWaterRating final : public FakeRating<quellmar::shell::WaterCoolerRating> {
public:
    using FakeRating::FakeRating;
    void Series(long x) override { Record("Series=" + std::to_string(x)); }
    void WaterTemp(double x) override { Record("WaterTemp=" + Text(x)); }
    void WaterFlow(double x) override { Record("WaterFlow=" + Text(x)); }
    double WaterTempC() override { return v_->waterTempC; }
    double WaterTempF() override { return v_->waterTempF; }
    double WaterFlowL() override { return v_->waterFlowL; }
    double WaterFlowImpGal() override { return v_->waterFlowImpGal; }
    double WaterFlowUSGal() override { return v_->waterFlowUSGal; }
    double WaterFlowCuIns() override { return v_->waterFlowCuIns; }
    double ShellOilSidePressure() override { return v_->shellOilSidePressure; }
    double WaterSidePressure() override { return v_->waterSidePressure; }
    double MaxWaterFlowByModel() override { return v_->maxWaterFlow; }
    double AvailableETD() override { return v_->availableETD; }
    double CorrectedViscosity() override { return v_->correctedVoC; }
    double CorrectedAverageOilTemp() override { return v_->avgOil; }
    double CorrectedExitWaterTemp() override { return v_->exitWater; }
};

// Puts fakes behind one family's documents for one test: every new rating object shares the values
// and the call record; `made` counts the objects made.
template <class Fake, class Interface>
struct FakeEngine {
    std::shared_ptr<FakeValues> values = std::make_shared<FakeValues>();
    std::shared_ptr<FakeCalls> calls = std::make_shared<FakeCalls>();
    std::shared_ptr<int> made = std::make_shared<int>(0);

    explicit FakeEngine(quellmar::shell::RatingFactory<Interface>& maker) : maker_(maker) {
        maker_ = [values = values, calls = calls, made = made] {
            ++*made;
            calls->push_back("new");
            return std::make_unique<Fake>(values, calls);
        };
    }
    ~FakeEngine() { maker_ = nullptr; }
    FakeEngine(const FakeEngine&) = delete;
    FakeEngine& operator=(const FakeEngine&) = delete;

private:
    quellmar::shell::RatingFactory<Interface>& maker_;
};

struct FakeAirEngine : FakeEngine<FakeAirRating, quellmar::shell::AirCoolerRating> {
    FakeAirEngine() : FakeEngine(quellmar::shell::AirRatingMaker()) {}
};
struct FakeMobileEngine : FakeEngine<FakeMobileRating, quellmar::shell::MobileCoolerRating> {
    FakeMobileEngine() : FakeEngine(quellmar::shell::MobileRatingMaker()) {}
};
struct FakeWaterEngine : FakeEngine<FakeWaterRating, quellmar::shell::WaterCoolerRating> {
    FakeWaterEngine() : FakeEngine(quellmar::shell::WaterRatingMaker()) {}
};
