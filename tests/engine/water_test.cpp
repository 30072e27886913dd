#include "cooler_fixture.h"
#include "engine/engine_error.h"
#include "engine/temperature_correction.h"
#include "engine/water_cooled.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using quellmar::engine::TemperatureCorrection;
using quellmar::engine::WaterCooled;

TEST(WaterTemperatureCorrection, GivesTheTablesValuesHoldsAboveAndExtendsBelow) {
    const double f = 5.0 / 9.0;  // the breakpoints are degrees F less 32, times 5/9
    EXPECT_DOUBLE_EQ(TemperatureCorrection(f * 28, f * 88), 0.77);
    EXPECT_DOUBLE_EQ(TemperatureCorrection(f * 148, f * 228), 1.01);
    EXPECT_DOUBLE_EQ(TemperatureCorrection(f * 148, 150), 1.01);
    EXPECT_NEAR(TemperatureCorrection(f * 45.5, 60), 0.815, 1e-12);
    EXPECT_NEAR(TemperatureCorrection(10, 60), 0.76, 1e-12);
    EXPECT_NEAR(TemperatureCorrection(f * 28, 150), 0.85, 1e-12);
    EXPECT_NEAR(TemperatureCorrection(70, 55), 0, 1e-12);
    EXPECT_NEAR(TemperatureCorrection(40, 80), 0.8744, 5e-5);
}

// Water-cooled models with simple tables. Grade 5 is flat at 100 cSt (viscosity factor 1000/1100).
//   WC 10 (WPSeries, index 1): oil to 100 l/min, curve (10 .4) (20 .5) (80 1); water flows 10 20 40,
//     oil flows 10 60 100, factors .8 .85 .9 / .9 .95 1 / 1 1.05 1.1; pressure-drop viscosities 10 100
//     300, oil flows 20 60, factors 1 .9 / 2 1.8 / 3 2.7, curve (10 .1) (20 .2) (80 .8).
//   WC 20 (WPMSeries, index 2): oil to 200, curve (20 1) (200 3); water 20 80, oil 20 200, factors
//     .9 1 / 1 1.1; viscosities 10 300, oil flows 20 200, factors 1 1 / 2 2, curve (20 .2) (200 1).
// The program ranges: oil 10 to 200 l/min, water 10 to 80 l/min; largest capacity 3 kW/C.
class WaterRating : public ::testing::Test {
protected:
    WaterRating() {
        db_.FlatViscosity(5, 100);
        db_.Add({201, "WC 10", 2, 0, 0, 2, 100, {{10, .4}, {20, .5}, {80, 1}}, {{10, .1}, {20, .2}, {80, .8}}});
        db_.HeatTransferTable(201, {10, 20, 40}, {10, 60, 100}, {{.8, .85, .9}, {.9, .95, 1}, {1, 1.05, 1.1}});
        db_.PressureDropTable(201, {10, 100, 300}, {20, 60}, {{1, .9}, {2, 1.8}, {3, 2.7}});
        db_.Add({202, "WC 20", 2, 0, 0, 3, 200, {{20, 1}, {200, 3}}, {{20, .2}, {200, 1}}});
        db_.HeatTransferTable(202, {20, 80}, {20, 200}, {{.9, 1}, {1, 1.1}});
        db_.PressureDropTable(202, {10, 300}, {20, 200}, {{1, 1}, {2, 2}});
    }
    std::unique_ptr<WaterCooled> Search(double q, double f, double waterFlow, int series = 1, int grade = 5,
                                        double water = 30, double inlet = 50) {
        auto w = std::make_unique<WaterCooled>(db_.Path());
        w->SetSeries(series);
        w->SetWaterTemp(water);
        quellmar::test::SetMetricDuty(*w, q, f, inlet, grade);
        w->SetWaterFlow(waterFlow);
        w->FindCooler();
        return w;
    }
    // WC 10's heat-transfer factor at a duty, from its selected performance.
    double HeatTransferAt(double f, double waterFlow) {
        const auto w = Search(.01, f, waterFlow);
        const double capacity = f >= 80 ? 1 : f >= 20 ? .5 + .5 / 60 * (f - 20) : .4 + .1 / 10 * (f - 10);
        return w->SelectedPerformance() / (capacity * TemperatureCorrection(30, 50) * (1000.0 / 1100.0));
    }
    quellmar::test::CoolerFixture db_;
};

