#pragma once

#include "rating_object.h"

#include <memory>
#include <string>
#include <vector>

// A rating object that records the calls a document makes and answers with values a test sets.
struct FakeAirValues {
    bool outOfRange = false;
    std::string errorMessage;
    std::string dxf;
    std::string coolerName = "QA 55 AC";
    double heatLoadKw = 20, heatLoadKjH = 72000, heatLoadKcalH = 17211.7, heatLoadBtuMin = 1137.44, heatLoadHP = 26.81,
           heatLoadBtuH = 68246.4;
    double airTempC = 30, airTempF = 86, inletTempC = 60, inletTempF = 140;
    double correctedInletC = 57, correctedInletF = 134.6;
    double oilFlowL = 60, oilFlowImpGal = 13.2, oilFlowUSGal = 15.85, oilFlowCuIns = 3661.4;
    double performanceMetric = 0.667, performanceImperial = 21.1, cst = 25, sus = 116;
    double weight = 31.2, maxOilFlowByModel = 90, selectedPerformance = 0.75, pressureDrop = 0.9, maxCurveOilFlow = 80;
    double maxAmbient = 33.3, margin = 12.4, exitOil = 45, avgOil = 51, correctedVoC = 29;
    std::vector<quellmar::shell::ListedCooler> suitable, byPressure, byPrice, byNoise;
};

class FakeAirRating final : public quellmar::shell::AirCoolerRating {
public:
    explicit FakeAirRating(std::shared_ptr<FakeAirValues> values, std::shared_ptr<std::vector<std::string>> calls)
        : v_(std::move(values)), calls_(std::move(calls)) {}

    void FindCooler() override { Record("FindCooler"); }
    bool OutOfRange() override { return v_->outOfRange; }
    std::string ErrorMessage() override { return v_->errorMessage; }
    void Recalculate() override { Record("Recalculate"); }
    std::string Dxf() override { return v_->dxf; }
    std::string CoolerName() override { return v_->coolerName; }
    std::vector<quellmar::shell::ListedCooler> ListOfSuitableCoolers() override { return v_->suitable; }
    void CoolerID(long id) override { Record("CoolerID=" + std::to_string(id)); }

    void ProductRange(long x) override { Record("ProductRange=" + std::to_string(x)); }
    void HeatUnits(long x) override { Record("HeatUnits=" + std::to_string(x)); }
    void OilFlowUnits(long x) override { Record("OilFlowUnits=" + std::to_string(x)); }
    void TempUnits(long x) override { Record("TempUnits=" + std::to_string(x)); }
    void MotorType(long x) override { Record("MotorType=" + std::to_string(x)); }
    void AirTemp(double x) override { Record("AirTemp=" + Text(x)); }
    void HeatLoad(double x) override { Record("HeatLoad=" + Text(x)); }
    void InletTemp(double x) override { Record("InletTemp=" + Text(x)); }
    void OilFlow(double x) override { Record("OilFlow=" + Text(x)); }
    void Viscosity(long x) override { Record("Viscosity=" + std::to_string(x)); }

    double HeatLoadKw() override { return v_->heatLoadKw; }
    double HeatLoadKjH() override { return v_->heatLoadKjH; }
    double HeatLoadKcalH() override { return v_->heatLoadKcalH; }
    double HeatLoadBtuMin() override { return v_->heatLoadBtuMin; }
    double HeatLoadHP() override { return v_->heatLoadHP; }
    double HeatLoadBtuH() override { return v_->heatLoadBtuH; }
    std::string ViscosityName() override { return "ISO46"; }
    double AirTempC() override { return v_->airTempC; }
    double AirTempF() override { return v_->airTempF; }
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
    double MaxAmbientTemp() override { return v_->maxAmbient; }
    double PercentHTMargin() override { return v_->margin; }
    double CorrectedExitOilTemp() override { return v_->exitOil; }
    double CorrectedAvgOilTemp() override { return v_->avgOil; }
    double CorrectedVoC() override { return v_->correctedVoC; }
    std::vector<quellmar::shell::ListedCooler> SortByPressureDrop() override { return v_->byPressure; }
    std::vector<quellmar::shell::ListedCooler> SortByPrice() override { return v_->byPrice; }
    std::vector<quellmar::shell::ListedCooler> SortByNoise() override { return v_->byNoise; }

private:
    static std::string Text(double x) {
        std::string text = std::to_string(x);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.') text.pop_back();
        return text;
    }
    void Record(const std::string& call) { calls_->push_back(call); }

    std::shared_ptr<FakeAirValues> v_;
    std::shared_ptr<std::vector<std::string>> calls_;
};

// Puts fakes behind the air-cooled document for one test: every new rating object shares the
// values and the call record; `made` counts the objects made.
struct FakeAirEngine {
    std::shared_ptr<FakeAirValues> values = std::make_shared<FakeAirValues>();
    std::shared_ptr<std::vector<std::string>> calls = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<int> made = std::make_shared<int>(0);

    FakeAirEngine() {
        quellmar::shell::AirRatingMaker() = [values = values, calls = calls, made = made] {
            ++*made;
            calls->push_back("new");
            return std::make_unique<FakeAirRating>(values, calls);
        };
    }
    ~FakeAirEngine() { quellmar::shell::AirRatingMaker() = nullptr; }
};
