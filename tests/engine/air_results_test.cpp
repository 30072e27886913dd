#include "air_fixture.h"
#include "engine/engine_error.h"
#include "engine/functions.h"
#include "vb/format.h"

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
    const auto air = db_.Search(2 * k * AirFixture::kEtd, 100);  // AOC 20
    EXPECT_EQ(air->PercentHTMargin(), 0);
    EXPECT_EQ(air->MaxAmbientTemp(), kAir);
    const double fall = 32 * 2 * k * 34.5 / 100;
    EXPECT_DOUBLE_EQ(air->ExitOilTemp(), kInlet - fall);
    EXPECT_DOUBLE_EQ(air->AverageOilTemp(), kInlet - fall * 0.5);
    EXPECT_EQ(air->ViscosityAtAvgTemp(), 100);
    EXPECT_DOUBLE_EQ(air->PerfomanceImperial(), air->HeatLoadBtuMin() / (32 * 9.0 / 5.0));
}

TEST_F(AirResults, RecalculateFindsTheOperatingPointInTwoPasses) {
    const double q = .9 * 2 * k * 32;
    const auto air = db_.Search(q, 100);
    EXPECT_EQ(air->CorrectedInletTempC(), 0);  // nothing before the first Recalculate
    air->Recalculate();
    // A flat viscosity derates both passes alike: P1 = P2 = 2 x k on AOC 20's curve at 100 l/min.
    const double inlet = kAir + q / (2 * k);
    const double fall = (inlet - kAir) * 2 * k * 34.5 / 100;
    EXPECT_DOUBLE_EQ(air->CorrectedInletTempC(), inlet);
    EXPECT_DOUBLE_EQ(air->CorrectedInletTempF(), inlet * 9 / 5 + 32);
    EXPECT_DOUBLE_EQ(air->CorrectedExitOilTemp(), inlet - fall);
    EXPECT_DOUBLE_EQ(air->CorrectedAvgOilTemp(), inlet - fall / 2);
    EXPECT_EQ(air->CorrectedVoC(), 100);
    EXPECT_DOUBLE_EQ(air->PressureDrop(), .2 + .8 / 130 * 80);
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
    EXPECT_EQ(db_.Search(.9 * 2 * k * 32, 100)->Dxf(), "0\r\nEOF\r\n");
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

// Grade 4 as thick as the derate allows below 25 C (2000 cSt, no heat transfer left) and 100 cSt from
// 30 C: a large cooler on a small duty runs its first pass cold.
class AirOperatingPoint : public AirResults {
protected:
    void ThickWhenCold(double coldCst, double hotEnd, double hotterEnd) {
        std::string columns;
        for (int c = 0; c < 38; ++c)
            columns += (c ? ", " : "") + vb::CStr(c <= 8 ? coldCst : c == 36 ? hotEnd : c == 37 ? hotterEnd : 100);
        db_.Exec("DELETE FROM VisTemp WHERE OilGrade = 4");
        db_.Exec("INSERT INTO VisTemp VALUES (4, " + columns + ")");
    }
    // AOC 10 at 60 l/min (curve 1) on 3.2 kW: the oil falls 1.84 C, the search's mean is 51.08 C.
    std::unique_ptr<quellmar::engine::AirCooled> Selected() {
        auto air = db_.Search(3.2, 60, 0, 0, 4);
        EXPECT_EQ(air->CoolerName(), "AOC 10");
        return air;
    }
    // The text of the recalculation's refusal, or a failure when it rates.
    static std::string Refusal(quellmar::engine::AirCooled& air) {
        try {
            air.Recalculate();
        } catch (const quellmar::engine::RatingError& refusal) {
            return refusal.Description();
        }
        ADD_FAILURE() << "rated at " << air.CorrectedInletTempC();
        return "";
    }
};

TEST_F(AirOperatingPoint, AFirstPassWithoutHeatTransferGivesWayToTheOperatingPointItself) {
    // The first pass starts at 20 + 3.2 / 0.935 C and its mean lies 0.92 C lower, at 22.5 C: 2000 cSt
    // derate the capacity below nothing. 1535 cSt leave it 0.2 %, and the second pass would run the
    // oil above 1000 C, where the table gives no viscosity at all.
    for (const double cold : {2000.0, 1535.0}) {
        ThickWhenCold(cold, 10, 5);
        const auto air = Selected();
        EXPECT_FALSE(air->OutOfRange());
        air->Recalculate();
        // Between the air and the desired inlet AOC 10 carries the 3.2 kW where the oil thins out.
        const double t = air->CorrectedInletTempC(), drop = 3.2 * 34.5 / 60;
        auto visc = [&](double at) { return quellmar::engine::Functions::ViscosityAtTemp(db_.Path(), at, 4); };
        EXPECT_GT(t, kAir);
        EXPECT_LE(t, kInlet);
        const double p = 1.0 * (1 - 0.00065 * visc(t - drop / 2));
        EXPECT_NEAR(p * (t - kAir), 3.2, 1e-9) << cold;
        const double fall = (t - kAir) * p * 34.5 / 60;
        EXPECT_NEAR(air->CorrectedExitOilTemp(), t - fall, 1e-12);
        EXPECT_NEAR(air->CorrectedAvgOilTemp(), t - fall / 2, 1e-12);
        EXPECT_NEAR(air->CorrectedVoC(), visc(t - fall / 2), 1e-9);
    }
}

TEST_F(AirOperatingPoint, ACoolerWithoutHeatTransferUpToTheTablesEndIsRefusedNotRated) {
    ThickWhenCold(100, 100, 100);
    const auto air = Selected();
    // The table changes under the selection: the oil is now too thick at any temperature.
    db_.FlatViscosity(4, 2000);
    EXPECT_EQ(Refusal(*air), "Operating point beyond program range: the selected model transfers no heat at its corrected "
                             "oil temperature.\r\nChoose another model or a lower viscosity grade, or consult sales office.");
    EXPECT_EQ(air->CorrectedInletTempC(), 0);
    EXPECT_EQ(air->CorrectedExitOilTemp(), 0);
}

TEST_F(AirOperatingPoint, AModelWhoseDataClaimMoreThanTheOilCanGiveIsRefusedInTheSearchAndAfterIt) {
    // 60 l/min of oil give up at most 60 / 34.5 = 1.74 kW per degree C of their own drop; five times
    // the fixture's capacities claim more.
    ThickWhenCold(100, 100, 100);
    db_.Exec("UPDATE CoolingCapacity SET CoolingCapacity = CoolingCapacity * 5");
    const std::string refusal = "Rating beyond program range: the selected model would cool the oil to the air temperature "
                                "or below.\r\nIts data claim more heat transfer than the oil flow can give. Choose another "
                                "model or consult sales office.";
    const auto air = Selected();
    EXPECT_FALSE(air->OutOfRange());
    EXPECT_LT(air->ExitOilTemp(), kAir);
    EXPECT_EQ(Refusal(*air), refusal);
    air->SetCoolerID(2);
    EXPECT_EQ(Refusal(*air), refusal);
    EXPECT_EQ(air->CorrectedInletTempC(), 0);
}

TEST_F(AirOperatingPoint, AFigureTooLargeToWorkOutIsNamedNotBlamedOnTheOilFlow) {
    ThickWhenCold(100, 100, 100);
    db_.Add({7, "AOC HUGE", 1, 1, 1, 0, 200, {{20, 1e307}, {200, 1e307}}, {{20, .2}, {200, 1}}, 9, 90});
    const auto air = Selected();
    try {
        air->SetCoolerID(7);  // its pressure drop needs the oil's drop across it at 60 l/min
        ADD_FAILURE() << "chosen";
    } catch (const quellmar::engine::RatingError& e) {
        EXPECT_EQ(e.Description(), "The duty cannot be rated: the oil temperature drop across the selected cooler is too "
                                   "large to work out.");
    }
    EXPECT_EQ(air->CoolerName(), "AOC 10");
}

}  // namespace