TEST_F(WaterRating, WaterFlowsConvertWithTheOilFlowCode) {
    WaterCooled w(db_.Path());
    w.SetOilFlowUnits(4);
    w.SetWaterFlow(10);
    EXPECT_EQ(w.WaterFlowL(), 0);
    w.SetOilFlowUnits(1);
    w.SetWaterFlow(10);
    EXPECT_NEAR(w.WaterFlowL(), 45.4609, 1e-12);
    EXPECT_NEAR(w.WaterFlowImpGal(), 10, 1e-12);
    w.SetTempUnits(3);
    w.SetWaterTemp(212);
    EXPECT_NEAR(w.WaterTempC(), 100, 1e-12);
    EXPECT_EQ(w.PerfomanceMetric(), 0);
    EXPECT_EQ(w.Cst(), 0);
}

TEST_F(WaterRating, TheHeatTransferFactorInterpolatesInsideAndExcludesBeyondTheModelsFlows) {
    EXPECT_NEAR(HeatTransferAt(60, 40), 1.05, 1e-12);  // the top water flow uses the last row
    EXPECT_NEAR(HeatTransferAt(10, 15), .85, 1e-12);   // halfway: the mean of the column
    EXPECT_NEAR(HeatTransferAt(100, 20), 1, 1e-12);    // MaxOilFlow, beyond the curve: last capacity, last column
    EXPECT_EQ(Search(.01, 60, 40.01)->ListOfSuitableCoolers().Rows(), 1u);
    EXPECT_EQ(Search(.01, 60, 9.99)->ListOfSuitableCoolers().Rows(), 1u);
    EXPECT_EQ(Search(.01, 9, 20)->ListOfSuitableCoolers().Rows(), 1u);
    EXPECT_EQ(Search(.01, 101, 20)->ListOfSuitableCoolers().Rows(), 1u);
}

TEST_F(WaterRating, TheSeriesChoosesTheModelsAndAnUnknownSeriesFindsNone) {
    EXPECT_EQ(Search(.01, 60, 40, 2)->CoolerName(), "WC 20");
    for (const int series : {-1, 4, 0}) EXPECT_EQ(Search(.01, 60, 40, series)->ListOfSuitableCoolers().Rows(), 1u);
    const auto w = Search(10, 60, 40);
    EXPECT_EQ(w->PerfomanceMetric(), 0.5);
    EXPECT_EQ(w->MaxWaterFlowByModel(), 40);
    EXPECT_EQ(w->ShellOilSidePressure(), 16);
    EXPECT_EQ(w->WaterSidePressure(), 10);
    EXPECT_EQ(Search(100, 60, 40)->MaxWaterFlowByModel(), 0);  // nothing selected
}

TEST_F(WaterRating, FamilyAndSeriesNamesCompareWithoutRegardToCaseWhateverTheColumns) {
    db_.CaseSensitiveCodeLists();
    EXPECT_EQ(Search(.01, 60, 40, 1)->CoolerName(), "WC 10");
    EXPECT_EQ(Search(.01, 60, 40, 2)->CoolerName(), "WC 20");
    // The program's water flows are the family's too.
    const auto low = Search(1, 50, 5);
    EXPECT_TRUE(low->OutOfRange());
    EXPECT_EQ(low->ErrorMessage(), "Water flow below range of program.\r\n10.00 l/min is minimum. Adjust flow or consult sales office.");
}

