// Where the recalculation's two fixed passes overshoot (cold, thick oil) the selected cooler is rated
// at its operating point itself: the inlet temperature at which it carries the heat load at the
// viscosity of its mean oil temperature. Duties on the bundled database, as a user types them.
#include "engine/air_cooled.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "engine/mobile.h"
#include "engine/temperature_correction.h"
#include "engine/water_cooled.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using quellmar::engine::AirCooled;
using quellmar::engine::Mobile;
using quellmar::engine::WaterCooled;
namespace Functions = quellmar::engine::Functions;

constexpr double kOilLpmPerKwC = 34.5;

class OperatingPoint : public ::testing::Test {
protected:
    template <class Rating>
    void Duty(Rating& r, double kw, double litres, double inletC, int grade) const {
        r.SetHeatLoad(kw);
        r.SetOilFlow(litres);
        r.SetInletTemp(inletC);
        r.SetViscosity(grade);
    }
    std::unique_ptr<Mobile> MobileSearch(double kw, double litres, double airC, double inletC, int grade, double velocity) {
        auto m = std::make_unique<Mobile>(db_.Path());
        m->SetAirTemp(airC);
        Duty(*m, kw, litres, inletC, grade);
        m->SetAirFaceVelocity(velocity);
        m->FindCooler();
        return m;
    }
    std::unique_ptr<AirCooled> AirSearch(double kw, double litres, double airC, double inletC, int grade, int motor) {
        auto a = std::make_unique<AirCooled>(db_.Path());
        a->SetProductRange(0);
        a->SetMotorType(motor);
        a->SetAirTemp(airC);
        Duty(*a, kw, litres, inletC, grade);
        a->FindCooler();
        return a;
    }

    double Viscosity(double t, int grade) const { return Functions::ViscosityAtTemp(db_.Path(), t, grade); }

    // The selected air or mobile cooler's performance at an inlet temperature: its performance at the
    // desired one, derated at the viscosity of the other mean oil temperature instead.
    template <class Rating>
    std::function<double(double)> AirFamilyPerformance(Rating& r, int grade) const {
        const double drop = r.HeatLoadKw() * kOilLpmPerKwC / r.OilFlowL();
        const double p = r.SelectedPerformance(), cst = r.Cst();
        return [=, this](double t) { return p * (1 - 0.00065 * Viscosity(t - drop / 2, grade)) / (1 - 0.00065 * cst); };
    }

    // The rating stands at an operating point: the cooler carries the heat load there, and the exit
    // and mean temperatures follow from it.
    template <class Rating>
    void ExpectOperatingPoint(Rating& r, double coolantC, const std::function<double(double)>& performanceAt) {
        const double t = r.CorrectedInletTempC(), q = r.HeatLoadKw();
        EXPECT_GT(t, coolantC);
        EXPECT_NEAR(performanceAt(t) * (t - coolantC), q, 1e-8 * q);
        EXPECT_NEAR(r.CorrectedExitOilTemp(), t - q * kOilLpmPerKwC / r.OilFlowL(), 1e-7);
        if (r.PercentHTMargin() >= 0)
            EXPECT_LE(t, r.InletTempC());
        else
            EXPECT_GE(t, r.InletTempC());
    }

    quellmar::test::TestDatabase db_{quellmar::data::Contents::Full};
};

TEST_F(OperatingPoint, AnAdequateMobileCoolerInFreezingAirAndThickOilIsRatedNotRefused) {
    // Their first pass starts so cold that 220 and 320 cSt grades leave the cooler no heat transfer.
    const auto large = MobileSearch(24.4, 85, 0, 80, 9, 6);
    ASSERT_EQ(large->CoolerName(), "MC 140");
    EXPECT_NEAR(large->PercentHTMargin(), 358.4, 0.05);
    large->Recalculate();
    ExpectOperatingPoint(*large, 0, AirFamilyPerformance(*large, 9));

    const auto small = MobileSearch(0.747, 34.6, 6, 84.7, 10, 5.55);
    ASSERT_EQ(small->CoolerName(), "MC 35");
    EXPECT_GT(small->SelectedPerformance(), 20 * small->PerfomanceMetric());
    small->Recalculate();
    ExpectOperatingPoint(*small, 6, AirFamilyPerformance(*small, 10));
}

TEST_F(OperatingPoint, AnAdequateAirCoolerCarriesTheHeatLoadBelowTheDesiredInletNotFarAboveIt) {
    // The two passes put this one at 181.5 C for a desired 38.7 C.
    const auto air = AirSearch(0.8366, 15.13, 0.8, 38.7, 8, 1);
    ASSERT_EQ(air->CoolerName(), "QA 15 AC1");
    EXPECT_GT(air->PercentHTMargin(), 300);
    air->Recalculate();
    ExpectOperatingPoint(*air, 0.8, AirFamilyPerformance(*air, 8));
    const double first[] = {air->CorrectedInletTempC(), air->CorrectedExitOilTemp(), air->CorrectedVoC(), air->PressureDrop()};
    air->Recalculate();
    const double again[] = {air->CorrectedInletTempC(), air->CorrectedExitOilTemp(), air->CorrectedVoC(), air->PressureDrop()};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(first[i], again[i]) << i;
}

TEST_F(OperatingPoint, ASmallerModelChosenAfterTheSearchRunsAboveTheDesiredInlet) {
    // No model is adequate; QA 220 HY, chosen from the list, lacks 72 % and needs a hotter inlet. The
    // two passes put it below the desired one.
    const auto air = AirSearch(9.9, 29.5, 1.6, 16.3, 8, 3);
    EXPECT_TRUE(air->OutOfRange());
    air->SetCoolerID(19);
    ASSERT_EQ(air->CoolerName(), "QA 220 HY");
    EXPECT_LT(air->PercentHTMargin(), -70);
    air->Recalculate();
    ExpectOperatingPoint(*air, 1.6, AirFamilyPerformance(*air, 8));
}

