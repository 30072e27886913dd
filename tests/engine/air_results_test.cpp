#include "air_fixture.h"
#include "engine/engine_error.h"
#include "engine/functions.h"

#include <gtest/gtest.h>

namespace {

using quellmar::test::AirFixture;
constexpr double k = AirFixture::kDerated;
constexpr double kAir = AirFixture::kAir, kInlet = AirFixture::kInlet;

class AirResults : public ::testing::Test {
protected:
    AirFixture db_;
};

TEST_F(AirResults, ADutyTheModelMeetsExactlyHasNoMarginAndTheAirTemperatureAsItsLimit) {
    const auto air = db_.Search(1 * k * AirFixture::kEtd, 20);
    EXPECT_EQ(air->PercentHTMargin(), 0);
    EXPECT_EQ(air->MaxAmbientTemp(), kAir);
    const double fall = 32 * k * 34.5 / 20;
    EXPECT_DOUBLE_EQ(air->ExitOilTemp(), kInlet - fall);
    EXPECT_DOUBLE_EQ(air->AverageOilTemp(), kInlet - fall * 0.5);
    EXPECT_EQ(air->ViscosityAtAvgTemp(), 100);
    EXPECT_DOUBLE_EQ(air->PerfomanceImperial(), air->HeatLoadBtuMin() / (32 * 9.0 / 5.0));
}

TEST_F(AirResults, RecalculateFindsTheOperatingPointInTwoPasses) {
    const double q = .9 * k * 32;
    const auto air = db_.Search(q, 20);
    EXPECT_EQ(air->CorrectedInletTempC(), 0);  // nothing before the first Recalculate
    air->Recalculate();
    // A flat viscosity derates both passes alike: P1 = P2 = 1 x k on the curve at 20 l/min.
    const double inlet = kAir + q / k;
    const double fall = (inlet - kAir) * k * 34.5 / 20;
    EXPECT_DOUBLE_EQ(air->CorrectedInletTempC(), inlet);
    EXPECT_DOUBLE_EQ(air->CorrectedInletTempF(), inlet * 9 / 5 + 32);
    EXPECT_DOUBLE_EQ(air->CorrectedExitOilTemp(), inlet - fall);
    EXPECT_DOUBLE_EQ(air->CorrectedAvgOilTemp(), inlet - fall / 2);
    EXPECT_EQ(air->CorrectedVoC(), 100);
    EXPECT_DOUBLE_EQ(air->PressureDrop(), .2);
    // The rating at the desired inlet temperature still rests on the selected performance.
    EXPECT_NEAR(air->PercentHTMargin(), (1 / .9 - 1) * 100, 1e-9);
}

TEST_F(AirResults, TheFinalInletTemperatureRestsOnTheFirstPassAndTheRestOnTheSecond) {
    db_.Exec("DELETE FROM VisTemp WHERE OilGrade = 4");
    db_.Exec("INSERT INTO VisTemp SELECT 4, " + [] {
        std::string columns;  // a steep table: every pass lands at another viscosity
        for (int c = 0; c < 38; ++c) columns += (c ? ", " : "") + std::to_string(600 - 15 * c);
        return columns;
    }());
    const double q = 0.4 * 32, f = 60;
    const auto air = db_.Search(q, f, 0, 0, 4);
    ASSERT_EQ(air->CoolerName(), "AOC 10");
    const double p = air->SelectedPerformance();
    auto visc = [&](double t) { return quellmar::engine::Functions::ViscosityAtTemp(db_.Path(), t, 4); };
    const double drop = q * 34.5 / f, c = 1.0;  // AOC 10's curve at 60 l/min
    const double p1 = c * (1 - 0.00065 * visc(kAir + q / p - drop / 2));
    const double inlet = kAir + q / p1;
    const double p2 = c * (1 - 0.00065 * visc(inlet - drop / 2));
    const double fall = (inlet - kAir) * p2 * 34.5 / f;
    air->Recalculate();
    EXPECT_NEAR(air->CorrectedInletTempC() - kAir, q / p1, 1e-9);
    EXPECT_NEAR(air->CorrectedExitOilTemp(), inlet - fall, 1e-9);
    EXPECT_NEAR(air->CorrectedVoC(), visc(inlet - fall / 2), 1e-9);
    const double before[] = {air->CorrectedInletTempC(), air->CorrectedExitOilTemp(), air->CorrectedAvgOilTemp(),
                             air->CorrectedVoC(), air->PressureDrop()};
    air->Recalculate();
    const double after[] = {air->CorrectedInletTempC(), air->CorrectedExitOilTemp(), air->CorrectedAvgOilTemp(),
                            air->CorrectedVoC(), air->PressureDrop()};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(before[i], after[i]) << i;
}

TEST_F(AirResults, BeyondTheLastCurvePointBothPassesUseTheLastCapacity) {
    const double q = 2 * 32;
    const auto air = db_.Search(q, 180);
    ASSERT_EQ(air->CoolerName(), "AOC 20");
    air->Recalculate();
    EXPECT_DOUBLE_EQ(air->CorrectedInletTempC(), kAir + q / (2.5 * k));
    EXPECT_DOUBLE_EQ(air->PressureDrop(), 1.0);
}

TEST_F(AirResults, TheDrawingIsTheStoredTextOrEmpty) {
    db_.Exec("UPDATE Coolers SET Dxf = '0\r\nEOF\r\n' WHERE CoolerID = 2");
    EXPECT_EQ(db_.Search(.9 * k * 32, 20)->Dxf(), "0\r\nEOF\r\n");
    EXPECT_EQ(db_.Search(1, 20)->Dxf(), "");
    EXPECT_EQ(db_.Search(100, 20)->Dxf(), "");  // nothing selected
}

TEST_F(AirResults, WithNothingSelectedTheRatingIsARatingErrorNotAnInfinity) {
    const auto air = db_.Search(100, 20);
    EXPECT_THROW(air->MaxAmbientTemp(), quellmar::engine::RatingError);
    EXPECT_THROW(air->Recalculate(), quellmar::engine::RatingError);
    air->SetCoolerID(99);  // not in the list: nothing to select, nothing to load
    EXPECT_EQ(air->CoolerName(), "");
    air->SetCoolerID(2);  // an inadequate model of the list can still be chosen
    EXPECT_EQ(air->CoolerName(), "AOC 20");
}

}  // namespace