TEST_F(WaterRating, AModelWithoutAPressureRatingCannotBeChosenAndTheSelectionStaysWhole) {
    db_.Add({203, "WC 12", 2, 0, 0, 2, 100, {{10, .6}, {80, 1.2}}, {{10, .1}, {80, .8}}});
    db_.HeatTransferTable(203, {10, 40}, {10, 100}, {{1, 1}, {1, 1}});
    db_.Exec("UPDATE Coolers SET ShellOilSidePressureRating = NULL WHERE CoolerID = 203");
    const auto w = Search(.01, 60, 20);
    ASSERT_EQ(w->CoolerName(), "WC 10");
    const double performance = w->SelectedPerformance();
    EXPECT_THROW(w->SetCoolerID(203), quellmar::engine::DataError);
    EXPECT_EQ(w->CoolerName(), "WC 10");
    EXPECT_EQ(w->SelectedPerformance(), performance);
    EXPECT_EQ(w->ShellOilSidePressure(), 16);
}

TEST_F(WaterRating, AMalformedCorrectionTableLeavesTheModelOutOfTheSearch) {
    db_.Add({203, "WC 12", 2, 0, 0, 2, 100, {{10, .6}, {80, 1.2}}, {{10, .1}, {80, .8}}});
    db_.HeatTransferTable(203, {10, 20, 40}, {10, 100}, {{1, 1}, {1, 1}});  // a row short
    db_.Add({204, "WC 14", 2, 0, 0, 2, 100, {{10, .7}, {80, 1.4}}, {{10, .1}, {80, .8}}});
    db_.HeatTransferTable(204, {10, 40}, {10, 20, 30, 40, 50, 60, 70, 80, 100}, {{1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1}});
    EXPECT_EQ(Search(.01, 60, 20)->ListOfSuitableCoolers().Rows(), 2u);
}

TEST_F(WaterRating, RecalculateWorksOutTheOperatingPointInTwoPasses) {
    const double q = 8, f = 40, qw = 20, tw = 30;
    const auto w = Search(q, f, qw);
    ASSERT_EQ(w->CoolerName(), "WC 10");
    EXPECT_EQ(w->PressureDrop(), 0);
    const double p = w->SelectedPerformance(), capacity = .5 + .5 / 60 * 20, eta = .9 + .05 / 50 * 30, visc = 1000.0 / 1100.0;
    const double t1 = tw + q / p;
    const double p2 = capacity * (TemperatureCorrection(tw, t1) * visc * eta);
    const double t2 = tw + q / p2;
    w->Recalculate();
    EXPECT_NEAR(w->CorrectedInletTempC(), t2, 1e-9);
    EXPECT_NEAR(w->CorrectedExitOilTemp(), t2 - (t2 - tw) * p2 * 34.5 / f, 1e-9);
    EXPECT_NEAR(w->CorrectedAverageOilTemp(), t2 - 0.5 * (t2 - tw) * p2 * 34.5 / f, 1e-9);
    EXPECT_NEAR(w->CorrectedExitWaterTemp(), tw + (t2 - tw) * p2 * 14.354 / qw, 1e-9);
    EXPECT_EQ(w->CorrectedViscosity(), 100);
    EXPECT_NEAR(w->PressureDrop(), .4 * 1.9, 1e-12);
    const double first[] = {w->CorrectedInletTempC(), w->CorrectedExitWaterTemp(), w->PressureDrop()};
    w->Recalculate();
    EXPECT_EQ(first[0], w->CorrectedInletTempC());
    EXPECT_EQ(first[1], w->CorrectedExitWaterTemp());
    EXPECT_EQ(first[2], w->PressureDrop());
    EXPECT_NEAR(w->AvailableETD(), q / p, 1e-12);
    EXPECT_NEAR(w->ExitWaterTemp(), tw + 20 * p * 14.354 / qw, 1e-12);
}

