#include "air_fixture.h"
#include "engine/engine_error.h"
#include "vb/format.h"

#include <gtest/gtest.h>

namespace {

using quellmar::engine::AirCooled;
using quellmar::test::AirFixture;
constexpr double k = AirFixture::kDerated;

// "name=performance" of every suitable cooler, in list order.
std::vector<std::string> Listed(AirCooled& air) {
    const auto list = air.ListOfSuitableCoolers();
    std::vector<std::string> out;
    for (std::size_t i = 1; i < list.Rows(); ++i) out.push_back(list.At(0, i) + "=" + list.At(2, i));
    return out;
}
std::string Entry(const char* name, double performance) { return std::string(name) + "=" + vb::CStr(performance); }

class AirSearch : public ::testing::Test {
protected:
    AirFixture db_;
};

TEST_F(AirSearch, RatesEachModelOnItsCurveWithinItsOilFlowLimits) {
    // At the first point of every curve; AOC 20 and AOC 20T tie and keep their query order.
    EXPECT_EQ(Listed(*db_.Search(1, 20)),
              (std::vector<std::string>{Entry("AOC 10", .5 * k), Entry("AOC 15S", .8 * k), Entry("AOC 20", 1 * k),
                                        Entry("AOC 20T", 1 * k)}));
    // At AOC 10's last point; AOC 15S's curve reaches 90 l/min but its maximum oil flow is 80.
    EXPECT_EQ(Listed(*db_.Search(1, 100)), (std::vector<std::string>{Entry("AOC 10", 1.2 * k), Entry("AOC 20", 2 * k),
                                                                     Entry("AOC 20T", 2 * k)}));
    EXPECT_EQ(Listed(*db_.Search(1, 90))[0], Entry("AOC 10", (1 + .2 / 40 * 30) * k));
    EXPECT_EQ(Listed(*db_.Search(1, 90)).size(), 3u);
    // Between the last curve point and the maximum oil flow the curve is held; above it the model is out.
    EXPECT_EQ(Listed(*db_.Search(1, 110))[0], Entry("AOC 10", 1.2 * k));
    EXPECT_EQ(Listed(*db_.Search(1, 130)), (std::vector<std::string>{Entry("AOC 20", (2 + .5 / 50 * 30) * k),
                                                                     Entry("AOC 20T", (2 + .5 / 50 * 30) * k)}));
    EXPECT_TRUE(Listed(*db_.Search(1, 19.9)).empty());
}

TEST_F(AirSearch, SelectsTheFirstModelThatReachesTheRequiredPerformanceExactly) {
    // At 100 l/min AOC 10 gives 1.2, AOC 20 and AOC 20T 2 (derated): the earlier of the tie is chosen.
    const auto air = db_.Search(2 * k * AirFixture::kEtd, 100);
    EXPECT_EQ(air->PerfomanceMetric(), 2 * k);
    EXPECT_EQ(air->CoolerName(), "AOC 20");
    EXPECT_EQ(air->SelectedPerformance(), 2 * k);
    EXPECT_EQ(air->Cst(), 100);
    EXPECT_DOUBLE_EQ(air->SUS(), 464);

    const auto none = db_.Search(2.01 * k * AirFixture::kEtd, 100);
    EXPECT_EQ(Listed(*none).size(), 3u);  // the list keeps the inadequate models
    EXPECT_EQ(none->CoolerName(), "");
    EXPECT_EQ(none->SelectedPerformance(), 0);
}

TEST_F(AirSearch, FiltersByProductRangeAndMotorType) {
    for (const int range : {1, 3, -1}) EXPECT_EQ(Listed(*db_.Search(1, 20, range)), (std::vector<std::string>{Entry("OV 30", 2 * k)}));
    EXPECT_EQ(Listed(*db_.Search(1, 20, 2)).size(), 5u);
    EXPECT_EQ(Listed(*db_.Search(1, 20, 0, 2)), (std::vector<std::string>{Entry("DC 5", (.2 + .4 / 90 * 10) * k)}));
    EXPECT_TRUE(Listed(*db_.Search(1, 20, 0, 4)).empty());

    AirCooled air(db_.Path());
    air.SetMotorType(2);
    air.SetMotorType(7);  // keeps StdDC
    air.SetAirTemp(20);
    air.SetHeatLoad(1);
    air.SetInletTemp(52);
    air.SetOilFlow(20);
    air.SetViscosity(5);
    air.FindCooler();
    EXPECT_EQ(air.CoolerName(), "DC 5");
}

TEST_F(AirSearch, FamilyRangeAndMotorNamesCompareWithoutRegardToCaseWhateverTheColumns) {
    db_.CaseSensitiveCodeLists();
    EXPECT_EQ(db_.Search(1, 20)->CoolerName(), "AOC 10");
    EXPECT_EQ(Listed(*db_.Search(1, 20, 1)), (std::vector<std::string>{Entry("OV 30", 2 * k)}));
    EXPECT_EQ(Listed(*db_.Search(1, 20, 2)).size(), 5u);
    // The program's range and its largest capacity are the family's too.
    const auto beyond = db_.Search(1, 310);
    EXPECT_TRUE(beyond->OutOfRange());
    EXPECT_EQ(beyond->ErrorMessage(),
              "Oil Flow beyond range of program. \r\n300.00 l/min is maximum. Adjust flow or consult sales office.");
}

TEST_F(AirSearch, ANewSearchClearsTheEarlierSelection) {
    const auto air = db_.Search(1, 20);
    EXPECT_EQ(air->CoolerName(), "AOC 10");
    air->SetHeatLoad(100);
    air->FindCooler();
    EXPECT_EQ(air->CoolerName(), "");
    EXPECT_EQ(air->SelectedPerformance(), 0);
    EXPECT_EQ(air->PressureDrop(), 0);
}

TEST_F(AirSearch, ModelsWhoseDataCannotRateThemAreLeftOut) {
    db_.Exec("INSERT INTO Coolers (CoolerID, Name, MaxOilFlow, Weight, CoolerType, MotorType, ProductRange) VALUES "
             "(7, 'No Curve', 200, 1, 1, 1, 1), (8, 'No Limit', NULL, 1, 1, 1, 1);"
             "INSERT INTO CoolingCapacity VALUES (8, 20, 9, NULL), (2, NULL, 1, NULL)");
    EXPECT_EQ(Listed(*db_.Search(1, 20)),
              (std::vector<std::string>{Entry("AOC 10", .5 * k), Entry("AOC 15S", .8 * k), Entry("AOC 20T", 1 * k)}));
    db_.FlatViscosity(6, 2000);  // derated below nothing
    EXPECT_TRUE(Listed(*db_.Search(1, 20, 0, 0, 6)).empty());
}

TEST_F(AirSearch, LoadsTheSelectedModelsDetailsAndPressureDrop) {
    const auto air = db_.Search(.9 * 2.5 * k * AirFixture::kEtd, 150);
    EXPECT_EQ(air->CoolerName(), "AOC 20");
    EXPECT_EQ(air->PartNumber(), "PN-AOC 20");
    EXPECT_EQ(air->Leaflet(), "L-AOC 20");
    EXPECT_EQ(air->Description(), "Cooler AOC 20");
    EXPECT_EQ(air->Weight(), 50);
    EXPECT_EQ(air->MaxOilFlowByModel(), 200);
    EXPECT_EQ(air->MaxCurveOIlFlow(), 150);
    EXPECT_DOUBLE_EQ(air->PressureDrop(), 1);

    // Below the first pressure-drop point the first value holds; the factor holds beyond its table.
    EXPECT_DOUBLE_EQ(db_.Search(1, 20)->PressureDrop(), .1);
    db_.FlatViscosity(6, 10);
    db_.FlatViscosity(7, 300);
    EXPECT_DOUBLE_EQ(db_.Search(1, 20, 0, 0, 6)->PressureDrop(), .1 * .5);
    EXPECT_DOUBLE_EQ(db_.Search(1, 20, 0, 0, 7)->PressureDrop(), .1 * 1.5);
}

TEST_F(AirSearch, EmptyTextsReadAsEmptyButAMissingNumberIsADataError) {
    db_.Exec("UPDATE Coolers SET Description = NULL, SalesLeaflet = NULL WHERE CoolerID = 1");
    EXPECT_EQ(db_.Search(1, 20)->Description(), "");
    db_.Exec("UPDATE Coolers SET Weight = NULL WHERE CoolerID = 1");
    EXPECT_THROW(db_.Search(1, 20), quellmar::engine::DataError);
}

TEST_F(AirSearch, ADutyThatWouldDivideByZeroIsARatingError) {
    auto air = db_.Search(1, 20);
    air->SetInletTemp(AirFixture::kAir);
    EXPECT_THROW(air->FindCooler(), quellmar::engine::RatingError);
    air->SetInletTemp(AirFixture::kInlet);
    air->SetOilFlow(0);
    EXPECT_THROW(air->FindCooler(), quellmar::engine::RatingError);
}

}  // namespace
