#include "cooler_fixture.h"
#include "engine/mobile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using quellmar::engine::Mobile;

// Mobile curves are stored at 30 units per kW/C. Grade 5 is flat at 100 cSt (derate 0.065, pressure
// factor 1); face-velocity factors 1 at 1 m/s, 1.5 at 2, 2 at 4, 2.2 at 6.
class MobileRating : public ::testing::Test {
protected:
    MobileRating() {
        db_.FlatViscosity(5, 100);
        db_.FamilyTable("AirPDCorrections", {{50, 0.5}, {150, 1.5}});
        db_.FamilyTable("HTCorrectionMobile", {{1, 1}, {2, 1.5}, {4, 2}, {6, 2.2}});
        db_.Add({101, "MB 10", 3, 0, 0, 0, 120, {{20, 15}, {60, 30}, {100, 36}}, {{20, .1}, {100, .5}}});
        db_.Add({102, "MB 20", 3, 0, 0, 0, 150, {{20, 30}, {150, 60}}, {{20, .2}, {150, 1}}});
    }
    std::unique_ptr<Mobile> Search(double q, double f, double velocity, int grade = 5) {
        auto mobile = std::make_unique<Mobile>(db_.Path());
        mobile->SetAirTemp(kAir);
        quellmar::test::SetMetricDuty(*mobile, q, f, kInlet, grade);
        mobile->SetAirFaceVelocity(velocity);
        mobile->FindCooler();
        return mobile;
    }
    // MB 10's performance at 60 l/min (30 stored units) is the face-velocity factor times the derate.
    double FactorAt(double velocity) { return Search(.01, 60, velocity)->SelectedPerformance() / (1 - 100 * 0.00065); }

    static constexpr double kAir = 20, kInlet = 52;
    quellmar::test::CoolerFixture db_;
};

TEST_F(MobileRating, TheFaceVelocityFactorFollowsItsTableAndFallsToZeroAtRest) {
    EXPECT_NEAR(FactorAt(4), 2, 1e-12);
    EXPECT_NEAR(FactorAt(3), 1.75, 1e-12);
    EXPECT_NEAR(FactorAt(6), 2.2, 1e-12);
    EXPECT_NEAR(FactorAt(8), 2.2, 1e-12);
    EXPECT_NEAR(FactorAt(.5), .5, 1e-12);
    const auto still = Search(.01, 60, 0);
    EXPECT_EQ(still->ListOfSuitableCoolers().Rows(), 1u);
    EXPECT_TRUE(still->OutOfRange());
    EXPECT_EQ(still->AirFaceVelocity(), 0);
}

TEST_F(MobileRating, ThirtyStoredUnitsDeratedByOnePercentAtTwiceTheFactorRate198) {
    db_.FlatViscosity(6, .01 / 0.00065);
    EXPECT_NEAR(Search(.01, 60, 4, 6)->SelectedPerformance(), 1.98, 1e-12);
}

TEST_F(MobileRating, RecalculateSetsThePressureDropAndRepeatsItself) {
    const double q = 1.5 * 32, f = 110;  // beyond MB 10's last curve point, within its maximum
    const auto mobile = Search(q, f, 4);
    ASSERT_EQ(mobile->CoolerName(), "MB 10");
    EXPECT_EQ(mobile->PressureDrop(), 0);
    const double p = 36 * (1 - 100 * 0.00065) * 2 / 30;
    EXPECT_DOUBLE_EQ(mobile->SelectedPerformance(), p);
    mobile->Recalculate();
    const double inlet = kAir + q / p;
    EXPECT_DOUBLE_EQ(mobile->CorrectedInletTempC(), inlet);
    EXPECT_DOUBLE_EQ(mobile->CorrectedExitOilTemp(), inlet - (inlet - kAir) * p * 34.5 / f);
    EXPECT_DOUBLE_EQ(mobile->PressureDrop(), .5);
    const double first[] = {mobile->CorrectedInletTempC(), mobile->CorrectedAvgOilTemp(), mobile->CorrectedVoC(),
                            mobile->PressureDrop()};
    mobile->Recalculate();
    const double second[] = {mobile->CorrectedInletTempC(), mobile->CorrectedAvgOilTemp(), mobile->CorrectedVoC(),
                             mobile->PressureDrop()};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(first[i], second[i]);
}