TEST_F(WaterRating, AHalfKwPerDegreeCoolerNeedsTwentyDegreesAndWarmsTheWaterTo37177) {
    db_.FlatViscosity(0, 0);  // viscosity factor 1
    const double capacity = 0.5000001 / TemperatureCorrection(30, 50);
    db_.Add({205, "WC 5", 2, 0, 0, 4, 100, {{20, capacity}, {100, capacity}}, {{20, .1}, {100, .5}}});
    db_.HeatTransferTable(205, {10, 40}, {20, 100}, {{1, 1}, {1, 1}});
    const auto w = Search(10, 50, 20, 3, 0);
    ASSERT_EQ(w->CoolerName(), "WC 5");
    EXPECT_NEAR(w->AvailableETD(), 20, 1e-5);
    EXPECT_NEAR(w->ExitWaterTemp(), 37.177, 1e-5);
}

TEST_F(WaterRating, ThePressureDropMarksAViscosityOutsideTheTableAndZeroOutsideItsFlows) {
    const auto at = [&](int grade, double cst, double f) {
        db_.FlatViscosity(grade, cst);
        const auto w = Search(.01, f, 20, 1, grade);
        w->Recalculate();
        return w->PressureDrop();
    };
    EXPECT_EQ(at(6, 2, 40), WaterCooled::kViscosityBelowTable);
    EXPECT_EQ(at(7, 500, 40), WaterCooled::kViscosityAboveTable);
    EXPECT_NEAR(at(8, 300, 40), .4 * 2.85, 1e-12);  // the last row, still along the oil flow
    EXPECT_NEAR(at(9, 100, 90), .8 * 1.8, 1e-12);   // the last column, the curve held to MaxOilFlow
    EXPECT_EQ(at(10, 100, 15), 0);                  // below the first correction flow
    // Negative factors typed by a maintainer: the markers and 0 keep their meaning, a pressure drop the
    // factors would make negative refuses the rating naming the model's pressure-drop data.
    db_.Exec("UPDATE PDCorrection SET c1 = -c1, c2 = -c2 WHERE CoolerID = 201");
    EXPECT_EQ(at(6, 2, 40), WaterCooled::kViscosityBelowTable);
    EXPECT_EQ(at(7, 500, 40), WaterCooled::kViscosityAboveTable);
    EXPECT_EQ(at(10, 100, 15), 0);
    try {
        at(8, 300, 40);
        ADD_FAILURE() << "a negative pressure drop is shown";
    } catch (const quellmar::engine::RatingError& refusal) {
        EXPECT_EQ(refusal.Description(), "Rating beyond program range: the selected model's pressure-drop data give a negative "
                                         "pressure drop or none at this duty.\r\nChoose another model or consult sales office.");
    }
    db_.Exec("UPDATE PDCorrection SET c1 = -c1, c2 = -c2 WHERE CoolerID = 201");
    db_.Exec("DELETE FROM PDCorrection WHERE CoolerID = 201 AND c1 = 3");
    EXPECT_THROW(at(11, 100, 40), quellmar::engine::DataError);  // the selected model's table is short
}

TEST_F(WaterRating, OutOfRangeTestsTheOilFlowBeforeTheWaterFlowAndExplainsEachCase) {
    const auto text = [&](double q, double f, double qw, int series = 1, int grade = 5, double inlet = 50) {
        const auto w = Search(q, f, qw, series, grade, 30, inlet);
        return w->OutOfRange() ? w->ErrorMessage() : std::string("in range");
    };
    const std::string combination = "Oil Flow, Heat Load combination out of program range. Increase oil flow,\r\n"
                                    "reduce heat load, increase ETD, try another series or consult sales office.";
    EXPECT_EQ(text(1, 210, 20), "Oil Flow beyond range of program. \r\n200.00 l/min is maximum. Adjust flow or consult sales office.");
    EXPECT_EQ(text(1, 5, 5), "Oil Flow below range of program. \r\n10.00 l/min is minimum. Adjust flow or consult sales office.");
    EXPECT_EQ(text(1, 50, 5), "Water flow below range of program.\r\n10.00 l/min is minimum. Adjust flow or consult sales office.");
    EXPECT_EQ(text(1, 50, 90), "Water flow beyond range of program.\r\n80.00 l/min is maximum. Adjust flow or consult sales office.");
    EXPECT_EQ(text(1, 50, 60), combination);  // beyond WPSeries' water flows, not the program's
    EXPECT_EQ(text(80, 150, 60), "Heat load per entering temperature difference (kW/\u00B0C ETD) beyond program range.\r\n"
                                "3.00kW/\u00B0C ETD is maximum. So reduce heat load, increase ETD or consult sales office.");
    EXPECT_EQ(text(40, 80, 40), combination);  // listed but not adequate
    db_.FlatViscosity(12, -500);               // doubles every capacity
    EXPECT_EQ(text(3.5 * 60, 200, 80, 2, 12, 90),
              "Heat Load per Entering Difference(kW/\u00B0C ETD) beyond program range.\r\n"
              "3 kW/\u00B0C ETD is maximum. So reduce Heat Load, increase ETD,\r\nor consult sales office.");
    EXPECT_EQ(text(1, 50, 20), "in range");
}

