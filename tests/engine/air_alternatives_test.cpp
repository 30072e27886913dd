#include "air_fixture.h"
#include "vb/format.h"

#include <gtest/gtest.h>

namespace {

using quellmar::engine::FieldRowArray;
using quellmar::test::AirFixture;
constexpr double k = AirFixture::kDerated;

// "name:key" of each entry of a sort array after entry 0.
std::vector<std::string> Keys(const FieldRowArray<vb::Variant>& sorted) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i < sorted.Rows(); ++i) out.push_back(sorted.At(1, i).ToString() + ":" + sorted.At(0, i).ToString());
    return out;
}

class AirAlternatives : public ::testing::Test {
protected:
    AirFixture db_;
};

TEST_F(AirAlternatives, TheSuitableListHoldsEveryModelWithAnEmptyEntryZero) {
    const auto air = db_.Search(.9 * k * 32, 20);
    const auto list = air->ListOfSuitableCoolers();
    ASSERT_EQ(list.Fields(), 3u);
    ASSERT_EQ(list.Rows(), 5u);
    for (std::size_t f = 0; f < 3; ++f) EXPECT_EQ(list.At(f, 0), "");
    EXPECT_EQ(list.At(0, 1), "AOC 10");
    EXPECT_EQ(list.At(1, 1), "1");
    EXPECT_EQ(list.At(2, 1), vb::CStr(.5 * k));
    EXPECT_EQ(list.At(0, 4), "AOC 20T");

    const auto empty = db_.Search(1, 500)->ListOfSuitableCoolers();
    EXPECT_EQ(empty.Fields(), 3u);
    EXPECT_EQ(empty.Rows(), 1u);
}

TEST_F(AirAlternatives, ChoosingACoolerByIdLoadsItsDetailsAndAnUnknownIdKeepsTheSelection) {
    const auto air = db_.Search(.9 * k * 32, 20);
    air->SetCoolerID(3);
    EXPECT_EQ(air->CoolerName(), "AOC 20T");
    EXPECT_EQ(air->SelectedPerformance(), 1 * k);
    db_.Exec("UPDATE Coolers SET PartNumber = 'PN-new' WHERE CoolerID = 3");
    air->SetCoolerID(99);
    EXPECT_EQ(air->CoolerName(), "AOC 20T");
    EXPECT_EQ(air->PartNumber(), "PN-new");  // loaded again
}

TEST_F(AirAlternatives, PriceAndNoiseSortsHoldAdequateModelsWithTiesInPerformanceOrder) {
    const auto air = db_.Search(.4 * 32, 20);
    // Costs 3, 2, 2, 2 for AOC 10, AOC 15S, AOC 20, AOC 20T: the three twos keep ascending performance.
    const auto price = air->SortByPrice();
    EXPECT_EQ(Keys(price), (std::vector<std::string>{"AOC 15S:2", "AOC 20:2", "AOC 20T:2", "AOC 10:3"}));
    EXPECT_EQ(price.At(2, 1).ToLong(), 4);
    EXPECT_EQ(price.At(3, 1).ToDouble(), .8 * k);
    EXPECT_TRUE(price.At(0, 0).IsEmpty());
    EXPECT_EQ(air->SortByPrice(), price);
    EXPECT_EQ(Keys(air->SortByNoise()), (std::vector<std::string>{"AOC 20T:68", "AOC 20:72", "AOC 10:74", "AOC 15S:80"}));

    const auto adequate = db_.Search(.9 * k * 32, 20);
    EXPECT_EQ(Keys(adequate->SortByPrice()), (std::vector<std::string>{"AOC 20:2", "AOC 20T:2"}));
    EXPECT_EQ(db_.Search(100, 20)->SortByNoise().Rows(), 1u);
}

TEST_F(AirAlternatives, ThePressureDropSortLeavesTheSelectionAndItsRecalculationAlone) {
    db_.Exec("DELETE FROM VisTemp WHERE OilGrade = 4; INSERT INTO VisTemp SELECT 4, " + [] {
        std::string columns;
        for (int c = 0; c < 38; ++c) columns += (c ? ", " : "") + std::to_string(200 - 5 * c);
        return columns;
    }());
    const auto air = db_.Search(.4 * 32, 20, 0, 0, 4);
    ASSERT_EQ(air->CoolerName(), "AOC 10");
    air->Recalculate();
    const double corrected = air->PressureDrop();
    const double inlet = air->CorrectedInletTempC();

    const auto sorted = air->SortByPressureDrop();
    ASSERT_EQ(sorted.Rows(), 5u);
    EXPECT_EQ(sorted.At(1, 1).ToString(), "AOC 10");
    for (std::size_t i = 2; i < sorted.Rows(); ++i) EXPECT_LE(sorted.At(0, i - 1).ToDouble(), sorted.At(0, i).ToDouble());
    EXPECT_EQ(air->CoolerName(), "AOC 10");
    EXPECT_EQ(air->PressureDrop(), corrected);
    EXPECT_EQ(air->CorrectedInletTempC(), inlet);

    // Each key is the pressure drop the model's own selection loads.
    air->SetCoolerID(2);
    EXPECT_EQ(sorted.At(0, 3).ToDouble(), air->PressureDrop());
    EXPECT_EQ(air->SortByPressureDrop(), sorted);  // built once per search
    air->SetHeatLoad(.9 * k * 32);
    air->FindCooler();
    EXPECT_EQ(air->SortByPressureDrop().Rows(), 3u);
}

}  // namespace