TEST_F(MobileRating, TheCapacityDiagnosisSpeaksInKwPerDegreeNotInStoredUnits) {
    // The family's largest stored capacity is 60 units: 2 kW/C.
    const auto large = Search(2.5 * 32, 150, 0);
    EXPECT_TRUE(large->OutOfRange());
    EXPECT_EQ(large->ErrorMessage(),
              "Heat load per entering temperature difference (kW/\u00B0C ETD) beyond program range.\r\n"
              "2.00kW/\u00B0C ETD is maximum. So reduce heat load, increase ETD or consult sales office.");
    db_.FlatViscosity(7, 2000);  // derates every model below nothing
    const auto none = Search(1.9 * 32, 150, 4, 7);
    EXPECT_TRUE(none->OutOfRange());
    EXPECT_EQ(none->ErrorMessage(), "No cooler selected. Parameters out of range.\r\nPlease note input parameters and advise Quellmar.");

    const auto weak = Search(1.9 * 32, 150, 1);
    EXPECT_TRUE(weak->OutOfRange());
    EXPECT_EQ(weak->ErrorMessage().substr(0, 52), "OilFlow, Heat Load combination out of program range.");

    db_.FlatViscosity(8, -1000);  // raises MB 20 to 60 x 1.65 x 2.2 / 30 = 7.26 kW/C
    const auto beyond = Search(2.5 * 32, 150, 6, 8);
    EXPECT_TRUE(beyond->OutOfRange());
    EXPECT_EQ(beyond->ErrorMessage(), "Heat Load per Entering Difference(kW/\u00B0C ETD) beyond program range.\r\n"
                                      "2 kW/\u00B0C ETD is maximum. So reduce Heat Load, increase ETD, or consult sales office.");
    EXPECT_FALSE(Search(1.9 * 32, 150, 6, 8)->OutOfRange());
}

TEST_F(MobileRating, AFaceVelocityOfZeroOrBelowListsNoModelAndSaysSo) {
    // Oil this thick derates the curves below nothing; air blowing backwards would turn them positive.
    db_.FlatViscosity(8, 2000);
    for (const double velocity : {-4.49, 0.0}) {
        const auto still = Search(2, 60, velocity, 8);
        EXPECT_EQ(still->ListOfSuitableCoolers().Rows(), 1u) << velocity;
        EXPECT_TRUE(still->OutOfRange());
        EXPECT_EQ(still->ErrorMessage(), "Air Face Velocity below range of program. \r\n"
                                         "It must be above 0.00 Metres/second. Adjust air face velocity or consult sales office.");
    }
    // The program's oil-flow range is told first.
    const auto beyond = Search(2, 160, -1, 8);
    EXPECT_TRUE(beyond->OutOfRange());
    EXPECT_EQ(beyond->ErrorMessage().substr(0, 34), "Oil Flow beyond range of program. ");
}

TEST_F(MobileRating, TheFamilyNameComparesWithoutRegardToCaseWhateverTheColumn) {
    db_.CaseSensitiveCodeLists();
    EXPECT_EQ(Search(.01, 60, 4)->CoolerName(), "MB 10");
}

TEST_F(MobileRating, AnOilDropAtOrBeyondTheEtdIsBeyondReachOfAnyCooler) {
    // 40 kW at 40 l/min would cool the oil by 34.5 C across an ETD of 32.
    const auto mobile = Search(40, 40, 4);
    EXPECT_TRUE(mobile->OutOfRange());
    EXPECT_EQ(mobile->ErrorMessage(), "Oil temperature drop at or beyond ETD: oil cannot cool below the air. \r\n"
                                      "34.50\u00B0C drop at 32.00\u00B0C ETD. Increase oil flow, reduce heat load or increase ETD.");
    EXPECT_EQ(mobile->CoolerName(), "");
}

}  // namespace