TEST_F(WaterRating, AnOilDropOrAWaterRiseAtOrBeyondTheEtdIsBeyondReachOfAnyCooler) {
    const auto text = [&](double q, double f, double qw) {
        const auto w = Search(q, f, qw);
        EXPECT_EQ(w->SelectedPerformance(), 0);
        return w->OutOfRange() ? w->ErrorMessage() : std::string("in range");
    };
    const std::string oil = "Oil temperature drop at or beyond ETD: oil cannot cool below the water. \r\n"
                            "25.88\u00B0C drop at 20.00\u00B0C ETD. Increase oil flow, reduce heat load or increase ETD.";
    EXPECT_EQ(text(30, 40, 40), oil);
    EXPECT_EQ(text(30, 40, 20), oil);  // the water would also rise 21.5 C: the oil is told first
    // 15 kW warm 10 l/min of water by 21.5 C across an ETD of 20.
    EXPECT_EQ(text(15, 40, 10), "Water temperature rise at or beyond ETD: water cannot heat above the oil. \r\n"
                                "21.53\u00B0C rise at 20.00\u00B0C ETD. Increase water flow, reduce heat load or increase ETD.");
    // The program's ranges are told first: 7 l/min of water would rise 20.5 C, but lie below the range.
    EXPECT_EQ(text(10, 40, 7), "Water flow below range of program.\r\n10.00 l/min is minimum. Adjust flow or consult sales office.");
    EXPECT_EQ(text(30, 5, 40).substr(0, 33), "Oil Flow below range of program. ");
}

TEST_F(WaterRating, ADutyBeyondReachIsToldInTheDutysTemperatureUnit) {
    auto w = std::make_unique<WaterCooled>(db_.Path());
    w->SetSeries(1);
    w->SetHeatUnits(0);
    w->SetOilFlowUnits(0);
    w->SetTempUnits(1);
    w->SetWaterTemp(86);  // 30 C
    w->SetHeatLoad(15);
    w->SetInletTemp(122);  // 50 C
    w->SetOilFlow(40);
    w->SetWaterFlow(10);
    w->SetViscosity(5);
    w->FindCooler();
    EXPECT_FALSE(w->DutyWithinReach());
    ASSERT_TRUE(w->OutOfRange());
    EXPECT_EQ(w->ErrorMessage(), "Water temperature rise at or beyond ETD: water cannot heat above the oil. \r\n"
                                 "38.76\u00B0F rise at 36.00\u00B0F ETD. Increase water flow, reduce heat load or increase ETD.");
    w->SetHeatLoad(30);
    w->FindCooler();
    ASSERT_TRUE(w->OutOfRange());
    EXPECT_EQ(w->ErrorMessage(), "Oil temperature drop at or beyond ETD: oil cannot cool below the water. \r\n"
                                 "46.58\u00B0F drop at 36.00\u00B0F ETD. Increase oil flow, reduce heat load or increase ETD.");
}

}  // namespace