TEST_F(OperatingPoint, AModelWhoseOperatingPointLiesBeyondTheViscosityTableIsRefused) {
    // MC 200 with air barely moving: ISO 7 oil would have to come in far above 170 C.
    const auto mobile = MobileSearch(164.8, 107.7, 29.8, 98.6, 0, 0.43);
    mobile->SetCoolerID(108);
    ASSERT_EQ(mobile->CoolerName(), "MC 200");
    try {
        mobile->Recalculate();
        ADD_FAILURE() << "rated at " << mobile->CorrectedInletTempC();
    } catch (const quellmar::engine::RatingError& refusal) {
        EXPECT_EQ(refusal.Description(), "Operating point beyond program range: its corrected oil temperature lies outside the "
                                         "viscosity table.\r\nChoose another model or consult sales office.");
    }
    // At the end of the table it still carries less than the heat load.
    const double drop = 164.8 * kOilLpmPerKwC / 107.7, end = Functions::kViscosityTableHottest + drop / 2;
    EXPECT_LT(AirFamilyPerformance(*mobile, 0)(end) * (end - 29.8), 164.8);
}

TEST_F(OperatingPoint, HeatBalanceTakesAnAdequateCoolerInThickOilToItsOperatingPointNotBesideTheDesiredInlet) {
    // A Fahrenheit document: the first pass derates QA 15 AC almost to nothing, and the second lands
    // just below the desired inlet with figures that remove six times the heat load.
    AirCooled air(db_.Path());
    air.SetProductRange(0);
    air.SetOilFlowUnits(1);
    air.SetTempUnits(1);
    air.SetMotorType(0);
    air.SetAirTemp(32);
    air.SetHeatLoad(1.2679);
    air.SetInletTemp(230.52);
    air.SetOilFlow(1.43);
    air.SetViscosity(9);
    air.FindCooler();
    ASSERT_FALSE(air.OutOfRange());
    ASSERT_EQ(air.CoolerName(), "QA 15 AC");
    EXPECT_NEAR(air.PercentHTMargin(), 510.6, 0.05);
    const double atTheDesiredInlet = air.PressureDrop();
    air.Recalculate();
    EXPECT_NEAR(air.CorrectedInletTempC(), 28.5, 0.1);
    ExpectOperatingPoint(air, 0, AirFamilyPerformance(air, 9));
    // The pressure drop is read at the thick oil of that inlet, not at the thin oil near 90 C.
    EXPECT_EQ(air.CorrectedVoC(), Viscosity(air.CorrectedAvgOilTemp(), 9));
    EXPECT_GT(air.CorrectedVoC(), 10 * Viscosity(90, 9));
    EXPECT_GT(air.PressureDrop(), 3 * atTheDesiredInlet);
}

TEST_F(OperatingPoint, HeatBalanceRefusesAnotherModelWhoseTwoPassesLandBeyondTheViscosityTable) {
    // No cooler meets the duty; OV 40 AC1, chosen from the list, lacks 60 %. Its two passes put the oil
    // in at 240 C, beyond the hottest inlet whose mean oil temperature the viscosity table reaches.
    const auto air = std::make_unique<AirCooled>(db_.Path());
    air->SetProductRange(1);
    air->SetMotorType(1);
    air->SetAirTemp(7.67);
    Duty(*air, 67.55, 19.55, 105.15, 7);
    air->FindCooler();
    EXPECT_TRUE(air->OutOfRange());
    air->SetCoolerID(30);
    ASSERT_EQ(air->CoolerName(), "OV 40 AC1");
    EXPECT_LT(air->PercentHTMargin(), -50);
    try {
        air->Recalculate();
        ADD_FAILURE() << "rated at " << air->CorrectedInletTempC() << " C and " << air->CorrectedVoC() << " cSt";
    } catch (const quellmar::engine::RatingError& refusal) {
        EXPECT_EQ(refusal.Description(), "Operating point beyond program range: its corrected oil temperature lies outside the "
                                         "viscosity table.\r\nChoose another model or consult sales office.");
    }
}

TEST_F(OperatingPoint, AnAdequateWaterCoolerIsRatedBelowTheDesiredInletAtItsOwnTemperatureFactor) {
    WaterCooled w(db_.Path());
    w.SetSeries(2);
    w.SetWaterTemp(1.16);
    Duty(w, 91.63, 654.14, 36.69, 11);
    w.SetWaterFlow(300);
    w.FindCooler();
    ASSERT_EQ(w.CoolerName(), "WPM 320");
    EXPECT_GT(w.PercentHTMargin(), 100);
    w.Recalculate();
    // The temperature factor and the viscosity factor both follow the inlet temperature.
    const double drop = 91.63 * kOilLpmPerKwC / 654.14, p = w.SelectedPerformance();
    const auto performanceAt = [&](double t) {
        const double viscosity = Viscosity(t - drop / 2, 11);
        return p * quellmar::engine::TemperatureCorrection(1.16, t) / quellmar::engine::TemperatureCorrection(1.16, 36.69) *
               (1000 / (1000 + viscosity)) / (1000 / (1000 + w.Cst()));
    };
    ExpectOperatingPoint(w, 1.16, performanceAt);
    EXPECT_LT(w.CorrectedExitWaterTemp(), w.CorrectedInletTempC());
}

}  // namespace
