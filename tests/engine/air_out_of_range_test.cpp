#include "air_fixture.h"

#include <gtest/gtest.h>

namespace {

using quellmar::engine::AirCooled;
using quellmar::test::AirFixture;

// The fixture's air range: curve flows from 10 to 200 l/min, maximum oil flows up to 300, largest
// capacity 3 kW/C (OV 30).
class AirOutOfRange : public ::testing::Test {
protected:
    std::string Diagnosis(double q, double f, int range = 0, int grade = 5) {
        const auto air = db_.Search(q, f, range, 0, grade);
        EXPECT_TRUE(air->OutOfRange());
        return air->ErrorMessage();
    }
    AirFixture db_;
};

TEST_F(AirOutOfRange, AnEmptyListExplainsTheOilFlowFirstThenTheCapacity) {
    EXPECT_EQ(Diagnosis(1, 310),
              "Oil Flow beyond range of program. \r\n300.00 l/min is maximum. Adjust flow or consult sales office.");
    EXPECT_EQ(Diagnosis(1, 9.5), "Oil Flow below range of program. \r\n10.00 l/min is minimum. Adjust flow or consult sales office.");
    // The range's own ends are inside it.
    const std::string none = "No cooler selected. Parameters out of range.\r\nPlease note input parameters and advise Quellmar.";
    EXPECT_EQ(Diagnosis(1, 300), none);
    EXPECT_EQ(Diagnosis(1, 10), none);
    EXPECT_EQ(Diagnosis(3 * 32, 300), none);
    EXPECT_EQ(Diagnosis(3.01 * 32, 300),
              "Heat load per entering temperature difference (kW/\u00B0C ETD) beyond program range.\r\n"
              "3.00kW/\u00B0C ETD is maximum. So reduce heat load, increase ETD or consult sales office.");
}

TEST_F(AirOutOfRange, AListWithoutAnAdequateModelOrBeyondTheLargestCapacity) {
    EXPECT_EQ(Diagnosis(1.1 * 2 * 32, 100), "OilFlow, Heat Load combination out of program range. Increase oil flow,\r\n"
                                       "reduce heat load, increase ETD, try another series or consult sales office.");
    // A negative viscosity raises capacities above their curves: OV 30 then carries 4 kW/C.
    db_.FlatViscosity(8, -1000);
    EXPECT_EQ(Diagnosis(4 * 32, 200, 1, 8), "Heat Load per Entering Difference(kW/\u00B0C ETD) beyond program range.\r\n"
                                            "3 kW/\u00B0C ETD is maximum. So reduce Heat Load, increase ETD, or consult sales office.");
}

TEST_F(AirOutOfRange, ASuccessfulSearchIsInRangeAndLeavesTheMessageEmpty) {
    const auto air = db_.Search(1, 20);
    EXPECT_EQ(air->ErrorMessage(), "");
    EXPECT_FALSE(air->OutOfRange());
    EXPECT_FALSE(air->OutOfRange());
    EXPECT_EQ(air->ErrorMessage(), "");
}

TEST_F(AirOutOfRange, AnOilDropAtOrBeyondTheEtdIsBeyondReachOfAnyCoolerAndSelectsNone) {
    // 32 kW at 34.5 l/min cools the oil by exactly the ETD of 32: it would leave at the air temperature.
    const auto air = db_.Search(32, 34.5);
    EXPECT_TRUE(air->OutOfRange());
    EXPECT_EQ(air->ErrorMessage(), "Oil temperature drop at or beyond ETD: oil cannot cool below the air. \r\n"
                                   "32.00\u00B0C drop at 32.00\u00B0C ETD. Increase oil flow, reduce heat load or increase ETD.");
    // The fixture's curves claim models for it, yet none is selected.
    EXPECT_GT(air->ListOfSuitableCoolers().Rows(), 1u);
    EXPECT_EQ(air->SelectedPerformance(), 0);
    EXPECT_EQ(air->CoolerName(), "");
    EXPECT_FALSE(db_.Search(31.9, 34.5)->OutOfRange());
    // The program's oil-flow range is told first.
    EXPECT_EQ(Diagnosis(400, 310).substr(0, 34), "Oil Flow beyond range of program. ");
    EXPECT_EQ(Diagnosis(400, 5).substr(0, 33), "Oil Flow below range of program. ");
}

TEST(AirOutOfRangeEmptyFamily, ADatabaseWithoutAirModelsHasARangeOfZero) {
    const quellmar::test::TestDatabase db;
    AirCooled air(db.Path());
    air.SetAirTemp(20);
    air.SetHeatLoad(1);
    air.SetInletTemp(50);
    air.SetOilFlow(10);
    air.FindCooler();
    EXPECT_TRUE(air.OutOfRange());
    EXPECT_EQ(air.ErrorMessage(), "Oil Flow beyond range of program. \r\n0.00 l/min is maximum. Adjust flow or consult sales office.");
}

}  // namespace
